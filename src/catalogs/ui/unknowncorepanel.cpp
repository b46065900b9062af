#include "catalogs/ui/unknowncorepanel.h"

#include "app/ui/controls.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kovolo::catalogs {

UnknownCorePanel::UnknownCorePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName("picOptions_5");
    auto* grid = new QGridLayout(this);
    struct Row {
        const char* caption;
        const char* captionText;
        int textId;
        const char* field;
        const char* unit;
        const char* unitText;
    };
    const Row rows[] = {
        {"Label95", "Al-Wert", 168, "txtALunb", "Label96", "nH/N²"},
        {"Label97", "Da", 251, "txtDaUnb", "Label99", "mm"},
        {"Label100", "Di", 253, "txtDiUnb", "Label101", "mm"},
        {"Label107", "h", -1, "txtHunb", "Label109", "mm"},
    };
    QLineEdit* fields[4];
    int r = 0;
    for (const Row& row : rows) {
        grid->addWidget(
            controls::caption(this, row.caption, QString::fromUtf8(row.captionText), row.textId), r,
            0);
        fields[r] = controls::numericField(this, row.field);
        grid->addWidget(fields[r], r, 1);
        grid->addWidget(controls::caption(this, row.unit, QString::fromUtf8(row.unitText)), r, 2);
        ++r;
    }
    al_ = fields[0];
    da_ = fields[1];
    di_ = fields[2];
    h_ = fields[3];
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(r, 1);
}

} // namespace kovolo::catalogs
