#pragma once
// DC resistance of a copper wire from its length, its diameter (or wire gauge) and its
// temperature.

#include "numbers/wire.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kovolo::tools {

// Length units of the copper window: one list per unit system.
inline constexpr std::array<const char*, 1> copperMetricLengthUnits{{"m"}};
inline constexpr std::array<const char*, 2> copperImperialLengthUnits{{"ft", "yd"}};

// Copper: 0.0175 Ω·mm²/m at 20 °C, 0.00395 per kelvin referred to 20 °C.
inline constexpr double copperResistivity = 0.0175;
inline constexpr double copperTemperatureCoefficient = 0.00395;
inline constexpr float copperLowestTemperature = -200.0f;
inline constexpr float copperHighestTemperature = 250.0f;

// Gauge number of a gauge text: "0000", "000", "00", "0" give -3, -2, -1, 0; any other text its
// number as a 16-bit integer (throws RuntimeError(Overflow) outside that range).
using numbers::gaugeNumber;
// Wire diameter in mm of a gauge text by the gauge law, unrounded (the window narrows it to
// Single).
double gaugeDiameterMm(std::string_view gaugeText);

// Resistance in ohm (double) of l metres of copper wire of d mm at t °C.
double copperResistance(float lengthM, float diameterMm, float temperatureC);

// The resistance label's text: the value with "####0.0####" and the prefix " µ", " m", "" or
// " K"; a text longer than 11 characters is rebuilt with "####0.0###" and the prefix without
// its blank. "xxx" for a value that cannot be shown (beyond the single-precision range).
std::string resistanceText(double ohm);

// What the window shows, as typed and selected.
struct CopperInput {
    bool imperial = false;       // layout: length in ft/yd and wire by gauge
    std::string lengthText;      // Text1
    int lengthUnit = 0;          // Combo1: metric "m"; imperial 0 "ft", 1 "yd"
    std::string diameterText;    // Text2 (metric)
    std::string gaugeText;       // Combo2 (imperial)
    std::string temperatureText; // Text3
};

struct CopperResult {
    std::string resistance; // Label3
    std::string warning;    // Label12: "t < -200 °C", "t > 250 °C" or empty
};

// The "=>" button. Empty fields count as 0. Out-of-range temperatures, a diameter that is not
// above 0 and inputs that overflow (numbers beyond the single or double range) give "xxx".
CopperResult computeCopperResistance(const CopperInput& input);

} // namespace kovolo::tools
