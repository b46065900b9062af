#include "numbers/format.h"
#include "numbers/parse.h"
#include "numbers/units.h"
#include "output/runtimeerror.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <string>

using namespace kovolo::numbers;

class TestFormat : public QObject {
    Q_OBJECT
private slots:
    void init() { setDisplayDecimalSeparator("."); }

    void masks_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("expected");
        QTest::newRow("pi to two") << 3.14159 << "###0.0#"
                                   << "3.14";
        QTest::newRow("optional decimal dropped") << 2.5 << "###0.0#"
                                                  << "2.5";
        QTest::newRow("required decimal kept") << 7.0 << "###0.0#"
                                               << "7.0";
        QTest::newRow("small rounds to zero") << 0.004 << "###0.0#"
                                              << "0.0";
        QTest::newRow("no grouping") << 1234567.891 << "###0.0#"
                                     << "1234567.89";
        QTest::newRow("optional fourth decimal") << 0.0049 << "###0.000#"
                                                 << "0.0049";
        QTest::newRow("two fixed decimals") << 0.01 << "###0.00"
                                            << "0.01";
        QTest::newRow("half away, binary below") << 2.675 << "0.00"
                                                 << "2.68";
        QTest::newRow("half away 1.005") << 1.005 << "0.00"
                                         << "1.01";
        QTest::newRow("half away 0.125") << 0.125 << "0.00"
                                         << "0.13";
        QTest::newRow("half away negative") << -0.125 << "0.00"
                                            << "-0.13";
        QTest::newRow("carry into integer") << 9.996 << "###0.00"
                                            << "10.00";
        QTest::newRow("carry through all digits") << 999.95 << "###0.0"
                                                  << "1000.0";
        QTest::newRow("integer mask rounds half up") << 2.5 << "###0"
                                                     << "3";
        QTest::newRow("integer mask below one") << 0.3 << "###0"
                                                << "0";
        QTest::newRow("integer mask 0.5") << 0.5 << "###0"
                                          << "1";
        QTest::newRow("zero") << 0.0 << "####0.00#"
                              << "0.00";
        QTest::newRow("negative zero") << -0.0 << "###0.0"
                                       << "0.0";
        QTest::newRow("negative rounding to zero") << -0.04 << "###0.0"
                                                   << "0.0";
        QTest::newRow("negative just not zero") << -0.05 << "###0.0"
                                                << "-0.1";
        QTest::newRow("negative") << -12.345 << "###0.0#"
                                  << "-12.35";
        QTest::newRow("leading zero positions") << 5.0 << "000.0"
                                                << "005.0";
        QTest::newRow("no integer zero") << 0.5 << "#.00"
                                         << ".50";
        QTest::newRow("huge") << 1e20 << "###0"
                              << "100000000000000000000";
        QTest::newRow("huge with decimals") << 1.5e17 << "###0.0#"
                                            << "150000000000000000.0";
        QTest::newRow("fifteen digits") << 123456789.123456789 << "###0.0###"
                                        << "123456789.1235";
        QTest::newRow("tiny") << 1e-300 << "###0.000#"
                              << "0.000";
        QTest::newRow("reactance mask") << 999.994 << "####0.00#"
                                        << "999.994";
        QTest::newRow("no fraction digit in mask") << 2.4 << "#0."
                                                   << "2";
        QTest::newRow("only hash decimals, none left") << 3.0 << "#.##"
                                                       << "3";
    }
    void masks()
    {
        QFETCH(double, value);
        QFETCH(QString, mask);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(formatMask(value, mask.toStdString(), ".")), expected);
    }

    void decimalSeparator()
    {
        QCOMPARE(displayDecimalSeparator(), std::string("."));
        QCOMPARE(formatMask(3.14159, "###0.0#"), std::string("3.14"));
        setDisplayDecimalSeparator(",");
        QCOMPARE(formatMask(3.14159, "###0.0#"), std::string("3,14"));
        QCOMPARE(formatMask(7.0, "###0"), std::string("7"));
        // What the program shows with the comma reads back as the same number.
        QCOMPARE(parseNumber(formatMask(1.25, "###0.0#")), 1.25);
        QCOMPARE(formatMask(-1.5, "0.0", " dec "), std::string("-1 dec 5"));
    }

    void nonFiniteShowsInvalidMark()
    {
        QCOMPARE(formatMask(std::numeric_limits<double>::quiet_NaN(), "###0.0#"),
                 std::string("XXX"));
        QCOMPARE(formatMask(std::numeric_limits<double>::infinity(), "###0"), std::string("XXX"));
        QCOMPARE(formatMask(-std::numeric_limits<double>::infinity(), "###0"), std::string("XXX"));
        QCOMPARE(formatReactance(std::numeric_limits<double>::infinity()), std::string("XXX"));
    }

    void integers()
    {
        QCOMPARE(formatInteger(0), std::string("0"));
        QCOMPARE(formatInteger(46), std::string("46"));
        QCOMPARE(formatInteger(-1234567), std::string("-1234567"));
    }

    void integerConversion_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("2.5 to even") << 2.5 << 2;
        QTest::newRow("3.5 to even") << 3.5 << 4;
        QTest::newRow("-1.5 to even") << -1.5 << -2;
        QTest::newRow("-2.5 to even") << -2.5 << -2;
        QTest::newRow("0.5 to even") << 0.5 << 0;
        QTest::newRow("just above half") << 2.5000001 << 3;
        QTest::newRow("just below half") << 2.4999999 << 2;
        QTest::newRow("negative nearest") << -7.6 << -8;
        QTest::newRow("16-bit max") << 32767.0 << 32767;
        QTest::newRow("16-bit min via half") << -32768.5 << -32768;
    }
    void integerConversion()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(int(toInt16(value)), expected);
        QCOMPARE(toInt32(value), expected);
    }

    void integerOverflow_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("int16");
        QTest::newRow("16: 32767.5 rounds to 32768") << 32767.5 << true;
        QTest::newRow("16: 32768") << 32768.0 << true;
        QTest::newRow("16: -32769") << -32769.0 << true;
        QTest::newRow("16: NaN") << std::numeric_limits<double>::quiet_NaN() << true;
        QTest::newRow("32: 2147483647.5") << 2147483647.5 << false;
        QTest::newRow("32: -2147483649") << -2147483649.0 << false;
        QTest::newRow("32: infinity") << std::numeric_limits<double>::infinity() << false;
        QTest::newRow("32: NaN") << std::numeric_limits<double>::quiet_NaN() << false;
    }
    void integerOverflow()
    {
        QFETCH(double, value);
        QFETCH(bool, int16);
        try {
            if (int16)
                toInt16(value);
            else
                toInt32(value);
            QFAIL("no overflow raised");
        } catch (const kovolo::RuntimeError& e) {
            QCOMPARE(e.number(), 6);
        }
    }

    void singleNarrowing_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("fits");
        QTest::newRow("largest single") << 3.4028234663852886e38 << true;
        QTest::newRow("rounds down to the largest") << 3.4028235e38 << true;
        QTest::newRow("negative largest") << -3.4028234663852886e38 << true;
        QTest::newRow("tiny becomes zero") << 1e-60 << true;
        QTest::newRow("typed 1e39") << 1e39 << false;
        QTest::newRow("halfway to the next power of two") << 0x1.ffffffp+127 << false;
        QTest::newRow("-1e39") << -1e39 << false;
        QTest::newRow("largest double") << std::numeric_limits<double>::max() << false;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << false;
    }
    void singleNarrowing()
    {
        QFETCH(double, value);
        QFETCH(bool, fits);
        try {
            const float single = toSingle(value);
            QVERIFY2(fits, "no overflow raised");
            QVERIFY(std::isfinite(single));
            QCOMPARE(single, static_cast<float>(value));
        } catch (const kovolo::RuntimeError& e) {
            QVERIFY2(!fits, "overflow for a value that fits");
            QCOMPARE(e.number(), 6);
        }
    }

    void largestDoublesReadBack_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("mask");
        const double max = std::numeric_limits<double>::max();
        QTest::newRow("largest") << max << "###0.0#";
        QTest::newRow("negative largest") << -max << "####0.00#";
        QTest::newRow("just below") << std::nextafter(max, 0.0) << "###0";
        QTest::newRow("1.797693134862315e308") << 1.797693134862315e308 << "###0.0###";
    }
    void largestDoublesReadBack()
    {
        QFETCH(double, value);
        QFETCH(QString, mask);
        const std::string text = formatMask(value, mask.toStdString());
        double back = 0;
        try {
            back = parseNumber(text);
        } catch (const kovolo::RuntimeError&) {
            QFAIL(("the program cannot read its own text " + text.substr(0, 20)).c_str());
        }
        QVERIFY(std::fabs(back - value) <= 1e-14 * std::fabs(value));
        QCOMPARE(text.find("17976931348623"), std::size_t(value < 0 ? 1 : 0));
    }

    void int32Range()
    {
        QCOMPARE(toInt32(2147483646.5), 2147483646);
        QCOMPARE(toInt32(-2147483648.0), std::numeric_limits<std::int32_t>::min());
        QCOMPARE(toInt32(100000.0), 100000);
    }

    void imperialLengths_data()
    {
        QTest::addColumn<float>("millimetres");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("unit");
        QTest::newRow("one inch") << 25.4f << "1.0"
                                  << "in";
        QTest::newRow("just under a foot") << 304.7f << "11.996"
                                           << "in";
        QTest::newRow("one foot") << 304.8f << "1.0"
                                  << "ft";
        QTest::newRow("just under a yard") << 914.3f << "3.0"
                                           << "ft";
        QTest::newRow("one yard") << 914.4f << "1.0"
                                  << "yd";
        QTest::newRow("zero") << 0.0f << "0.0"
                              << "in";
        QTest::newRow("negative") << -25.4f << "-1.0"
                                  << "in";
        QTest::newRow("ten metres") << 10000.0f << "10.936"
                                    << "yd";
    }
    void imperialLengths()
    {
        QFETCH(float, millimetres);
        QFETCH(QString, text);
        QFETCH(QString, unit);
        std::string gotUnit = "unchanged";
        QCOMPARE(QString::fromStdString(formatImperialLength(millimetres, gotUnit)), text);
        QCOMPARE(QString::fromStdString(gotUnit), unit);
    }

    void imperialThresholdsInSinglePrecision()
    {
        // The limits are the single-precision 304.8 and 914.4: the float just below each one
        // stays in the smaller unit.
        std::string unit;
        formatImperialLength(std::nextafter(304.8f, 0.0f), unit);
        QCOMPARE(unit, std::string("in"));
        formatImperialLength(std::nextafter(914.4f, 0.0f), unit);
        QCOMPARE(unit, std::string("ft"));
        setDisplayDecimalSeparator(",");
        QCOMPARE(formatImperialLength(381.0f, unit), std::string("1,25"));
        QCOMPARE(unit, std::string("ft"));
    }

    void reactances_data()
    {
        QTest::addColumn<double>("ohm");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0.0 << "0.00 m";
        QTest::newRow("half an ohm") << 0.5 << "500.00 m";
        QTest::newRow("one ohm inclusive") << 1.0 << "1.00";
        QTest::newRow("just below one") << 0.9999 << "999.90 m";
        QTest::newRow("three decimals") << 999.994 << "999.994";
        QTest::newRow("1000 exclusive") << 1000.0 << "1000.00";
        QTest::newRow("kilo") << 1500.0 << "1.50 K";
        QTest::newRow("million exclusive") << 1e6 << "1000.00 K";
        QTest::newRow("mega") << 2.5e6 << "2.50 M";
        QTest::newRow("billion exclusive") << 1e9 << "1000.00 M";
        QTest::newRow("giga") << 3e9 << "3.00 G";
        QTest::newRow("negative counts as small") << -2.0 << "-2000.00 m";
    }
    void reactances()
    {
        QFETCH(double, ohm);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromStdString(formatReactance(ohm)), expected);
    }

    void hugeNegativeReactanceOverflows()
    {
        QVERIFY_THROWS_EXCEPTION(kovolo::RuntimeError, formatReactance(-1e306));
        QCOMPARE(QString::fromStdString(formatReactance(-1e300)).right(2), QString(" m"));
    }

    void reactanceWithComma()
    {
        setDisplayDecimalSeparator(",");
        QCOMPARE(formatReactance(1500.0), std::string("1,50 K"));
    }

    void unitFactors()
    {
        QCOMPARE(powerOfTen(0), 1.0);
        // Exact: the factors must equal the literals the formulas would use.
        QVERIFY(powerOfTen(-9) == 1e-9);
        QVERIFY(powerOfTen(-6) == 1e-6);
        QVERIFY(powerOfTen(-3) == 1e-3);
        QVERIFY(powerOfTen(9) == 1e9);
        QVERIFY(powerOfTen(-30) == 1e-30);
        QVERIFY(powerOfTen(30) == 1e30);
        QVERIFY(inductanceFactor(0) == 1e-9);
        QVERIFY(inductanceFactor(1) == 1e-6);
        QVERIFY(inductanceFactor(2) == 1e-3);
        QVERIFY(inductanceFactor(3) == 1.0);
        QVERIFY(frequencyFactorHz(0) == 1.0);
        QVERIFY(frequencyFactorHz(2) == 1e6);
        QVERIFY(frequencyFactorHz(3) == 1e9);
        QVERIFY(frequencyFactorMHz(0) == 1e-6);
        QVERIFY(frequencyFactorMHz(1) == 1e-3);
        QVERIFY(frequencyFactorMHz(2) == 1.0);
        QVERIFY(frequencyFactorMHz(3) == 1e3);
    }
};

QTEST_APPLESS_MAIN(TestFormat)
#include "test_format.moc"
