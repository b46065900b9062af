#pragma once
// What the toroid calculation frames need from the main window: the selected core and the
// hint line.

#include "catalogs/catalog.h"

#include <QString>

namespace kovolo::catalogs {
class CatalogPanel;
class UnknownCorePanel;
} // namespace kovolo::catalogs

namespace kovolo::toroid {

class ToroidContext {
public:
    virtual ~ToroidContext() = default;
    // 1-based index of the selected tab of the main window's tab strip.
    virtual int selectedTab() const = 0;
    // Tabs 1 to 5: the caption of the visible catalog's AL value label and its core.
    virtual QString catalogAlCaption() const = 0;
    virtual catalogs::CoreDimensions catalogCore() const = 0;
    // The catalog panel of tab 1 to 5 (nullptr for any other tab or a catalog not built in).
    virtual catalogs::CatalogPanel* catalogPanel(int tab) const = 0;
    // Tab 6: the typed core.
    virtual catalogs::UnknownCorePanel* unknownCore() const = 0;
    // The one-line hint below the panels.
    virtual void setHint(const QString& text) = 0;
};

} // namespace kovolo::toroid
