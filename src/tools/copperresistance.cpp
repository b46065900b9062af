#include "tools/copperresistance.h"

#include "numbers/format.h"
#include "numbers/parse.h"

#include <cmath>
#include <limits>
#include <optional>

namespace kovolo::tools {

namespace {

constexpr double quarterPi = 0.7853981633974475; // π/4 with π = 3.14159265358979
constexpr double metresPerFoot = 0.3048;
constexpr double metresPerYard = 0.9144;

// A value narrowed to Single, or nothing when it lies beyond the single-precision range.
std::optional<float> toSingle(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<float>(value);
}

// Characters (not bytes) of a UTF-8 text.
std::size_t characterCount(const std::string& text)
{
    std::size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

} // namespace

double gaugeDiameterMm(std::string_view gaugeText)
{
    return numbers::gaugeDiameterInches(gaugeNumber(gaugeText)) * 25.4;
}

double copperResistance(float lengthM, float diameterMm, float temperatureC)
{
    const double d = diameterMm;
    const double r20 = lengthM * copperResistivity / (quarterPi * d * d);
    return ((temperatureC - 20.0) * copperTemperatureCoefficient + 1) * r20;
}

std::string resistanceText(double ohm)
{
    double shown;
    const char* prefix;
    if (ohm < 0.001) {
        shown = ohm * 1e6;
        prefix = " µ";
    } else if (ohm < 1) {
        shown = ohm * 1000;
        prefix = " m";
    } else if (ohm < 1000) {
        shown = ohm;
        prefix = "";
    } else {
        shown = ohm / 1000;
        prefix = " K";
    }
    const std::optional<float> value = toSingle(shown);
    if (!value)
        return "xxx";
    std::string text = numbers::formatMask(*value, "####0.0####") + prefix;
    if (characterCount(text) > 11) {
        text = numbers::formatMask(*value, "####0.0###");
        if (*prefix)
            text += prefix + 1; // without the blank
    }
    return text;
}

CopperResult computeCopperResistance(const CopperInput& input)
{
    CopperResult result;
    try {
        double length = numbers::parseNumber(input.lengthText);
        if (input.imperial)
            length *= input.lengthUnit == 1 ? metresPerYard : metresPerFoot;
        const double diameter = input.imperial ? gaugeDiameterMm(input.gaugeText)
                                               : numbers::parseNumber(input.diameterText);
        const double temperature = numbers::parseNumber(input.temperatureText);

        const std::optional<float> t = toSingle(temperature);
        bool inRange = true;
        if (!t || *t < copperLowestTemperature) {
            if (!t && temperature > 0)
                result.warning = "t > 250 °C";
            else
                result.warning = "t < -200 °C";
            inRange = false;
        } else if (*t > copperHighestTemperature) {
            result.warning = "t > 250 °C";
            inRange = false;
        }

        const std::optional<float> l = toSingle(length);
        const std::optional<float> d = toSingle(diameter);
        if (!inRange || !l || !d || !(*d > 0)) {
            result.resistance = "xxx";
            return result;
        }
        result.resistance = resistanceText(copperResistance(*l, *d, *t));
    } catch (...) {
        // A number beyond the double range, or a gauge beyond the 16-bit range.
        result.resistance = "xxx";
    }
    return result;
}

} // namespace kovolo::tools
