#pragma once
// Tab 3: the Ferroxcube catalog with its colour code.

#include "catalogs/ui/catalogpanel.h"

namespace kovolo::catalogs {

class FerroxcubePanel : public CatalogPanel {
    Q_OBJECT
public:
    explicit FerroxcubePanel(QWidget* parent = nullptr);

protected:
    // The message sits on the label's second line.
    void writeMessage(const QString& pendingText) override;
    void showExtrasAfterCalculations(int materialIndex) override;

private:
    QLabel* leftSwatch_ = nullptr;
    QLabel* rightSwatch_ = nullptr;
};

} // namespace kovolo::catalogs
