#pragma once
// Inductance and reactance of a given number of turns on a ring core.

#include <string>

namespace kovolo::toroid {

// X = f · 2π · L with 2π = 6.28318530717958.
double reactance(double frequencyHz, double inductanceHenry);

struct InductanceResult {
    bool valid = false;    // false: no inductance (AL or N is 0), both results "XXX"
    double henry = 0;      // L = AL · N · N
    std::string valueText; // "###0.0###" in the unit below
    std::string unitText;  // "H", "mH", "µH" or "nH"
};

// AL in nH/N², turns may be fractional. Throws overflow when L leaves the double range.
InductanceResult computeInductance(double alNanohenry, double turns);

// The reactance of L at f as formatReactance shows it. Throws overflow beyond the double range.
std::string reactanceText(double frequencyHz, double inductanceHenry);

} // namespace kovolo::toroid
