#include "tools/alwindow.h"

#include "numbers/format.h"
#include "numbers/parse.h"
#include "output/runtimeerror.h"

#include <cmath>
#include <limits>

namespace kovolo::tools {

namespace {

std::string geometryText(float value)
{
    return numbers::formatMask(value, "###0.0");
}

} // namespace

float readSingle(std::string_view text)
{
    return toSingle(numbers::parseNumber(text));
}

FormFactors toroidFormFactors(float da, float di, float h, float coating)
{
    FormFactors result;
    const float da2 = toSingle(static_cast<double>(da - 2.0f * coating));
    const float di2 = toSingle(static_cast<double>(di + 2.0f * coating));
    const float h2 = toSingle(static_cast<double>(h - 2.0f * coating));
    if (da2 <= 0 || di2 <= 0 || da2 <= di2 || h2 <= 0)
        return result;

    const float k = toSingle(static_cast<double>(da2 / di2));
    const double lnK = std::log(static_cast<double>(k));
    const double kMinus1 = static_cast<double>(k - 1.0f);
    if (kMinus1 == 0)
        raiseOverflow(); // Da' and Di' differ by less than Single can tell apart
    result.le = toSingle(static_cast<double>(da2) * toolPi * lnK / kMinus1);
    result.ae =
        toSingle(static_cast<double>(h2) * static_cast<double>(da2) * lnK * lnK / (2.0 * kMinus1));
    if (result.ae == 0)
        raiseOverflow();
    result.leAe = toSingle(static_cast<double>(result.le / result.ae));
    result.valid = true;
    return result;
}

std::optional<float> alFromWinding(float turns, float microhenry)
{
    if (turns == 0)
        return std::nullopt;
    const float square = toSingle(static_cast<double>(turns * turns));
    if (square == 0)
        raiseOverflow(); // so few turns that N² is below the Single range
    return toSingle(static_cast<double>(microhenry / square * 1000.0f));
}

float permeabilityFromAl(float alNanohenry, float leAe)
{
    return toSingle(static_cast<double>(alNanohenry) * 2.5 * static_cast<double>(leAe) / toolPi);
}

MeasuredCoreResult computeMeasuredCore(const MeasuredCoreInput& input)
{
    MeasuredCoreResult result;

    // AL; nothing known about it when reading or computing it overflows.
    std::optional<float> al;
    try {
        const float turns = readSingle(input.turns);
        const float microhenry = readSingle(input.inductance);
        const std::optional<float> value = alFromWinding(turns, microhenry);
        al = value.value_or(0.0f);
        result.al = value ? numbers::formatMask(*value, "####0.0#") : toolInvalidMark;
    } catch (...) {
        result.al = toolInvalidMark;
    }

    FormFactors core;
    try {
        core = toroidFormFactors(readSingle(input.da), readSingle(input.di), readSingle(input.h),
                                 readSingle(input.coating));
    } catch (...) {
        core.valid = false;
    }
    if (!core.valid) {
        result.ae = result.le = result.leAe = result.permeability = toolInvalidMark;
        return result;
    }
    result.ae = geometryText(core.ae);
    result.le = geometryText(core.le);
    result.leAe = geometryText(core.leAe);
    try {
        result.permeability =
            al ? geometryText(permeabilityFromAl(*al, core.leAe)) : std::string(toolInvalidMark);
    } catch (...) {
        result.permeability = toolInvalidMark;
    }
    return result;
}

} // namespace kovolo::tools
