#pragma once
// Tab 2: the iron-powder catalog with its frequency range and colour code.

#include "catalogs/ui/catalogpanel.h"

namespace kovolo::catalogs {

class IronPanel : public CatalogPanel {
    Q_OBJECT
public:
    explicit IronPanel(QWidget* parent = nullptr);

    // The selected mix's frequency range in MHz as shown ("0,5...5").
    QString frequencyRangeCaption() const;

protected:
    void showMaterialExtras(int materialIndex) override;
    void showExtrasAfterCalculations(int materialIndex) override;

private:
    QLabel* freqRange_ = nullptr;
    QLabel* leftSwatch_ = nullptr;
    QLabel* rightSwatch_ = nullptr;
};

} // namespace kovolo::catalogs
