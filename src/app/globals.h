#pragma once
// Program-wide values, set at start-up and read by every subsystem.

#include <cstdint>
#include <string>

namespace kovolo {

struct Globals {
    // Language code: "deutsch", "englisch", "span", "franz", "ital" or "cz" (any other string
    // is kept as it is and falls back where a text is chosen by code).
    std::string currentLanguage = "deutsch";
    // false: millimetres, centimetres, wire by diameter; true: inch, foot, yard, AWG.
    bool unitSystemImperial = false;
    // Selected tab of the main window, 1 to 7.
    std::int16_t currentTab = 1;
    // True while the main window prints; selection handlers then leave result labels alone.
    bool printingInProgress = false;
    // Line break of every composed text.
    std::string lineBreak = "\r\n";
};

// The one instance. Tests may reset it with resetGlobals().
Globals& globals();
void resetGlobals();

} // namespace kovolo
