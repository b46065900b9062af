#include "numbers/format.h"

#include "output/runtimeerror.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>

namespace kovolo::numbers {

namespace {

std::string& separatorStore()
{
    static std::string separator = ".";
    return separator;
}

struct MaskShape {
    int minIntegerDigits = 0; // "0" before the point
    int minDecimals = 0;      // "0" after the point
    int maxDecimals = 0;      // "0" and "#" after the point
};

MaskShape readMask(std::string_view mask)
{
    MaskShape shape;
    bool afterPoint = false;
    for (const char c : mask) {
        if (c == '.') {
            afterPoint = true;
        } else if (c == '0') {
            if (afterPoint) {
                ++shape.minDecimals;
                ++shape.maxDecimals;
            } else {
                ++shape.minIntegerDigits;
            }
        } else if (c == '#' && afterPoint) {
            ++shape.maxDecimals;
        }
    }
    return shape;
}

// Adds one unit in the last place of a string of decimal digits; returns true when a carry
// runs out of the front ("999" becomes "000" and true).
bool incrementDigits(std::string& digits)
{
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] == '9') {
            digits[i] = '0';
        } else {
            ++digits[i];
            return false;
        }
    }
    return true;
}

} // namespace

void setDisplayDecimalSeparator(std::string separator)
{
    separatorStore() = std::move(separator);
}

const std::string& displayDecimalSeparator()
{
    return separatorStore();
}

// NaN and infinities cannot come out of a calculation that succeeded; they are shown as the
// invalid-result mark "XXX", which reads back as 0 like every other invalid result.
std::string formatMask(double value, std::string_view mask, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return "XXX";
    const MaskShape shape = readMask(mask);
    const bool negative = std::signbit(value);
    const double magnitude = std::fabs(value);

    // The value as 15 significant digits: d.dddddddddddddde+XX. Rounding to the mask's decimals
    // is then done on these decimal digits, so 2.675 counts as 2.675 and not as the binary
    // 2.67499999...
    char sci[40];
    const auto written =
        std::to_chars(sci, sci + sizeof sci, magnitude, std::chars_format::scientific, 14);
    std::string significant;
    int exponent = 0;
    for (const char* p = sci; p < written.ptr; ++p) {
        if (*p >= '0' && *p <= '9') {
            significant += *p;
        } else if (*p == 'e') {
            std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), written.ptr, exponent);
            break;
        }
    }

    // The largest doubles round to 15 digits above the double range (1.79769313486232e308),
    // a text no reader could take back: they are shown as the largest 15-digit value below it.
    constexpr const char* largestShown = "179769313486231";
    if (exponent == std::numeric_limits<double>::max_exponent10 && significant > largestShown)
        significant = largestShown;

    // Split into integer and fraction digits.
    std::string integerDigits;
    std::string fractionDigits;
    const int integerLength = magnitude == 0.0 ? 0 : exponent + 1;
    if (magnitude == 0.0) {
        // nothing: both parts stay empty
    } else if (integerLength <= 0) {
        fractionDigits.assign(static_cast<std::size_t>(-integerLength), '0');
        fractionDigits += significant;
    } else if (static_cast<std::size_t>(integerLength) >= significant.size()) {
        integerDigits = significant;
        integerDigits.append(static_cast<std::size_t>(integerLength) - significant.size(), '0');
    } else {
        integerDigits = significant.substr(0, static_cast<std::size_t>(integerLength));
        fractionDigits = significant.substr(static_cast<std::size_t>(integerLength));
    }

    // Round half away from zero to the maximum number of decimals.
    const auto maxDecimals = static_cast<std::size_t>(shape.maxDecimals);
    const bool roundUp = fractionDigits.size() > maxDecimals && fractionDigits[maxDecimals] >= '5';
    fractionDigits.resize(maxDecimals, '0');
    if (roundUp) {
        std::string all = integerDigits + fractionDigits;
        if (incrementDigits(all))
            all.insert(all.begin(), '1');
        integerDigits = all.substr(0, all.size() - maxDecimals);
        fractionDigits = all.substr(all.size() - maxDecimals);
    }

    // Trailing "#" decimals that are zero are dropped.
    while (fractionDigits.size() > static_cast<std::size_t>(shape.minDecimals) &&
           fractionDigits.back() == '0')
        fractionDigits.pop_back();

    // Leading zeros of the integer part are dropped down to the "0" positions.
    const std::size_t firstNonZero = integerDigits.find_first_not_of('0');
    integerDigits.erase(0, firstNonZero == std::string::npos ? integerDigits.size() : firstNonZero);
    if (integerDigits.size() < static_cast<std::size_t>(shape.minIntegerDigits))
        integerDigits.insert(
            0, static_cast<std::size_t>(shape.minIntegerDigits) - integerDigits.size(), '0');

    const bool shownNonZero = integerDigits.find_first_not_of('0') != std::string::npos ||
                              fractionDigits.find_first_not_of('0') != std::string::npos;

    std::string text;
    if (negative && shownNonZero)
        text += '-';
    text += integerDigits;
    // A mask without decimals, or whose "#" decimals all fell away, shows no separator.
    if (!fractionDigits.empty()) {
        text += decimalSeparator;
        text += fractionDigits;
    }
    return text;
}

