#include "catalogs/catalog.h"
#include "catalogs/ironcatalog.h"
#include "numbers/format.h"

#include <QtTest>

#include <stdexcept>

using namespace kovolo::catalogs;

namespace {

int typeIndexOf(const Catalog& c, const std::string& name)
{
    for (std::size_t i = 0; i < c.types.size(); ++i) {
        if (c.types[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int mixIndexOf(const Catalog& c, const std::string& name)
{
    for (std::size_t i = 0; i < c.materials.size(); ++i) {
        if (c.materials[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// A one-type catalog holding the dimensions and AL values the iron tables do not have.
Catalog ferriteFixture()
{
    Catalog c;
    c.family = Family::Ft;
    c.types = {"X"};
    c.materials = {"A", "B"};
    c.al = {{188, 0.75}};
    c.mu = {850, 125};
    c.da = {9.5};
    c.di = {5.842};
    c.h = {3.1759};
    c.daInch = {"0.375"};
    c.diInch = {"0.230"};
    c.hInch = {"0.125"};
    return c;
}

} // namespace

class TestCatalog : public QObject {
    Q_OBJECT
private slots:
    void init() { kovolo::numbers::setDisplayDecimalSeparator("."); }
    void cleanupTestCase() { kovolo::numbers::setDisplayDecimalSeparator("."); }

    void ironTablesHaveTheCatalogShape()
    {
        const Catalog& c = ironCatalog();
        QCOMPARE(c.family, Family::Iron);
        QCOMPARE(c.types.size(), std::size_t(24));
        QCOMPARE(c.materials.size(), std::size_t(12));
        QCOMPARE(c.al.size(), std::size_t(24));
        for (std::size_t i = 0; i < c.al.size(); ++i) {
            QVERIFY2(c.al[i].size() == 12, c.types[i].c_str());
        }
        QCOMPARE(c.mu.size(), std::size_t(12));
        for (const auto* column : {&c.da, &c.di, &c.h, &ironAe(), &ironVe()}) {
            QCOMPARE(column->size(), std::size_t(24));
        }
        for (const auto* column : {&c.daInch, &c.diInch, &c.hInch}) {
            QCOMPARE(column->size(), std::size_t(24));
        }
        QCOMPARE(ironFreqRange().size(), std::size_t(12));
        QCOMPARE(ironColours().size(), std::size_t(12));

        QCOMPARE(c.types.front(), std::string("T-12"));
        QCOMPARE(c.types.back(), std::string("T-520"));
        QCOMPARE(c.types.at(std::size_t(c.defaultType)), std::string("T-50"));
        QCOMPARE(c.materials.at(std::size_t(c.defaultMaterial)), std::string("2"));
        QCOMPARE(c.materials.back(), std::string("26"));
    }

    // Spot checks of entries that are easy to mistype when the tables are edited.
    void ironTableEntries()
    {
        const Catalog& c = ironCatalog();
        const int t80 = typeIndexOf(c, "T-80");
        const int t225a = typeIndexOf(c, "T-225A");
        const int t400a = typeIndexOf(c, "T-400A");
        QCOMPARE(c.daInch.at(t80), std::string("0.975"));
        QCOMPARE(c.diInch.at(t225a), std::string("1.250"));
        QCOMPARE(ironVe().at(t400a), 185.28);
        QCOMPARE(ironAe().at(t400a), 7.432);
        QCOMPARE(c.al.at(typeIndexOf(c, "T-37")).at(mixIndexOf(c, "18")), 19.0);
        QCOMPARE(c.al.at(typeIndexOf(c, "T-94")).at(mixIndexOf(c, "0")), 10.6);
        QCOMPARE(c.mu.at(mixIndexOf(c, "26")), 75);
        QCOMPARE(ironFreqRange().at(mixIndexOf(c, "3")), std::string("0,05...0,5"));
    }

    void ironAl_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("mix");
        QTest::addColumn<float>("al");
        QTest::addColumn<QString>("text");
        QTest::newRow("T-50 mix 2") << "T-50"
                                    << "2" << 4.9f << "4.9";
        QTest::newRow("T-12 mix 12") << "T-12"
                                     << "12" << 0.75f << "0.75";
        QTest::newRow("T-12 mix 26 not made") << "T-12"
                                              << "26" << 0.0f << "0.0";
        QTest::newRow("T-520 mix 2") << "T-520"
                                     << "2" << 20.7f << "20.7";
        QTest::newRow("T-520 mix 26") << "T-520"
                                      << "26" << 146.0f << "146.0";
        QTest::newRow("T-400A mix 26") << "T-400A"
                                       << "26" << 260.0f << "260.0";
    }
    void ironAl()
    {
        QFETCH(QString, type);
        QFETCH(QString, mix);
        QFETCH(float, al);
        QFETCH(QString, text);
        const Catalog& c = ironCatalog();
        const int i = typeIndexOf(c, type.toStdString());
        const int m = mixIndexOf(c, mix.toStdString());
        QVERIFY(i >= 0 && m >= 0);
        // Divided in single precision, so the result equals the float literal exactly.
        QCOMPARE(alValue(c, i, m), al);
        QCOMPARE(QString::fromStdString(alText(alValue(c, i, m))), text);
    }

    void t520ExistsOnlyInMixes2And26()
    {
        const Catalog& c = ironCatalog();
        const int i = typeIndexOf(c, "T-520");
        for (int m = 0; m < int(c.materials.size()); ++m) {
            const bool made = alValue(c, i, m) != 0.0f;
            const bool expected = c.materials[m] == "2" || c.materials[m] == "26";
            QVERIFY2(made == expected, c.materials[m].c_str());
        }
    }

    void otherFamiliesAreNotScaled()
    {
        const Catalog c = ferriteFixture();
        QCOMPARE(alValue(c, 0, 0), 188.0f);
        QCOMPARE(alText(alValue(c, 0, 0)), std::string("188.0"));
        QCOMPARE(alText(alValue(c, 0, 1)), std::string("0.75"));
    }

    void alTextUsesTheDisplaySeparator()
    {
        kovolo::numbers::setDisplayDecimalSeparator(",");
        QCOMPARE(alText(4.9f), std::string("4,9"));
        QCOMPARE(daText(ferriteFixture(), 0, false), std::string("9,50"));
        // The rounding the calculations use does not depend on the display separator.
        QCOMPARE(selectedDimensions(ferriteFixture(), 0).di, 5.842f);
    }

    void muText()
    {
        const Catalog& c = ironCatalog();
        QCOMPARE(kovolo::catalogs::muText(c, mixIndexOf(c, "2")), std::string("10"));
        QCOMPARE(kovolo::catalogs::muText(ferriteFixture(), 0), std::string("850"));
    }

    void selectedDimensionsOfT50()
    {
        const CoreDimensions d = selectedDimensions(ironCatalog(), 7);
        QCOMPARE(d.da, 12.7f);
        QCOMPARE(d.di, 7.7f);
        QCOMPARE(d.h, 4.83f);
    }

    void selectedDimensionsAreRoundedToThreeDecimals()
    {
        const CoreDimensions d = selectedDimensions(ferriteFixture(), 0);
        QCOMPARE(d.da, 9.5f);
        QCOMPARE(d.di, 5.842f);
        QCOMPARE(d.h, 3.176f);
    }

    void dimensionTexts()
    {
        const Catalog c = ferriteFixture();
        QCOMPARE(daText(c, 0, false), std::string("9.50"));
        QCOMPARE(diText(c, 0, false), std::string("5.842"));
        QCOMPARE(hText(c, 0, false), std::string("3.176"));
        QCOMPARE(diText(c, 0, true), std::string("0.230"));

        const Catalog& iron = ironCatalog();
        QCOMPARE(daText(iron, 7, false), std::string("12.70"));
        QCOMPARE(diText(iron, 7, false), std::string("7.70"));
        QCOMPARE(hText(iron, 7, false), std::string("4.83"));
        QCOMPARE(daText(iron, 7, true), std::string("0.500"));
        QCOMPARE(diText(iron, 7, true), std::string("0.303"));
        QCOMPARE(hText(iron, 7, true), std::string("0.190"));
    }

    void indicesOutsideTheTablesThrow()
    {
        const Catalog& c = ironCatalog();
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, alValue(c, 24, 0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, alValue(c, 0, 12));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, alValue(c, -1, 0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, alValue(c, 0, -1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, selectedDimensions(c, 24));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, selectedDimensions(c, -1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, kovolo::catalogs::muText(c, 12));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, daText(c, -1, false));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, hText(c, 24, true));
        // A catalog whose tables do not exist yet.
        const Catalog empty{};
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, alValue(empty, 0, 0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, diText(empty, 0, false));
    }

    void notAvailableText_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("deutsch") << "deutsch"
                                 << QString::fromUtf8("Dieser Typ ist nicht verfügbar!");
        QTest::newRow("englisch") << "englisch"
                                  << "This type is not available!";
        QTest::newRow("span") << "span" << QString::fromUtf8("¡Ese tipo no está disponible!");
        QTest::newRow("franz") << "franz"
                               << "Ce type n'est pas disponible!";
        QTest::newRow("ital") << "ital" << QString::fromUtf8("Questo tipo non è disponibile!");
        QTest::newRow("cz") << "cz" << QString::fromUtf8("Tento typ není dostupný!");
        QTest::newRow("unknown") << "klingon"
                                 << "This type is not available!";
        QTest::newRow("empty") << ""
                               << "This type is not available!";
        QTest::newRow("case matters") << "Deutsch"
                                      << "This type is not available!";
    }
    void notAvailableText()
    {
        QFETCH(QString, code);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(kovolo::catalogs::notAvailableText(code.toStdString())),
                 text);
    }

    void ironColourCodes_data()
    {
        QTest::addColumn<QString>("mix");
        QTest::addColumn<uint>("left");
        QTest::addColumn<uint>("right");
        QTest::newRow("0 brown") << "0" << 0x804000u << 0x804000u;
        QTest::newRow("2 red") << "2" << 0xFF0000u << 0xFF0000u;
        QTest::newRow("12 green/white") << "12" << 0x00C000u << 0xFFFFFFu;
        QTest::newRow("17 blue/yellow") << "17" << 0x0000FFu << 0xFFFF00u;
        QTest::newRow("18 red/green") << "18" << 0xFF0000u << 0x00C000u;
        QTest::newRow("26 yellow/white") << "26" << 0xFFFF00u << 0xFFFFFFu;
    }
    void ironColourCodes()
    {
        QFETCH(QString, mix);
        QFETCH(uint, left);
        QFETCH(uint, right);
        const int m = mixIndexOf(ironCatalog(), mix.toStdString());
        QVERIFY(m >= 0);
        QCOMPARE(uint(ironColours().at(m).left), left);
        QCOMPARE(uint(ironColours().at(m).right), right);
    }
};

QTEST_APPLESS_MAIN(TestCatalog)
#include "test_catalog.moc"
