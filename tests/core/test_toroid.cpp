#include "numbers/format.h"
#include "output/runtimeerror.h"
#include "toroid/inductance.h"
#include "toroid/turns.h"

#include <QtTest>

using namespace kovolo;
using namespace kovolo::toroid;

namespace {
const catalogs::CoreDimensions t50{12.7f, 7.7f, 4.83f};
}

class TestToroid : public QObject {
    Q_OBJECT
private slots:
    void init() { numbers::setDisplayDecimalSeparator("."); }

    void turnsRoundUpToReachTheInductance_data()
    {
        QTest::addColumn<double>("inductance");
        QTest::addColumn<double>("al");
        QTest::addColumn<int>("turns");
        // AL 1 nH/N²: whole roots need exactly that many turns
        QTest::newRow("1 nH") << 1e-9 << 1e-9 << 1;
        QTest::newRow("4 nH") << 4e-9 << 1e-9 << 2;
        QTest::newRow("9 nH") << 9e-9 << 1e-9 << 3;
        QTest::newRow("16 nH") << 16e-9 << 1e-9 << 4;
        QTest::newRow("25 nH") << 25e-9 << 1e-9 << 5;
        QTest::newRow("26 nH") << 26e-9 << 1e-9 << 6;
        // T-50 in mix 2, 10 µH: root 45.175
        QTest::newRow("T-50 10 µH") << 10 * 1e-6 << 4.9 * 1e-9 << 46;
        QTest::newRow("none") << 0.0 << 4.9e-9 << 0;
    }
    void turnsRoundUpToReachTheInductance()
    {
        QFETCH(double, inductance);
        QFETCH(double, al);
        QFETCH(int, turns);
        QCOMPARE(turnsFor(inductance, al), turns);
    }

