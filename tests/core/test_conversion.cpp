// Unit conversions: lengths both ways, the general number format, gauge diameters, the
// temperature button with its message per language, and the temperature fields' key rule.
// Expected values were computed independently in single precision.

#include "numbers/format.h"
#include "tools/conversion.h"

#include <QtTest>

#include <limits>
#include <string>

using namespace kovolo::tools;

namespace {
QString q(const std::string& text)
{
    return QString::fromStdString(text);
}
} // namespace

class TestConversion : public QObject {
    Q_OBJECT
private slots:
    void init() { kovolo::numbers::setDisplayDecimalSeparator("."); }

    void generalFormat_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("2.54") << 2.54f << "2.54";
        QTest::newRow("0.3048") << 0.3048f << "0.3048";
        QTest::newRow("whole") << 254.0f << "254";
        QTest::newRow("zero") << 0.0f << "0";
        QTest::newRow("negative") << -2.5f << "-2.5";
        QTest::newRow("seven digits") << 1.0f / 3.0f << "0.3333333";
        QTest::newRow("rounded to seven digits") << 31357.9f << "31357.9";
        QTest::newRow("large, no exponent") << 12345678.0f << "12345680";
        QTest::newRow("larger, no exponent") << 4.572e14f << "457200000000000";
        QTest::newRow("small, no exponent") << 7.62e-5f << "0.0000762";
        QTest::newRow("tiny, no exponent") << 1.5e-9f << "0.0000000015";
        QTest::newRow("huge") << 1e20f << "1E+20";
        QTest::newRow("minute") << -1.25e-12f << "-1.25E-12";
        QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << "xxx";
        QTest::newRow("not a number") << std::numeric_limits<float>::quiet_NaN() << "xxx";
    }

    void generalFormat()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(q(formatGeneral(value)), text);
    }

    void generalFormatUsesTheSeparator()
    {
        QCOMPARE(q(formatGeneral(2.54f, ",")), QStringLiteral("2,54"));
        QCOMPARE(q(formatGeneral(1.5e20f, ",")), QStringLiteral("1,5E+20"));
        kovolo::numbers::setDisplayDecimalSeparator(",");
        QCOMPARE(q(imperialToMetricText("1", 2)), QStringLiteral("0,9144"));
        QCOMPARE(q(metricToImperialText("1", 2)), QStringLiteral("1,094"));
    }

    void lengths_data()
    {
        QTest::addColumn<bool>("toMetric");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shownUnit");
        QTest::newRow("1 in") << true << "1" << 0 << "2.54"
                              << "cm";
        QTest::newRow("1 ft") << true << "1" << 1 << "0.3048"
                              << "m";
        QTest::newRow("1 yd") << true << "1" << 2 << "0.9144"
                              << "m";
        QTest::newRow("12345.67 in") << true << "12345,67" << 0 << "31358"
                                     << "cm";
        QTest::newRow("0.3333333 in") << true << "0.3333333" << 0 << "0.8466666"
                                      << "cm";
        QTest::newRow("5000000 yd") << true << "5000000" << 2 << "4572000"
                                    << "m";
        QTest::newRow("0.00003 in") << true << "0.00003" << 0 << "0.0000762"
                                    << "cm";
        QTest::newRow("empty in") << true << "" << 0 << "0"
                                  << "cm";
        QTest::newRow("beyond single") << true << "1e39" << 0 << "xxx"
                                       << "cm";
        QTest::newRow("beyond double") << true << "1e400" << 1 << "xxx"
                                       << "m";
        QTest::newRow("25.4 mm") << false << "25.4" << 0 << "1.0"
                                 << "in";
        QTest::newRow("91.44 cm") << false << "91.44" << 1 << "1.0"
                                  << "yd";
        QTest::newRow("1 m") << false << "1" << 2 << "1.094"
                             << "yd";
        QTest::newRow("1000 mm") << false << "1000" << 0 << "39.37"
                                 << "in";
        QTest::newRow("0.5 cm") << false << "0.5" << 1 << "0.005"
                                << "yd";
        QTest::newRow("empty mm") << false << "" << 0 << "0.0"
                                  << "in";
        QTest::newRow("beyond double mm") << false << "1e400" << 0 << "xxx"
                                          << "in";
    }

    void lengths()
    {
        QFETCH(bool, toMetric);
        QFETCH(QString, typed);
        QFETCH(int, unit);
        QFETCH(QString, text);
        QFETCH(QString, shownUnit);
        const std::string t = typed.toStdString();
        if (toMetric) {
            QCOMPARE(q(imperialToMetricText(t, unit)), text);
            QCOMPARE(QString::fromUtf8(imperialToMetric(1.0f, unit).unit), shownUnit);
            QCOMPARE(QString::fromUtf8(metricUnitFor(unit)), shownUnit);
        } else {
            QCOMPARE(q(metricToImperialText(t, unit)), text);
            QCOMPARE(QString::fromUtf8(metricToImperial(1.0f, unit).unit), shownUnit);
            QCOMPARE(QString::fromUtf8(imperialUnitFor(unit)), shownUnit);
        }
    }

    void gauges_data()
    {
        QTest::addColumn<QString>("gauge");
        QTest::addColumn<QString>("inches");
        QTest::addColumn<QString>("millimetres");
        QTest::newRow("2") << "2"
                           << "0.257657 in"
                           << "6.5445";
        QTest::newRow("21") << "21"
                            << "0.02846 in"
                            << "0.7229";
        QTest::newRow("0000") << "0000"
                              << "0.460079 in"
                              << "11.686";
        QTest::newRow("0") << "0"
                           << "0.324907 in"
                           << "8.2526";
        QTest::newRow("40") << "40"
                            << "0.003144 in"
                            << "0.0798";
    }

    void gauges()
    {
        QFETCH(QString, gauge);
        QFETCH(QString, inches);
        QFETCH(QString, millimetres);
        const GaugeDiameter d = gaugeToDiameter(gauge.toStdString());
        QCOMPARE(q(d.inches), inches);
        QCOMPARE(q(d.millimetres), millimetres);
    }

    void temperatures_data()
    {
        QTest::addColumn<QString>("fahrenheit");
        QTest::addColumn<QString>("celsius");
        QTest::addColumn<QString>("newFahrenheit");
        QTest::addColumn<QString>("newCelsius");
        QTest::newRow("98.6 °F") << "98.6"
                                 << ""
                                 << "98.6"
                                 << "37.0";
        QTest::newRow("100 °C") << ""
                                << "100"
                                << "212.0"
                                << "100";
        QTest::newRow("0 °F") << "0"
                              << ""
                              << "0"
                              << "-17.8";
        QTest::newRow("-40 °F") << "-40"
                                << ""
                                << "-40"
                                << "-40.0";
        QTest::newRow("451 °F") << "451"
                                << ""
                                << "451"
                                << "232.8";
        QTest::newRow("-273.15 °C") << ""
                                    << "-273,15"
                                    << "-459.7"
                                    << "-273,15";
        QTest::newRow("37 °C") << ""
                               << "37"
                               << "98.6"
                               << "37";
        // Both empty: the °F side is taken as "0".
        QTest::newRow("both empty") << ""
                                    << ""
                                    << "0"
                                    << "-17.8";
        QTest::newRow("minus alone °F") << "-"
                                        << ""
                                        << "-0"
                                        << "-17.8";
        QTest::newRow("minus alone °C") << ""
                                        << "-"
                                        << "32.0"
                                        << "-0";
        QTest::newRow("beyond single") << "1e39"
                                       << ""
                                       << "1e39"
                                       << "xxx";
    }

    void temperatures()
    {
        QFETCH(QString, fahrenheit);
        QFETCH(QString, celsius);
        QFETCH(QString, newFahrenheit);
        QFETCH(QString, newCelsius);
        const TemperatureOutcome outcome =
            convertTemperature(fahrenheit.toStdString(), celsius.toStdString(), "deutsch");
        QVERIFY(outcome.fahrenheit && outcome.celsius);
        QCOMPARE(q(*outcome.fahrenheit), newFahrenheit);
        QCOMPARE(q(*outcome.celsius), newCelsius);
        QCOMPARE(q(outcome.message), QString());
    }

    void bothFilled_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("deutsch") << "deutsch"
                                 << "Das zu berechnende Feld muss frei bleiben!";
        QTest::newRow("englisch") << "englisch"
                                  << "The field to be calculated must be empty!";
        QTest::newRow("franz") << "franz"
                               << QString::fromUtf8("Le champ doit être calculé doit être vide!");
        QTest::newRow("span") << "span"
                              << QString::fromUtf8("¡El campo a calcular debe estar vacío!");
        QTest::newRow("ital") << "ital"
                              << "Il campo da calcolare deve essere vuota!";
        QTest::newRow("cz") << "cz" << QString::fromUtf8("Pole se vypočítá musí být prázdný!");
        QTest::newRow("unknown code") << "klingon"
                                      << "The field to be calculated must be empty!";
    }

    void bothFilled()
    {
        QFETCH(QString, language);
        QFETCH(QString, message);
        const TemperatureOutcome outcome = convertTemperature("1", "2", language.toStdString());
        QVERIFY(!outcome.fahrenheit);
        QVERIFY(!outcome.celsius);
        QCOMPARE(q(outcome.message), message);
    }

    void temperatureKeys()
    {
        for (const char16_t c : {u'-', u'0', u'9', u',', u'.', u'\b'})
            QCOMPARE(temperatureKeyFilter(c), c);
        for (const char16_t c : {u'/', u'+', u' ', u'a', u'E', u'\r'})
            QCOMPARE(temperatureKeyFilter(c), u'\0');
        QVERIFY(releaseClearsOtherTemperature('0'));
        QVERIFY(releaseClearsOtherTemperature('A'));
        QVERIFY(releaseClearsOtherTemperature(189)); // the minus key
        QVERIFY(!releaseClearsOtherTemperature(8));  // Backspace
        QVERIFY(!releaseClearsOtherTemperature(46)); // Delete
        QVERIFY(!releaseClearsOtherTemperature(37)); // Left
        QVERIFY(!releaseClearsOtherTemperature(16)); // Shift
    }
};

QTEST_APPLESS_MAIN(TestConversion)
#include "test_conversion.moc"
