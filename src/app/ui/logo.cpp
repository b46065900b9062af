#include "app/ui/logo.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

// The pictures are compiled into the widgets library, which is static: register them once
// before the first use (the linker would otherwise drop them).
static void registerPictures()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(assets);
        return true;
    }();
    (void)done;
}

namespace kovolo {

namespace {

QPixmap renderSvg(const QString& resource, int size, qreal ratio)
{
    registerPictures();
    const int pixels = qMax(1, qRound(size * ratio));
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, pixels, pixels));
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

qreal screenRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

} // namespace

QPixmap logoPixmap(int size)
{
    return renderSvg(QStringLiteral(":/kovolo/logo.svg"), size, screenRatio());
}

QPixmap iconPixmap(int size)
{
    return renderSvg(QStringLiteral(":/kovolo/icon.svg"), size, screenRatio());
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32})
        icon.addPixmap(renderSvg(QStringLiteral(":/kovolo/icon.svg"), size, 1.0));
    for (int size : {48, 64, 128, 256})
        icon.addPixmap(renderSvg(QStringLiteral(":/kovolo/logo.svg"), size, 1.0));
    return icon;
}

} // namespace kovolo
