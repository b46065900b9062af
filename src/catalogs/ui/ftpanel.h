#pragma once
// Tab 1: the FT ferrite catalog with the recommended frequency ranges of each material.

#include "catalogs/ui/catalogpanel.h"

namespace kovolo::catalogs {

class FtPanel : public CatalogPanel {
    Q_OBJECT
public:
    explicit FtPanel(QWidget* parent = nullptr);

protected:
    void showMaterialExtras(int materialIndex) override;

private:
    QLabel* resonant_ = nullptr;
    QLabel* broadband_ = nullptr;
    QLabel* choke_ = nullptr;
};

} // namespace kovolo::catalogs
