// The Siferrit tables held against values read off the maker's list by hand: corners, the
// largest AL, the sparse rows, the order codes and the material texts.

#include "catalogs/catalog.h"
#include "catalogs/siferritcatalog.h"
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
    return indexOf(siferritCatalog().types, name);
}
int materialIndex(const QString& name)
{
    return indexOf(siferritCatalog().materials, name);
}

} // namespace

class TestSiferritCatalog : public QObject {
    Q_OBJECT
private slots:
    void init() { kovolo::numbers::setDisplayDecimalSeparator("."); }

    void everyListHasTheCatalogSize()
    {
        const Catalog& c = siferritCatalog();
        QCOMPARE(c.family, Family::Siferrit);
        for (const auto* perType :
             {&c.types, &c.daInch, &c.diInch, &c.hInch, &siferritOrderSuffix()}) {
            QCOMPARE(perType->size(), std::size_t(19));
        }
        for (const auto* perType : {&c.da, &c.di, &c.h}) {
            QCOMPARE(perType->size(), std::size_t(19));
        }
        QCOMPARE(c.al.size(), std::size_t(19));
        for (std::size_t i = 0; i < c.al.size(); ++i) {
            QVERIFY2(c.al[i].size() == 8, c.types[i].c_str());
        }
        for (const auto* perMaterial : {&c.materials, &siferritMaterialCode(), &siferritFreqRange(),
                                        &siferritApplicationDe(), &siferritApplicationEn()}) {
            QCOMPARE(perMaterial->size(), std::size_t(8));
        }
        QCOMPARE(c.mu.size(), std::size_t(8));
    }

    void listsAndDefaults()
    {
        const Catalog& c = siferritCatalog();
        QCOMPARE(c.types.front(), std::string("R2.5"));
        QCOMPARE(c.types.at(9), std::string("R34/10"));
        QCOMPARE(c.types.at(10), std::string("R34/12.5"));
        QCOMPARE(c.types.back(), std::string("R200"));
        QCOMPARE(c.materials.front(), std::string("N27"));
        QCOMPARE(c.materials.at(4), std::string("K1"));
        QCOMPARE(c.materials.back(), std::string("N67"));
        QCOMPARE(c.types.at(std::size_t(c.defaultType)), std::string("R10"));
        QCOMPARE(c.materials.at(std::size_t(c.defaultMaterial)), std::string("N30"));
    }

