// Build tool: renders the program's pictures from their SVG sources once, at build time, so that
// start-up copies ready pixels instead of rendering SVG. The pixels are stored raw (RGBA, 8 bits
// each, premultiplied, rows without padding; the size is in the file name), uncompressed,
// so that they are read in place without an image decoder (finding one costs more at
// start-up than rendering the SVG).
//
//   kovolo_render_pictures <folder with logo.svg and icon.svg> <output folder>
//
// Writes icon-<size>.rgba and logo-<size>.rgba for the sizes the program asks for at a device
// pixel ratio of 1, and pictures.qrc listing them (prefix /kovolo/pixels). The rendering is the
// one the program uses for other ratios: transparent, antialiased, the whole square.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace {

// Window icon sizes (icon.svg up to 32 px, logo.svg above), the splash's and the About
// window's logo.
struct Picture {
    const char* source;
    int size;
};
const Picture pictures[] = {
    {"icon", 16}, {"icon", 22}, {"icon", 24},  {"icon", 32},  {"logo", 48},
    {"logo", 64}, {"logo", 72}, {"logo", 128}, {"logo", 144}, {"logo", 256},
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <svg folder> <output folder>\n", argv[0]);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir sources(QString::fromLocal8Bit(argv[1]));
    QDir output(QString::fromLocal8Bit(argv[2]));
    if (!output.mkpath(QStringLiteral(".")))
        return 1;

    QString qrc;
    QTextStream list(&qrc);
    list << "<RCC>\n  <qresource prefix=\"/kovolo/pixels\">\n";
    for (const Picture& picture : pictures) {
        const QString svg = sources.filePath(QString::fromLatin1(picture.source) + ".svg");
        QSvgRenderer renderer(svg);
        if (!renderer.isValid()) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(svg));
            return 1;
        }
        QImage image(picture.size, picture.size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            renderer.render(&painter, QRectF(0, 0, picture.size, picture.size));
        }
        const QString name =
            QStringLiteral("%1-%2.rgba").arg(QString::fromLatin1(picture.source)).arg(picture.size);
        const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888_Premultiplied);
        QFile pixels(output.filePath(name));
        bool written = pixels.open(QIODevice::WriteOnly | QIODevice::Truncate);
        for (int y = 0; written && y < rgba.height(); ++y)
            written = pixels.write(reinterpret_cast<const char*>(rgba.constScanLine(y)),
                                   rgba.width() * 4) == rgba.width() * 4;
        if (!written) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(output.filePath(name)));
            return 1;
        }
        list << "    <file>" << name << "</file>\n";
    }
    list << "  </qresource>\n</RCC>\n";
    list.flush();
    QFile file(output.filePath(QStringLiteral("pictures.qrc")));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(qrc.toUtf8()) < 0)
        return 1;
    return 0;
}
