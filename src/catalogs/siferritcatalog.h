#pragma once
// The Siferrit catalog: ring cores R2.5 to R200 in eight materials, with the maker's order
// codes, the frequency range and the application of each material.

#include "catalogs/catalog.h"

#include <string>
#include <vector>

namespace kovolo::catalogs {

const Catalog& siferritCatalog();

// Per type: the type's part of the order code ("L38").
const std::vector<std::string>& siferritOrderSuffix();
// Per material: the material's part of the order code ("830"), the frequency range as shown
// (with its own unit), and the application in German and in English.
const std::vector<std::string>& siferritMaterialCode();
const std::vector<std::string>& siferritFreqRange();
const std::vector<std::string>& siferritApplicationDe();
const std::vector<std::string>& siferritApplicationEn();

// "B64290-" + type suffix + "-X" + material code ("B64290-L38-X830" for R10 in N30); also for a
// pair that is not made. Throws std::out_of_range for an index outside the tables.
std::string siferritOrderCode(int typeIndex, int materialIndex);
// The application of a material: the German text for "deutsch", the English one for every other
// language code.
std::string siferritApplication(int materialIndex, const std::string& languageCode);

// The message label: the order code, the line break and the message, each trimmed of blanks.
std::string siferritMessage(int typeIndex, int materialIndex, const std::string& message,
                            const std::string& lineBreak);

} // namespace kovolo::catalogs
