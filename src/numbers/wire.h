#pragma once
// Wire sizes: the American Wire Gauge scale, conversions between gauge and diameter, and the
// thickest wire that fits a number of turns in one layer through a ring core's hole.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kovolo::numbers {

// "0000", "000", "00", "0", "1" ... "40": 44 gauge texts, thickest first.
const std::array<std::string, 44>& gaugeTexts();
inline constexpr int gaugeListInitial = 24; // gauge "21"

// log10 as ln(x) / ln(10) in double precision.
double decimalLog(double x);

// The gauge number of a gauge text: the number read from it (halves to even), except that the
// texts "0000", "000", "00" and "0" are -3, -2, -1 and 0. Throws RuntimeError(Overflow) outside
// the 16-bit range.
std::int16_t gaugeNumber(std::string_view gaugeText);
// Diameter in inches of gauge g by the gauge law, unrounded.
double gaugeDiameterInches(std::int16_t gauge);

// A gauge text of the scale, or "xxx" for zero, negative or finer than gauge 40.
std::string diameterToAwg(float diameterMm);

// Diameter in mm rounded to four decimals. Throws RuntimeError(Overflow) for a gauge outside
// the 16-bit range and for one so far below "0000" that its diameter exceeds a Single.
float awgToDiameter(std::string_view gaugeText);

// Largest wire diameter in mm for `turns` (>= 1) turns side by side on the inner circumference
// of a hole of diameter innerDiameterMm, less a clearance of 0.01 mm shared among the turns.
float maxWireDiameter(std::int32_t turns, float innerDiameterMm);

} // namespace kovolo::numbers
