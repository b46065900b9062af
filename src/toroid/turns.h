#pragma once
// Turns and wire for a wanted inductance on a ring core.

#include "catalogs/catalog.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kovolo::toroid {

inline constexpr const char* invalidMark = "XXX";

// The wire diameter typed beside the wire length: millimetres, or in imperial mode a gauge
// (so an empty field means gauge 0). Negative diameters count as 0. May throw overflow.
float wireDiameterFromText(std::string_view text, bool imperial);

// A dimension typed in mm, narrowed to single precision (overflow when it does not fit).
float dimensionFromText(std::string_view text);

// Which fields of the unknown core must be emptied because the core cannot be used.
struct UnknownCoreCheck {
    bool usable = true;
    bool clearAl = false, clearH = false, clearDa = false, clearDi = false;
};
UnknownCoreCheck checkUnknownCore(double al, float da, float di, float h);

// The smallest whole number of turns that reaches at least the wanted inductance; a root within
// a relative 1e-12 of a whole number counts as that number. Throws overflow beyond 32 bits and
// an invalid argument for a negative quotient.
std::int32_t turnsFor(double inductanceHenry, double alHenryPerTurn2);

struct TurnsResult {
    std::int32_t turns = 0;
    std::string turnsText;
    std::string maxWireText; // mm ("###0.0#") or a gauge
    std::string lengthText;  // cm ("###0.0") or inches/feet/yards; "XXX" when the wire does not fit
    std::string lengthUnit;  // imperial only: "in", "ft" or "yd"; empty in metric mode
};

// Turns, thickest wire and wire length for a usable core.
TurnsResult computeTurns(double inductanceHenry, double alHenryPerTurn2,
                         const catalogs::CoreDimensions& core, float wireDiameterMm, bool imperial);

// "+ Anschlusslänge | Nicht die Anschlusslänge vergessen!" and its translations.
std::string leadLengthHint(const std::string& languageCode);

} // namespace kovolo::toroid
