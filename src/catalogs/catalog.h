#pragma once
// The catalog model shared by the five core families: one table of types, materials, AL values
// (0: the type is not made in that material), permeabilities and dimensions.

#include <cstdint>
#include <string>
#include <vector>

namespace kovolo::catalogs {

enum class Family { Ft, Iron, Ferroxcube, Siferrit, Wurth };

struct Catalog {
    Family family;
    std::vector<std::string> types;
    std::vector<std::string> materials;
    std::vector<std::vector<double>> al; // [type][material], as stored (iron powder: µH/100 N)
    std::vector<int> mu;                 // per material
    std::vector<double> da, di, h;       // per type, mm
    std::vector<std::string> daInch, diInch, hInch; // per type, shown as stored
    int defaultType = 0;
    int defaultMaterial = 0;
};

// A colour code: two swatches side by side, each as 0xRRGGBB.
struct SwatchColours {
    std::uint32_t left, right;
};

// Core dimensions as the calculations read them: the table values in mm formatted with
// "##0.00#" and converted back to single precision.
struct CoreDimensions {
    float da = 0, di = 0, h = 0;
};
CoreDimensions selectedDimensions(const Catalog& catalog, int typeIndex);

// AL of a pair in nH/N² as single precision (iron powder: stored value / 10).
float alValue(const Catalog& catalog, int typeIndex, int materialIndex);

// The texts a catalog tab shows.
std::string alText(float al);                                  // "##0.0#"
std::string muText(const Catalog& catalog, int materialIndex); // "#####0"
// Da, Di, h: the inch texts in imperial mode, else the mm values with "##0.00#".
std::string daText(const Catalog& catalog, int typeIndex, bool imperial);
std::string diText(const Catalog& catalog, int typeIndex, bool imperial);
std::string hText(const Catalog& catalog, int typeIndex, bool imperial);

// "This type is not available!" in the given language (English for an unknown code).
std::string notAvailableText(const std::string& languageCode);

// A message label of two lines: `first`, the line break and `second`, each trimmed of leading
// and trailing blanks (only blanks: a line break inside or around either part stays).
std::string twoLineMessage(const std::string& first, const std::string& second,
                           const std::string& lineBreak);

} // namespace kovolo::catalogs
