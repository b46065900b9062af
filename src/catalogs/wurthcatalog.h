#pragma once
// The Würth catalog: ferrite rings and sleeves of the WE-AFB and WE-TOF series in eight
// materials. Every type is made in exactly one material.

#include "catalogs/catalog.h"

#include <string>
#include <vector>

namespace kovolo::catalogs {

const Catalog& wurthCatalog();

// Per type: the maker's order code; some carry a mark on a second line ("742 70 28", CR LF,
// "[FH2]").
const std::vector<std::string>& wurthOrderCode();

// The message label: for a pair that is made, the type's order code and a line break; for one
// that is not, an empty first line and `message` below it. Both parts are trimmed of blanks.
// Throws std::out_of_range for an index outside the tables.
std::string wurthMessage(int typeIndex, int materialIndex, const std::string& message,
                         const std::string& lineBreak);

} // namespace kovolo::catalogs
