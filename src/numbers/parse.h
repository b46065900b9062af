#pragma once
// The one number reader of the program. It accepts the decimal comma and the decimal point
// whatever the regional settings say, and never rejects a text: what is not a number reads as 0.

#include <string_view>

namespace kovolo::numbers {

// Replaces the first comma by a point, then reads the longest leading number (blanks, tabs and
// line feeds skipped anywhere, optional sign, digits with one point, optional exponent).
// Throws RuntimeError(Overflow) when the number lies outside the double range.
double parseNumber(std::string_view text);

} // namespace kovolo::numbers