    void turnsFailures()
    {
        // 10^20 H on a catalog core: beyond 32 bits
        try {
            turnsFor(1e20, 4.9e-9);
            QFAIL("no overflow");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), 6);
        }
        try {
            turnsFor(-1e-6, 4.9e-9);
            QFAIL("no error for a negative inductance");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.kind(), ErrorNumber::InvalidArgument);
        }
        // The largest count that still fits 32 bits is computed, one more is an overflow.
        QCOMPARE(turnsFor(2147483647.0 * 2147483647.0 * 1e-9, 1e-9), 2147483647);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, turnsFor(2147483648.5 * 2147483648.5, 1.0));
    }

    void singleOverflow()
    {
        // A wire or core dimension that no Single holds is an overflow, never an infinity.
        for (bool imperial : {false, true}) {
            const char* text = imperial ? "-760" : "1e39";
            QVERIFY_THROWS_EXCEPTION(RuntimeError, wireDiameterFromText(text, imperial));
        }
        QVERIFY_THROWS_EXCEPTION(RuntimeError, dimensionFromText("1e39"));
        QCOMPARE(dimensionFromText("3e38"), 3e38f);
        // Dimensions that fit, whose wire length does not.
        const catalogs::CoreDimensions huge{3e38f, 1.0f, 3e38f};
        QVERIFY_THROWS_EXCEPTION(RuntimeError, computeTurns(1.0, 1e-9, huge, 0.0f, false));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, computeTurns(1.0, 1e-9, huge, 3e38f, true));
    }

    void hugeNegativeInductanceOverflows()
    {
        // -6e301 H is a double, -6e310 nH is not.
        QVERIFY_THROWS_EXCEPTION(RuntimeError, computeInductance(-1e300, 245099));
        QCOMPARE(computeInductance(-1e300, 1).unitText, std::string("nH"));
    }

    void t50WireAndLength_data()
    {
        QTest::addColumn<QString>("wire");
        QTest::addColumn<bool>("imperial");
        QTest::addColumn<QString>("maxWire");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("unit");
        QTest::newRow("bare") << "0" << false << "0.49"
                              << "67.5"
                              << "";
        QTest::newRow("0,4 mm") << "0,4" << false << "0.49"
                                << "71.2"
                                << "";
        QTest::newRow("0,5 mm does not fit") << "0,5" << false << "0.49"
                                             << "XXX"
                                             << "";
        QTest::newRow("gauge 26") << "26" << true << "24"
                                  << "2.335"
                                  << "ft";
    }
    void t50WireAndLength()
    {
        QFETCH(QString, wire);
        QFETCH(bool, imperial);
        const float d = wireDiameterFromText(wire.toStdString(), imperial);
        const TurnsResult r = computeTurns(10 * 1e-6, 4.9 * 1e-9, t50, d, imperial);
        QCOMPARE(r.turnsText, std::string("46"));
        QTEST(QString::fromStdString(r.maxWireText), "maxWire");
        QTEST(QString::fromStdString(r.lengthText), "length");
        QTEST(QString::fromStdString(r.lengthUnit), "unit");
    }

    void wireLengthSumInDoublePrecision()
    {
        // T-106 in mix 0 (AL 1.9), 0.19 µH: 10 turns of 0.8 mm wire need 36.2 cm per the
        // perimeter 12.4 + 22.2 + 1.6 mm. Summed in single precision it came out as 36.19999 and
        // was shown 36.2 instead of 36.2 + 0.05 rounded half away from zero.
        const catalogs::CoreDimensions t106{26.9f, 14.5f, 11.1f};
        const TurnsResult r = computeTurns(0.19 * 1e-6, 1.9 * 1e-9, t106, 0.8f, false);
        QCOMPARE(r.turns, 10);
        QCOMPARE(r.lengthText, std::string("36.3"));
    }

    void noTurns()
    {
        TurnsResult r = computeTurns(0, 4.9e-9, t50, 0, false);
        QCOMPARE(r.turnsText, std::string("0"));
        QCOMPARE(r.maxWireText, std::string("0.0"));
        QCOMPARE(r.lengthText, std::string("0.1"));
        r = computeTurns(0, 4.9e-9, t50, 0.1f, false);
        QCOMPARE(r.lengthText, std::string("XXX"));
    }

    void imperialEmptyWireMeansGaugeZero()
    {
        QCOMPARE(wireDiameterFromText("", true), 8.2526f);
        QCOMPARE(wireDiameterFromText("-3", false), 0.0f);
    }

    void unknownCoreChecks_data()
    {
        QTest::addColumn<double>("al");
        QTest::addColumn<float>("da");
        QTest::addColumn<float>("di");
        QTest::addColumn<float>("h");
        QTest::addColumn<QString>("cleared"); // fields to empty: a(l) h d(a) i (di)
        QTest::newRow("usable") << 1.0 << 12.7f << 7.7f << 4.83f << "";
        QTest::newRow("Di above Da") << 1.0 << 10.0f << 12.0f << 5.0f << "di";
        QTest::newRow("Di equal Da") << 1.0 << 10.0f << 10.0f << 5.0f << "di";
        QTest::newRow("no AL, h 0") << 0.0 << 10.0f << 5.0f << 0.0f << "ah";
        QTest::newRow("all missing") << 0.0 << 0.0f << 0.0f << 0.0f << "ahdi";
    }
    void unknownCoreChecks()
    {
        QFETCH(double, al);
        QFETCH(float, da);
        QFETCH(float, di);
        QFETCH(float, h);
        QFETCH(QString, cleared);
        const UnknownCoreCheck c = checkUnknownCore(al, da, di, h);
        QCOMPARE(c.usable, cleared.isEmpty());
        QCOMPARE(c.clearAl, cleared.contains('a'));
        QCOMPARE(c.clearH, cleared.contains('h'));
        QCOMPARE(c.clearDa, cleared.contains('d'));
        QCOMPARE(c.clearDi, cleared.contains('i'));
    }

    void inductanceFromTurns_data()
    {
        QTest::addColumn<double>("al");
        QTest::addColumn<double>("turns");
        QTest::addColumn<double>("frequency");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("xl");
        QTest::newRow("T-50 46 turns 7 MHz") << 4.9 << 46.0 << 7e6 << "10.3684"
                                             << "µH"
                                             << "456.026";
        QTest::newRow("3,5 MHz") << 4.9 << 46.0 << 3.5e6 << "10.3684"
                                 << "µH"
                                 << "228.013";
        QTest::newRow("no frequency") << 4.9 << 46.0 << 0.0 << "10.3684"
                                      << "µH"
                                      << "0.00 m";
        QTest::newRow("half a turn") << 1.0 << 0.5 << 0.0 << "0.25"
                                     << "nH"
                                     << "0.00 m";
        QTest::newRow("1 H") << 1000.0 << 1000.0 << 0.0 << "1.0"
                             << "H"
                             << "0.00 m";
    }
    void inductanceFromTurns()
    {
        QFETCH(double, al);
        QFETCH(double, turns);
        QFETCH(double, frequency);
        const InductanceResult r = computeInductance(al, turns);
        QVERIFY(r.valid);
        QTEST(QString::fromStdString(r.valueText), "value");
        QTEST(QString::fromStdString(r.unitText), "unit");
        QTEST(QString::fromStdString(reactanceText(frequency, r.henry)), "xl");
    }

    void noInductance()
    {
        QVERIFY(!computeInductance(0, 46).valid);
        QVERIFY(!computeInductance(4.9, 0).valid);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, computeInductance(4.9, 1e200));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, reactanceText(1e300, 1e300));
    }

    void hintFollowsLanguage()
    {
        QCOMPARE(leadLengthHint("span"),
                 std::string("+ rabillos | ¡No se olvide de los rabillos!"));
        QCOMPARE(leadLengthHint("klingon"), leadLengthHint("englisch"));
        QCOMPARE(leadLengthHint("deutsch"),
                 std::string("+ Anschlusslänge | Nicht die Anschlusslänge vergessen!"));
    }
};

QTEST_APPLESS_MAIN(TestToroid)
#include "test_toroid.moc"
