#include "toroid/inductance.h"

#include "numbers/format.h"
#include "output/runtimeerror.h"

#include <cmath>

namespace kovolo::toroid {

double reactance(double frequencyHz, double inductanceHenry)
{
    return frequencyHz * 6.28318530717958 * inductanceHenry;
}

InductanceResult computeInductance(double alNanohenry, double turns)
{
    InductanceResult result;
    const double al = alNanohenry * 1e-9;
    if (al == 0 || turns == 0)
        return result;

    const double l = al * turns * turns;
    if (!std::isfinite(l))
        raiseOverflow();

    double shown;
    if (l >= 1) {
        shown = l;
        result.unitText = "H";
    } else if (l > 1e-3) {
        shown = l * 1e3;
        result.unitText = "mH";
    } else if (l > 1e-6) {
        shown = l * 1e6;
        result.unitText = "µH";
    } else {
        shown = l * 1e9;
        result.unitText = "nH";
    }
    // A huge negative inductance (only a pasted negative AL makes one) overflows when scaled to
    // nanohenry: an overflow like any other, never the mark in place of a value.
    if (!std::isfinite(shown))
        raiseOverflow();
    result.valueText = numbers::formatMask(shown, "###0.0###");
    result.henry = l;
    result.valid = true;
    return result;
}

std::string reactanceText(double frequencyHz, double inductanceHenry)
{
    const double x = reactance(frequencyHz, inductanceHenry);
    if (!std::isfinite(x))
        raiseOverflow();
    return numbers::formatReactance(x);
}

} // namespace kovolo::toroid
