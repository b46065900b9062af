// Copper resistance: the worked examples, the prefixes and the 11-character rule, the
// temperature limits and the inputs that cannot give a result. Expected texts were computed
// independently (single-precision inputs and shown value, double-precision resistance).

#include "numbers/format.h"
#include "output/runtimeerror.h"
#include "tools/copperresistance.h"

#include <QtTest>

#include <string>

using namespace kovolo::tools;

namespace {

CopperInput metric(const char* length, const char* diameter, const char* temperature)
{
    CopperInput in;
    in.lengthText = length;
    in.diameterText = diameter;
    in.temperatureText = temperature;
    return in;
}

CopperInput imperial(const char* length, int unit, const char* gauge, const char* temperature)
{
    CopperInput in;
    in.imperial = true;
    in.lengthText = length;
    in.lengthUnit = unit;
    in.gaugeText = gauge;
    in.temperatureText = temperature;
    // The hidden diameter field is not read in imperial mode.
    in.diameterText = "5";
    return in;
}

} // namespace

Q_DECLARE_METATYPE(CopperInput)

class TestCopperResistance : public QObject {
    Q_OBJECT
private slots:
    void init() { kovolo::numbers::setDisplayDecimalSeparator("."); }

    void gauges()
    {
        QCOMPARE(gaugeNumber("0000"), std::int16_t(-3));
        QCOMPARE(gaugeNumber("000"), std::int16_t(-2));
        QCOMPARE(gaugeNumber("00"), std::int16_t(-1));
        QCOMPARE(gaugeNumber("0"), std::int16_t(0));
        QCOMPARE(gaugeNumber("21"), std::int16_t(21));
        QCOMPARE(gaugeNumber("40"), std::int16_t(40));
        QVERIFY_THROWS_EXCEPTION(kovolo::RuntimeError, gaugeNumber("99999"));
        // Unrounded, unlike the four decimals of the gauge list of the main window.
        QCOMPARE(static_cast<float>(gaugeDiameterMm("21")), 0.7228919267654419f);
    }

    void compute_data()
    {
        QTest::addColumn<CopperInput>("in");
        QTest::addColumn<QString>("resistance");
        QTest::addColumn<QString>("warning");
        QTest::newRow("1 m 1 mm") << metric("1", "1", "20") << "22.28169 m"
                                  << "";
        QTest::newRow("100 m 0.1 mm") << metric("100", "0.1", "20") << "222.81691"
                                      << "";
        QTest::newRow("1000 m 0.05 mm 100 °C") << metric("1000", "0,05", "100") << "11.72908 K"
                                               << "";
        QTest::newRow("10 m 1 mm -40 °C") << metric("10", "1", "-40") << "170.00931 m"
                                          << "";
        QTest::newRow("10 ft gauge 21") << imperial("10", 0, "21", "20") << "129.96201 m"
                                        << "";
        QTest::newRow("10 yd gauge 21") << imperial("10", 1, "21", "20") << "389.88599 m"
                                        << "";
        QTest::newRow("100 yd gauge 0000") << imperial("100", 1, "0000", "20") << "14.9194 m"
                                           << "";
        // Empty length: R = 0, shown with the smallest prefix.
        QTest::newRow("no length") << metric("", "1", "20") << QString::fromUtf8("0.0 µ") << "";
        QTest::newRow("micro") << metric("0.01", "1", "20") << QString::fromUtf8("222.81691 µ")
                               << "";
        // Longer than 11 characters: four decimals and the prefix without its blank.
        QTest::newRow("megohm") << metric("1000", "0.001", "20") << "22281.6895K"
                                << "";
        QTest::newRow("megohms") << metric("1000000", "0.01", "20") << "222816.9375K"
                                 << "";
        // Exactly 11 characters stay as they are.
        QTest::newRow("11 characters") << metric("100000", "0.001", "20") << "2228169.0 K"
                                       << "";
        // The temperature limits are accepted; beyond them the warning and "xxx".
        QTest::newRow("-200 °C") << metric("10", "1", "-200") << "29.18902 m"
                                 << "";
        QTest::newRow("250 °C") << metric("10", "1", "250") << "425.24609 m"
                                << "";
        QTest::newRow("-200.1 °C")
            << metric("10", "1", "-200.1") << "xxx" << QString::fromUtf8("t < -200 °C");
        QTest::newRow("250.1 °C") << metric("10", "1", "250,1") << "xxx"
                                  << QString::fromUtf8("t > 250 °C");
        QTest::newRow("empty temperature is 0 °C") << metric("1", "1", "") << "20.52144 m"
                                                   << "";
        // No diameter.
        QTest::newRow("diameter 0") << metric("1", "0", "20") << "xxx"
                                    << "";
        QTest::newRow("diameter empty") << metric("1", "", "20") << "xxx"
                                        << "";
        QTest::newRow("diameter negative") << metric("1", "-1", "20") << "xxx"
                                           << "";
        // Beyond the single-precision range.
        QTest::newRow("diameter 1e-25") << metric("1", "1e-25", "20") << "xxx"
                                        << "";
        QTest::newRow("diameter 1e-50") << metric("1", "1e-50", "20") << "xxx"
                                        << "";
        QTest::newRow("diameter 1e39") << metric("1", "1e39", "20") << "xxx"
                                       << "";
        QTest::newRow("length 1e39") << metric("1e39", "1", "20") << "xxx"
                                     << "";
        QTest::newRow("length 1e400") << metric("1e400", "1", "20") << "xxx"
                                      << "";
        QTest::newRow("temperature 1e39")
            << metric("1", "1", "1e39") << "xxx" << QString::fromUtf8("t > 250 °C");
        QTest::newRow("temperature -1e39")
            << metric("1", "1", "-1e39") << "xxx" << QString::fromUtf8("t < -200 °C");
        QTest::newRow("gauge beyond 16 bits") << imperial("1", 0, "99999", "20") << "xxx"
                                              << "";
    }

    void compute()
    {
        QFETCH(CopperInput, in);
        QFETCH(QString, resistance);
        QFETCH(QString, warning);
        const CopperResult result = computeCopperResistance(in);
        QCOMPARE(QString::fromStdString(result.resistance), resistance);
        QCOMPARE(QString::fromStdString(result.warning), warning);
    }

    void textRuleCountsCharacters()
    {
        // "µ" is one character: 999.12345 µ has 11 and keeps its five decimals.
        QCOMPARE(QString::fromStdString(resistanceText(0.00099912345)),
                 QString::fromUtf8("999.12347 µ"));
        QCOMPARE(QString::fromStdString(resistanceText(1e45)), QStringLiteral("xxx"));
        kovolo::numbers::setDisplayDecimalSeparator(",");
        QCOMPARE(QString::fromStdString(resistanceText(0.022281692032865372)),
                 QStringLiteral("22,28169 m"));
    }
};

QTEST_APPLESS_MAIN(TestCopperResistance)
#include "test_copperresistance.moc"
