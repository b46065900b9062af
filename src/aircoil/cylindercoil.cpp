#include "aircoil/cylindercoil.h"

#include "aircoil/checkedmath.h"
#include "numbers/format.h"
#include "numbers/parse.h"
#include "numbers/units.h"
#include "numbers/wire.h"

namespace kovolo::aircoil {

namespace {

constexpr double pi = 3.14159265358979;
constexpr double piSquared = 9.869604401089338;
constexpr double threePi = 9.42477796076937;
constexpr double twoOverPi = 0.6366198;
constexpr double centimetresPerInch = 2.54;

// Lundin's rational part f1(z) and polynomial part f2(z), with z = 1/x² spelt out as the
// quotients of the constants by x², x⁴ and x⁶.
double lundinLong(double x)
{
    const double x2 = checked(x * x);
    const double x4 = checked(x2 * x2);
    const double x6 = checked(x4 * x2);
    const double f1 = (1 + 0.383901 / x2 + 0.017108 / x4) / (1 + 0.258952 / x2);
    const double f2 = 0.093842 / x2 + 0.002029 / x4 - 0.000801 / x6;
    return checked((checkedLog(4 * x) - 0.5) * f1 + f2) * twoOverPi / x;
}

double lundinShort(double x)
{
    const double z = checked(x * x);
    const double f1 = checkedDivide(1 + 0.383901 * z + 0.017108 * checked(z * z), 1 + 0.258952 * z);
    return checked(f1 - 4 * x / threePi);
}

} // namespace

double inductanceFactor(int index)
{
    if (index < 0 || index >= static_cast<int>(inductanceUnits.size()))
        index = inductanceUnitInitial;
    return numbers::powerOfTen(-3 * index);
}

double nagaokaFactor(double x)
{
    // x = 1 takes the short coil's branch; the two branches meet there within 2e-6.
    return x > 1 ? lundinLong(x) : lundinShort(x);
}

double cylinderCoilTurns(double inductanceHenry, double diameterMetres, double lengthMetres)
{
    const double inductanceNh = checked(inductanceHenry * 1e9);
    const double diameterCm = checked(diameterMetres * 100);
    const double lengthCm = checked(lengthMetres * 100);
    if (inductanceNh == 0 || diameterCm == 0)
        return 0;
    const double x = checkedDivide(diameterCm, lengthCm);
    const double k = nagaokaFactor(x);
    // L[nH] = π² · D[cm]² · N² · K / l[cm], solved for N.
    const double denominator = checked(checked(diameterCm * piSquared * x) * k);
    return checkedSqrt(checkedDivide(inductanceNh, denominator));
}

double cylinderCoilInductance(double turns, double diameter, double length, bool imperial)
{
    const double diameterCm = checked(imperial ? diameter * centimetresPerInch : diameter / 10);
    const double lengthCm = checked(imperial ? length * centimetresPerInch : length / 10);
    if (diameterCm == 0 || lengthCm == 0 || turns == 0)
        return 0;
    const double x = checkedDivide(diameterCm, lengthCm);
    const double k = nagaokaFactor(x);
    const double nanohenry = checked(turns * turns * pi * pi * diameterCm * x * k);
    return nanohenry / 1000;
}

std::string metricWireLength(double centimetres, std::string& unit)
{
    if (centimetres > 100) {
        unit = "m";
        return numbers::formatMask(centimetres / 100, "####0.0##");
    }
    unit = "cm";
    return numbers::formatMask(centimetres, "####0.0##");
}

TurnsDisplay cylinderTurnsDisplay(std::string_view inductance, int unitIndex,
                                  std::string_view diameter, std::string_view length, bool imperial)
{
    TurnsDisplay display;
    // Working values, 0 until their step succeeds.
    double diameterM = 0;
    double lengthM = 0;
    double inductanceH = 0;
    double turns = 0;
    double wireCm = 0;
    float maxWire = 0; // mm, or the gauge number in imperial mode

    const auto toMetres = [imperial](std::string_view text) {
        const double value = numbers::parseNumber(text);
        return checked(imperial ? value * centimetresPerInch / 100 : value / 1000);
    };
    runStep([&] { diameterM = toMetres(diameter); });
    runStep([&] { lengthM = toMetres(length); });
    runStep([&] {
        inductanceH = checked(numbers::parseNumber(inductance) * inductanceFactor(unitIndex));
    });
    if (inductanceH == 0 || diameterM == 0 || lengthM == 0)
        return display;

    runStep([&] { turns = cylinderCoilTurns(inductanceH, diameterM, lengthM); });
    runStep([&] { display.turns = numbers::formatMask(turns, "####0.0#"); });
    bool showMaxWire = true;
    if (turns > 0) {
        // The turns times the coil's circumference.
        runStep([&] { wireCm = checked(turns * pi * diameterM * 100); });
        runStep([&] {
            std::string unit;
            std::string text = imperial ? numbers::formatImperialLength(toSingle(wireCm * 10), unit)
                                        : metricWireLength(wireCm, unit);
            display.wireLength = std::move(text);
            display.wireLengthUnit = std::move(unit);
        });
        // Close-wound in one layer: the coil length shared among the turns.
        runStep([&] { maxWire = toSingle(checkedDivide(lengthM * 1000, turns)); });
        if (imperial) {
            display.maxWireUnit = "AWG";
            runStep([&] {
                const std::string gauge = numbers::diameterToAwg(maxWire);
                if (gauge == "xxx") {
                    display.maxWire = gauge; // finer than gauge 40
                    showMaxWire = false;
                } else {
                    // "0", "00", "000" and "0000" all read as 0.
                    maxWire = toSingle(numbers::parseNumber(gauge));
                }
            });
        } else if (maxWire > 10) {
            maxWire = maxWire / 10;
            display.maxWireUnit = "cm";
        } else {
            display.maxWireUnit = "mm";
        }
    }
    if (showMaxWire)
        runStep([&] { display.maxWire = numbers::formatMask(maxWire, "##0.0##"); });
    return display;
}

ScaledValue scaleMicrohenry(double microhenry)
{
    ScaledValue result;
    double shown = 0;
    runStep([&] {
        if (microhenry < 1) {
            result.unit = "nH";
            shown = checked(microhenry * 1000);
        } else if (microhenry > 1000) {
            result.unit = "mH";
            shown = microhenry / 1000;
        } else {
            result.unit = "µH";
            shown = microhenry;
        }
    });
    runStep([&] { result.text = numbers::formatMask(shown, "#####0.0##"); });
    return result;
}

ScaledValue cylinderInductanceDisplay(std::string_view turns, std::string_view diameter,
                                      std::string_view length, bool imperial)
{
    double n = 0;
    double d = 0;
    double l = 0;
    double microhenry = 0;
    runStep([&] { n = numbers::parseNumber(turns); });
    runStep([&] { d = numbers::parseNumber(diameter); });
    runStep([&] { l = numbers::parseNumber(length); });
    runStep([&] { microhenry = cylinderCoilInductance(n, d, l, imperial); });
    return scaleMicrohenry(microhenry);
}

} // namespace kovolo::aircoil
