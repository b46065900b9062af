#include "catalogs/ui/wurthpanel.h"
#include "app/ui/controls.h"

#include "app/globals.h"
#include "catalogs/wurthcatalog.h"

#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace kovolo::catalogs {

namespace {

const PanelNames wurthNames = {
    "ComboWE1", "ComboWEMat", "Label133", "lbWE41",   "Label131", "nH/N²",
    "Label125", "lbWE57",     "Label123", "Label122", "lbWE60",   "Label120",
    "Label119", "lbWE62",     "Label117", "Label127", "lbWE30",   "lbWE81",
};

// Wide enough for the longest line of an order code, so that a code is never wrapped.
int widestOrderCodeLine(const QFontMetrics& metrics)
{
    int widest = 0;
    for (const std::string& code : wurthOrderCode()) {
        for (const QString& line : QString::fromStdString(code).split(QStringLiteral("\r\n"))) {
            widest = std::max(widest, metrics.horizontalAdvance(line));
        }
    }
    return widest;
}

} // namespace

WurthPanel::WurthPanel(QWidget* parent) : CatalogPanel(wurthCatalog(), wurthNames, parent)
{
    setObjectName(QStringLiteral("picOptions_4"));

    QLabel* heading = controls::caption(this, "Label114", QStringLiteral("Typ"), 70);
    messageColumn()->insertWidget(0, heading);
    QLabel* message = messageLabel();
    message->setMinimumWidth(widestOrderCodeLine(message->fontMetrics()) + 2);

    showSelection();
}

void WurthPanel::writeMessage(const QString& pendingText)
{
    messageLabel()->setText(QString::fromStdString(wurthMessage(
        typeIndex(), materialIndex(), pendingText.toStdString(), globals().lineBreak)));
}

} // namespace kovolo::catalogs
