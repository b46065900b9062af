// Build tool: writes the program icon as PNG files for the desktop's icon theme, from the same
// pictures the running program uses for its window icon.
//   kovolo_render_icons <output folder>   writes <folder>/<size>x<size>/apps/<id>.png

#include "app/ui/logo.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: kovolo_render_icons <output folder> <icon name>\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QIcon icon = kovolo::programIcon();
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        const QImage image = icon.pixmap(QSize(size, size)).toImage().scaled(
            size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (!QDir().mkpath(folder) ||
            !image.save(QStringLiteral("%1/%2.png").arg(folder, name), "PNG")) {
            std::fprintf(stderr, "kovolo_render_icons: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
