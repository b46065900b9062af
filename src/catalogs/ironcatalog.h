#pragma once
// The iron-powder catalog: T-12 to T-520 in twelve mixes.

#include "catalogs/catalog.h"

#include <string>
#include <vector>

namespace kovolo::catalogs {

const Catalog& ironCatalog();

// Per type: effective cross-section (cm²) and volume (cm³).
const std::vector<double>& ironAe();
const std::vector<double>& ironVe();
// Per mix: recommended frequency range in MHz, shown as stored ("0,5...5").
const std::vector<std::string>& ironFreqRange();

// Colour code per mix: the two swatch colours.
const std::vector<SwatchColours>& ironColours();

} // namespace kovolo::catalogs
