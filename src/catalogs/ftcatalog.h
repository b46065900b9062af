#pragma once
// The FT ferrite catalog: FT-23 to FT-290 in thirteen materials, with the data the application
// check needs (effective cross-section and volume, the core-loss laws of the materials).

#include "catalogs/catalog.h"

#include <array>
#include <string>
#include <vector>

namespace kovolo::catalogs {

const Catalog& ftCatalog();

// Per type: effective cross-section (cm²) and effective volume (cm³).
const std::vector<double>& ftAe();
const std::vector<double>& ftVe();

// Per material: the recommended frequency ranges in MHz, shown as stored.
const std::vector<std::string>& ftResonantRange();
const std::vector<std::string>& ftBroadbandRange();
const std::vector<std::string>& ftChokeRange();

// Core-loss laws: one row per frequency band 0 to 5, one column per material. A material without
// loss data has 0 everywhere.
inline constexpr int ftLossBands = 6;
inline constexpr int ftMaterialCount = 13;
using FtLossTable = std::array<std::array<double, ftMaterialCount>, ftLossBands>;
const FtLossTable& ftLossCoeff();
const FtLossTable& ftLossFreqExp();
const FtLossTable& ftLossFluxExp();

} // namespace kovolo::catalogs
