#include "catalogs/wurthcatalog.h"

#include <algorithm>
#include <stdexcept>

namespace kovolo::catalogs {

namespace {

// The one material a type is made in, and its AL there in nH/N².
struct MadeIn {
    const char* material;
    double al;
};

Catalog buildWurthTables()
{
    Catalog c;
    c.family = Family::Wurth;
    c.types = {"WE-AFB 7",   "WE-AFB 9",   "WE-AFB 10", "WE-AFB 14",  "WE-AFB 28",  "WE-AFB 36",
               "WE-AFB 37",  "WE-AFB 53",  "WE-AFB 56", "WE-AFB 95",  "WE-AFB 727", "WE-AFB 790",
               "WE-TOF 12",  "WE-TOF 15",  "WE-TOF 97", "WE-TOF 104", "WE-TOF 107", "WE-TOF 113",
               "WE-TOF 115", "WE-TOF 121", "WE-TOF 191"};
    c.materials = {"3W180", "7W380", "4W620", "7W700", "3W800", "7W850", "4W1500", "8W5000"};

    const MadeIn madeIn[] = {
        {"3W800", 3670},   // WE-AFB 7
        {"3W800", 2790},   // WE-AFB 9
        {"4W620", 1170},   // WE-AFB 10
        {"3W800", 1800},   // WE-AFB 14
        {"4W620", 1691},   // WE-AFB 28
        {"4W620", 2280},   // WE-AFB 36
        {"4W620", 1890},   // WE-AFB 37
        {"3W800", 3160},   // WE-AFB 53
        {"4W620", 2100},   // WE-AFB 56
        {"4W1500", 3780},  // WE-AFB 95
        {"8W5000", 22936}, // WE-AFB 727
        {"7W380", 1501},   // WE-AFB 790
        {"4W620", 1100},   // WE-TOF 12
        {"4W620", 730},    // WE-TOF 15
        {"4W620", 852},    // WE-TOF 97
        {"7W700", 510},    // WE-TOF 104
        {"7W700", 1110},   // WE-TOF 107
        {"7W700", 930},    // WE-TOF 113
        {"3W800", 1300},   // WE-TOF 115
        {"4W620", 485},    // WE-TOF 121
        {"4W620", 1342},   // WE-TOF 191
    };
    // Every other entry of the AL table is 0: the type is not made in that material.
    for (const MadeIn& entry : madeIn) {
        const auto column = std::find(c.materials.begin(), c.materials.end(), entry.material);
        if (column == c.materials.end()) {
            throw std::logic_error("Würth table names an unknown material");
        }
        std::vector<double> row(c.materials.size(), 0.0);
        row[static_cast<std::size_t>(column - c.materials.begin())] = entry.al;
        c.al.push_back(std::move(row));
    }
    c.mu = {180, 380, 620, 700, 800, 850, 1500, 5000};

    c.da = {14.2, 17.5, 16.5, 28, 40.6, 10.5, 12,   16,   20.5, 28, 14.2,
            26,   23.5, 40.6, 61, 31.7, 20,   11.5, 31.5, 19,   61};
    c.di = {6.35, 9.5,  8,    16,   27.5, 5.5, 5.6, 8,  11.5, 18,  6.35,
            13,   12.6, 27.4, 35.5, 19,   10,  5,   19, 11.5, 35.5};
    c.h = {28.5, 28.5, 13, 20,   35, 28.5, 20, 28.5, 29, 28.5, 28.5,
           28.5, 14,   15, 12.7, 8,  10,   9,  16,   8,  20};
    c.daInch = {"0.559", "0.689", "0.650", "1.102", "1.598", "0.413", "0.472",
                "0.630", "0.807", "1.102", "0.559", "1.024", "0.925", "1.598",
                "2.402", "1.248", "0.787", "0.453", "1.240", "0.748", "2.402"};
    c.diInch = {"0.250", "0.374", "0.315", "0.630", "1.083", "0.217", "0.220",
                "0.315", "0.453", "0.709", "0.250", "0.512", "0.496", "1.079",
                "1.398", "0.748", "0.394", "0.197", "0.748", "0.453", "1.398"};
    c.hInch = {"1.122", "1.122", "0.512", "0.787", "1.378", "1.122", "0.787",
               "1.122", "1.142", "1.122", "1.122", "1.122", "0.551", "0.591",
               "0.500", "0.315", "0.394", "0.354", "0.630", "0.315", "0.787"};

    c.defaultType = 20;    // WE-TOF 191
    c.defaultMaterial = 2; // 4W620
    return c;
}

} // namespace

const Catalog& wurthCatalog()
{
    static const Catalog catalog = buildWurthTables();
    return catalog;
}

const std::vector<std::string>& wurthOrderCode()
{
    static const std::vector<std::string> code = {
        "742 700 7",            // WE-AFB 7
        "742 700 9",            // WE-AFB 9
        "742 70 10",            // WE-AFB 10
        "742 70 14",            // WE-AFB 14
        "742 70 28\r\n[FH2]",   // WE-AFB 28
        "742 700 36\r\n[FH4]",  // WE-AFB 36
        "742 700 37",           // WE-AFB 37
        "742 700 53",           // WE-AFB 53
        "742 700 56",           // WE-AFB 56
        "742 700 95",           // WE-AFB 95
        "742 77 27\r\n[FH3]",   // WE-AFB 727
        "742 700 790\r\n[FH1]", // WE-AFB 790
        "742 70 12",            // WE-TOF 12
        "742 70 15\r\n[RK3]",   // WE-TOF 15
        "742 700 97\r\n[RK1]",  // WE-TOF 97
        "742 701 04",           // WE-TOF 104
        "742 701 07",           // WE-TOF 107
        "742 70 13",            // WE-TOF 113
        "742 701 15",           // WE-TOF 115
        "742 701 21",           // WE-TOF 121
        "742 701 91\r\n[RK4]",  // WE-TOF 191
    };
    return code;
}

std::string wurthMessage(int typeIndex, int materialIndex, const std::string& message,
                         const std::string& lineBreak)
{
    if (alValue(wurthCatalog(), typeIndex, materialIndex) != 0.0f) {
        return twoLineMessage(wurthOrderCode().at(static_cast<std::size_t>(typeIndex)), "",
                              lineBreak);
    }
    return twoLineMessage("", message, lineBreak);
}

} // namespace kovolo::catalogs
