#pragma once
// The conversions of the unit-conversion window: imperial and metric lengths, wire gauge to
// diameter, and temperatures between °F and °C.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kovolo::tools {

inline constexpr std::array<const char*, 3> imperialLengthUnits{{"in", "ft", "yd"}};
inline constexpr std::array<const char*, 3> metricLengthUnits{{"mm", "cm", "m"}};
inline constexpr int conversionGaugeInitial = 5; // gauge "2"
// The inch diameter of gauge "2" that the window shows before the first conversion.
inline constexpr double conversionGaugeInitialInches = 0.257657;

// The general number format of a Single: up to seven significant digits, trailing zeros
// dropped, the given decimal separator, a leading minus for negatives. Plain digits for every
// magnitude from 10^-9 to below 10^15; beyond that (or below) the exponent form "1.5E+20".
// "xxx" for values that are not finite.
std::string formatGeneral(float value, std::string_view decimalSeparator);
std::string formatGeneral(float value); // with the display decimal separator

// A converted length (Single) and the caption of its unit.
struct Converted {
    float value;
    const char* unit;
};

// Imperial to metric, unit index of "in", "ft", "yd": "cm" for inches, "m" otherwise.
Converted imperialToMetric(float value, int unitIndex);
// Metric to imperial, unit index of "mm", "cm", "m": "in" for millimetres, "yd" otherwise.
Converted metricToImperial(float value, int unitIndex);
// The unit caption that goes with a list index before any conversion ran.
const char* metricUnitFor(int imperialUnitIndex);
const char* imperialUnitFor(int metricUnitIndex);

// Result texts of the two length buttons (general format / mask "#####0.0##").
std::string imperialToMetricText(std::string_view typed, int unitIndex);
std::string metricToImperialText(std::string_view typed, int unitIndex);

// Gauge text to diameter: inches with "###0.0#####" and " in", millimetres with "###0.0###".
struct GaugeDiameter {
    std::string inches;
    std::string millimetres;
};
GaugeDiameter gaugeToDiameter(std::string_view gaugeText);

// Single-precision temperature conversions.
float fahrenheitToCelsius(float fahrenheit);
float celsiusToFahrenheit(float celsius);

// The "<=>" button: converts the filled field into the empty one (°C empty first). The field
// converted from is written back as read ("" becomes "0", "-" alone "-0").
struct TemperatureOutcome {
    std::optional<std::string> fahrenheit; // new text of the °F field, if it changes
    std::optional<std::string> celsius;    // new text of the °C field, if it changes
    std::string message;                   // the message label's new text
};
TemperatureOutcome convertTemperature(std::string_view fahrenheitText, std::string_view celsiusText,
                                      const std::string& language);

// "The field to be calculated must be empty!" in the language of the code (English for codes
// that are none of the six).
std::string emptyFieldMessage(const std::string& language);

// Key rule of the two temperature fields: the numeric rule plus the minus sign.
char16_t temperatureKeyFilter(char16_t c);

// Releasing a key with a virtual-key code of 48 or more (digits, letters, the separators) in one
// temperature field empties the other.
inline constexpr bool releaseClearsOtherTemperature(int virtualKey)
{
    return virtualKey >= 48;
}

} // namespace kovolo::tools
