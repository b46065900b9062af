#include "app/ui/logo.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QResource>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <map>
#include <vector>

// The pictures are compiled into the widgets library, which is static: register them once
// before the first use (the linker would otherwise drop them). `pictures` holds the pixels
// rendered from the SVG sources at build time for a device pixel ratio of 1 (raw RGBA,
// premultiplied, size x size).
static void registerPictures()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(assets);
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)done;
}

namespace kovolo {

namespace {

QPixmap renderSvg(const QString& resource, int size, qreal ratio)
{
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

// The picture `name` ("logo" or "icon") at size x size logical pixels: the pixels rendered at
// build time when there are some for this size and ratio, else rendered from the SVG now.
QPixmap picture(const char* name, int size, qreal ratio)
{
    registerPictures();
    if (qFuzzyCompare(ratio, 1.0)) {
        // Stored uncompressed: the pixels are read in place.
        const QResource resource(
            QStringLiteral(":/kovolo/pixels/%1-%2.rgba").arg(QLatin1String(name)).arg(size));
        const QByteArray pixels = resource.uncompressedData();
        if (pixels.size() == qsizetype(size) * size * 4) {
            const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), size, size,
                               size * 4, QImage::Format_RGBA8888_Premultiplied);
            return QPixmap::fromImage(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
    }
    return renderSvg(QStringLiteral(":/kovolo/%1.svg").arg(QLatin1String(name)), size, ratio);
}

qreal screenRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

// The window icon's sizes, each loaded when first asked for (the offscreen platform never
// asks; a window system asks when the first window is created).
class ProgramIconEngine : public QIconEngine {
public:
    ProgramIconEngine()
    {
        for (int size : {16, 22, 24, 32})
            entries_.push_back({"icon", size});
        for (int size : {48, 64, 128, 256})
            entries_.push_back({"logo", size});
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        Q_UNUSED(state);
        const int wanted = qMax(1, qMin(size.width(), size.height()));
        // The smallest size that is large enough, else the largest.
        const Entry* best = &entries_.back();
        for (const Entry& entry : entries_) {
            if (entry.size >= wanted) {
                best = &entry;
                break;
            }
        }
        QPixmap& cached = loaded_[best->size];
        if (cached.isNull())
            cached = picture(best->name, best->size, 1.0);
        QPixmap result = cached;
        if (result.width() > wanted)
            result = result.scaled(wanted, wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
            QStyleOption option;
            option.palette = QApplication::palette();
            result = QApplication::style()->generatedIconPixmap(mode, result, &option);
        }
        return result;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap pm = pixmap(rect.size() * ratio, mode, state);
        pm.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, pm);
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int wanted = qMin(size.width(), size.height());
        return QSize(qMin(wanted, entries_.back().size), qMin(wanted, entries_.back().size));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const Entry& entry : entries_)
            sizes.append(QSize(entry.size, entry.size));
        return sizes;
    }

    QString key() const override { return QStringLiteral("KovoloProgramIcon"); }
    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }

private:
    struct Entry {
        const char* name;
        int size;
    };
    std::vector<Entry> entries_;
    std::map<int, QPixmap> loaded_;
};

} // namespace

QPixmap logoPixmap(int size)
{
    return picture("logo", size, screenRatio());
}

QPixmap iconPixmap(int size)
{
    return picture("icon", size, screenRatio());
}

QIcon programIcon()
{
    return QIcon(new ProgramIconEngine);
}

} // namespace kovolo
