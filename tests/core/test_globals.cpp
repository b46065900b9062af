#include "app/globals.h"
#include "app/metadata.h"
#include "output/runtimeerror.h"

#include <QtTest>

class TestGlobals : public QObject {
    Q_OBJECT
private slots:
    void startValues()
    {
        kovolo::resetGlobals();
        const auto& g = kovolo::globals();
        QCOMPARE(g.currentLanguage, std::string("deutsch"));
        QCOMPARE(g.unitSystemImperial, false);
        QCOMPARE(g.currentTab, std::int16_t(1));
        QCOMPARE(g.printingInProgress, false);
        QCOMPARE(g.lineBreak, std::string("\r\n"));
    }
    void versionFromProject()
    {
        QCOMPARE(kovolo::metadata::versionText(), std::string("1.3.2"));
        QCOMPARE(kovolo::metadata::titleVersionSuffix(), std::string(" V1.3.2"));
    }
    void errorTitles_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("title");
        QTest::newRow("de") << "deutsch"
                            << "Fehler ";
        QTest::newRow("en") << "englisch"
                            << "Error ";
        QTest::newRow("es") << "span"
                            << "Error ";
        QTest::newRow("fr") << "franz"
                            << "Erreur ";
        QTest::newRow("it") << "ital"
                            << "Errore ";
        QTest::newRow("cz") << "cz"
                            << "Error ";
        QTest::newRow("unknown") << "klingon"
                                 << "Error ";
    }
    void errorTitles()
    {
        QFETCH(QString, code);
        QFETCH(QString, title);
        QCOMPARE(QString::fromStdString(kovolo::turnsErrorTitle(code.toStdString())), title);
    }
    void overflowIsNumberSix()
    {
        try {
            kovolo::raiseOverflow();
            QFAIL("no error raised");
        } catch (const kovolo::RuntimeError& e) {
            QCOMPARE(e.number(), 6);
            QVERIFY(!e.description().empty());
        }
    }
};

QTEST_APPLESS_MAIN(TestGlobals)
#include "test_globals.moc"
