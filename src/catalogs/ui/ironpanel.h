#pragma once
// Tab 2: the iron-powder catalog with its frequency range and colour code.

#include "catalogs/ui/catalogpanel.h"

namespace kovolo::catalogs {

class IronPanel : public CatalogPanel {
    Q_OBJECT
public:
    explicit IronPanel(QWidget* parent = nullptr);

protected:
    void showMaterialExtras(int materialIndex) override;
    void showExtrasAfterCalculations(int materialIndex) override;

private:
    QLabel* freqRange_ = nullptr;
    QLabel* leftSwatch_ = nullptr;
    QLabel* rightSwatch_ = nullptr;
};

} // namespace kovolo::catalogs
