// The splash window: texts from the version information, the copyright line, the pointer.

#include "app/ui/splash.h"
#include "i18n/ui/textid.h"

#include <QFrame>
#include <QLabel>
#include <QtTest>

using namespace kovolo;

class TestGuiSplash : public QObject {
    Q_OBJECT

private slots:
    void textsFromTheVersionInformation_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::newRow("product") << "lblProductName"
                                 << "Kovolo";
        QTest::newRow("file description") << "lblCompanyProduct"
                                          << "Spulenberechnung";
        QTest::newRow("comments") << "lblPlatform"
                                  << "for WINDOWS (32 bit)";
        QTest::newRow("version") << "lblVersion"
                                 << "Version 1.3.2";
        // The copyright entry loses its last character (the full stop).
        QTest::newRow("copyright") << "lblCopyright" << QString::fromUtf8("Copyright © 2026");
        QTest::newRow("company") << "lblCompany"
                                 << ", Kovolo developers";
        QTest::newRow("thanks") << "Label1"
                                << "Vielen Dank:";
    }

    void textsFromTheVersionInformation()
    {
        QFETCH(QString, label);
        QFETCH(QString, text);
        SplashWindow splash;
        auto* shown = splash.findChild<QLabel*>(label);
        QVERIFY(shown);
        QCOMPARE(shown->text(), text);
    }

    void windowAndBindings()
    {
        SplashWindow splash;
        QCOMPARE(splash.objectName(), QStringLiteral("VorBild"));
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(i18n::textIdOf(splash.findChild<QLabel*>("lblProductName")), 255);
        auto* license = splash.findChild<QLabel*>("lblLicenseTo");
        QCOMPARE(i18n::textIdOf(license), 256);
        QVERIFY(!license->text().isEmpty());
        QVERIFY(!splash.findChild<QLabel*>("lblWarning")->text().isEmpty());
        QVERIFY(!splash.findChild<QLabel*>("picLogo")->pixmap().isNull());
        QVERIFY(!splash.findChild<QLabel*>("PicZeichen")->pixmap().isNull());
    }

    void pictureSitsBetweenCopyrightAndCompany()
    {
        SplashWindow splash;
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        auto* frame = splash.findChild<QFrame*>("fraMainFrame");
        const auto place = [frame](const char* name) {
            QWidget* w = frame->findChild<QWidget*>(QString::fromLatin1(name));
            return QRect(w->mapTo(frame, QPoint(0, 0)), w->size());
        };
        const QRect copyright = place("lblCopyright");
        const QRect sign = place("PicZeichen");
        const QRect company = place("lblCompany");
        QVERIFY(sign.left() > copyright.right());
        QVERIFY(sign.left() - copyright.right() <= 12);
        QVERIFY(company.left() > sign.right());
        QVERIFY(company.left() - sign.right() <= 12);
        QVERIFY(qAbs(sign.center().y() - copyright.center().y()) <= 4);
        QVERIFY(qAbs(company.center().y() - copyright.center().y()) <= 4);
        QVERIFY(frame->rect().contains(company));
    }

    void busyPointerUntilStartUpEnds()
    {
        SplashWindow splash;
        auto* frame = splash.findChild<QFrame*>("fraMainFrame");
        QCOMPARE(frame->cursor().shape(), Qt::WaitCursor);
        splash.setNormalPointer();
        QCOMPARE(frame->cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(TestGuiSplash)
#include "test_gui_splash.moc"
