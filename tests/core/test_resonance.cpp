// The resonant-circuit solver: each direction, the unit chosen at each boundary, and the cases
// in which nothing is computed. Expected values were computed independently in double precision.

#include "numbers/format.h"
#include "tools/resonance.h"

#include <QtTest>

#include <cmath>
#include <string>

using namespace kovolo::tools;

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(ResonanceInput)

namespace {

ResonanceInput input(const char* f, const char* l, const char* c, int fUnit = 0, int lUnit = 1,
                     int cUnit = 0)
{
    ResonanceInput in;
    in.frequency = f;
    in.inductance = l;
    in.capacitance = c;
    in.frequencyUnit = fUnit;
    in.inductanceUnit = lUnit;
    in.capacitanceUnit = cUnit;
    return in;
}

} // namespace

class TestResonance : public QObject {
    Q_OBJECT
private slots:
    void init() { kovolo::numbers::setDisplayDecimalSeparator("."); }

    void unitFactors()
    {
        QCOMPARE(resonanceFrequencyFactor(0), 1e6);
        QCOMPARE(resonanceFrequencyFactor(1), 1e3);
        QCOMPARE(resonanceFrequencyFactor(2), 1.0);
        QCOMPARE(resonanceInductanceFactor(0), 1e-9);
        QCOMPARE(resonanceInductanceFactor(1), 1e-6);
        QCOMPARE(resonanceInductanceFactor(2), 1e-3);
        QCOMPARE(resonanceInductanceFactor(3), 1.0);
        QCOMPARE(resonanceCapacitanceFactor(0), 1e-12);
        QCOMPARE(resonanceCapacitanceFactor(1), 1e-9);
        QCOMPARE(resonanceCapacitanceFactor(2), 1e-6);
        // A list without a selection gives the factor 0.
        QCOMPARE(resonanceFrequencyFactor(-1), 0.0);
        QCOMPARE(resonanceFrequencyFactor(3), 0.0);
        QCOMPARE(resonanceInductanceFactor(4), 0.0);
        QCOMPARE(resonanceCapacitanceFactor(-1), 0.0);
    }

    void rawResults()
    {
        // f = 1 / (2π·√(L·C)) with 2π = 6.28318530717958.
        ScaledValue f = resonantFrequency(1e-6, 100e-12);
        QCOMPARE(f.value, 15.915494309189551);
        QCOMPARE(f.unitIndex, 0);
        f = resonantFrequency(1e-3, 1e-6);
        QCOMPARE(f.value, 5.032921210448709);
        QCOMPARE(f.unitIndex, 1);
        f = resonantFrequency(1, 1);
        QCOMPARE(f.value, 0.1591549430918955);
        QCOMPARE(f.unitIndex, 2);

        ScaledValue l = resonantInductance(100e-12, 1e7);
        QCOMPARE(l.value, 2.5330295910584497);
        QCOMPARE(l.unitIndex, 1);
        QCOMPARE(resonantInductance(1e-12, 1).unitIndex, 3);  // henry
        QCOMPARE(resonantInductance(1e-9, 1e5).unitIndex, 2); // 2.53 mH
        QCOMPARE(resonantInductance(1e-6, 1e9).unitIndex, 0); // nanohenry

        ScaledValue c = resonantCapacitance(1e-6, 1e7);
        QCOMPARE(c.value, 253.302959105845);
        QCOMPARE(c.unitIndex, 0);
        QCOMPARE(resonantCapacitance(1e-3, 1e3).unitIndex, 2); // 25.3 µF
        QCOMPARE(resonantCapacitance(1e-3, 1e5).unitIndex, 1); // 2.53 nF
        // A farad and more is still shown in µF.
        c = resonantCapacitance(1e-12, 0.159);
        QCOMPARE(c.unitIndex, 2);
        QVERIFY(c.value > 1e6);
    }

    void solve_data()
    {
        QTest::addColumn<ResonanceInput>("in");
        QTest::addColumn<int>("field");
        QTest::addColumn<std::string>("text");
        QTest::addColumn<int>("unit");
        QTest::newRow("frequency")
            << input("", "1", "100") << 0 << std::string("15.915494309") << 0;
        QTest::newRow("inductance") << input("10", "", "100") << 1 << std::string("2.533") << 1;
        QTest::newRow("capacitance") << input("10", "1", "") << 2 << std::string("253.303") << 0;
        // f = 999999.99999969 Hz: KHz, shown as 1000.0 (MHz only above 10^6 Hz).
        QTest::newRow("1000 kHz") << input("", "253.302959106", "100") << 0 << std::string("1000.0")
                                  << 1;
        // L = 0.000999999999999487 H: µH, shown as 1000.0 (mH only above 10^-3 H).
        QTest::newRow("1 mH") << input("503.292121045", "", "100", 1) << 1 << std::string("1000.0")
                              << 1;
        // The typed units count: 1 mH and 1 µF resonate at 5.03 kHz.
        QTest::newRow("units") << input("", "1", "1", 0, 2, 2) << 0 << std::string("5.03292121")
                               << 1;
        // The decimal comma is read as well.
        QTest::newRow("comma") << input("", "0,5", "200") << 0 << std::string("15.915494309") << 0;
    }

    void solve()
    {
        QFETCH(ResonanceInput, in);
        QFETCH(int, field);
        QFETCH(std::string, text);
        QFETCH(int, unit);
        const auto result = solveResonance(in);
        QVERIFY(result);
        QCOMPARE(static_cast<int>(result->field), field);
        QCOMPARE(result->text, text);
        QCOMPARE(result->unitIndex, unit);
    }

    void nothingComputed_data()
    {
        QTest::addColumn<ResonanceInput>("in");
        QTest::newRow("a field holding 0 is not empty") << input("0", "1", "100");
        QTest::newRow("two fields empty") << input("", "", "100");
        QTest::newRow("no field empty") << input("10", "1", "100");
        QTest::newRow("all empty") << input("", "", "");
        QTest::newRow("blank is not empty") << input(" ", "1", "100");
        QTest::newRow("one value only") << input("", "0", "100");
        QTest::newRow("list without selection") << input("", "1", "100", 0, -1, 0);
        // Typed values beyond the double range count as 0; results beyond it are not written.
        QTest::newRow("overflowing input") << input("", "1e999", "100");
        QTest::newRow("overflowing product") << input("", "1e300", "1e300", 0, 3, 2);
        QTest::newRow("overflowing square") << input("1e300", "", "100");
        QTest::newRow("vanishing product") << input("", "1e-300", "1e-300", 0, 0, 0);
    }

    void nothingComputed()
    {
        QFETCH(ResonanceInput, in);
        QVERIFY(!solveResonance(in));
    }

    void overflowIsNoNumber()
    {
        QVERIFY(std::isnan(resonantFrequency(1e300, 1e300).value));
        QVERIFY(std::isnan(resonantInductance(1e-12, 1e300).value));
        QVERIFY(std::isnan(resonantCapacitance(1e-6, 1e300).value));
    }

    void regionalSeparator()
    {
        kovolo::numbers::setDisplayDecimalSeparator(",");
        QCOMPARE(solveResonance(input("10", "", "100"))->text, std::string("2,533"));
    }
};

QTEST_APPLESS_MAIN(TestResonance)
#include "test_resonance.moc"
