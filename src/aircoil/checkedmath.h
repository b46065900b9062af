#pragma once
// Arithmetic of the air-coil calculations that fails loudly instead of carrying an infinity or
// a NaN into a label, and the "skip the failing step" rule of their handlers.

#include "numbers/format.h"
#include "output/runtimeerror.h"

#include <cmath>
#include <limits>

namespace kovolo::aircoil {

// The value of a finished operation: an infinity is an overflow, a NaN an invalid argument.
inline double checked(double value)
{
    if (std::isinf(value))
        raiseOverflow();
    if (std::isnan(value))
        raiseInvalidArgument();
    return value;
}

inline double checkedDivide(double dividend, double divisor)
{
    if (divisor == 0)
        raiseDivisionByZero();
    return checked(dividend / divisor);
}

inline double checkedLog(double value)
{
    if (!(value > 0))
        raiseInvalidArgument();
    return checked(std::log(value));
}

inline double checkedSqrt(double value)
{
    if (value < 0 || std::isnan(value))
        raiseInvalidArgument();
    return checked(std::sqrt(value));
}

// Narrowing to single precision; a value beyond its range is an overflow.
using numbers::toSingle;

// Runs one step of a calculation; a step that fails is skipped without a word.
template <class Step> void runStep(Step&& step) noexcept
{
    try {
        step();
    } catch (...) {
    }
}

} // namespace kovolo::aircoil
