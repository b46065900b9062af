#include "catalogs/ui/ftpanel.h"

#include "app/ui/controls.h"
#include "catalogs/ftcatalog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace kovolo::catalogs {

namespace {

const PanelNames ftNames = {
    "ComboFerrit1", "ComboFerritMat", "Label40", "Label41", "Label42", "mH/     1000 N²",
    "Label56",      "Label57",        "Label58", "Label59", "Label60", "Label63",
    "Label61",      "Label62",        "Label64", "Label29", "Label30", "Label81",
};

} // namespace

FtPanel::FtPanel(QWidget* parent) : CatalogPanel(ftCatalog(), ftNames, parent)
{
    setObjectName(QStringLiteral("picOptions_0"));

    listsLayout()->insertWidget(1, controls::caption(this, "Label39", QStringLiteral("-")));

    QLabel* heading =
        controls::caption(this, "Label32", QStringLiteral("Frequenzbereich in MHz"), 114);
    QLabel* resonantHeading = controls::caption(this, "Label36", QStringLiteral("Resonanz"), 115);
    QLabel* broadbandHeading = controls::caption(this, "Label37", QStringLiteral("Breitband"), 116);
    QLabel* chokeHeading = controls::caption(this, "Label38", QStringLiteral("Drossel"), 117);
    resonant_ = controls::value(this, "Label33");
    broadband_ = controls::value(this, "Label34");
    choke_ = controls::value(this, "Label35");

    QGridLayout* extras = extrasLayout();
    extras->addWidget(heading, 0, 0, 1, 3);
    extras->addWidget(resonantHeading, 1, 0);
    extras->addWidget(broadbandHeading, 1, 1);
    extras->addWidget(chokeHeading, 1, 2);
    extras->addWidget(resonant_, 2, 0);
    extras->addWidget(broadband_, 2, 1);
    extras->addWidget(choke_, 2, 2);
    extras->setHorizontalSpacing(16);
    extras->setColumnStretch(3, 1);

    showSelection();
}

void FtPanel::showMaterialExtras(int materialIndex)
{
    if (resonant_ == nullptr || broadband_ == nullptr || choke_ == nullptr)
        return;
    const auto m = static_cast<std::size_t>(materialIndex);
    resonant_->setText(QString::fromStdString(ftResonantRange().at(m)));
    broadband_->setText(QString::fromStdString(ftBroadbandRange().at(m)));
    choke_->setText(QString::fromStdString(ftChokeRange().at(m)));
}

} // namespace kovolo::catalogs
