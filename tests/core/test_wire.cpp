#include "numbers/format.h"
#include "numbers/wire.h"
#include "output/runtimeerror.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <string>

using namespace kovolo::numbers;

class TestWire : public QObject {
    Q_OBJECT
private slots:
    void init() { setDisplayDecimalSeparator("."); }

    void gaugeScale()
    {
        const auto& texts = gaugeTexts();
        QCOMPARE(texts.size(), std::size_t(44));
        QCOMPARE(texts[0], std::string("0000"));
        QCOMPARE(texts[1], std::string("000"));
        QCOMPARE(texts[2], std::string("00"));
        QCOMPARE(texts[3], std::string("0"));
        QCOMPARE(texts[4], std::string("1"));
        QCOMPARE(texts[43], std::string("40"));
        QCOMPARE(texts[gaugeListInitial], std::string("21"));
    }

    void decimalLogarithm()
    {
        QCOMPARE(decimalLog(1.0), 0.0);
        QCOMPARE(decimalLog(1000.0), std::log(1000.0) / std::log(10.0));
        QVERIFY(std::fabs(decimalLog(0.5) - std::log10(0.5)) < 1e-15);
    }

    void gaugeToDiameter_data()
    {
        QTest::addColumn<QString>("gauge");
        QTest::addColumn<float>("millimetres");
        QTest::newRow("0000") << "0000" << 11.686f;
        QTest::newRow("000") << "000" << 10.4066f;
        QTest::newRow("00") << "00" << 9.2672f;
        QTest::newRow("0") << "0" << 8.2526f;
        QTest::newRow("1") << "1" << 7.3491f;
        QTest::newRow("10") << "10" << 2.5883f;
        QTest::newRow("20") << "20" << 0.8118f;
        QTest::newRow("21") << "21" << 0.7229f;
        QTest::newRow("24") << "24" << 0.5105f;
        QTest::newRow("30") << "30" << 0.2546f;
        QTest::newRow("40") << "40" << 0.0798f;
        // The number read from the text is rounded halves to even.
        QTest::newRow("21,5 is gauge 22") << "21,5" << 0.6437f;
        QTest::newRow("20.5 is gauge 20") << "20.5" << 0.8118f;
        // Texts that read as 0 without being "0" are gauge 0 as well.
        QTest::newRow("empty") << "" << 8.2526f;
        QTest::newRow("blank") << " " << 8.2526f;
        // " 00" is not the exact text "00": it reads as gauge 0.
        QTest::newRow("00 with blank") << " 00" << 8.2526f;
        QTest::newRow("negative gauge") << "-1" << 9.2672f;
    }
    void gaugeToDiameter()
    {
        QFETCH(QString, gauge);
        QFETCH(float, millimetres);
        // The result is the float nearest to the four-decimal text.
        QCOMPARE(kovolo::numbers::awgToDiameter(gauge.toStdString()), millimetres);
    }

    void awgToDiameterIgnoresDisplaySeparator()
    {
        setDisplayDecimalSeparator(",");
        QCOMPARE(kovolo::numbers::awgToDiameter("24"), 0.5105f);
    }

    void awgOutOfRange()
    {
        // Gauges far below "0000" have diameters no Single holds: an overflow as well, never an
        // infinite or zero diameter.
        for (const char* text :
             {"99999", "-40000", "1e10", "-747", "-760", "-774", "-775", "-800", "-32768"}) {
            try {
                kovolo::numbers::awgToDiameter(text);
                QFAIL(text);
            } catch (const kovolo::RuntimeError& e) {
                QCOMPARE(e.number(), 6);
            }
        }
    }

    void diameterToGauge_data()
    {
        QTest::addColumn<float>("millimetres");
        QTest::addColumn<QString>("gauge");
        QTest::newRow("1 mm") << 1.0f << "18";
        QTest::newRow("0.5 mm") << 0.5f << "24";
        QTest::newRow("0.25 mm") << 0.25f << "30";
        QTest::newRow("0.1 mm") << 0.1f << "38";
        QTest::newRow("0.08 mm") << 0.08f << "40";
        QTest::newRow("0.07 mm finer than 40") << 0.07f << "xxx";
        QTest::newRow("5 mm") << 5.0f << "4";
        QTest::newRow("7.35 mm") << 7.35f << "1";
        QTest::newRow("8 mm") << 8.0f << "0";
        QTest::newRow("9.2672 mm") << 9.2672f << "00";
        QTest::newRow("10.4 mm") << 10.4f << "000";
        QTest::newRow("12 mm") << 12.0f << "0000";
        QTest::newRow("20 mm") << 20.0f << "0000";
        QTest::newRow("largest float") << std::numeric_limits<float>::max() << "0000";
        QTest::newRow("zero") << 0.0f << "xxx";
        QTest::newRow("negative") << -1.0f << "xxx";
        QTest::newRow("smallest float") << std::numeric_limits<float>::denorm_min() << "xxx";
        QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << "xxx";
        QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << "xxx";
    }
    void diameterToGauge()
    {
        QFETCH(float, millimetres);
        QFETCH(QString, gauge);
        QCOMPARE(QString::fromStdString(kovolo::numbers::diameterToAwg(millimetres)), gauge);
    }

    void roundTripOverTheScale()
    {
        for (const std::string& gauge : gaugeTexts())
            QCOMPARE(kovolo::numbers::diameterToAwg(kovolo::numbers::awgToDiameter(gauge)), gauge);
    }

    void thickestWire_data()
    {
        QTest::addColumn<int>("turns");
        QTest::addColumn<float>("innerDiameter");
        QTest::addColumn<float>("expected");
        QTest::newRow("one turn fills the hole") << 1 << 10.0f << 9.99f;
        QTest::newRow("two turns") << 2 << 10.0f << 4.995f;
        QTest::newRow("three turns") << 3 << 10.0f << 4.63768f;
        QTest::newRow("ten turns") << 10 << 5.0f << 1.17934f;
        QTest::newRow("hundred turns") << 100 << 5.0f << 0.152171f;
    }
    void thickestWire()
    {
        QFETCH(int, turns);
        QFETCH(float, innerDiameter);
        QFETCH(float, expected);
        const float wire = kovolo::numbers::maxWireDiameter(turns, innerDiameter);
        QVERIFY2(std::fabs(wire - expected) <= 1e-5f * expected,
                 qPrintable(QString::number(wire, 'g', 9)));
    }

    void thickestWireTouchesNeighbours()
    {
        // N wires of the computed diameter, centred on a circle of diameter Di - d, touch their
        // neighbours and the wall: d = (Di - d) sin(pi / N), less the clearance.
        for (int n : {2, 5, 17, 60}) {
            const double di = 7.1;
            const double d = kovolo::numbers::maxWireDiameter(n, float(di)) + 0.01 / n;
            QVERIFY(std::fabs(d - (di - d) * std::sin(M_PI / n)) < 1e-5);
        }
    }
};

QTEST_APPLESS_MAIN(TestWire)
#include "test_wire.moc"
