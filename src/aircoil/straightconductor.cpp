#include "aircoil/straightconductor.h"

#include "aircoil/checkedmath.h"
#include "numbers/format.h"
#include "numbers/parse.h"
#include "numbers/wire.h"

namespace kovolo::aircoil {

namespace {
constexpr double centimetresPerInch = 2.54;
constexpr const char* invalidMark = "XXX";
} // namespace

double straightWireInductance(double diameter, double length, bool withSkinEffect, bool imperial,
                              std::string_view gaugeText)
{
    double diameterCm = diameter / 10;
    if (imperial) {
        const std::int16_t gauge = numbers::gaugeNumber(gaugeText);
        diameterCm = numbers::gaugeDiameterInches(gauge) * centimetresPerInch;
    }
    double lengthCm = length / 10;
    if (imperial)
        lengthCm = checked(lengthCm * 25.4);
    if (diameterCm == 0 || lengthCm == 0)
        return 0;
    const double c = withSkinEffect ? 1.0 : 0.75;
    const double ratio = checkedDivide(checked(4 * lengthCm), diameterCm);
    return checked(2 * lengthCm * (checkedLog(ratio) - c));
}

ScaledValue scaleNanohenry(double nanohenry)
{
    ScaledValue result;
    double shown = 0;
    runStep([&] {
        if (nanohenry < 1) {
            result.unit = "pH";
            shown = checked(nanohenry * 1000);
        } else if (nanohenry > 1000) {
            result.unit = "µH";
            shown = nanohenry / 1000;
        } else {
            result.unit = "nH";
            shown = nanohenry;
        }
    });
    runStep([&] { result.text = numbers::formatMask(shown, "#####0.0##"); });
    return result;
}

ScaledValue straightConductorDisplay(std::string_view diameter, std::string_view length,
                                     bool withSkinEffect, bool imperial, std::string_view gaugeText)
{
    double d = 0;
    double l = 0;
    double nanohenry = 0;
    runStep([&] { d = numbers::parseNumber(diameter); });
    runStep([&] { l = numbers::parseNumber(length); });
    runStep([&] { nanohenry = straightWireInductance(d, l, withSkinEffect, imperial, gaugeText); });
    ScaledValue result = scaleNanohenry(nanohenry);
    // No real conductor has an inductance at or below zero: the formula does not hold for it
    // (a conductor short compared with its diameter), or the arithmetic failed.
    const bool conductorGiven = (imperial || d != 0) && l != 0;
    if (conductorGiven && !(nanohenry > 0))
        result.text = invalidMark;
    return result;
}

} // namespace kovolo::aircoil