    // The materials a type is made in, and where given, one AL value in it.
    void rows_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("madeIn");
        QTest::addColumn<QString>("material");
        QTest::addColumn<double>("al");
        QTest::newRow("R2.5") << "R2.5"
                              << "N30 T38"
                              << "T38" << 1020.0;
        QTest::newRow("R4") << "R4"
                            << "N30 T38 K1 M33"
                            << "K1" << 13.0;
        QTest::newRow("R10") << "R10"
                             << "N30 T38 K1 M33 N49"
                             << "M33" << 308.0;
        QTest::newRow("R12.5") << "R12.5"
                               << "N27 N30 T35 T38 N49 N67"
                               << "N67" << 1070.0;
        QTest::newRow("R20") << "R20"
                             << "N27 N30 T35 T38 N67"
                             << "T38" << 8500.0;
        QTest::newRow("R22") << "R22"
                             << "N27 N30 T35 T38 N67"
                             << "T35" << 3200.0;
        QTest::newRow("R25") << "R25"
                             << "N27 N30 N67"
                             << "N27" << 2150.0;
        QTest::newRow("R34/10") << "R34/10"
                                << "N30"
                                << "N30" << 4360.0;
        QTest::newRow("R36") << "R36"
                             << "N27 N30 N67"
                             << "N67" << 2810.0;
        QTest::newRow("R50, the largest AL") << "R50"
                                             << "N30"
                                             << "N30" << 8700.0;
        QTest::newRow("R140") << "R140"
                              << "N30"
                              << "N30" << 6200.0;
        QTest::newRow("R200") << "R200"
                              << "N30"
                              << "N30" << 5500.0;
    }
    void rows()
    {
        QFETCH(QString, type);
        QFETCH(QString, madeIn);
        QFETCH(QString, material);
        QFETCH(double, al);
        const Catalog& c = siferritCatalog();
        const int i = typeIndex(type);
        QVERIFY(i >= 0);
        QStringList made;
        for (int m = 0; m < int(c.materials.size()); ++m) {
            if (alValue(c, i, m) != 0.0f) {
                made << QString::fromStdString(c.materials[m]);
            }
        }
        QCOMPARE(made.join(' '), madeIn);
        QCOMPARE(c.al.at(i).at(materialIndex(material)), al);
    }

    void cornersAndLargestAl()
    {
        const Catalog& c = siferritCatalog();
        QCOMPARE(c.al.front().front(), 0.0);
        QCOMPARE(c.al.front().back(), 0.0);
        QCOMPARE(c.al.back().front(), 0.0);
        QCOMPARE(c.al.back().back(), 0.0);
        double largest = 0;
        for (const auto& row : c.al) {
            for (double al : row) {
                largest = std::max(largest, al);
            }
        }
        QCOMPARE(largest, 8700.0);
        QCOMPARE(alText(alValue(c, typeIndex("R10"), materialIndex("N30"))), std::string("1760.0"));
        QCOMPARE(alText(alValue(c, 0, 0)), std::string("0.0"));
    }

    void dimensions_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<double>("da");
        QTest::addColumn<double>("di");
        QTest::addColumn<double>("h");
        QTest::addColumn<QString>("inch");
        QTest::newRow("R2.5") << "R2.5" << 2.5 << 1.5 << 1.0 << "0.098 0.059 0.039";
        QTest::newRow("R10") << "R10" << 10.8 << 5.25 << 4.0 << "0.433 0.199 0.195";
        QTest::newRow("R12.5") << "R12.5" << 13.6 << 6.5 << 5.95 << "0.535 0.256 0.234";
        QTest::newRow("R25") << "R25" << 26.8 << 13.5 << 11.0 << "1.043 0.531 0.433";
        QTest::newRow("R34/10") << "R34/10" << 35.5 << 19.2 << 11.1 << "1.339 0.756 0.437";
        QTest::newRow("R34/12.5") << "R34/12.5" << 35.5 << 19.2 << 13.6 << "1.398 0.756 0.535";
        QTest::newRow("R58") << "R58" << 60.1 << 39.2 << 18.8 << "2.366 1.543 0.740";
        QTest::newRow("R200") << "R200" << 206.8 << 149.2 << 26.8 << "8.142 5.874 1.055";
    }
    void dimensions()
    {
        QFETCH(QString, type);
        QFETCH(double, da);
        QFETCH(double, di);
        QFETCH(double, h);
        QFETCH(QString, inch);
        const Catalog& c = siferritCatalog();
        const int i = typeIndex(type);
        QVERIFY(i >= 0);
        QCOMPARE(c.da.at(i), da);
        QCOMPARE(c.di.at(i), di);
        QCOMPARE(c.h.at(i), h);
        const QString stored = QString::fromStdString(daText(c, i, true) + " " +
                                                      diText(c, i, true) + " " + hText(c, i, true));
        QCOMPARE(stored, inch);
    }

    void dimensionTextsAndCore()
    {
        const Catalog& c = siferritCatalog();
        const int r10 = typeIndex("R10");
        QCOMPARE(daText(c, r10, false), std::string("10.80"));
        QCOMPARE(diText(c, r10, false), std::string("5.25"));
        QCOMPARE(hText(c, r10, false), std::string("4.00"));
        const CoreDimensions d = selectedDimensions(c, typeIndex("R12.5"));
        QCOMPARE(d.da, 13.6f);
        QCOMPARE(d.di, 6.5f);
        QCOMPARE(d.h, 5.95f);
    }

    void materials_data()
    {
        QTest::addColumn<QString>("material");
        QTest::addColumn<int>("mu");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QString>("german");
        QTest::addColumn<QString>("english");
        QTest::newRow("N27") << "N27" << 2000 << "0...150 kHz"
                             << QString::fromUtf8("Leistungsübertrager") << "Power Transformer";
        QTest::newRow("N30") << "N30" << 4300 << "0...400 KHz"
                             << QString::fromUtf8("Breitbandübertrager") << "Broadband Transformer";
        QTest::newRow("T35") << "T35" << 6000 << "-" << QString::fromUtf8("Breitbandübertrager")
                             << "Broadband Transformer";
        QTest::newRow("T38") << "T38" << 10000 << "0...150 kHz"
                             << QString::fromUtf8("Breitbandübertrager") << "Broadband Transformer";
        QTest::newRow("K1") << "K1" << 80 << "1,5...12 MHz"
                            << "Resonanzkreise"
                            << "Resonant Circuit";
        QTest::newRow("M33") << "M33" << 750 << "0,2...1 MHz"
                             << "Resonanzkreise"
                             << "Resonant Circuit";
        QTest::newRow("N49") << "N49" << 1300 << "300...1000 kHz"
                             << QString::fromUtf8("Leistungsübertrager") << "Power Transformer";
        QTest::newRow("N67") << "N67" << 2100 << "0...300 kHz"
                             << QString::fromUtf8("Leistungsübertrager") << "Power Transformer";
    }
    void materials()
    {
        QFETCH(QString, material);
        QFETCH(int, mu);
        QFETCH(QString, range);
        QFETCH(QString, german);
        QFETCH(QString, english);
        const int m = materialIndex(material);
        QVERIFY(m >= 0);
        QCOMPARE(siferritCatalog().mu.at(m), mu);
        QCOMPARE(QString::fromStdString(siferritFreqRange().at(m)), range);
        QCOMPARE(QString::fromStdString(siferritApplication(m, "deutsch")), german);
        for (const char* code : {"englisch", "span", "franz", "ital", "cz", "klingon", "Deutsch"}) {
            QCOMPARE(QString::fromStdString(siferritApplication(m, code)), english);
        }
    }

    void orderCodes_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("material");
        QTest::addColumn<QString>("code");
        QTest::newRow("R10 N30") << "R10"
                                 << "N30"
                                 << "B64290-L38-X830";
        QTest::newRow("R2.5 K1, not made") << "R2.5"
                                           << "K1"
                                           << "B64290-P35-X1";
        QTest::newRow("R2.5 N27, not made") << "R2.5"
                                            << "N27"
                                            << "B64290-P35-X27";
        QTest::newRow("R20 N49") << "R20"
                                 << "N49"
                                 << "B64290-L632-X49";
        QTest::newRow("R34/12.5 M33") << "R34/12.5"
                                      << "M33"
                                      << "B64290-L48-X33";
        QTest::newRow("R140 T35") << "R140"
                                  << "T35"
                                  << "B64290-A705-X35";
        QTest::newRow("R200 N67") << "R200"
                                  << "N67"
                                  << "B64290-A711-X67";
    }
    void orderCodes()
    {
        QFETCH(QString, type);
        QFETCH(QString, material);
        QFETCH(QString, code);
        QCOMPARE(
            QString::fromStdString(siferritOrderCode(typeIndex(type), materialIndex(material))),
            code);
    }

    void message()
    {
        const std::string crlf = "\r\n";
        QCOMPARE(siferritMessage(3, 1, "", crlf), std::string("B64290-L38-X830\r\n"));
        QCOMPARE(siferritMessage(0, 0, "  Dieser Typ ist nicht verfügbar! ", crlf),
                 std::string("B64290-P35-X27\r\nDieser Typ ist nicht verfügbar!"));
        QCOMPARE(siferritMessage(0, 0, "x", "|"), std::string("B64290-P35-X27|x"));
    }

    void indicesOutsideTheTablesThrow()
    {
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, siferritOrderCode(19, 0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, siferritOrderCode(0, 8));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, siferritOrderCode(-1, 0));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, siferritOrderCode(0, -1));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, siferritApplication(8, "deutsch"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, siferritApplication(-1, "englisch"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, siferritMessage(-1, 0, "", "\r\n"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, alValue(siferritCatalog(), 19, 0));
    }

    void twoLineMessageTrimsBlanksOnly()
    {
        const std::string crlf = "\r\n";
        QCOMPARE(twoLineMessage("  742 70 28\r\n[FH2]  ", " text ", crlf),
                 std::string("742 70 28\r\n[FH2]\r\ntext"));
        QCOMPARE(twoLineMessage("   ", "", crlf), crlf);
        QCOMPARE(twoLineMessage("", "\ttab ", crlf), std::string("\r\n\ttab"));
    }
};

QTEST_APPLESS_MAIN(TestSiferritCatalog)
#include "test_siferritcatalog.moc"
