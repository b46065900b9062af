#include "catalogs/ui/ironpanel.h"
#include "app/ui/controls.h"

#include "catalogs/ironcatalog.h"
#include "catalogs/ui/swatch.h"
#include "i18n/ui/textid.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace kovolo::catalogs {

namespace {

const PanelNames ironNames = {
    "ComboEisen1", "ComboEisenMat", "Label82",  "LabelE41", "Label83",  "nH/N²",
    "Label86",     "LabelE57",      "LabelE58", "Label87",  "LabelE60", "LabelE63",
    "Label88",     "LabelE62",      "LabelE64", "Label89",  "LabelE30", "LabelE81",
};

} // namespace

IronPanel::IronPanel(QWidget* parent) : CatalogPanel(ironCatalog(), ironNames, parent)
{
    setObjectName(QStringLiteral("picOptions_1"));

    QLabel* dash = controls::caption(this, "LabelEisenpulverZeilen", QStringLiteral("-"));
    dash->setToolTip(QString::fromUtf8("Zeilenzahl(vom Drucker abhängig)"));
    listsLayout()->insertWidget(1, dash);

    QLabel* rangeHeading =
        controls::caption(this, "LabelEisenpulverZeilen1", QStringLiteral("Frequenzbereich"));
    i18n::setTextId(rangeHeading, 5);
    freqRange_ = controls::value(this, "LabelE34");
    QLabel* rangeUnit = controls::caption(this, "LabelE35", QStringLiteral("MHz"));

    QLabel* colourHeading = controls::caption(this, "LabelE86", QStringLiteral("Farbe"));
    i18n::setTextId(colourHeading, 165);
    leftSwatch_ = makeSwatch(this, "Label84");
    rightSwatch_ = makeSwatch(this, "Label85");
    auto* swatches = new QHBoxLayout;
    swatches->setSpacing(2);
    swatches->addWidget(leftSwatch_);
    swatches->addWidget(rightSwatch_);
    swatches->addStretch(1);

    QGridLayout* extras = extrasLayout();
    extras->addWidget(rangeHeading, 0, 0);
    extras->addWidget(freqRange_, 0, 1);
    extras->addWidget(rangeUnit, 0, 2);
    extras->addWidget(colourHeading, 1, 0);
    extras->addLayout(swatches, 1, 1, 1, 2);
    extras->setColumnStretch(3, 1);

    showSelection();
}

QString IronPanel::frequencyRangeCaption() const
{
    return freqRange_->text();
}

void IronPanel::showMaterialExtras(int materialIndex)
{
    if (freqRange_ == nullptr) {
        return;
    }
    freqRange_->setText(
        QString::fromStdString(ironFreqRange().at(static_cast<std::size_t>(materialIndex))));
}

void IronPanel::showExtrasAfterCalculations(int materialIndex)
{
    if (leftSwatch_ == nullptr || rightSwatch_ == nullptr) {
        return;
    }
    const SwatchColours& colours = ironColours().at(static_cast<std::size_t>(materialIndex));
    showSwatchColour(leftSwatch_, colours.left);
    showSwatchColour(rightSwatch_, colours.right);
}

} // namespace kovolo::catalogs
