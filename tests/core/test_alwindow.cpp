// Effective core dimensions, AL from a measured winding and AL from permeability. Expected
// values were computed independently in double precision from the closed forms
// le = π·ln(Da/Di)·Da·Di/(Da − Di) and Ae = h·ln²(Da/Di)·Da·Di/(2(Da − Di)).

#include "numbers/format.h"
#include "output/runtimeerror.h"
#include "tools/alwindow.h"
#include "tools/alzwindow.h"

#include <QtTest>

#include <cmath>

using namespace kovolo;
using namespace kovolo::tools;

namespace {

bool near(double actual, double expected)
{
    return std::fabs(actual - expected) <= 2e-6 * std::fabs(expected);
}

} // namespace

class TestAlWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { numbers::setDisplayDecimalSeparator("."); }

    void formFactors_data()
    {
        QTest::addColumn<float>("da");
        QTest::addColumn<float>("di");
        QTest::addColumn<float>("h");
        QTest::addColumn<float>("coating");
        QTest::addColumn<double>("le");
        QTest::addColumn<double>("ae");
        QTest::addColumn<double>("leAe");
        QTest::newRow("T-50 size")
            << 12.7f << 7.7f << 4.83f << 0.0f << 30.7450853 << 11.8261764 << 2.59974858;
        QTest::newRow("coated") << 12.7f << 7.7f << 4.83f << 0.05f << 30.8481114 << 11.1369084
                                << 2.76989898;
        QTest::newRow("large coated")
            << 36.0f << 23.0f << 15.0f << 0.1f << 89.8329159 << 91.7915072 << 0.978662608;
        QTest::newRow("thin wide washer")
            << 100.0f << 10.0f << 1.0f << 0.0f << 80.3753824 << 29.4549895 << 2.72875271;
        QTest::newRow("small coated")
            << 4.4f << 2.4f << 1.6f << 0.02f << 10.1043352 << 1.45624773 << 6.93861011;
    }

    void formFactors()
    {
        QFETCH(float, da);
        QFETCH(float, di);
        QFETCH(float, h);
        QFETCH(float, coating);
        QFETCH(double, le);
        QFETCH(double, ae);
        QFETCH(double, leAe);
        const FormFactors f = toroidFormFactors(da, di, h, coating);
        QVERIFY(f.valid);
        QVERIFY2(near(f.le, le), qPrintable(QString::number(f.le, 'g', 9)));
        QVERIFY2(near(f.ae, ae), qPrintable(QString::number(f.ae, 'g', 9)));
        QVERIFY2(near(f.leAe, leAe), qPrintable(QString::number(f.leAe, 'g', 9)));
    }

    void invalidDimensions_data()
    {
        QTest::addColumn<float>("da");
        QTest::addColumn<float>("di");
        QTest::addColumn<float>("h");
        QTest::addColumn<float>("coating");
        QTest::newRow("Da equal to Di") << 10.0f << 10.0f << 5.0f << 0.0f;
        QTest::newRow("equal after the coating") << 10.0f << 8.0f << 5.0f << 0.5f;
        QTest::newRow("Da below Di") << 8.0f << 10.0f << 5.0f << 0.0f;
        QTest::newRow("coating eats the height") << 12.7f << 7.7f << 0.2f << 0.1f;
        QTest::newRow("no height") << 12.7f << 7.7f << 0.0f << 0.0f;
        QTest::newRow("no inner diameter") << 12.7f << 0.0f << 4.0f << 0.0f;
        QTest::newRow("negative coating opens the hole") << 12.7f << 0.5f << 4.0f << -0.5f;
        QTest::newRow("all empty") << 0.0f << 0.0f << 0.0f << 0.0f;
    }

    void invalidDimensions()
    {
        QFETCH(float, da);
        QFETCH(float, di);
        QFETCH(float, h);
        QFETCH(float, coating);
        const FormFactors f = toroidFormFactors(da, di, h, coating);
        QVERIFY(!f.valid);
        QCOMPARE(f.le, 0.0f);
        QCOMPARE(f.ae, 0.0f);
    }

    void formFactorsBeyondSingleRangeThrowOverflow()
    {
        // The ratio of the diameters no longer fits a Single.
        QVERIFY_THROWS_EXCEPTION(RuntimeError, toroidFormFactors(3e38f, 1e-30f, 1.0f, 0.0f));
        // A coating so large that Da − 2c leaves the range.
        QVERIFY_THROWS_EXCEPTION(RuntimeError, toroidFormFactors(1.0f, 1.0f, 1.0f, -3e38f));
        try {
            toroidFormFactors(3e38f, 1e-30f, 1.0f, 0.0f);
        } catch (const RuntimeError& error) {
            QCOMPARE(error.number(), 6);
        }
    }

    void alAndPermeabilityFormulas()
    {
        QCOMPARE(*alFromWinding(20, 2.0f), 5.0f);
        QVERIFY(near(*alFromWinding(3, 1.5f), 166.666667));
        QVERIFY(near(*alFromWinding(7, 3.3f), 67.3469388));
        QVERIFY(!alFromWinding(0, 2.0f).has_value());
        QCOMPARE(*alFromWinding(5, 0.0f), 0.0f);
        QVERIFY(near(permeabilityFromAl(5.0f, 2.5997486f), 10.3440710));
        QVERIFY(near(alFromPermeability(10.0f, 2.5997486f), 4.83368685));
        QVERIFY(near(alFromPermeability(2000.0f, 1.0f), 2513.27412));
        // L/N² beyond the Single range, and N² below it.
        QVERIFY_THROWS_EXCEPTION(RuntimeError, alFromWinding(1e-20f, 1.0f));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, alFromWinding(1e-5f, 3e38f));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, permeabilityFromAl(3e38f, 1e5f));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, alFromPermeability(3e38f, 1e-3f));
    }

    void readSingleNarrowsWithACheck()
    {
        QCOMPARE(readSingle(""), 0.0f);
        QCOMPARE(readSingle("2,5"), 2.5f);
        QCOMPARE(readSingle("3e38"), 3e38f);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, readSingle("4e38"));
        QVERIFY_THROWS_EXCEPTION(RuntimeError, readSingle("1e400"));
    }

    void measuredCore_data()
    {
        QTest::addColumn<QStringList>("input"); // turns, L, Da, Di, h, coating
        QTest::addColumn<QStringList>("shown"); // Ae, le, le/Ae, AL, µi
        QTest::newRow("bare core") << QStringList{"20", "2.0", "12.7", "7.7", "4.83", "0.00"}
                                   << QStringList{"11.8", "30.7", "2.6", "5.0", "10.3"};
        QTest::newRow("coated core") << QStringList{"10", "1,0", "12,7", "7,7", "4,83", "0,05"}
                                     << QStringList{"11.1", "30.8", "2.8", "10.0", "22.0"};
        QTest::newRow("two decimals of AL") << QStringList{"7", "3.3", "36", "23", "15", "0.1"}
                                            << QStringList{"91.8", "89.8", "1.0", "67.35", "52.4"};
        QTest::newRow("empty turns: AL xxx, µi 0")
            << QStringList{"", "2.0", "12.7", "7.7", "4.83", "0"}
            << QStringList{"11.8", "30.7", "2.6", "xxx", "0.0"};
        QTest::newRow("Da equal to Di after the coating")
            << QStringList{"20", "2.0", "12.7", "12.5", "4.83", "0.05"}
            << QStringList{"xxx", "xxx", "xxx", "5.0", "xxx"};
        QTest::newRow("coating thicker than half the height")
            << QStringList{"20", "2.0", "12.7", "7.7", "4.83", "2.5"}
            << QStringList{"xxx", "xxx", "xxx", "5.0", "xxx"};
        QTest::newRow("empty inductance") << QStringList{"20", "", "12.7", "7.7", "4.83", "0"}
                                          << QStringList{"11.8", "30.7", "2.6", "0.0", "0.0"};
        QTest::newRow("everything empty") << QStringList{"", "", "", "", "", ""}
                                          << QStringList{"xxx", "xxx", "xxx", "xxx", "xxx"};
        QTest::newRow("AL beyond Single")
            << QStringList{"1e-18", "1000", "12.7", "7.7", "4.83", "0"}
            << QStringList{"11.8", "30.7", "2.6", "xxx", "xxx"};
        QTest::newRow("inductance beyond Double")
            << QStringList{"20", "1e400", "12.7", "7.7", "4.83", "0"}
            << QStringList{"11.8", "30.7", "2.6", "xxx", "xxx"};
        QTest::newRow("diameter beyond Single")
            << QStringList{"20", "2.0", "1e39", "7.7", "4.83", "0"}
            << QStringList{"xxx", "xxx", "xxx", "5.0", "xxx"};
    }

    void measuredCore()
    {
        QFETCH(QStringList, input);
        QFETCH(QStringList, shown);
        std::string in[6];
        for (int i = 0; i < 6; ++i)
            in[i] = input.at(i).toStdString();
        const MeasuredCoreResult r =
            computeMeasuredCore({in[0], in[1], in[2], in[3], in[4], in[5]});
        const QStringList actual{QString::fromStdString(r.ae), QString::fromStdString(r.le),
                                 QString::fromStdString(r.leAe), QString::fromStdString(r.al),
                                 QString::fromStdString(r.permeability)};
        QCOMPARE(actual, shown);
    }

    void permeabilityCore_data()
    {
        QTest::addColumn<QStringList>("input"); // µ, Da, Di, h, coating
        QTest::addColumn<QStringList>("shown"); // Ae, le, le/Ae, AL
        QTest::newRow("permeability 10") << QStringList{"10", "12.7", "7.7", "4.83", "0.00"}
                                         << QStringList{"11.8", "30.7", "2.6", "4.8"};
        QTest::newRow("permeability 2000, coated") << QStringList{"2000", "36", "23", "15", "0,1"}
                                                   << QStringList{"91.8", "89.8", "1.0", "2568.1"};
        QTest::newRow("blanks only") << QStringList{"   ", "12.7", "7.7", "4.83", "0"}
                                     << QStringList{"xxx", "xxx", "xxx", "xxx"};
        QTest::newRow("empty") << QStringList{"", "12.7", "7.7", "4.83", "0"}
                               << QStringList{"xxx", "xxx", "xxx", "xxx"};
        QTest::newRow("permeability 0") << QStringList{"0", "12.7", "7.7", "4.83", "0"}
                                        << QStringList{"11.8", "30.7", "2.6", ""};
        QTest::newRow("not a number reads 0") << QStringList{"abc", "12.7", "7.7", "4.83", "0"}
                                              << QStringList{"11.8", "30.7", "2.6", ""};
        QTest::newRow("negative permeability") << QStringList{"-5", "12.7", "7.7", "4.83", "0"}
                                               << QStringList{"11.8", "30.7", "2.6", ""};
        QTest::newRow("invalid dimensions") << QStringList{"10", "7.7", "7.7", "4.83", "0"}
                                            << QStringList{"xxx", "xxx", "xxx", "xxx"};
        QTest::newRow("padded permeability") << QStringList{" 10 ", "12.7", "7.7", "4.83", "0"}
                                             << QStringList{"11.8", "30.7", "2.6", "4.8"};
        QTest::newRow("permeability beyond Single")
            << QStringList{"1e39", "12.7", "7.7", "4.83", "0"}
            << QStringList{"11.8", "30.7", "2.6", "xxx"};
        QTest::newRow("AL beyond Single") << QStringList{"3e38", "36", "23", "15", "0.1"}
                                          << QStringList{"91.8", "89.8", "1.0", "xxx"};
    }

    void permeabilityCore()
    {
        QFETCH(QStringList, input);
        QFETCH(QStringList, shown);
        std::string in[5];
        for (int i = 0; i < 5; ++i)
            in[i] = input.at(i).toStdString();
        const PermeabilityCoreResult r =
            computePermeabilityCore({in[0], in[1], in[2], in[3], in[4]});
        const QStringList actual{QString::fromStdString(r.ae), QString::fromStdString(r.le),
                                 QString::fromStdString(r.leAe), QString::fromStdString(r.al)};
        QCOMPARE(actual, shown);
    }

    void permeabilityBeyondSingleLeavesTheOtherResults()
    {
        // A height of 1e-30 mm makes le/Ae huge: AL still fits, µi does not.
        const MeasuredCoreResult r = computeMeasuredCore({"1", "5e7", "12.7", "7.7", "1e-30", "0"});
        QCOMPARE(r.le, std::string("30.7"));
        QCOMPARE(r.ae, std::string("0.0"));
        QVERIFY(r.al != toolInvalidMark);
        QCOMPARE(r.permeability, std::string(toolInvalidMark));
    }

    void resultsTakeTheDisplaySeparator()
    {
        numbers::setDisplayDecimalSeparator(",");
        const MeasuredCoreResult r =
            computeMeasuredCore({"20", "2", "12,7", "7,7", "4,83", "0,00"});
        QCOMPARE(r.al, std::string("5,0"));
        QCOMPARE(r.permeability, std::string("10,3"));
    }
};

QTEST_GUILESS_MAIN(TestAlWindow)
#include "test_alwindow.moc"
