#pragma once
// The AL value and initial permeability of a ring core from a measured winding, and the
// effective magnetic dimensions of a ring core that this and the AL-from-permeability window
// share. All lengths are millimetres; values are Single like the window's fields.

#include "numbers/format.h"

#include <optional>
#include <string>
#include <string_view>

namespace kovolo::tools {

// The tool windows' mark for a result that cannot be computed.
inline constexpr const char* toolInvalidMark = "xxx";

// π as the whole program writes it.
inline constexpr double toolPi = 3.14159265358979;

// Effective dimensions of a ring core with rectangular cross-section (IEC 60205, edges not
// rounded). The coating lies on every surface: Da' = Da − 2c, Di' = Di + 2c, h' = h − 2c.
struct FormFactors {
    bool valid = false; // false: Da', Di' or h' is ≤ 0, or Da' ≤ Di'; nothing else is computed
    float le = 0;       // effective path length, mm
    float ae = 0;       // effective cross-section, mm²
    float leAe = 0;     // form factor le/Ae, 1/mm
};

// With K = Da'/Di': le = π·Da'·ln K/(K − 1), Ae = h'·Da'·(ln K)²/(2(K − 1)). Throws
// RuntimeError(Overflow) when a value leaves the Single range or cannot be divided.
FormFactors toroidFormFactors(float da, float di, float h, float coating);

// AL in nH/N² of N turns measuring L µH: L/(N·N)·1000; nothing when N is 0. Throws overflow.
std::optional<float> alFromWinding(float turns, float microhenry);

// µi = AL·2.5·(le/Ae)/π, from AL = µ0·µi·Ae/le with µ0 = 0.4π nH/mm. Throws overflow.
float permeabilityFromAl(float alNanohenry, float leAe);

// The six fields of the window as typed (an empty field reads as 0).
struct MeasuredCoreInput {
    std::string_view turns;      // txtWdg
    std::string_view inductance; // txtL, µH
    std::string_view da;         // txtDa, mm
    std::string_view di;         // txtDi
    std::string_view h;          // txtH
    std::string_view coating;    // txtBesch
};

// What the result labels show. A result that cannot be computed, or that overflows the Single
// range, shows toolInvalidMark: AL with zero turns, the geometry and µi with invalid dimensions.
struct MeasuredCoreResult {
    std::string ae;           // "###0.0"
    std::string le;           // "###0.0"
    std::string leAe;         // "###0.0"
    std::string al;           // "####0.0#"
    std::string permeability; // "###0.0"
};

MeasuredCoreResult computeMeasuredCore(const MeasuredCoreInput& input);

// Narrows to Single; throws RuntimeError(Overflow) for a value outside the Single range.
using numbers::toSingle;
// Reads a field with parseNumber as Single; throws overflow beyond the Single range.
float readSingle(std::string_view text);

} // namespace kovolo::tools
