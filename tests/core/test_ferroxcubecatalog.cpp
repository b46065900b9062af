// The Ferroxcube tables held against values read off the printed catalog: the sizes of every
// list, whole rows at the corners and in the sparse middle, inch texts as written, and per
// material how many types it has and the sum of their AL values.

#include "catalogs/catalog.h"
#include "catalogs/ferroxcubecatalog.h"
#include "numbers/format.h"

#include <QtTest>

#include <algorithm>
#include <map>
#include <string>

using namespace kovolo::catalogs;

namespace {

int indexOf(const std::vector<std::string>& list, const std::string& name)
{
    const auto it = std::find(list.begin(), list.end(), name);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

int decimals(const std::string& text)
{
    const auto point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

using Entries = std::map<std::string, double>;

} // namespace

Q_DECLARE_METATYPE(Entries)

class TestFerroxcubeCatalog : public QObject {
    Q_OBJECT
private slots:
    void init() { kovolo::numbers::setDisplayDecimalSeparator("."); }

    void everyListHasTheCatalogSize()
    {
        const Catalog& c = ferroxcubeCatalog();
        QCOMPARE(c.family, Family::Ferroxcube);
        QCOMPARE(c.types.size(), std::size_t(92));
        QCOMPARE(c.materials.size(), std::size_t(21));
        QCOMPARE(c.al.size(), std::size_t(92));
        for (std::size_t i = 0; i < c.al.size(); ++i)
            QVERIFY2(c.al[i].size() == 21, c.types[i].c_str());
        QCOMPARE(c.mu.size(), std::size_t(21));
        for (const auto* column : {&c.da, &c.di, &c.h})
            QCOMPARE(column->size(), std::size_t(92));
        for (const auto* column : {&c.daInch, &c.diInch, &c.hInch})
            QCOMPARE(column->size(), std::size_t(92));
        QCOMPARE(ferroxcubeColours().size(), std::size_t(21));
    }

    void defaultsAndListEnds()
    {
        const Catalog& c = ferroxcubeCatalog();
        QCOMPARE(c.defaultType, 40);
        QCOMPARE(c.types.at(40), std::string("TX 10/6/4"));
        QCOMPARE(c.defaultMaterial, 1);
        QCOMPARE(c.materials.at(1), std::string("3C11"));
        QCOMPARE(c.types.front(), std::string("TC 2.5/1.3/0.8"));
        QCOMPARE(c.types.back(), std::string("T 140/106/25"));
        QCOMPARE(c.materials.front(), std::string("3B7"));
        QCOMPARE(c.materials.back(), std::string("4C65"));
        // The small c is part of the stored name.
        QCOMPARE(c.types.at(2), std::string("Tc 2.5/1.3/2.5"));
        QCOMPARE(indexOf(c.types, "TC 2.5/1.3/2.5"), -1);
        // Every name once, so that a name finds its row.
        for (const auto* list : {&c.types, &c.materials}) {
            std::vector<std::string> sorted = *list;
            std::sort(sorted.begin(), sorted.end());
            QVERIFY(std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end());
        }
    }

    void typeRows_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("da");
        QTest::addColumn<double>("di");
        QTest::addColumn<double>("h");
        QTest::addColumn<QString>("daInch");
        QTest::addColumn<QString>("diInch");
        QTest::addColumn<QString>("hInch");
        QTest::addColumn<Entries>("al");
        QTest::newRow("first") << 0 << "TC 2.5/1.3/0.8" << 2.54 << 1.27 << 0.8 << "0.1"
                               << "0.050"
                               << "0.031" << Entries{{"4A11", 94}};
        QTest::newRow("two decimals")
            << 5 << "TC 3.1/1.3/1.3" << 3.05 << 1.27 << 1.27 << "0.12"
            << "0.050"
            << "0.050" << Entries{{"3E25", 1225}, {"3E6", 2225}, {"4A11", 190}};
        QTest::newRow("four decimals") << 9 << "TC 3.4/1.8/2.1" << 3.38 << 1.78 << 2.06 << "0.133"
                                       << "0.0708"
                                       << "0.081" << Entries{{"3E25", 1420}, {"3E27", 1045}};
        QTest::newRow("short texts")
            << 28 << "TC 5.8/3.1/1.5" << 5.84 << 3.05 << 1.52 << "0.23"
            << "0.120"
            << "0.06" << Entries{{"3B7", 450},  {"3E27", 890}, {"3E6", 1960},
                                 {"3E8", 2940}, {"4B1", 50},   {"4C65", 25}};
        QTest::newRow("eight materials")
            << 38 << "TC 9.5/4.8/3.2" << 9.52 << 4.75 << 3.18 << "0.375"
            << "0.187"
            << "0.125" << Entries{{"3B7", 1000}, {"3C81", 1200}, {"3D3", 330},  {"3E27", 2135},
                                  {"3E6", 4390}, {"3E7", 5323},  {"3E8", 6590}, {"3F3", 890}};
        QTest::newRow("nominal size differs")
            << 39 << "TN 10/6/4" << 10.6 << 5.2 << 4.4 << "0.417"
            << "0.205"
            << "0.173" << Entries{{"3C11", 1750}, {"3C90", 940}, {"3D3", 306}, {"3E25", 2250},
                                  {"3F3", 740},   {"4A11", 286}, {"4C65", 52}};
        QTest::newRow("default") << 40 << "TX 10/6/4" << 10.25 << 5.75 << 4.25 << "0.404"
                                 << "0.226"
                                 << "0.167" << Entries{{"3E5", 3470}, {"3E6", 4085}};
        QTest::newRow("nine materials")
            << 73 << "TN 36/23/15" << 36.9 << 21.9 << 15.7 << "1.453"
            << "0.862"
            << "0.618" << Entries{{"3C11", 5800}, {"3C90", 3090}, {"3E25", 7390},
                                  {"3E5", 11400}, {"3E6", 13600}, {"3F3", 2420},
                                  {"3S4", 2285},  {"4A11", 940},  {"4C65", 170}};
        QTest::newRow("largest AL") << 83 << "TX 63/38/25" << 63.4 << 37.7 << 25.3 << "2.496"
                                    << "1.484"
                                    << "0.996" << Entries{{"3E6", 25280}};
        QTest::newRow("T series") << 87 << "T 87/56/13" << 87.0 << 56.0 << 12.7 << "3.425"
                                  << "2.205"
                                  << "0.500" << Entries{{"3E6", 11190}};
        QTest::newRow("last") << 91 << "T 140/106/25" << 140.0 << 106.0 << 25.0 << "5.512"
                              << "4.173"
                              << "0.984" << Entries{{"3C90", 3200}, {"3E25", 7700}};
    }
    void typeRows()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(double, da);
        QFETCH(double, di);
        QFETCH(double, h);
        QFETCH(QString, daInch);
        QFETCH(QString, diInch);
        QFETCH(QString, hInch);
        QFETCH(Entries, al);
        const Catalog& c = ferroxcubeCatalog();
        const auto i = static_cast<std::size_t>(index);
        QCOMPARE(QString::fromStdString(c.types.at(i)), name);
        QCOMPARE(c.da.at(i), da);
        QCOMPARE(c.di.at(i), di);
        QCOMPARE(c.h.at(i), h);
        QCOMPARE(QString::fromStdString(c.daInch.at(i)), daInch);
        QCOMPARE(QString::fromStdString(c.diInch.at(i)), diInch);
        QCOMPARE(QString::fromStdString(c.hInch.at(i)), hInch);
        // The whole row: the listed materials and 0 everywhere else.
        for (std::size_t m = 0; m < c.materials.size(); ++m) {
            const auto listed = al.find(c.materials[m]);
            const double expected = listed == al.end() ? 0.0 : listed->second;
            QVERIFY2(c.al.at(i).at(m) == expected, c.materials[m].c_str());
        }
    }

