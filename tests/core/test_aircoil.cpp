// Air-core cylinder coils and straight conductors: Nagaoka's coefficient against its exact
// value, the solenoid formula both ways, the straight-wire formula and what the frames show.

#include "aircoil/cylindercoil.h"
#include "aircoil/straightconductor.h"
#include "numbers/format.h"
#include "numbers/wire.h"
#include "output/runtimeerror.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

using namespace kovolo;
using namespace kovolo::aircoil;

namespace {

// Nagaoka's coefficient from the complete elliptic integrals K(k) and E(k), evaluated with the
// arithmetic-geometric mean; k² = x² / (1 + x²) for x = diameter / length:
// K_N = 4 / (3π k') · ((k'² / k²) (K − E) + E − k).
double exactNagaoka(double x)
{
    const long double k2 = static_cast<long double>(x) * x / (1 + static_cast<long double>(x) * x);
    const long double k = std::sqrt(k2);
    const long double kp = std::sqrt(1 - k2);
    long double a = 1, b = kp, c = k;
    long double sum = c * c / 2; // Σ 2^(n−1) c_n²
    long double power = 0.5;
    for (int i = 0; i < 40 && std::fabs(c) > 1e-19L; ++i) {
        const long double an = (a + b) / 2;
        c = (a - b) / 2;
        b = std::sqrt(a * b);
        a = an;
        power *= 2;
        sum += power * c * c;
    }
    const long double pi = 3.141592653589793238462643383279502884L;
    const long double bigK = pi / (2 * a);
    const long double bigE = bigK * (1 - sum);
    return static_cast<double>(4 / (3 * pi * kp) * ((kp * kp / k2) * (bigK - bigE) + bigE - k));
}

std::string text(const ScaledValue& v)
{
    return v.text + " " + v.unit;
}

} // namespace

class TestAirCoil : public QObject {
    Q_OBJECT
private slots:
    void init() { numbers::setDisplayDecimalSeparator("."); }

