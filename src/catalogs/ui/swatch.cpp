#include "catalogs/ui/swatch.h"
#include "app/ui/controls.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QString>

namespace kovolo::catalogs {

namespace {

const QColor frameColour(0x40, 0x40, 0x40);

} // namespace

QLabel* makeSwatch(QWidget* parent, const char* name)
{
    QLabel* swatch = controls::caption(parent, name, QString());
    swatch->setFixedSize(24, 16);
    swatch->setFrameShape(QFrame::Box);
    swatch->setLineWidth(1);
    showNormalBackground(swatch);
    return swatch;
}

void showSwatchColour(QLabel* swatch, std::uint32_t rgb)
{
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(static_cast<QRgb>(rgb)));
    swatch->setPalette(palette);
    swatch->setAutoFillBackground(true);
}

void showNormalBackground(QLabel* swatch)
{
    // Only the frame colour is the swatch's own; the swatch paints no background, so what is
    // behind it shows, in the system's colours.
    QPalette palette;
    palette.setColor(QPalette::WindowText, frameColour);
    swatch->setPalette(palette);
    swatch->setAutoFillBackground(false);
}

} // namespace kovolo::catalogs
