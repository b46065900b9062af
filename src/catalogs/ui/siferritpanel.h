#pragma once
// Tab 4: the Siferrit catalog with the order code of the selected pair, the application and
// the frequency range of the material.

#include "catalogs/ui/catalogpanel.h"

namespace kovolo::catalogs {

class SiferritPanel : public CatalogPanel {
    Q_OBJECT
public:
    // Also registers the catalog's application texts with the language application.
    explicit SiferritPanel(QWidget* parent = nullptr);

protected:
    void showMaterialExtras(int materialIndex) override;
    void writeMessage(const QString& pendingText) override;

private:
    QLabel* application_ = nullptr;
    QLabel* freqRange_ = nullptr;
};

} // namespace kovolo::catalogs
