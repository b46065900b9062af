// The Würth tables held against values read off the maker's list by hand: the one material each
// type is made in, the largest AL, the order codes with their marks and the dimensions.

#include "catalogs/catalog.h"
#include "catalogs/wurthcatalog.h"
#include "numbers/format.h"

#include <QtTest>

#include <algorithm>
#include <stdexcept>

using namespace kovolo::catalogs;

namespace {

int indexOf(const std::vector<std::string>& list, const QString& name)
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (QString::fromStdString(list[i]) == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}
int typeIndex(const QString& name)
{
    return indexOf(wurthCatalog().types, name);
}
int materialIndex(const QString& name)
{
    return indexOf(wurthCatalog().materials, name);
}

} // namespace

class TestWurthCatalog : public QObject {
    Q_OBJECT
private slots:
    void init() { kovolo::numbers::setDisplayDecimalSeparator("."); }

    void everyListHasTheCatalogSize()
    {
        const Catalog& c = wurthCatalog();
        QCOMPARE(c.family, Family::Wurth);
        for (const auto* perType : {&c.types, &c.daInch, &c.diInch, &c.hInch, &wurthOrderCode()}) {
            QCOMPARE(perType->size(), std::size_t(21));
        }
        for (const auto* perType : {&c.da, &c.di, &c.h}) {
            QCOMPARE(perType->size(), std::size_t(21));
        }
        QCOMPARE(c.al.size(), std::size_t(21));
        for (std::size_t i = 0; i < c.al.size(); ++i) {
            QVERIFY2(c.al[i].size() == 8, c.types[i].c_str());
        }
        QCOMPARE(c.materials.size(), std::size_t(8));
        QCOMPARE(c.mu.size(), std::size_t(8));
    }

    void listsAndDefaults()
    {
        const Catalog& c = wurthCatalog();
        QCOMPARE(c.types.front(), std::string("WE-AFB 7"));
        QCOMPARE(c.types.at(11), std::string("WE-AFB 790"));
        QCOMPARE(c.types.at(12), std::string("WE-TOF 12"));
        QCOMPARE(c.types.back(), std::string("WE-TOF 191"));
        const std::vector<std::string> materials = {"3W180", "7W380", "4W620",  "7W700",
                                                    "3W800", "7W850", "4W1500", "8W5000"};
        QCOMPARE(c.materials, materials);
        const std::vector<int> mu = {180, 380, 620, 700, 800, 850, 1500, 5000};
        QCOMPARE(c.mu, mu);
        QCOMPARE(c.types.at(std::size_t(c.defaultType)), std::string("WE-TOF 191"));
        QCOMPARE(c.materials.at(std::size_t(c.defaultMaterial)), std::string("4W620"));
    }

    // Every row holds exactly one AL; the materials 3W180 and 7W850 hold none.
    void eachTypeIsMadeInOneMaterial()
    {
        const Catalog& c = wurthCatalog();
        for (std::size_t i = 0; i < c.al.size(); ++i) {
            int made = 0;
            for (double al : c.al[i]) {
                made += al != 0.0 ? 1 : 0;
            }
            QVERIFY2(made == 1, c.types[i].c_str());
            QCOMPARE(c.al[i].at(materialIndex("3W180")), 0.0);
            QCOMPARE(c.al[i].at(materialIndex("7W850")), 0.0);
        }
    }

