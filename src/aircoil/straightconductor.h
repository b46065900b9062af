#pragma once
// Self-inductance of a straight conductor of circular cross-section (a lead, a piece of wire),
// with or without the skin effect.

#include "aircoil/cylindercoil.h"

#include <string_view>

namespace kovolo::aircoil {

// Inductance in nanohenry: 2·l·(ln(4l/d) − c) with l and d in centimetres, c = 1 with the skin
// effect and 0.75 without. Metric: diameter and length in millimetres. Imperial: the diameter
// is the gauge gaugeText (the diameter argument is ignored) and the length is in inches.
// 0 when the diameter or the length is 0. Throws a RuntimeError when the arithmetic fails.
// A conductor short compared with its diameter lies outside the formula's range and gives a
// value at or below zero.
double straightWireInductance(double diameter, double length, bool withSkinEffect, bool imperial,
                              std::string_view gaugeText);

// An inductance in nanohenry as the straight-conductor frame shows it: pH below 1 nH, µH above
// 1000 nH, nH between (both bounds included), with "#####0.0##".
ScaledValue scaleNanohenry(double nanohenry);

// The straight-conductor frame's calculation from the typed diameter (read in imperial mode as
// well, and ignored there), length and selected gauge: pH below 1 nH, µH above 1000 nH, nH
// between, with "#####0.0##". Zero or empty inputs show zero in "pH"; a conductor of non-zero
// diameter and length whose inductance does not come out above zero shows "XXX".
ScaledValue straightConductorDisplay(std::string_view diameter, std::string_view length,
                                     bool withSkinEffect, bool imperial,
                                     std::string_view gaugeText);

} // namespace kovolo::aircoil
