#pragma once
// The one setting the program keeps between runs: the language code.

#include <string>

namespace kovolo::settings {

// Settings store "Kovolo", section "Settings", key "Sprache"; "deutsch" when missing or when
// the store cannot be read.
std::string readLanguage();
// Writes the code; a failed write is ignored.
void writeLanguage(const std::string& code);

} // namespace kovolo::settings