    // Per material: the number of types made in it and the sum of their AL values. A value
    // mistyped, dropped or put in a neighbouring column changes one of them.
    void materialColumns_data()
    {
        QTest::addColumn<QString>("material");
        QTest::addColumn<int>("types");
        QTest::addColumn<double>("alSum");
        QTest::addColumn<int>("mu");
        const struct {
            const char* material;
            int types;
            double alSum;
            int mu;
        } columns[] = {
            {"3B7", 6, 3520, 2300},     {"3C11", 23, 97172, 4300},  {"3C81", 11, 29060, 2700},
            {"3C85", 5, 11275, 2000},   {"3C90", 34, 84120, 2300},  {"3D3", 7, 2022, 750},
            {"3E25", 35, 170050, 6000}, {"3E27", 21, 76141, 6000},  {"3E28", 14, 19573, 4000},
            {"3E5", 21, 123520, 10000}, {"3E6", 40, 283311, 12000}, {"3E7", 4, 19563, 15000},
            {"3E8", 4, 25620, 18000},   {"3F3", 23, 39200, 2000},   {"3F4", 3, 3684, 900},
            {"3R1", 0, 0, 800},         {"3S4", 5, 5385, 1700},     {"4A11", 23, 9137, 700},
            {"4A15", 2, 780, 1200},     {"4B1", 1, 50, 250},        {"4C65", 14, 1016, 125},
        };
        for (const auto& column : columns)
            QTest::newRow(column.material)
                << column.material << column.types << column.alSum << column.mu;
    }
    void materialColumns()
    {
        QFETCH(QString, material);
        QFETCH(int, types);
        QFETCH(double, alSum);
        QFETCH(int, mu);
        const Catalog& c = ferroxcubeCatalog();
        const int m = indexOf(c.materials, material.toStdString());
        QVERIFY(m >= 0);
        int made = 0;
        double sum = 0;
        for (const auto& row : c.al) {
            const double al = row.at(static_cast<std::size_t>(m));
            if (al != 0) {
                ++made;
                sum += al;
            }
        }
        QCOMPARE(made, types);
        QCOMPARE(sum, alSum);
        QCOMPARE(c.mu.at(static_cast<std::size_t>(m)), mu);
    }

