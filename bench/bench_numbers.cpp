// Cost of reading and showing numbers: every calculation reads its fields with parseNumber and
// writes its labels through formatMask, and a material change re-runs several calculations.
#include "numbers/format.h"
#include "numbers/parse.h"

#include <QtTest>

#include <string>
#include <vector>

using namespace kovolo::numbers;

class BenchNumbers : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("short") << "10";
        QTest::newRow("comma") << "2,54";
        QTest::newRow("exponent") << "1.5e-3";
        QTest::newRow("blanks and unit") << " 1 234,5 mm";
        QTest::newRow("invalid mark") << "XXX";
    }
    void parse()
    {
        QFETCH(QString, text);
        const std::string input = text.toStdString();
        double sum = 0;
        QBENCHMARK
        {
            sum += parseNumber(input);
        }
        QVERIFY(sum == sum); // keeps the result alive
    }

    void format_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("mask");
        QTest::newRow("wire diameter") << 0.4912345 << "###0.0#";
        QTest::newRow("inductance") << 123.456789 << "###0.0###";
        QTest::newRow("reactance") << 999.994 << "####0.00#";
        QTest::newRow("core loss small") << 0.0049 << "###0.000#";
        QTest::newRow("huge") << 1e20 << "###0";
    }
    void format()
    {
        QFETCH(double, value);
        QFETCH(QString, mask);
        const std::string m = mask.toStdString();
        std::size_t length = 0;
        QBENCHMARK
        {
            length += formatMask(value, m, ".").size();
        }
        QVERIFY(length > 0);
    }

    void roundTrip()
    {
        std::vector<double> values;
        for (int i = 0; i < 1000; ++i)
            values.push_back(i * 0.123456789);
        double sum = 0;
        QBENCHMARK
        {
            for (const double v : values)
                sum += parseNumber(formatMask(v, "###0.0###", ","));
        }
        QVERIFY(sum > 0);
    }
};

QTEST_APPLESS_MAIN(BenchNumbers)
#include "bench_numbers.moc"
