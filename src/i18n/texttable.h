#pragma once
// The six-language text table of the captions. Keyed by base id + language offset; sparse: an
// absent entry is a lookup failure, and the caller keeps the caption it had.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovolo::i18n {

struct Language {
    const char* code;
    int offset;
};
inline constexpr std::array<Language, 6> languages{{{"deutsch", 0},
                                                    {"englisch", 1000},
                                                    {"span", 2000},
                                                    {"franz", 3000},
                                                    {"ital", 4000},
                                                    {"cz", 5000}}};

// Offset of a language code; 0 (German) for a code that is none of the six.
int languageOffset(std::string_view code);
bool isKnownLanguage(std::string_view code);

// The text of a base id in the language of `code`, or nothing when the entry is absent.
std::optional<std::string> lookupText(int baseId, std::string_view code);
// The text stored under a full key (base id + offset).
std::optional<std::string> lookupKey(int key);

// Every key that holds an entry, language by language and ascending within a language.
std::vector<int> storedKeys();

} // namespace kovolo::i18n