    void everyTypeIsMadeInOneToNineMaterials()
    {
        const Catalog& c = ferroxcubeCatalog();
        double largest = 0;
        for (std::size_t i = 0; i < c.al.size(); ++i) {
            const auto made =
                std::count_if(c.al[i].begin(), c.al[i].end(), [](double al) { return al != 0; });
            QVERIFY2(made >= 1 && made <= 9, c.types[i].c_str());
            for (const double al : c.al[i]) {
                QVERIFY(al >= 0 && al == std::floor(al));
                largest = std::max(largest, al);
            }
        }
        QCOMPARE(largest, 25280.0);
    }

    void dimensionColumns()
    {
        const Catalog& c = ferroxcubeCatalog();
        const auto sum = [](const std::vector<double>& v) {
            double s = 0;
            for (const double x : v)
                s += x;
            return s;
        };
        QVERIFY(qFuzzyCompare(sum(c.da), 2244.65));
        QVERIFY(qFuzzyCompare(sum(c.di), 1320.71));
        QVERIFY(qFuzzyCompare(sum(c.h), 721.56));
        // How many decimals the inch texts carry: mostly three, a few one, two or four.
        const auto histogram = [](const std::vector<std::string>& texts) {
            std::map<int, int> counts;
            for (const std::string& t : texts)
                ++counts[decimals(t)];
            return counts;
        };
        QCOMPARE(histogram(c.daInch), (std::map<int, int>{{1, 3}, {2, 3}, {3, 86}}));
        QCOMPARE(histogram(c.diInch), (std::map<int, int>{{3, 91}, {4, 1}}));
        QCOMPARE(histogram(c.hInch), (std::map<int, int>{{2, 2}, {3, 90}}));
    }

    void colourCodes_data()
    {
        QTest::addColumn<QString>("material");
        QTest::addColumn<bool>("coded");
        QTest::addColumn<uint>("left");
        QTest::addColumn<uint>("right");
        QTest::newRow("3B7 none") << "3B7" << false << 0u << 0u;
        QTest::newRow("3C11 white") << "3C11" << true << 0xFFFFFFu << 0xFFFFFFu;
        QTest::newRow("3C81 brown/white") << "3C81" << true << 0xC04000u << 0xFFFFFFu;
        QTest::newRow("3C90 light blue") << "3C90" << true << 0x8080FFu << 0x8080FFu;
        QTest::newRow("3D3 none") << "3D3" << false << 0u << 0u;
        QTest::newRow("3E27 green/white") << "3E27" << true << 0x00C000u << 0xFFFFFFu;
        QTest::newRow("3E6 magenta/white") << "3E6" << true << 0xFF00FFu << 0xFFFFFFu;
        QTest::newRow("3E8 none") << "3E8" << false << 0u << 0u;
        QTest::newRow("3F3 none, not black") << "3F3" << false << 0u << 0u;
        QTest::newRow("3F4") << "3F4" << true << 0xFFC080u << 0xFFC080u;
        QTest::newRow("3R1 black") << "3R1" << true << 0x000000u << 0x000000u;
        QTest::newRow("4A11") << "4A11" << true << 0xFFC0FFu << 0xFFC0FFu;
        QTest::newRow("4B1 none") << "4B1" << false << 0u << 0u;
        QTest::newRow("4C65") << "4C65" << true << 0xC000C0u << 0xC000C0u;
    }
    void colourCodes()
    {
        QFETCH(QString, material);
        QFETCH(bool, coded);
        QFETCH(uint, left);
        QFETCH(uint, right);
        const int m = indexOf(ferroxcubeCatalog().materials, material.toStdString());
        QVERIFY(m >= 0);
        const auto& colours = ferroxcubeColours().at(static_cast<std::size_t>(m));
        QCOMPARE(colours.has_value(), coded);
        if (coded) {
            QCOMPARE(uint(colours->left), left);
            QCOMPARE(uint(colours->right), right);
        }
    }

    void shownTexts()
    {
        const Catalog& c = ferroxcubeCatalog();
        const int largest = indexOf(c.types, "TX 63/38/25");
        const int e6 = indexOf(c.materials, "3E6");
        QCOMPARE(alText(alValue(c, largest, e6)), std::string("25280.0"));
        QCOMPARE(alText(alValue(c, 40, 1)), std::string("0.0"));
        QCOMPARE(daText(c, 0, false), std::string("2.54"));
        QCOMPARE(hText(c, 0, false), std::string("0.80"));
        QCOMPARE(daText(c, 0, true), std::string("0.1"));
        QCOMPARE(diText(c, 9, true), std::string("0.0708"));
        QCOMPARE(daText(c, 84, false), std::string("73.91"));
        QCOMPARE(kovolo::catalogs::muText(c, e6), std::string("12000"));
        const CoreDimensions d = selectedDimensions(c, 9);
        QCOMPARE(d.da, 3.38f);
        QCOMPARE(d.di, 1.78f);
        QCOMPARE(d.h, 2.06f);
    }
};

QTEST_APPLESS_MAIN(TestFerroxcubeCatalog)
#include "test_ferroxcubecatalog.moc"
