#include "numbers/parse.h"
#include "output/runtimeerror.h"

#include <QtTest>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

using kovolo::numbers::parseNumber;

class TestParse : public QObject {
    Q_OBJECT
private slots:
    void reads_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<double>("expected");
        // Texts that hold no leading number read as 0.
        QTest::newRow("empty") << QByteArray("") << 0.0;
        QTest::newRow("blanks only") << QByteArray(" \t\n ") << 0.0;
        QTest::newRow("invalid mark upper") << QByteArray("XXX") << 0.0;
        QTest::newRow("invalid mark lower") << QByteArray("xxx") << 0.0;
        QTest::newRow("letters") << QByteArray("abc") << 0.0;
        QTest::newRow("sign alone") << QByteArray("-") << 0.0;
        QTest::newRow("point alone") << QByteArray(".") << 0.0;
        QTest::newRow("exponent without mantissa") << QByteArray("e5") << 0.0;
        QTest::newRow("two signs") << QByteArray("+-5") << 0.0;
        // Both decimal separators, only the first comma.
        QTest::newRow("zero blank") << QByteArray("0 ") << 0.0;
        QTest::newRow("comma") << QByteArray("2,54") << 2.54;
        QTest::newRow("point") << QByteArray("2.54") << 2.54;
        QTest::newRow("second comma stops") << QByteArray("1,5,3") << 1.5;
        QTest::newRow("grouped thousands") << QByteArray("1.234,5") << 1.234;
        QTest::newRow("leading comma") << QByteArray(",5") << 0.5;
        QTest::newRow("trailing comma") << QByteArray("5,") << 5.0;
        QTest::newRow("comma after point") << QByteArray("1.5,3") << 1.5;
        QTest::newRow("second point stops") << QByteArray("1.2.3") << 1.2;
        // Blanks, tabs and line feeds are skipped anywhere.
        QTest::newRow("leading blank") << QByteArray(" 7") << 7.0;
        QTest::newRow("blank between digits") << QByteArray("1 2") << 12.0;
        QTest::newRow("tab and line feed inside") << QByteArray("1\t2\n3") << 123.0;
        QTest::newRow("blank after sign") << QByteArray("- 4 , 5") << -4.5;
        QTest::newRow("carriage return stops") << QByteArray("1\r2") << 1.0;
        QTest::newRow("unit after number") << QByteArray("12 mm") << 12.0;
        QTest::newRow("plus sign") << QByteArray("+3") << 3.0;
        QTest::newRow("minus sign") << QByteArray("-0,25") << -0.25;
        // Exponents.
        QTest::newRow("exponent") << QByteArray("1e3") << 1000.0;
        QTest::newRow("capital exponent, sign") << QByteArray("2.5E-3") << 0.0025;
        QTest::newRow("exponent plus") << QByteArray("4e+2") << 400.0;
        QTest::newRow("exponent with blanks") << QByteArray("1 e 2") << 100.0;
        QTest::newRow("comma before exponent") << QByteArray("1,5e2") << 150.0;
        QTest::newRow("letter without digits") << QByteArray("1e") << 1.0;
        QTest::newRow("letter and sign without digits") << QByteArray("1e+") << 1.0;
        QTest::newRow("letter then word") << QByteArray("7em") << 7.0;
        QTest::newRow("exponent then point") << QByteArray("1e2.5") << 100.0;
        QTest::newRow("huge exponent of zero") << QByteArray("0e999999") << 0.0;
        QTest::newRow("many leading zeros") << QByteArray("000000000000000000000042") << 42.0;
        // Very small numbers are no error.
        QTest::newRow("smallest normal")
            << QByteArray("2.2250738585072014e-308") << std::numeric_limits<double>::min();
        QTest::newRow("denormal") << QByteArray("4.9e-324")
                                  << std::numeric_limits<double>::denorm_min();
        QTest::newRow("below denormal") << QByteArray("1e-400") << 0.0;
        QTest::newRow("far below") << QByteArray("-1e-99999999999") << 0.0;
        QTest::newRow("largest") << QByteArray("1.7976931348623157e308")
                                 << std::numeric_limits<double>::max();
        QTest::newRow("big but in range") << QByteArray("0.000001e310") << 1e304;
    }
    void reads()
    {
        QFETCH(QByteArray, text);
        QFETCH(double, expected);
        const double value = parseNumber(std::string_view(text.constData(), text.size()));
        // Exact: the reader must give the double nearest to the decimal text.
        QVERIFY2(
            value == expected,
            qPrintable(
                QString("read %1, expected %2").arg(value, 0, 'g', 17).arg(expected, 0, 'g', 17)));
    }

    void doesNotDependOnLocale()
    {
        // A German C locale must not change what the reader accepts (not every machine has one).
        const char* old = std::setlocale(LC_ALL, nullptr);
        const std::string saved = old ? old : "C";
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            QSKIP("no German locale on this machine");
        const double withPoint = parseNumber("1.25");
        const double withComma = parseNumber("1,25");
        std::setlocale(LC_ALL, saved.c_str());
        QCOMPARE(withPoint, 1.25);
        QCOMPARE(withComma, 1.25);
    }

    void embeddedNulStops()
    {
        const std::string text("3\0"
                               "4",
                               3);
        QCOMPARE(parseNumber(text), 3.0);
    }

    void overflow_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("just above max") << QByteArray("1.8e308");
        QTest::newRow("1e309") << QByteArray("1e309");
        QTest::newRow("negative") << QByteArray("-1e400");
        QTest::newRow("many digits") << QByteArray(std::string(400, '9').c_str());
        QTest::newRow("huge exponent") << QByteArray("1e99999999999999999999");
        QTest::newRow("after blanks and comma") << QByteArray(" 1 , 0 e 3 1 0 mm");
    }
    void overflow()
    {
        QFETCH(QByteArray, text);
        try {
            parseNumber(std::string_view(text.constData(), text.size()));
            QFAIL("no overflow raised");
        } catch (const kovolo::RuntimeError& e) {
            QCOMPARE(e.number(), 6);
            QVERIFY(e.kind() == kovolo::ErrorNumber::Overflow);
        }
    }

    void overflowOnlyInTheLeadingNumber()
    {
        // What follows the number is ignored, however large it would be.
        QCOMPARE(parseNumber("5 x 1e400"), 5.0);
        QCOMPARE(parseNumber("1,5,1e999"), 1.5);
    }
};

QTEST_APPLESS_MAIN(TestParse)
#include "test_parse.moc"
