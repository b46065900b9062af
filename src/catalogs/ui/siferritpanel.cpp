#include "catalogs/ui/siferritpanel.h"
#include "app/ui/controls.h"

#include "app/globals.h"
#include "catalogs/siferritcatalog.h"
#include "i18n/ui/language.h"
#include "output/ui/errorreport.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace kovolo::catalogs {

namespace {

const PanelNames siferritNames = {
    "ComboSi1", "ComboSiMat", "Label94",          "lbSi41",   "Label102", "nH/N²",
    "Label108", "lbSi57",     "LabelFerroxcube1", "Label110", "lbSi60",   "Label112",
    "Label113", "lbSi62",     "Label115",         "Label106", "lbSi30",   "lbSi81",
};

// Wide enough for the longest order code, so that a code is never wrapped.
int widestOrderCode(const QFontMetrics& metrics)
{
    int widest = 0;
    const Catalog& c = siferritCatalog();
    for (std::size_t i = 0; i < c.types.size(); ++i) {
        for (std::size_t m = 0; m < c.materials.size(); ++m) {
            const std::string code = siferritOrderCode(static_cast<int>(i), static_cast<int>(m));
            widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(code)));
        }
    }
    return widest;
}

} // namespace

SiferritPanel::SiferritPanel(QWidget* parent)
    : CatalogPanel(siferritCatalog(), siferritNames, parent)
{
    setObjectName(QStringLiteral("picOptions_3"));

    QLabel* heading = controls::caption(this, "Label116", QStringLiteral("Typ"), 70);
    messageColumn()->insertWidget(0, heading);
    QLabel* message = messageLabel();
    message->setMinimumWidth(widestOrderCode(message->fontMetrics()) + 2);

    QLabel* applicationHeading =
        controls::caption(this, "Label103", QStringLiteral("Anwendung"), 156);
    application_ = controls::value(this, "Label104");
    freqRange_ = controls::value(this, "Label105");
    QGridLayout* extras = extrasLayout();
    extras->addWidget(applicationHeading, 0, 0);
    extras->addWidget(application_, 1, 0);
    extras->addWidget(freqRange_, 2, 0);
    extras->setColumnStretch(1, 1);
    extras->setContentsMargins(0, 6, 0, 0);

    i18n::setApplicationTextProvider([](int materialIndex, bool english) {
        return siferritApplication(materialIndex, english ? "englisch" : "deutsch");
    });

    showSelection();
}

void SiferritPanel::showMaterialExtras(int materialIndex)
{
    if (freqRange_ == nullptr) {
        return;
    }
    freqRange_->setText(
        QString::fromStdString(siferritFreqRange().at(static_cast<std::size_t>(materialIndex))));
}

void SiferritPanel::writeMessage(const QString& pendingText)
{
    skipOnFailure([&] {
        messageLabel()->setText(QString::fromStdString(siferritMessage(
            typeIndex(), materialIndex(), pendingText.toStdString(), globals().lineBreak)));
    });
    // The application follows the message, in German or else in English.
    skipOnFailure([&] {
        if (application_ != nullptr) {
            application_->setText(QString::fromStdString(
                siferritApplication(materialIndex(), globals().currentLanguage)));
        }
    });
}

} // namespace kovolo::catalogs
