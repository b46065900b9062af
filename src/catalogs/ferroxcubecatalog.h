#pragma once
// The Ferroxcube catalog: 92 ring cores of the TC, TN, TX, TL and T series in 21 materials.

#include "catalogs/catalog.h"

#include <optional>
#include <vector>

namespace kovolo::catalogs {

const Catalog& ferroxcubeCatalog();

// Colour code per material; no value for a material without a code (its swatches keep the normal
// control background).
const std::vector<std::optional<SwatchColours>>& ferroxcubeColours();

} // namespace kovolo::catalogs