std::string formatMask(double value, std::string_view mask)
{
    return formatMask(value, mask, displayDecimalSeparator());
}

std::string formatInteger(long long value)
{
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, written.ptr);
}

namespace {

// Nearest integer, halves to the even neighbour, without depending on the rounding mode.
double roundHalfEven(double value)
{
    const double down = std::floor(value);
    const double rest = value - down;
    if (rest > 0.5)
        return down + 1.0;
    if (rest < 0.5)
        return down;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

template <typename Int> Int toInteger(double value)
{
    if (std::isnan(value))
        raiseOverflow();
    const double rounded = roundHalfEven(value);
    if (rounded < static_cast<double>(std::numeric_limits<Int>::min()) ||
        rounded > static_cast<double>(std::numeric_limits<Int>::max()))
        raiseOverflow();
    return static_cast<Int>(rounded);
}

} // namespace

std::int16_t toInt16(double value)
{
    return toInteger<std::int16_t>(value);
}

std::int32_t toInt32(double value)
{
    return toInteger<std::int32_t>(value);
}

float toSingle(double value)
{
    // Halfway between the largest Single and the next power of two; from here on the
    // conversion would round to infinity.
    constexpr double limit = 0x1.ffffffp+127;
    if (!(std::fabs(value) < limit))
        raiseOverflow(); // also NaN
    return static_cast<float>(value);
}

std::string formatImperialLength(float millimetres, std::string& unit)
{
    constexpr float footLimit = 304.8f;
    constexpr float yardLimit = 914.4f;
    const double length = millimetres;
    std::string text;
    if (!(millimetres >= footLimit)) {
        text = formatMask(length / 25.4, "###0.0##");
        unit = "in";
        return text;
    }
    text = formatMask(length / (12 * 25.4), "###0.0##");
    unit = "ft";
    if (millimetres >= yardLimit) {
        text = formatMask(length / 914.4, "###0.0##");
        unit = "yd";
    }
    return text;
}

std::string formatReactance(double ohm)
{
    if (!std::isfinite(ohm))
        return "XXX";
    double shown;
    const char* suffix;
    if (ohm > 1e9) {
        shown = ohm / 1e9;
        suffix = " G";
    } else if (ohm > 1e6) {
        shown = ohm / 1e6;
        suffix = " M";
    } else if (ohm > 1e3) {
        shown = ohm / 1e3;
        suffix = " K";
    } else if (ohm >= 1) {
        shown = ohm;
        suffix = "";
    } else {
        shown = ohm * 1e3;
        suffix = " m";
    }
    // A large negative reactance overflows when scaled to milliohm: an overflow like any other,
    // never a mark with a prefix ("XXX m").
    if (!std::isfinite(shown))
        raiseOverflow();
    return formatMask(shown, "####0.00#") + suffix;
}

} // namespace kovolo::numbers
