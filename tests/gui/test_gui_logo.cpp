// The program's pictures: the pixels rendered at build time are the SVG pictures pixel for
// pixel, and the window icon offers every size, each from the right picture.

#include "app/ui/logo.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

using namespace kovolo;

namespace {
QImage fromSvg(const QString& resource, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return image;
}

QImage comparable(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
} // namespace

class TestGuiLogo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        programIcon(); // registers the pictures
    }

    void windowIconSizes_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("source");
        for (int size : {16, 22, 24, 32})
            QTest::addRow("%d px", size) << size << ":/kovolo/icon.svg";
        for (int size : {48, 64, 128, 256})
            QTest::addRow("%d px", size) << size << ":/kovolo/logo.svg";
    }

    void windowIconSizes()
    {
        QFETCH(int, size);
        QFETCH(QString, source);
        const QIcon icon = programIcon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        const QPixmap pixmap = icon.pixmap(QSize(size, size), 1.0);
        QCOMPARE(pixmap.size(), QSize(size, size));
        QCOMPARE(comparable(pixmap), fromSvg(source, size));
    }

    void windowIconBetweenSizesIsScaledDown()
    {
        // 40 px comes from the 48 px logo, not from the small icon picture.
        const QPixmap pixmap = programIcon().pixmap(QSize(40, 40), 1.0);
        QCOMPARE(pixmap.size(), QSize(40, 40));
        QVERIFY(!pixmap.toImage().isNull());
    }

    void splashAndAboutPictures()
    {
        if (!qFuzzyCompare(qApp->devicePixelRatio(), 1.0))
            QSKIP("the build-time pictures serve a device pixel ratio of 1");
        QCOMPARE(comparable(logoPixmap(144)), fromSvg(":/kovolo/logo.svg", 144));
        QCOMPARE(comparable(logoPixmap(72)), fromSvg(":/kovolo/logo.svg", 72));
        QCOMPARE(comparable(iconPixmap(16)), fromSvg(":/kovolo/icon.svg", 16));
        // A size without a build-time picture is rendered from the SVG.
        QCOMPARE(comparable(logoPixmap(100)), fromSvg(":/kovolo/logo.svg", 100));
    }
};

QTEST_MAIN(TestGuiLogo)
#include "test_gui_logo.moc"