    // The reference itself: Nagaoka's coefficient computed independently with 30 digits
    // (mpmath, the same elliptic-integral formula); Nagaoka's own table gives the first four
    // decimals of each (0.9588, 0.8181, 0.6884, 0.5255, 0.4292, 0.2033).
    void exactReferenceMatchesPublishedValues_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("k");
        QTest::newRow("0.1") << 0.1 << 0.9588071242037;
        QTest::newRow("0.5") << 0.5 << 0.8181357519347;
        QTest::newRow("1") << 1.0 << 0.6884226073204;
        QTest::newRow("2") << 2.0 << 0.5255100242519;
        QTest::newRow("3") << 3.0 << 0.4291986170341;
        QTest::newRow("10") << 10.0 << 0.2033235175219;
    }
    void exactReferenceMatchesPublishedValues()
    {
        QFETCH(double, x);
        QFETCH(double, k);
        QVERIFY2(std::fabs(exactNagaoka(x) - k) < 1e-12, qPrintable(QString::number(x)));
    }

    // Lundin's approximation stays within 3 ppm of the exact coefficient from very short to
    // very long coils; the largest error, about 2.5 ppm, lies near x = 0.67 and at x = 1.
    void lundinWithinThreePpm()
    {
        double worst = 0;
        for (int e = -600; e <= 600; ++e) {
            const double x = std::pow(10.0, e / 200.0);
            const double error = std::fabs(nagaokaFactor(x) / exactNagaoka(x) - 1);
            worst = std::max(worst, error);
            QVERIFY2(error < 3e-6, qPrintable(QStringLiteral("x=%1 error=%2").arg(x).arg(error)));
        }
        QVERIFY(worst > 2e-6); // the bound is tight, not a loose tolerance
    }

    // x = 1 takes the short coil's branch; the other branch would differ there by under 2e-6.
    void branchAtOne()
    {
        QCOMPARE(nagaokaFactor(1.0),
                 (1 + 0.383901 + 0.017108) / (1 + 0.258952) - 4 / 9.42477796076937);
        const double longBranch =
            ((std::log(4.0) - 0.5) * (1 + 0.383901 + 0.017108) / (1 + 0.258952) + 0.093842 +
             0.002029 - 0.000801) *
            0.6366198;
        QVERIFY(nagaokaFactor(1.0) != longBranch);
        QVERIFY(std::fabs(nagaokaFactor(1.0) - longBranch) < 2e-6);
        QVERIFY(std::fabs(nagaokaFactor(std::nextafter(1.0, 2.0)) - longBranch) < 1e-15);
    }

    void solenoidBothWays()
    {
        // 10 µH on 20 mm × 40 mm.
        const double n = cylinderCoilTurns(10e-6, 0.02, 0.04);
        QVERIFY(std::fabs(n - 35.19) < 0.005);
        QVERIFY(std::fabs(cylinderCoilInductance(n, 20, 40, false) - 10) < 1e-12);
        // The same coil typed in inches.
        QVERIFY(std::fabs(cylinderCoilInductance(n, 20 / 25.4, 40 / 25.4, true) - 10) < 1e-9);
        QCOMPARE(cylinderCoilTurns(0, 0.02, 0.04), 0.0);
        QCOMPARE(cylinderCoilTurns(10e-6, 0, 0.04), 0.0);
        QCOMPARE(cylinderCoilInductance(0, 20, 40, false), 0.0);
        QCOMPARE(cylinderCoilInductance(5, 0, 40, false), 0.0);
        QCOMPARE(cylinderCoilInductance(5, 20, 0, false), 0.0);
        // Failures are thrown, never returned as an infinity or a NaN.
        QVERIFY_THROWS_EXCEPTION(RuntimeError, cylinderCoilTurns(1e300, 0.02, 0.04));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, cylinderCoilTurns(10e-6, 0.02, 0));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, cylinderCoilTurns(-10e-6, 0.02, 0.04));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, cylinderCoilInductance(1e200, 20, 40, false));
    }

    void unitList()
    {
        QCOMPARE(inductanceFactor(0), 1.0);
        QCOMPARE(inductanceFactor(1), 1e-3);
        QCOMPARE(inductanceFactor(2), 1e-6);
        QCOMPARE(inductanceFactor(3), 1e-9);
        QCOMPARE(inductanceFactor(-1), 1e-6); // no selection counts as µH
    }

    void turnsDisplay_data()
    {
        QTest::addColumn<QString>("inductance");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("length");
        QTest::addColumn<bool>("imperial");
        QTest::addColumn<QString>("shown"); // Label5|Label7 Label12|Label9 Label13, "-" unwritten
        QTest::newRow("10 µH on 20 x 40 mm") << "10" << 2 << "20"
                                             << "40" << false << "35.19|2.211 m|1.137 mm";
        QTest::newRow("no unit selected counts as µH") << "10" << -1 << "20"
                                                       << "40" << false << "35.19|2.211 m|1.137 mm";
        QTest::newRow("1 µH on 30 x 10 mm") << "1" << 2 << "30"
                                            << "10" << false << "5.12|48.269 cm|1.953 mm";
        QTest::newRow("thick wire in cm") << "10" << 3 << "10"
                                          << "50" << false << "2.35|7.372 cm|2.131 cm";
        QTest::newRow("empty inductance") << "" << 2 << "20"
                                          << "40" << false << "-|- -|- -";
        QTest::newRow("zero length") << "10" << 2 << "20"
                                     << "0" << false << "-|- -|- -";
        QTest::newRow("overflowing inductance fails the turns") << "1e300" << 0 << "20"
                                                                << "40" << false << "0.0|- -|0.0 -";
        QTest::newRow("imperial gauge 24") << "45" << 2 << "1"
                                           << "1" << true << "51.06|4.456 yd|24.0 AWG";
        QTest::newRow("imperial finer than gauge 40")
            << "100" << 1 << "1"
            << "1" << true << "2407.16|210.064 yd|xxx AWG";
        QTest::newRow("imperial wire length in inches")
            << "0,5" << 2 << "0,25"
            << "0,5" << true << "13.97|10.968 in|19.0 AWG";
        QTest::newRow("imperial wire length in feet") << "1" << 2 << "0,5"
                                                      << "0,5" << true << "10.77|1.409 ft|17.0 AWG";
    }
    void turnsDisplay()
    {
        QFETCH(QString, inductance);
        QFETCH(int, unit);
        QFETCH(QString, diameter);
        QFETCH(QString, length);
        QFETCH(bool, imperial);
        const TurnsDisplay d = cylinderTurnsDisplay(
            inductance.toStdString(), unit, diameter.toStdString(), length.toStdString(), imperial);
        const auto part = [](const std::optional<std::string>& s) {
            return QString::fromStdString(s.value_or("-"));
        };
        QTEST(part(d.turns) + "|" + part(d.wireLength) + " " + part(d.wireLengthUnit) + "|" +
                  part(d.maxWire) + " " + part(d.maxWireUnit),
              "shown");
    }

    void metricWireLengthStaysInCentimetresUpTo100()
    {
        std::string unit;
        QCOMPARE(metricWireLength(100.0, unit), std::string("100.0"));
        QCOMPARE(unit, std::string("cm"));
        QCOMPARE(metricWireLength(std::nextafter(100.0, 200.0), unit), std::string("1.0"));
        QCOMPARE(unit, std::string("m"));
    }

    void inductanceScale_data()
    {
        QTest::addColumn<double>("microhenry");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0") << 0.0 << "0.0 nH";
        QTest::newRow("0.9531") << 0.95313 << "953.13 nH";
        QTest::newRow("exactly 1") << 1.0 << QString::fromUtf8("1.0 µH");
        QTest::newRow("exactly 1000") << 1000.0 << QString::fromUtf8("1000.0 µH");
        QTest::newRow("above 1000") << 1000.5 << "1.001 mH";
    }
    void inductanceScale()
    {
        QFETCH(double, microhenry);
        QTEST(QString::fromStdString(text(scaleMicrohenry(microhenry))), "shown");
    }

    void conductorScale_data()
    {
        QTest::addColumn<double>("nanohenry");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0") << 0.0 << "0.0 pH";
        QTest::newRow("exactly 1") << 1.0 << "1.0 nH";
        QTest::newRow("exactly 1000") << 1000.0 << "1000.0 nH";
        QTest::newRow("above 1000") << 1234.5 << QString::fromUtf8("1.235 µH");
    }
    void conductorScale()
    {
        QFETCH(double, nanohenry);
        QTEST(QString::fromStdString(text(scaleNanohenry(nanohenry))), "shown");
    }

    void straightWire()
    {
        // The gauge law, unrounded, for the selected gauge text.
        QCOMPARE(numbers::gaugeNumber("0000"), std::int16_t(-3));
        QCOMPARE(numbers::gaugeNumber("21"), std::int16_t(21));
        QVERIFY(std::fabs(numbers::gaugeDiameterInches(21) * 25.4 - 0.7229) < 5e-5);
        QVERIFY(std::fabs(numbers::gaugeDiameterInches(-3) * 25.4 - 11.686) < 5e-4);
        QVERIFY(std::fabs(numbers::gaugeDiameterInches(40) * 25.4 - 0.0798) < 5e-5);
        QVERIFY(std::fabs(straightWireInductance(1, 100, false, false, "") - 104.829) < 5e-4);
        QVERIFY(std::fabs(straightWireInductance(1, 100, true, false, "") - 99.829) < 5e-4);
        // Imperial: the gauge is the diameter, the length is in inches.
        QVERIFY(std::fabs(straightWireInductance(0, 4, false, true, "21") - 113.423) < 5e-4);
        QVERIFY(std::fabs(straightWireInductance(99, 4, true, true, "21") - 108.343) < 5e-4);
        // Outside the formula's range the value is not above zero.
        QVERIFY(std::fabs(straightWireInductance(10, 5, false, false, "") + 0.056853) < 1e-6);
        QCOMPARE(straightWireInductance(0, 100, false, false, ""), 0.0);
        QCOMPARE(straightWireInductance(1, 0, false, false, ""), 0.0);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, straightWireInductance(-1, 100, false, false, ""));
    }

    void conductorDisplay_data()
    {
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("length");
        QTest::addColumn<bool>("skin");
        QTest::addColumn<bool>("imperial");
        QTest::addColumn<QString>("gauge");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1 x 100 mm") << "1"
                                    << "100" << false << false << "21"
                                    << "104.829 nH";
        QTest::newRow("1 x 100 mm, skin effect") << "1"
                                                 << "100" << true << false << "21"
                                                 << "99.829 nH";
        QTest::newRow("gauge 21, 4 in") << ""
                                        << "4" << false << true << "21"
                                        << "113.423 nH";
        QTest::newRow("gauge 0000, 100 in")
            << ""
            << "100" << true << true << "0000" << QString::fromUtf8("2.93 µH");
        QTest::newRow("short conductor") << "10"
                                         << "5" << false << false << "21"
                                         << "XXX pH";
        QTest::newRow("overflowing length") << "1"
                                            << "1e308" << false << false << "21"
                                            << "XXX pH";
        QTest::newRow("empty diameter") << ""
                                        << "100" << false << false << "21"
                                        << "0.0 pH";
        QTest::newRow("empty length") << "1"
                                      << "" << false << false << "21"
                                      << "0.0 pH";
        QTest::newRow("imperial, empty length") << "1"
                                                << "" << false << true << "21"
                                                << "0.0 pH";
    }
    void conductorDisplay()
    {
        QFETCH(QString, diameter);
        QFETCH(QString, length);
        QFETCH(bool, skin);
        QFETCH(bool, imperial);
        QFETCH(QString, gauge);
        QTEST(QString::fromStdString(
                  text(straightConductorDisplay(diameter.toStdString(), length.toStdString(), skin,
                                                imperial, gauge.toStdString()))),
              "shown");
    }
};

QTEST_APPLESS_MAIN(TestAirCoil)
#include "test_aircoil.moc"
