#pragma once
// Tab 5: the Würth catalog with the order code of the selected type.

#include "catalogs/ui/catalogpanel.h"

namespace kovolo::catalogs {

class WurthPanel : public CatalogPanel {
    Q_OBJECT
public:
    explicit WurthPanel(QWidget* parent = nullptr);

protected:
    void writeMessage(const QString& pendingText) override;
};

} // namespace kovolo::catalogs
