#include "tools/resonance.h"

#include "numbers/format.h"
#include "numbers/parse.h"
#include "numbers/units.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <string_view>

namespace kovolo::tools {

namespace {

constexpr double twoPi = 6.28318530717958; // 2π with π = 3.14159265358979
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();

template <std::size_t N> bool hasItem(const std::array<const char*, N>&, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < N;
}

// A typed value times its unit factor; what cannot be read or overflows counts as 0.
double scaledInput(std::string_view text, double factor)
{
    try {
        const double value = numbers::parseNumber(text) * factor;
        return std::isfinite(value) ? value : 0.0;
    } catch (...) {
        return 0.0;
    }
}

} // namespace

double resonanceFrequencyFactor(int index)
{
    // "MHz", "KHz", "Hz"
    return hasItem(resonanceFrequencyUnits, index) ? numbers::powerOfTen(6 - 3 * index) : 0.0;
}

double resonanceInductanceFactor(int index)
{
    // "nH", "µH", "mH", "H"
    return hasItem(resonanceInductanceUnits, index) ? numbers::powerOfTen(-9 + 3 * index) : 0.0;
}

double resonanceCapacitanceFactor(int index)
{
    // "pF", "nF", "µF"
    return hasItem(resonanceCapacitanceUnits, index) ? numbers::powerOfTen(-12 + 3 * index) : 0.0;
}

ScaledValue resonantFrequency(double henry, double farad)
{
    const double product = henry * farad;
    // A product beyond the double range has no result (not 0 Hz).
    const double f = std::isfinite(product) ? 1 / (std::sqrt(product) * twoPi) : notANumber;
    if (f > 1e6)
        return {f / 1e6, 0};
    if (f > 1e3)
        return {f / 1000, 1};
    return {f, 2};
}

ScaledValue resonantInductance(double farad, double hertz)
{
    const double w = twoPi * hertz;
    const double denominator = w * w * farad;
    const double l = std::isfinite(denominator) ? 1 / denominator : notANumber;
    if (l > 1)
        return {l, 3};
    if (l > 1e-3)
        return {l * 1000, 2};
    if (l > 1e-6)
        return {l * 1e6, 1};
    return {l * 1e9, 0};
}

ScaledValue resonantCapacitance(double henry, double hertz)
{
    const double w = twoPi * hertz;
    const double denominator = w * w * henry;
    const double c = std::isfinite(denominator) ? 1 / denominator : notANumber;
    if (c > 1e-6)
        return {c * 1e6, 2};
    if (c > 1e-9)
        return {c * 1e9, 1};
    return {c * 1e12, 0};
}

std::optional<ResonanceResult> solveResonance(const ResonanceInput& input)
{
    const double f = scaledInput(input.frequency, resonanceFrequencyFactor(input.frequencyUnit));
    const double l = scaledInput(input.inductance, resonanceInductanceFactor(input.inductanceUnit));
    const double c =
        scaledInput(input.capacitance, resonanceCapacitanceFactor(input.capacitanceUnit));
    const int given = (f > 0) + (l > 0) + (c > 0);
    if (given < 2)
        return std::nullopt;

    ResonanceField field;
    ScaledValue result;
    const char* mask;
    if (input.frequency.empty()) {
        field = ResonanceField::Frequency;
        result = resonantFrequency(l, c);
        mask = "####0.0########";
    } else if (input.inductance.empty()) {
        field = ResonanceField::Inductance;
        result = resonantInductance(c, f);
        mask = "####0.0###";
    } else if (input.capacitance.empty()) {
        field = ResonanceField::Capacitance;
        result = resonantCapacitance(l, f);
        mask = "###0.0###";
    } else {
        return std::nullopt; // the hint asks to leave one field free
    }
    // Extreme inputs (products beyond the double range) give no number to show.
    if (!std::isfinite(result.value))
        return std::nullopt;
    return ResonanceResult{field, numbers::formatMask(result.value, mask), result.unitIndex};
}

} // namespace kovolo::tools
