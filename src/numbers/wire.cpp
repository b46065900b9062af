#include "numbers/wire.h"

#include "numbers/format.h"
#include "numbers/parse.h"

#include <cmath>

namespace kovolo::numbers {

namespace {

constexpr double pi = 3.14159265358979;
constexpr double millimetresPerInch = 25.4;

// Gauge law: d[in] = 10^(-(g + 9.6954) / 19.8578).
constexpr double gaugeOffset = 9.6954;
constexpr double gaugeSlope = 19.8578;

} // namespace

const std::array<std::string, 44>& gaugeTexts()
{
    static const std::array<std::string, 44> texts = [] {
        std::array<std::string, 44> t;
        t[0] = "0000";
        t[1] = "000";
        t[2] = "00";
        for (int g = 0; g <= 40; ++g)
            t[static_cast<std::size_t>(g + 3)] = formatInteger(g);
        return t;
    }();
    return texts;
}

double decimalLog(double x)
{
    return std::log(x) / std::log(10.0);
}

std::string diameterToAwg(float diameterMm)
{
    if (!(diameterMm > 0.0f))
        return "xxx";
    const double inches = static_cast<double>(diameterMm) / millimetresPerInch;
    const double gauge = -gaugeOffset - gaugeSlope * decimalLog(inches);
    if (!std::isfinite(gauge))
        return "xxx"; // an infinite diameter is no wire
    // Finite single-precision diameters give gauges between about -760 and +900.
    const std::int16_t g = toInt16(gauge);
    if (g > 40)
        return "xxx";
    if (g >= 1)
        return formatInteger(g);
    switch (g) {
    case 0:
        return "0";
    case -1:
        return "00";
    case -2:
        return "000";
    default:
        return "0000";
    }
}

std::int16_t gaugeNumber(std::string_view gaugeText)
{
    const std::int16_t g = toInt16(parseNumber(gaugeText));
    if (gaugeText == "0000")
        return -3;
    if (gaugeText == "000")
        return -2;
    if (gaugeText == "00")
        return -1;
    if (gaugeText == "0")
        return 0;
    return g;
}

double gaugeDiameterInches(std::int16_t gauge)
{
    return std::pow(10.0, -(gauge + gaugeOffset) / gaugeSlope);
}

float awgToDiameter(std::string_view gaugeText)
{
    // Gauges far below "0000" give diameters beyond the single range: an overflow.
    const float inches = toSingle(gaugeDiameterInches(gaugeNumber(gaugeText)));
    const double millimetres = static_cast<double>(inches) * millimetresPerInch;
    return toSingle(parseNumber(formatMask(millimetres, "###0.0###", ".")));
}

float maxWireDiameter(std::int32_t turns, float innerDiameterMm)
{
    if (turns < 1)
        return 0.0f; // no turns, no wire (callers test for this first)
    const double phi = pi / 180 * 180 / turns;
    const double s = std::sin(phi);
    float wire = toSingle(innerDiameterMm * s / (s + 1));
    if (turns == 1)
        wire = innerDiameterMm; // a single turn may be as thick as the hole
    return toSingle(wire - 0.01 / turns);
}

} // namespace kovolo::numbers
