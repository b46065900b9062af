#include "catalogs/catalog.h"

#include "numbers/format.h"
#include "numbers/parse.h"

#include <stdexcept>

namespace kovolo::catalogs {

namespace {

constexpr const char* dimensionMask = "##0.00#";

std::size_t checkedIndex(int index, const char* what)
{
    if (index < 0) {
        throw std::out_of_range(what);
    }
    return static_cast<std::size_t>(index);
}

// The calculations work on the dimension as it is shown: rounded to at most three decimals.
float roundedDimension(double millimetres)
{
    const std::string text = numbers::formatMask(millimetres, dimensionMask, ".");
    return numbers::toSingle(numbers::parseNumber(text));
}

std::string dimensionText(const std::vector<double>& mm, const std::vector<std::string>& inch,
                          int typeIndex, bool imperial)
{
    const std::size_t i = checkedIndex(typeIndex, "type index");
    if (imperial) {
        return inch.at(i);
    }
    return numbers::formatMask(mm.at(i), dimensionMask);
}

} // namespace

CoreDimensions selectedDimensions(const Catalog& catalog, int typeIndex)
{
    const std::size_t i = checkedIndex(typeIndex, "type index");
    CoreDimensions d;
    d.da = roundedDimension(catalog.da.at(i));
    d.di = roundedDimension(catalog.di.at(i));
    d.h = roundedDimension(catalog.h.at(i));
    return d;
}

float alValue(const Catalog& catalog, int typeIndex, int materialIndex)
{
    const std::size_t i = checkedIndex(typeIndex, "type index");
    const std::size_t m = checkedIndex(materialIndex, "material index");
    float al = numbers::toSingle(catalog.al.at(i).at(m));
    if (catalog.family == Family::Iron) {
        // Iron powder is listed in µH per 100 turns: a tenth of nH/N².
        al = al / 10.0f;
    }
    return al;
}

std::string alText(float al)
{
    return numbers::formatMask(static_cast<double>(al), "##0.0#");
}

std::string muText(const Catalog& catalog, int materialIndex)
{
    const std::size_t m = checkedIndex(materialIndex, "material index");
    return numbers::formatMask(static_cast<double>(catalog.mu.at(m)), "#####0");
}

std::string daText(const Catalog& catalog, int typeIndex, bool imperial)
{
    return dimensionText(catalog.da, catalog.daInch, typeIndex, imperial);
}

std::string diText(const Catalog& catalog, int typeIndex, bool imperial)
{
    return dimensionText(catalog.di, catalog.diInch, typeIndex, imperial);
}

std::string hText(const Catalog& catalog, int typeIndex, bool imperial)
{
    return dimensionText(catalog.h, catalog.hInch, typeIndex, imperial);
}

std::string notAvailableText(const std::string& languageCode)
{
    if (languageCode == "deutsch") {
        return "Dieser Typ ist nicht verfügbar!";
    }
    if (languageCode == "span") {
        return "¡Ese tipo no está disponible!";
    }
    if (languageCode == "franz") {
        return "Ce type n'est pas disponible!";
    }
    if (languageCode == "ital") {
        return "Questo tipo non è disponibile!";
    }
    if (languageCode == "cz") {
        return "Tento typ není dostupný!";
    }
    return "This type is not available!"; // "englisch" and any unknown code
}

std::string twoLineMessage(const std::string& first, const std::string& second,
                           const std::string& lineBreak)
{
    const auto trimBlanks = [](const std::string& text) {
        const std::size_t begin = text.find_first_not_of(' ');
        if (begin == std::string::npos) {
            return std::string();
        }
        return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
    };
    return trimBlanks(first) + lineBreak + trimBlanks(second);
}

} // namespace kovolo::catalogs
