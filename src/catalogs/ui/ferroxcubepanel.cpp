#include "catalogs/ui/ferroxcubepanel.h"
#include "app/ui/controls.h"

#include "app/globals.h"
#include "catalogs/ferroxcubecatalog.h"
#include "catalogs/ui/swatch.h"
#include "i18n/ui/textid.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace kovolo::catalogs {

namespace {

const PanelNames ferroxcubeNames = {
    "ComboFer1", "ComboFerMat", "lbFer5",  "lbFer41", "lbFer6",  "nH/N²",
    "lbFer7",    "lbFer57",     "lbFer8",  "lbFer9",  "lbFer60", "Label90",
    "Label91",   "lbFer62",     "lbFer90", "Label98", "lbFer30", "lbFer81",
};

} // namespace

FerroxcubePanel::FerroxcubePanel(QWidget* parent)
    : CatalogPanel(ferroxcubeCatalog(), ferroxcubeNames, parent)
{
    setObjectName(QStringLiteral("picOptions_2"));

    QLabel* colourHeading = controls::caption(this, "Label93", QStringLiteral("Farbe"));
    i18n::setTextId(colourHeading, 165);
    leftSwatch_ = makeSwatch(this, "lbFer84");
    rightSwatch_ = makeSwatch(this, "lbFer85");
    auto* swatches = new QHBoxLayout;
    swatches->setSpacing(2);
    swatches->addWidget(leftSwatch_);
    swatches->addWidget(rightSwatch_);
    swatches->addStretch(1);

    QGridLayout* extras = extrasLayout();
    extras->addWidget(colourHeading, 0, 0);
    extras->addLayout(swatches, 0, 1);
    extras->setColumnStretch(2, 1);

    showSelection();
}

void FerroxcubePanel::writeMessage(const QString& pendingText)
{
    const QString text = pendingText.trimmed();
    // An existing pair leaves the label empty.
    messageLabel()->setText(text.isEmpty() ? QString()
                                           : QString::fromStdString(globals().lineBreak) + text);
}

void FerroxcubePanel::showExtrasAfterCalculations(int materialIndex)
{
    if (leftSwatch_ == nullptr || rightSwatch_ == nullptr) {
        return;
    }
    const std::optional<SwatchColours>& colours =
        ferroxcubeColours().at(static_cast<std::size_t>(materialIndex));
    if (colours) {
        showSwatchColour(leftSwatch_, colours->left);
        showSwatchColour(rightSwatch_, colours->right);
    } else {
        showNormalBackground(leftSwatch_);
        showNormalBackground(rightSwatch_);
    }
}

} // namespace kovolo::catalogs
