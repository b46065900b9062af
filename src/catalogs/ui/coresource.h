#pragma once
// Where the copy buttons of the unknown-core tab take an AL value and core dimensions from:
// tool windows, asked in a fixed order. The panel knows them only through this hook.

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace kovolo::catalogs {

// The texts a source shows now: its AL result (nH/N²) and its Da, Di and h fields (mm).
struct CoreTexts {
    QString al;
    QString da;
    QString di;
    QString h;
};

// Nothing when the source's window does not exist.
using CoreSource = std::function<std::optional<CoreTexts>()>;
using CoreSources = std::vector<CoreSource>;

} // namespace kovolo::catalogs
