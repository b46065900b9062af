#pragma once
// The resonance condition of an LC circuit, f = 1 / (2π·√(L·C)), solved for whichever of the
// three quantities the user left empty; the result comes scaled to a fitting unit.

#include <array>
#include <optional>
#include <string>

namespace kovolo::tools {

// The unit lists of the resonant-circuit window, in list order.
inline constexpr std::array<const char*, 3> resonanceFrequencyUnits{{"MHz", "KHz", "Hz"}};
inline constexpr std::array<const char*, 4> resonanceInductanceUnits{{"nH", "µH", "mH", "H"}};
inline constexpr std::array<const char*, 3> resonanceCapacitanceUnits{{"pF", "nF", "µF"}};
inline constexpr int resonanceFrequencyInitial = 0;   // "MHz"
inline constexpr int resonanceInductanceInitial = 1;  // "µH"
inline constexpr int resonanceCapacitanceInitial = 0; // "pF"

// Factor of a list item to Hz, H and F; an index without an item (no selection) gives 0.
double resonanceFrequencyFactor(int index);
double resonanceInductanceFactor(int index);
double resonanceCapacitanceFactor(int index);

// A value in a display unit: the number and the index of the unit in its list.
struct ScaledValue {
    double value;
    int unitIndex;
};

// A value that cannot be computed (an intermediate product beyond the double range) is NaN.
// f in MHz (above 10^6 Hz), KHz (above 10^3 Hz) or Hz, from L in H and C in F.
ScaledValue resonantFrequency(double henry, double farad);
// L in H (above 1 H), mH (above 10^-3 H), µH (above 10^-6 H) or nH, from C in F and f in Hz.
ScaledValue resonantInductance(double farad, double hertz);
// C in µF (above 10^-6 F, a farad and more included), nF (above 10^-9 F) or pF.
ScaledValue resonantCapacitance(double henry, double hertz);

// What the window shows: the three field texts and the selected list indices.
struct ResonanceInput {
    std::string frequency;
    std::string inductance;
    std::string capacitance;
    int frequencyUnit = resonanceFrequencyInitial;
    int inductanceUnit = resonanceInductanceInitial;
    int capacitanceUnit = resonanceCapacitanceInitial;
};

enum class ResonanceField { Frequency, Inductance, Capacitance };

// The text and unit to write into the first empty field.
struct ResonanceResult {
    ResonanceField field;
    std::string text;
    int unitIndex;
};

// The "=>" button: needs two values above 0 and an empty field (the first of frequency,
// inductance, capacitance whose text is exactly empty); otherwise nothing is computed. A value
// that cannot be read or scaled (beyond the double range) counts as 0; a result that cannot be
// represented is not written either. The masks render with the display decimal separator.
std::optional<ResonanceResult> solveResonance(const ResonanceInput& input);

} // namespace kovolo::tools
