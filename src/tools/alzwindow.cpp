#include "tools/alzwindow.h"

#include "numbers/format.h"
#include "output/runtimeerror.h"
#include "tools/alwindow.h"

#include <optional>

namespace kovolo::tools {

namespace {

bool onlyBlanks(std::string_view text)
{
    return text.find_first_not_of(' ') == std::string_view::npos;
}

} // namespace

float alFromPermeability(float permeability, float leAe)
{
    const float x = toSingle(static_cast<double>(leAe) * 2.5 / toolPi);
    if (x == 0)
        raiseOverflow(); // a form factor below the Single range
    return toSingle(static_cast<double>(permeability / x));
}

PermeabilityCoreResult computePermeabilityCore(const PermeabilityCoreInput& input)
{
    PermeabilityCoreResult result;
    const auto allInvalid = [&result] {
        result.ae = result.le = result.leAe = result.al = toolInvalidMark;
        return result;
    };
    if (onlyBlanks(input.permeability))
        return allInvalid();

    FormFactors core;
    try {
        core = toroidFormFactors(readSingle(input.da), readSingle(input.di), readSingle(input.h),
                                 readSingle(input.coating));
    } catch (...) {
        core.valid = false;
    }
    if (!core.valid)
        return allInvalid();

    result.ae = numbers::formatMask(core.ae, "###0.0");
    result.le = numbers::formatMask(core.le, "###0.0");
    result.leAe = numbers::formatMask(core.leAe, "###0.0");
    try {
        const float permeability = readSingle(input.permeability);
        if (permeability > 0)
            result.al =
                numbers::formatMask(alFromPermeability(permeability, core.leAe), "#####0.0");
    } catch (...) {
        result.al = toolInvalidMark;
    }
    return result;
}

} // namespace kovolo::tools
