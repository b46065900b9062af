#pragma once
// The AL value a winding will have on a ring core of known permeability and dimensions, with
// the effective dimensions of tools/alwindow.h. Lengths in millimetres, values Single.

#include <string>
#include <string_view>

namespace kovolo::tools {

// AL in nH/N² = µ / X with X = (le/Ae)·2.5/π, the inverse AL of the core at permeability 1
// (AL = µ0·µ·Ae/le, µ0 = 0.4π nH/mm). Throws RuntimeError(Overflow) beyond the Single range.
float alFromPermeability(float permeability, float leAe);

// The five fields of the window as typed (an empty dimension field reads as 0).
struct PermeabilityCoreInput {
    std::string_view permeability; // txtµi
    std::string_view da;           // txtDa, mm
    std::string_view di;           // txtDi
    std::string_view h;            // txtH
    std::string_view coating;      // txtBesch
};

// What the result labels show: all four "xxx" when the permeability field holds nothing but
// blanks or the dimensions are invalid; an empty AL when the permeability is 0 or less; "xxx"
// for a result that overflows the Single range.
struct PermeabilityCoreResult {
    std::string ae;   // "###0.0"
    std::string le;   // "###0.0"
    std::string leAe; // "###0.0"
    std::string al;   // "#####0.0"
};

PermeabilityCoreResult computePermeabilityCore(const PermeabilityCoreInput& input);

} // namespace kovolo::tools
