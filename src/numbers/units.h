#pragma once
// The unit lists beside the main window's input fields and their factors.

#include <array>

namespace kovolo::numbers {

// 10 raised to a whole exponent, in double precision.
double powerOfTen(int exponent);

struct UnitItem {
    const char* text;
    int exponent; // the item's factor is powerOfTen(exponent)
};

// ComboL: "nH", "µH", "mH", "H" (value in henry); initial index 1 ("µH").
inline constexpr std::array<UnitItem, 4> inductanceUnits{
    {{"nH", -9}, {"µH", -6}, {"mH", -3}, {"H", 0}}};
inline constexpr int inductanceUnitInitial = 1;
double inductanceFactor(int index);

// ComboFreq: "Hz", "KHz", "MHz", "GHz"; initial index 2 ("MHz").
inline constexpr std::array<const char*, 4> frequencyUnits{{"Hz", "KHz", "MHz", "GHz"}};
inline constexpr int frequencyUnitInitial = 2;
double frequencyFactorHz(int index);  // 10^(3i)
double frequencyFactorMHz(int index); // 10^(3i-6)

// Combo3, Combo4: "G", "mT"; initial index 1 ("mT").
inline constexpr std::array<const char*, 2> fluxUnits{{"G", "mT"}};
inline constexpr int fluxUnitInitial = 1;

} // namespace kovolo::numbers
