#pragma once
// How numbers become label text: display masks, integer conversion, imperial lengths and
// reactances with an engineering prefix.

#include <cstdint>
#include <string>
#include <string_view>

namespace kovolo::numbers {

// The decimal separator used for display (the system's regional one in the program; "." until
// the program sets it). Reading accepts both separators anyway.
void setDisplayDecimalSeparator(std::string separator);
const std::string& displayDecimalSeparator();

// Renders value with a mask of "#", "0" and at most one "." ("###0.0#"): rounds half away from
// zero to the mask's maximum decimals (on the value's 15-significant-digit decimal form), no
// grouping, leading minus for negatives (never "-0.0").
std::string formatMask(double value, std::string_view mask, std::string_view decimalSeparator);
std::string formatMask(double value, std::string_view mask); // with displayDecimalSeparator()

// Plain integer display.
std::string formatInteger(long long value);

// Integer conversion: nearest, halves to even; outside the range throws RuntimeError(Overflow).
std::int16_t toInt16(double value);
std::int32_t toInt32(double value);

// Narrowing to single precision, the one way a Double becomes a Single: a value that does not
// fit (beyond about 3.4e38 in magnitude, infinite or not a number) throws
// RuntimeError(Overflow) instead of turning into an infinity. Values too small for a Single
// become 0 as the conversion rounds them.
float toSingle(double value);

// Length in millimetres as inches, feet or yards with "###0.0##"; unit receives "in", "ft", "yd".
std::string formatImperialLength(float millimetres, std::string& unit);

// Reactance in ohm with "####0.00#" and the suffix " G", " M", " K", "" or " m"; "XXX" for a
// non-finite reactance. Throws RuntimeError(Overflow) when a negative one below about -1.8e305
// cannot be scaled to milliohm.
std::string formatReactance(double ohm);

} // namespace kovolo::numbers