    void madeIn_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("material");
        QTest::addColumn<double>("al");
        QTest::newRow("first type") << "WE-AFB 7"
                                    << "3W800" << 3670.0;
        QTest::newRow("WE-AFB 28") << "WE-AFB 28"
                                   << "4W620" << 1691.0;
        QTest::newRow("WE-AFB 95, only in 4W1500") << "WE-AFB 95"
                                                   << "4W1500" << 3780.0;
        QTest::newRow("WE-AFB 727, the largest AL") << "WE-AFB 727"
                                                    << "8W5000" << 22936.0;
        QTest::newRow("WE-AFB 790, only in 7W380") << "WE-AFB 790"
                                                   << "7W380" << 1501.0;
        QTest::newRow("WE-TOF 104") << "WE-TOF 104"
                                    << "7W700" << 510.0;
        QTest::newRow("WE-TOF 115") << "WE-TOF 115"
                                    << "3W800" << 1300.0;
        QTest::newRow("WE-TOF 121, the smallest AL") << "WE-TOF 121"
                                                     << "4W620" << 485.0;
        QTest::newRow("last type") << "WE-TOF 191"
                                   << "4W620" << 1342.0;
    }
    void madeIn()
    {
        QFETCH(QString, type);
        QFETCH(QString, material);
        QFETCH(double, al);
        const Catalog& c = wurthCatalog();
        const int i = typeIndex(type);
        const int m = materialIndex(material);
        QVERIFY(i >= 0 && m >= 0);
        QCOMPARE(c.al.at(i).at(m), al);
        QCOMPARE(alValue(c, i, m), float(al));
    }

    void largestAl()
    {
        double largest = 0;
        for (const auto& row : wurthCatalog().al) {
            for (double al : row) {
                largest = std::max(largest, al);
            }
        }
        QCOMPARE(largest, 22936.0);
        QCOMPARE(alText(22936.0f), std::string("22936.0"));
    }

    void orderCodes_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("code");
        QTest::newRow("WE-AFB 7") << "WE-AFB 7"
                                  << "742 700 7";
        QTest::newRow("WE-AFB 10") << "WE-AFB 10"
                                   << "742 70 10";
        QTest::newRow("WE-AFB 28 [FH2]") << "WE-AFB 28"
                                         << "742 70 28\r\n[FH2]";
        QTest::newRow("WE-AFB 36 [FH4]") << "WE-AFB 36"
                                         << "742 700 36\r\n[FH4]";
        QTest::newRow("WE-AFB 727 [FH3]") << "WE-AFB 727"
                                          << "742 77 27\r\n[FH3]";
        QTest::newRow("WE-AFB 790 [FH1]") << "WE-AFB 790"
                                          << "742 700 790\r\n[FH1]";
        QTest::newRow("WE-TOF 15 [RK3]") << "WE-TOF 15"
                                         << "742 70 15\r\n[RK3]";
        QTest::newRow("WE-TOF 97 [RK1]") << "WE-TOF 97"
                                         << "742 700 97\r\n[RK1]";
        QTest::newRow("WE-TOF 104") << "WE-TOF 104"
                                    << "742 701 04";
        QTest::newRow("WE-TOF 113") << "WE-TOF 113"
                                    << "742 70 13";
        QTest::newRow("WE-TOF 191 [RK4]") << "WE-TOF 191"
                                          << "742 701 91\r\n[RK4]";
    }
    void orderCodes()
    {
        QFETCH(QString, type);
        QFETCH(QString, code);
        const int i = typeIndex(type);
        QVERIFY(i >= 0);
        QCOMPARE(QString::fromStdString(wurthOrderCode().at(i)), code);
    }

    void sevenCodesCarryAMark()
    {
        int marked = 0;
        for (const std::string& code : wurthOrderCode()) {
            QVERIFY(code.rfind("742 7", 0) == 0);
            if (code.find("\r\n[") != std::string::npos) {
                ++marked;
                QCOMPARE(code.back(), ']');
            }
        }
        QCOMPARE(marked, 7);
    }

    void dimensions_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<double>("da");
        QTest::addColumn<double>("di");
        QTest::addColumn<double>("h");
        QTest::addColumn<QString>("inch");
        QTest::newRow("WE-AFB 7") << "WE-AFB 7" << 14.2 << 6.35 << 28.5 << "0.559 0.250 1.122";
        QTest::newRow("WE-AFB 28") << "WE-AFB 28" << 40.6 << 27.5 << 35.0 << "1.598 1.083 1.378";
        QTest::newRow("WE-AFB 56") << "WE-AFB 56" << 20.5 << 11.5 << 29.0 << "0.807 0.453 1.142";
        QTest::newRow("WE-TOF 15") << "WE-TOF 15" << 40.6 << 27.4 << 15.0 << "1.598 1.079 0.591";
        QTest::newRow("WE-TOF 97") << "WE-TOF 97" << 61.0 << 35.5 << 12.7 << "2.402 1.398 0.500";
        QTest::newRow("WE-TOF 113") << "WE-TOF 113" << 11.5 << 5.0 << 9.0 << "0.453 0.197 0.354";
        QTest::newRow("WE-TOF 191") << "WE-TOF 191" << 61.0 << 35.5 << 20.0 << "2.402 1.398 0.787";
    }
    void dimensions()
    {
        QFETCH(QString, type);
        QFETCH(double, da);
        QFETCH(double, di);
        QFETCH(double, h);
        QFETCH(QString, inch);
        const Catalog& c = wurthCatalog();
        const int i = typeIndex(type);
        QVERIFY(i >= 0);
        QCOMPARE(c.da.at(i), da);
        QCOMPARE(c.di.at(i), di);
        QCOMPARE(c.h.at(i), h);
        const QString stored = QString::fromStdString(daText(c, i, true) + " " +
                                                      diText(c, i, true) + " " + hText(c, i, true));
        QCOMPARE(stored, inch);
    }

    void defaultCoreAsShownAndRead()
    {
        const Catalog& c = wurthCatalog();
        QCOMPARE(daText(c, 20, false), std::string("61.00"));
        QCOMPARE(diText(c, 20, false), std::string("35.50"));
        QCOMPARE(hText(c, 20, false), std::string("20.00"));
        const CoreDimensions d = selectedDimensions(c, typeIndex("WE-AFB 7"));
        QCOMPARE(d.da, 14.2f);
        QCOMPARE(d.di, 6.35f);
        QCOMPARE(d.h, 28.5f);
    }

    void message()
    {
        const std::string crlf = "\r\n";
        const std::string missing = "This type is not available!";
        const int tof191 = typeIndex("WE-TOF 191");
        QCOMPARE(wurthMessage(tof191, materialIndex("4W620"), "", crlf),
                 std::string("742 701 91\r\n[RK4]\r\n"));
        QCOMPARE(wurthMessage(typeIndex("WE-AFB 7"), materialIndex("3W800"), "", crlf),
                 std::string("742 700 7\r\n"));
        // Not made: no order code, the message on the second line.
        QCOMPARE(wurthMessage(tof191, materialIndex("3W800"), missing, crlf), crlf + missing);
        QCOMPARE(wurthMessage(tof191, materialIndex("3W180"), " " + missing + " ", crlf),
                 crlf + missing);
    }

    void indicesOutsideTheTablesThrow()
    {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, wurthMessage(21, 0, "", "\r\n"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, wurthMessage(0, 8, "", "\r\n"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, wurthMessage(-1, 0, "", "\r\n"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, wurthMessage(0, -1, "", "\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestWurthCatalog)
#include "test_wurthcatalog.moc"
