#include "numbers/units.h"

#include <cmath>
#include <cstdlib>

namespace kovolo::numbers {

double powerOfTen(int exponent)
{
    // Up to 10^22 the powers of ten are exact doubles, and 1 / 10^n is then the double nearest
    // to 10^-n: powerOfTen(-6) is exactly the literal 1e-6.
    const int n = std::abs(exponent);
    if (n <= 22) {
        double power = 1.0;
        for (int i = 0; i < n; ++i)
            power *= 10.0;
        return exponent < 0 ? 1.0 / power : power;
    }
    return std::pow(10.0, exponent);
}

double inductanceFactor(int index)
{
    // An unselected list (index -1) counts as the base unit.
    if (index < 0 || index >= static_cast<int>(inductanceUnits.size()))
        return 1.0;
    return powerOfTen(inductanceUnits[static_cast<std::size_t>(index)].exponent);
}

double frequencyFactorHz(int index)
{
    return powerOfTen(3 * index);
}

double frequencyFactorMHz(int index)
{
    return powerOfTen(3 * index - 6);
}

} // namespace kovolo::numbers
