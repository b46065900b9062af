#pragma once
// Single-layer air-core cylinder coils (solenoids): the current-sheet formula with Nagaoka's
// coefficient, solved for the turns or for the inductance, and what the two frames of the
// air-coil tab show for it.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kovolo::aircoil {

// ComboLuft: "H", "mH", "µH", "nH"; initial index 2 ("µH").
inline constexpr std::array<const char*, 4> inductanceUnits{{"H", "mH", "µH", "nH"}};
inline constexpr int inductanceUnitInitial = 2;
// Factor to henry of a ComboLuft index; no selection (or an unknown index) counts as µH.
double inductanceFactor(int index);

// Nagaoka's coefficient K for the ratio x = diameter / length (> 0), by Lundin's closed-form
// approximation (within 3 ppm of the exact coefficient).
double nagaokaFactor(double x);

// Turns (not rounded) for an inductance in henry on a coil of the given diameter and length in
// metres; 0 when the inductance or the diameter is 0. Throws a RuntimeError when the arithmetic
// fails (overflow, division by zero, a negative root).
double cylinderCoilTurns(double inductanceHenry, double diameterMetres, double lengthMetres);

// Inductance in microhenry of `turns` turns on a coil whose diameter and length are in
// millimetres (metric) or inches (imperial); 0 when any of the three is 0. Throws a RuntimeError
// when the arithmetic fails.
double cylinderCoilInductance(double turns, double diameter, double length, bool imperial);

// Wire length in centimetres as shown in metric mode: metres above 100 cm, else centimetres,
// with "####0.0##". unit receives "m" or "cm".
std::string metricWireLength(double centimetres, std::string& unit);

// What a click of the turns frame writes. A label whose entry is empty keeps its caption.
struct TurnsDisplay {
    std::optional<std::string> turns;          // Label5
    std::optional<std::string> wireLength;     // Label7
    std::optional<std::string> wireLengthUnit; // Label12
    std::optional<std::string> maxWire;        // Label9
    std::optional<std::string> maxWireUnit;    // Label13
};

// The turns frame's calculation from the typed texts: inductance with its ComboLuft index,
// diameter and length in mm (metric) or in (imperial). Each step that fails is skipped, its
// value staying 0; nothing is computed unless all three inputs are non-zero.
TurnsDisplay cylinderTurnsDisplay(std::string_view inductance, int unitIndex,
                                  std::string_view diameter, std::string_view length,
                                  bool imperial);

// A value with its unit, as an inductance frame shows it.
struct ScaledValue {
    std::string text;
    std::string unit;
};

// An inductance in microhenry as the inductance frame shows it: nH below 1 µH, mH above
// 1000 µH, µH between (both bounds included), with "#####0.0##".
ScaledValue scaleMicrohenry(double microhenry);

// The inductance frame's calculation from the typed turns, diameter and length, scaled as
// above. A step that fails leaves its value at 0, so a failed calculation shows zero in "nH".
ScaledValue cylinderInductanceDisplay(std::string_view turns, std::string_view diameter,
                                      std::string_view length, bool imperial);

} // namespace kovolo::aircoil
