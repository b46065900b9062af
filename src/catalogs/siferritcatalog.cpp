#include "catalogs/siferritcatalog.h"

#include <stdexcept>

namespace kovolo::catalogs {

namespace {

Catalog buildSiferritTables()
{
    Catalog c;
    c.family = Family::Siferrit;
    c.types = {"R2.5",     "R4",  "R6.3", "R10", "R12.5", "R16", "R20",  "R22",  "R25", "R34/10",
               "R34/12.5", "R36", "R40",  "R42", "R50",   "R58", "R100", "R140", "R200"};
    c.materials = {"N27", "N30", "T35", "T38", "K1", "M33", "N49", "N67"};

    // nH/N²; 0: the type is not made in that material.
    // Columns: N27, N30, T35, T38, K1, M33, N49, N67.
    c.al = {
        {0, 440, 0, 1020, 0, 0, 0, 0},             // R2.5
        {0, 700, 0, 1630, 13, 123, 0, 0},          // R4
        {0, 1090, 0, 2530, 20, 190, 330, 0},       // R6.3
        {0, 1760, 0, 4090, 33, 308, 530, 0},       // R10
        {1020, 2200, 3060, 5110, 0, 0, 660, 1070}, // R12.5
        {1290, 2770, 3870, 6440, 0, 0, 840, 1350}, // R16
        {1930, 4160, 5000, 8500, 0, 0, 0, 2030},   // R20
        {1210, 2610, 3200, 5400, 0, 0, 0, 1270},   // R22
        {2150, 4620, 0, 0, 0, 0, 0, 2260},         // R25
        {0, 4360, 0, 0, 0, 0, 0, 0},               // R34/10
        {0, 5460, 0, 0, 0, 0, 0, 0},               // R34/12.5
        {2670, 5750, 0, 0, 0, 0, 0, 2810},         // R36
        {0, 7000, 0, 0, 0, 0, 0, 0},               // R40
        {0, 5000, 0, 0, 0, 0, 0, 0},               // R42
        {0, 8700, 0, 0, 0, 0, 0, 0},               // R50
        {0, 5400, 0, 0, 0, 0, 0, 0},               // R58
        {0, 5500, 0, 0, 0, 0, 0, 0},               // R100
        {0, 6200, 0, 0, 0, 0, 0, 0},               // R140
        {0, 5500, 0, 0, 0, 0, 0, 0},               // R200
    };
    c.mu = {2000, 4300, 6000, 10000, 80, 750, 1300, 2100};

    c.da = {2.5,  4,    6.3,  10.8, 13.6, 17.2, 21.2,  23.3,  26.8, 35.5,
            35.5, 37.5, 41.8, 43.6, 51.8, 60.1, 104.8, 143.8, 206.8};
    c.di = {1.5,  2.4,  3.8,  5.25, 6.5,  8.5,  8.75, 12.6,  13.5, 19.2,
            19.2, 21.7, 22.5, 24.8, 28.5, 39.2, 63.7, 100.2, 149.2};
    c.h = {1,    1.6,  2.5,  4,    5.95, 7.3,  8.1,  7.4,  11.0, 11.1,
           13.6, 16.2, 17.2, 13.6, 21.3, 18.8, 16.3, 26.8, 26.8};
    c.daInch = {"0.098", "0.157", "0.248", "0.433", "0.535", "0.677", "0.835",
                "0.917", "1.043", "1.339", "1.398", "1.476", "1.646", "1.717",
                "2.039", "2.366", "4.126", "5.661", "8.142"};
    c.diInch = {"0.059", "0.094", "0.150", "0.199", "0.256", "0.335", "0.344",
                "0.496", "0.531", "0.756", "0.756", "0.854", "0.886", "0.976",
                "1.122", "1.543", "2.508", "3.945", "5.874"};
    c.hInch = {"0.039", "0.063", "0.098", "0.195", "0.234", "0.287", "0.319",
               "0.291", "0.433", "0.437", "0.535", "0.638", "0.677", "0.535",
               "0.839", "0.740", "0.642", "1.055", "1.055"};

    c.defaultType = 3;     // R10
    c.defaultMaterial = 1; // N30
    return c;
}

} // namespace

const Catalog& siferritCatalog()
{
    static const Catalog catalog = buildSiferritTables();
    return catalog;
}

const std::vector<std::string>& siferritOrderSuffix()
{
    static const std::vector<std::string> suffix = {
        "P35", "P36",  "P37",  "L38", "L44", "L45", "L632", "L638", "L618", "L58",
        "L48", "L674", "L659", "L22", "L82", "L40", "L84",  "A705", "A711"};
    return suffix;
}

const std::vector<std::string>& siferritMaterialCode()
{
    static const std::vector<std::string> code = {"27", "830", "35", "38", "1", "33", "49", "67"};
    return code;
}

const std::vector<std::string>& siferritFreqRange()
{
    static const std::vector<std::string> range = {"0...150 kHz",    "0...400 KHz",  "-",
                                                   "0...150 kHz",    "1,5...12 MHz", "0,2...1 MHz",
                                                   "300...1000 kHz", "0...300 kHz"};
    return range;
}

const std::vector<std::string>& siferritApplicationDe()
{
    static const std::vector<std::string> application = {
        "Leistungsübertrager", "Breitbandübertrager", "Breitbandübertrager", "Breitbandübertrager",
        "Resonanzkreise",      "Resonanzkreise",      "Leistungsübertrager", "Leistungsübertrager"};
    return application;
}

const std::vector<std::string>& siferritApplicationEn()
{
    static const std::vector<std::string> application = {
        "Power Transformer",     "Broadband Transformer", "Broadband Transformer",
        "Broadband Transformer", "Resonant Circuit",      "Resonant Circuit",
        "Power Transformer",     "Power Transformer"};
    return application;
}

std::string siferritOrderCode(int typeIndex, int materialIndex)
{
    if (typeIndex < 0 || materialIndex < 0) {
        throw std::out_of_range("Siferrit order code");
    }
    return "B64290-" + siferritOrderSuffix().at(static_cast<std::size_t>(typeIndex)) + "-X" +
           siferritMaterialCode().at(static_cast<std::size_t>(materialIndex));
}

std::string siferritApplication(int materialIndex, const std::string& languageCode)
{
    if (materialIndex < 0) {
        throw std::out_of_range("Siferrit material index");
    }
    const auto& texts =
        languageCode == "deutsch" ? siferritApplicationDe() : siferritApplicationEn();
    return texts.at(static_cast<std::size_t>(materialIndex));
}

std::string siferritMessage(int typeIndex, int materialIndex, const std::string& message,
                            const std::string& lineBreak)
{
    return twoLineMessage(siferritOrderCode(typeIndex, materialIndex), message, lineBreak);
}

} // namespace kovolo::catalogs
