#pragma once
// The error reports of the two calculations of the main window and the "skip the failing step"
// rule of every other handler.

#include "output/runtimeerror.h"

#include <exception>
#include <string>

namespace kovolo {

// Turns and wire: normal pointer, showMessage(description, 48, language title). Returns the
// error number so that the caller can empty Text6 on overflow.
int reportTurnsError(const RuntimeError& error);
// Inductance from turns: normal pointer, showMessage(description, 49, "Error").
void reportInductanceError(const RuntimeError& error);

// Runs one step of a handler that skips a failing statement; returns false when it failed.
template <class Step> bool skipOnFailure(Step&& step) noexcept
{
    try {
        step();
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace kovolo
