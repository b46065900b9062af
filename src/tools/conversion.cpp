#include "tools/conversion.h"

#include "numbers/format.h"
#include "numbers/keyrules.h"
#include "numbers/parse.h"
#include "tools/copperresistance.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace kovolo::tools {

namespace {

constexpr double millimetresPerInch = 25.4;
constexpr double millimetresPerYard = 914.3999999999999; // 25.4 · 12 · 3 in double precision

// Narrowing to Single; beyond its range the result is the infinity of the value's sign.
float single(double value)
{
    if (std::fabs(value) > std::numeric_limits<float>::max())
        return value < 0 ? -std::numeric_limits<float>::infinity()
                         : std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

// A typed number as Single; what cannot be read counts as 0. A number beyond the double range
// gives NaN and one beyond the Single range an infinity: both are shown as "xxx".
float typedSingle(std::string_view text)
{
    try {
        return single(numbers::parseNumber(text));
    } catch (...) {
        return std::numeric_limits<float>::quiet_NaN();
    }
}

} // namespace

std::string formatGeneral(float value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return "xxx";
    if (value == 0.0f)
        return "0";

    // Seven significant digits: d.dddddde±XX.
    char sci[32];
    const auto written = std::to_chars(sci, sci + sizeof sci, static_cast<double>(value),
                                       std::chars_format::scientific, 6);
    std::string digits;
    int exponent = 0;
    for (const char* p = sci; p < written.ptr; ++p) {
        if (*p >= '0' && *p <= '9') {
            digits += *p;
        } else if (*p == 'e') {
            std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), written.ptr, exponent);
            break;
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text = value < 0 ? "-" : "";
    if (exponent < -9 || exponent >= 15) {
        text += digits.substr(0, 1);
        if (digits.size() > 1) {
            text += decimalSeparator;
            text += digits.substr(1);
        }
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = std::abs(exponent);
        if (magnitude < 10)
            text += '0';
        text += numbers::formatInteger(magnitude);
        return text;
    }
    if (exponent < 0) {
        text += '0';
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
        return text;
    }
    const auto integerLength = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerLength) {
        text += digits;
        text.append(integerLength - digits.size(), '0');
    } else {
        text += digits.substr(0, integerLength);
        text += decimalSeparator;
        text += digits.substr(integerLength);
    }
    return text;
}

std::string formatGeneral(float value)
{
    return formatGeneral(value, numbers::displayDecimalSeparator());
}

Converted imperialToMetric(float value, int unitIndex)
{
    const double x = value;
    switch (unitIndex) {
    case 0:
        return {single(x * millimetresPerInch / 1000 * 100), "cm"};
    case 1:
        return {single(x * millimetresPerInch * 12 / 1000), "m"};
    case 2:
        return {single(x * millimetresPerInch * 12 * 3 / 1000), "m"};
    default:
        return {0.0f, metricUnitFor(unitIndex)};
    }
}

Converted metricToImperial(float value, int unitIndex)
{
    const double y = value;
    switch (unitIndex) {
    case 0:
        return {single(y / millimetresPerInch), "in"};
    case 1:
        return {single(y * 10 / millimetresPerYard), "yd"};
    case 2:
        return {single(y * 1000 / millimetresPerYard), "yd"};
    default:
        return {0.0f, imperialUnitFor(unitIndex)};
    }
}

const char* metricUnitFor(int imperialUnitIndex)
{
    return imperialUnitIndex == 0 ? "cm" : "m";
}

const char* imperialUnitFor(int metricUnitIndex)
{
    return metricUnitIndex == 0 ? "in" : "yd";
}

std::string imperialToMetricText(std::string_view typed, int unitIndex)
{
    return formatGeneral(imperialToMetric(typedSingle(typed), unitIndex).value);
}

std::string metricToImperialText(std::string_view typed, int unitIndex)
{
    const float result = metricToImperial(typedSingle(typed), unitIndex).value;
    if (!std::isfinite(result))
        return "xxx";
    return numbers::formatMask(result, "#####0.0##");
}

GaugeDiameter gaugeToDiameter(std::string_view gaugeText)
{
    const auto inches = static_cast<float>(numbers::gaugeDiameterInches(gaugeNumber(gaugeText)));
    return {numbers::formatMask(inches, "###0.0#####") + " in",
            numbers::formatMask(inches * millimetresPerInch, "###0.0###")};
}

float fahrenheitToCelsius(float fahrenheit)
{
    return (fahrenheit - 32.0f) * 5.0f / 9.0f;
}

float celsiusToFahrenheit(float celsius)
{
    return celsius * 9.0f / 5.0f + 32.0f;
}

namespace {

// The text converted from, as the field shows it afterwards.
std::string readableTemperature(std::string_view text)
{
    if (text.empty())
        return "0";
    if (text == "-")
        return "-0";
    return std::string(text);
}

std::string temperatureText(float value)
{
    if (!std::isfinite(value))
        return "xxx";
    return numbers::formatMask(value, "###0.0");
}

} // namespace

TemperatureOutcome convertTemperature(std::string_view fahrenheitText, std::string_view celsiusText,
                                      const std::string& language)
{
    TemperatureOutcome outcome;
    if (celsiusText.empty()) {
        const std::string from = readableTemperature(fahrenheitText);
        outcome.fahrenheit = from;
        outcome.celsius = temperatureText(fahrenheitToCelsius(typedSingle(from)));
    } else if (fahrenheitText.empty()) {
        const std::string from = readableTemperature(celsiusText);
        outcome.celsius = from;
        outcome.fahrenheit = temperatureText(celsiusToFahrenheit(typedSingle(from)));
    } else {
        outcome.message = emptyFieldMessage(language);
    }
    return outcome;
}

std::string emptyFieldMessage(const std::string& language)
{
    if (language == "deutsch")
        return "Das zu berechnende Feld muss frei bleiben!";
    if (language == "englisch")
        return "The field to be calculated must be empty!";
    if (language == "franz")
        return "Le champ doit être calculé doit être vide!";
    if (language == "span")
        return "¡El campo a calcular debe estar vacío!";
    if (language == "ital")
        return "Il campo da calcolare deve essere vuota!";
    if (language == "cz")
        return "Pole se vypočítá musí být prázdný!";
    return "The field to be calculated must be empty!";
}

char16_t temperatureKeyFilter(char16_t c)
{
    return c == u'-' ? c : numbers::numericKeyFilter(c);
}

} // namespace kovolo::tools
