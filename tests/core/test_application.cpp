// The FT ferrite tables and the application check: the loss laws against values worked out by
// hand from the formulas, and the check's steps on the catalog examples.

#include "catalogs/ftcatalog.h"
#include "numbers/format.h"
#include "toroid/application.h"

#include <QtTest>

#include <cmath>

using namespace kovolo;
using namespace kovolo::toroid;

namespace {

int indexOf(const std::vector<std::string>& list, const char* name)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == name)
            return static_cast<int>(i);
    qFatal("no entry %s", name);
    return -1;
}
int ftType(const char* name)
{
    return indexOf(catalogs::ftCatalog().types, name);
}
int ftMaterial(const char* name)
{
    return indexOf(catalogs::ftCatalog().materials, name);
}

// FT-50 in 43 with 16 turns (100 µH at AL 440) at 7 MHz and 10 V, both lists on mT.
CheckInputs ftExample()
{
    CheckInputs in;
    in.frequency = "7";
    in.voltage = "10";
    in.turns = "16";
    in.inductance = "100";
    in.typeIndex = ftType("FT-50");
    in.materialIndex = ftMaterial("43");
    in.al = "440.0";
    return in;
}

// T-50 in mix 2 (index 7, 2; range "1...30") with 46 turns (10 µH at AL 4.9) at 7 MHz and 5 V.
CheckInputs ironExample()
{
    CheckInputs in;
    in.frequency = "7";
    in.voltage = "5";
    in.turns = "46";
    in.inductance = "10";
    in.typeIndex = 7;
    in.materialIndex = 2;
    in.al = "4.9";
    in.frequencyRange = "1...30";
    return in;
}

QString text(const ResultUpdate& u)
{
    return u.text ? QString::fromStdString(*u.text) : QStringLiteral("<unchanged>");
}

bool nearlyEqual(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::fabs(b);
}

} // namespace

class TestApplication : public QObject {
    Q_OBJECT
private slots:
    void init() { numbers::setDisplayDecimalSeparator("."); }

    void ftCatalogShapeAndDefaults()
    {
        const catalogs::Catalog& c = catalogs::ftCatalog();
        QCOMPARE(c.types.size(), std::size_t(20));
        QCOMPARE(c.materials.size(), std::size_t(13));
        QCOMPARE(c.al.size(), std::size_t(20));
        for (const auto& row : c.al)
            QCOMPARE(row.size(), std::size_t(13));
        for (const auto* table : {&c.da, &c.di, &c.h, &catalogs::ftAe(), &catalogs::ftVe()})
            QCOMPARE(table->size(), std::size_t(20));
        for (const auto* table : {&catalogs::ftResonantRange(), &catalogs::ftBroadbandRange(),
                                  &catalogs::ftChokeRange()})
            QCOMPARE(table->size(), std::size_t(13));
        QCOMPARE(c.types[static_cast<std::size_t>(c.defaultType)], std::string("FT-50"));
        QCOMPARE(c.materials[static_cast<std::size_t>(c.defaultMaterial)], std::string("43"));
    }

    void ftCatalogPairs_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("material");
        QTest::addColumn<QString>("al");
        QTest::newRow("FT-50 in 43") << "FT-50"
                                     << "43"
                                     << "440.0";
        QTest::newRow("FT-23 not in K") << "FT-23"
                                        << "K"
                                        << "0.0";
        QTest::newRow("FT-200 in K") << "FT-200"
                                     << "K"
                                     << "5353.0";
        QTest::newRow("FT-50A in H as in F") << "FT-50A"
                                             << "H"
                                             << "1770.0";
        QTest::newRow("FT-37 in 61") << "FT-37"
                                     << "61"
                                     << "55.3";
    }
    void ftCatalogPairs()
    {
        QFETCH(QString, type);
        QFETCH(QString, material);
        const catalogs::Catalog& c = catalogs::ftCatalog();
        const float al = catalogs::alValue(c, ftType(type.toUtf8().constData()),
                                           ftMaterial(material.toUtf8().constData()));
        QTEST(QString::fromStdString(catalogs::alText(al)), "al");
    }

    void ftCatalogTexts()
    {
        const catalogs::Catalog& c = catalogs::ftCatalog();
        const int ft50 = ftType("FT-50");
        QCOMPARE(catalogs::daText(c, ft50, false), std::string("12.70"));
        QCOMPARE(catalogs::diText(c, ft50, false), std::string("7.15"));
        QCOMPARE(catalogs::hText(c, ft50, false), std::string("4.80"));
        QCOMPARE(catalogs::muText(c, ftMaterial("43")), std::string("800"));
        QCOMPARE(catalogs::diText(c, ftType("FT-193"), true), std::string("1.25"));
        QCOMPARE(catalogs::daText(c, ftType("FT-23"), false), std::string("5.842"));
        QCOMPARE(catalogs::ftChokeRange()[static_cast<std::size_t>(ftMaterial("67"))],
                 std::string("> 1"));
        QCOMPARE(catalogs::ftBroadbandRange()[static_cast<std::size_t>(ftMaterial("68"))],
                 std::string("0,5 - 30"));
    }

    // Reference values computed outside the program from the formulas as written.
    void lossLaws()
    {
        // 10^-10 · K · fk^F · B^E
        QVERIFY(nearlyEqual(ferriteLossLawGauss(20.1, 1.559, 2.02, 300, 50), 0.039531883086126866));
        QVERIFY(nearlyEqual(ferriteLossLawGauss(5.1, 1.559, 3.2, 2000, 40), 9.560220554776711));
        QVERIFY(nearlyEqual(ferriteLossLawGauss(26200, 1.252, 2.02, 7000, 15.119845946913614),
                            41.21446979687912));
        // K · fk^F · (B / 1000)^E
        QVERIFY(
            nearlyEqual(ferriteLossLawKilogauss(0.0573, 1.66, 2.68, 200, 800), 208.03939393487354));
        QVERIFY(nearlyEqual(ferriteLossLawKilogauss(1.77e-9, 4.13, 2.98, 5000, 100),
                            3505.253117798191));
        QVERIFY(nearlyEqual(ferriteLossLawKilogauss(0.3, 1.26, 2.6, 5, 2000), 13.819790165033801));
        // iron powder from µ
        QVERIFY(nearlyEqual(ironLossDensity(10, 7, 2.888), 0.5853426389832009));
        QVERIFY(nearlyEqual(ironLossDensity(75, 0.5, 100), 234.27994090466905));
        QVERIFY(nearlyEqual(ironLossDensity(1, 100, 20), 190.8543296413265));
        QVERIFY(nearlyEqual(ironLossDensity(35, 0.2, 50), 10.986317732072074));
    }

    void catalogLossPicksBandAndLaw()
    {
        // "61" at 2 MHz: band 5 with its own coefficients; "F" at 200 kHz: band 3 in kilogauss;
        // "K" at 5 MHz: band 5; "W" at 5 kHz: band 0.
        QVERIFY(nearlyEqual(ferriteLossDensity(ftMaterial("61"), 2000, 40), 9.560220554776711));
        QVERIFY(nearlyEqual(ferriteLossDensity(ftMaterial("F"), 200, 800), 208.03939393487354));
        QVERIFY(nearlyEqual(ferriteLossDensity(ftMaterial("K"), 5000, 100), 3505.253117798191));
        QVERIFY(nearlyEqual(ferriteLossDensity(ftMaterial("W"), 5, 2000), 13.819790165033801));
        QVERIFY(ferriteHasLossData(ftMaterial("43")));
        QVERIFY(ferriteHasLossData(ftMaterial("W")));
        for (const char* none : {"63", "67", "68", "72", "75", "77"})
            QVERIFY2(!ferriteHasLossData(ftMaterial(none)), none);
    }

    void lossBands_data()
    {
        QTest::addColumn<double>("kilohertz");
        QTest::addColumn<int>("band");
        QTest::newRow("9.99") << 9.99 << 0;
        QTest::newRow("10") << 10.0 << 1;
        QTest::newRow("20") << 20.0 << 2;
        QTest::newRow("99.9") << 99.9 << 2;
        QTest::newRow("100") << 100.0 << 3;
        QTest::newRow("500") << 500.0 << 4;
        QTest::newRow("1000") << 1000.0 << 5;
        QTest::newRow("7000") << 7000.0 << 5;
    }
    void lossBands()
    {
        QFETCH(double, kilohertz);
        QTEST(ferriteLossBand(kilohertz), "band");
    }

    void maximumFlux_data()
    {
        QTest::addColumn<double>("megahertz");
        QTest::addColumn<double>("exponent");
        QTest::addColumn<QString>("gauss");
        QTest::newRow("0.05 (iron powder only)") << 0.05 << 0.0 << "150";
        QTest::newRow("0.3") << 0.3 << 0.52287875 << "282";
        QTest::newRow("0.5") << 0.5 << 0.52287875 << "216";
        QTest::newRow("1") << 1.0 << 0.49723983 << "150";
        QTest::newRow("7") << 7.0 << 0.49723983 << "57";
        QTest::newRow("7.1") << 7.1 << 0.49723983 << "57";
        QTest::newRow("10") << 10.0 << 0.48685 << "49";
        QTest::newRow("20") << 20.0 << 0.46874884 << "37";
        QTest::newRow("28") << 28.0 << 0.48299494 << "30";
    }
    void maximumFlux()
    {
        QFETCH(double, megahertz);
        QTEST(maxFluxExponent(megahertz), "exponent");
        QTEST(QString::fromStdString(fluxText(maxFluxDensity(megahertz), 0)), "gauss");
    }

    void textsAndMasks()
    {
        QCOMPARE(fluxText(57.0, 1), std::string("5.7"));
        QCOMPARE(fluxText(15.119845946913614, 1), std::string("1.51"));
        QCOMPARE(fluxText(15.119845946913614, 0), std::string("15"));
        QCOMPARE(fluxText(0, 1), std::string("0.0"));
        QCOMPARE(lossText(0.0049), std::string("0.0049"));
        QCOMPARE(lossText(0.01), std::string("0.01"));
        QCOMPARE(lossText(0.016527), std::string("0.02"));
        QCOMPARE(lossDensityText(0.5855), std::string("1"));
        QCOMPARE(temperatureText(49.6), std::string("50"));
        QVERIFY(nearlyEqual(coolingSurface(12.7, 7.15, 4.8), 7.085724785493176));
        QVERIFY(nearlyEqual(temperatureRise(1, 10), 46.34469197362879));
    }

    void frequencyRanges()
    {
        FrequencyRange r = parseFrequencyRange("0,5...5");
        QCOMPARE(r.lower, 0.5f);
        QCOMPARE(r.upper, 5.0f);
        r = parseFrequencyRange("50...300");
        QCOMPARE(r.lower, 50.0f);
        QCOMPARE(r.upper, 300.0f);
        r = parseFrequencyRange("0...0,5");
        QCOMPARE(r.lower, 0.0f);
        QCOMPARE(r.upper, 0.5f);
        QVERIFY_THROWS_EXCEPTION(std::exception, parseFrequencyRange("1 - 30"));
    }

    void ferriteExample()
    {
        StoredFlux stored;
        const CheckResult r = runApplicationCheck(1, ftExample(), stored);
        QCOMPARE(text(r.maxFlux), QString("5.7"));
        QCOMPARE(text(r.flux), QString("1.51"));
        QCOMPARE(r.flux.red, std::optional<bool>(false));
        QCOMPARE(text(r.reactance), QString("4.398 K"));
        QCOMPARE(text(r.lossDensity), QString("41"));
        QCOMPARE(text(r.loss), QString("0.02"));
        QCOMPARE(text(r.temperature), QString("2"));
        QCOMPARE(r.temperature.red, std::optional<bool>(false));
        QVERIFY(nearlyEqual(stored.maxFlux, 56.99999968935952));
        QVERIFY(nearlyEqual(stored.flux, 15.119845946913614));
        QVERIFY(r.maxFluxShown && r.fluxShown);
    }

    void ironExampleAndRange()
    {
        StoredFlux stored;
        CheckResult r = runApplicationCheck(2, ironExample(), stored);
        QCOMPARE(text(r.maxFlux), QString("5.7"));
        QCOMPARE(text(r.flux), QString("0.29"));
        QCOMPARE(text(r.lossDensity), QString("1"));
        QCOMPARE(text(r.loss), QString("0.0002"));
        QCOMPARE(text(r.temperature), QString("0"));
        QCOMPARE(text(r.reactance), QString("439.823"));
        QVERIFY(nearlyEqual(stored.flux, 2.8884436118506587));

        // Below the mix's range: only the reactance; the stored maximum stays.
        CheckInputs below = ironExample();
        below.frequency = "0,5";
        r = runApplicationCheck(2, below, stored);
        for (const ResultUpdate* u : {&r.maxFlux, &r.flux, &r.lossDensity, &r.loss, &r.temperature})
            QCOMPARE(text(*u), QString("XXX"));
        QCOMPARE(r.temperature.red, std::optional<bool>(false));
        QCOMPARE(text(r.reactance), QString("31.416"));
        QVERIFY(nearlyEqual(stored.maxFlux, 56.99999968935952));
        QCOMPARE(stored.flux, 0.0);
        QVERIFY(!r.maxFluxShown && !r.fluxShown);
    }

    void ferriteAboveThirtyMegahertz()
    {
        StoredFlux stored;
        CheckInputs in = ftExample();
        in.frequency = "40";
        const CheckResult r = runApplicationCheck(1, in, stored);
        QCOMPARE(text(r.maxFlux), QString("XXX"));
        QCOMPARE(text(r.flux), QString("XXX"));
        QCOMPARE(r.flux.red, std::optional<bool>(false));
        // B = 1000 / (4.44 · 40 · 16 · 0.133) = 2.64597 G, band 5 of "43", Ve 0.401
        const double b = 1000 / (4.44 * 40 * 16 * 0.133);
        QVERIFY(nearlyEqual(stored.flux, b));
        QCOMPARE(text(r.lossDensity),
                 QString::fromStdString(lossDensityText(1e-10 * 26200 * std::pow(40000.0, 1.252) *
                                                        std::pow(b, 2.02))));
        QVERIFY(text(r.loss) != "XXX" && text(r.temperature) != "XXX");
    }

    void ferriteWithoutLossData()
    {
        StoredFlux stored;
        CheckInputs in = ftExample();
        in.materialIndex = ftMaterial("63");
        const CheckResult r = runApplicationCheck(1, in, stored);
        for (const ResultUpdate* u : {&r.lossDensity, &r.loss, &r.temperature}) {
            QCOMPARE(text(*u), QString("XXX"));
            QVERIFY(!u->red);
        }
        QCOMPARE(text(r.flux), QString("1.51"));
    }

    void emptyVoltage()
    {
        StoredFlux stored;
        CheckInputs in = ftExample();
        in.voltage = "";
        CheckResult r = runApplicationCheck(1, in, stored);
        QCOMPARE(text(r.flux), QString("0.0"));
        QCOMPARE(r.flux.red, std::optional<bool>(false));
        for (const ResultUpdate* u : {&r.lossDensity, &r.loss, &r.temperature})
            QVERIFY(!u->text && !u->red); // loss data but no flux: left as they are

        in = ironExample();
        in.voltage = "";
        r = runApplicationCheck(2, in, stored);
        QCOMPARE(text(r.flux), QString("0.0"));
        for (const ResultUpdate* u : {&r.lossDensity, &r.loss, &r.temperature})
            QCOMPARE(text(*u), QString("XXX"));
    }

    void fluxAboveMaximumIsRed()
    {
        StoredFlux stored;
        CheckInputs in = ftExample();
        in.voltage = "100"; // 151 G against 57 G
        const CheckResult r = runApplicationCheck(1, in, stored);
        QCOMPARE(text(r.flux), QString("15.12"));
        QCOMPARE(r.flux.red, std::optional<bool>(true));
        // Pv 4315.68 mW/cm³, P 1.7306 W on 7.0857 cm²: a rise of 97.5 °C
        QCOMPARE(text(r.lossDensity), QString("4316"));
        QCOMPARE(text(r.loss), QString("1.73"));
        QCOMPARE(text(r.temperature), QString("98"));
        QCOMPARE(r.temperature.red, std::optional<bool>(true));
    }

    void noTurnsNoFlux()
    {
        StoredFlux stored{57, 15};
        CheckInputs in = ftExample();
        in.turns = "XXX";
        const CheckResult r = runApplicationCheck(1, in, stored);
        QCOMPARE(text(r.flux), QString("XXX"));
        QCOMPARE(text(r.reactance), QString("XXX"));
        QCOMPARE(stored.flux, 0.0);
        QVERIFY(!r.lossDensity.text); // no flux: the loss results stay
    }

    void absurdInputsSkipOnlyTheFailingStep()
    {
        // A voltage so large that the flux density overflows: no flux this run, and nothing
        // computed from it; the maximum and the reactance are still shown.
        StoredFlux stored{0, 15};
        CheckInputs in = ftExample();
        in.voltage = "1e307";
        CheckResult r = runApplicationCheck(1, in, stored);
        QCOMPARE(text(r.maxFlux), QString("5.7"));
        QVERIFY(!r.flux.text);
        QVERIFY(!r.fluxShown);
        QCOMPARE(stored.flux, 0.0);
        QCOMPARE(text(r.reactance), QString("4.398 K"));
        QVERIFY(!r.lossDensity.text && !r.loss.text && !r.temperature.text);

        // A flux density that is finite but whose loss overflows: the loss results stay.
        in.voltage = "1e200";
        r = runApplicationCheck(1, in, stored);
        QVERIFY(r.flux.text.has_value());
        QCOMPARE(r.flux.red, std::optional<bool>(true));
        QVERIFY(!r.lossDensity.text && !r.loss.text && !r.temperature.text);

        // An unreadable frequency counts as none.
        in = ftExample();
        in.frequency = "1e999";
        r = runApplicationCheck(1, in, stored);
        QCOMPARE(text(r.maxFlux), QString("XXX"));
        QCOMPARE(text(r.reactance), QString("XXX"));

        // No "inf" or "nan" anywhere.
        for (const ResultUpdate* u :
             {&r.reactance, &r.maxFlux, &r.flux, &r.lossDensity, &r.loss, &r.temperature})
            if (u->text)
                QVERIFY(u->text->find("inf") == std::string::npos &&
                        u->text->find("nan") == std::string::npos);
    }

    void reactanceOnlyTabs()
    {
        StoredFlux stored{57, 15};
        CheckInputs in;
        in.frequency = "7";
        in.inductance = "100";
        in.al = "2300.0";
        CheckResult r = runApplicationCheck(4, in, stored);
        QCOMPARE(text(r.reactance), QString("4.398 K"));
        for (const ResultUpdate* u : {&r.maxFlux, &r.flux, &r.lossDensity, &r.loss, &r.temperature})
            QVERIFY(!u->text && !u->red);
        QCOMPARE(stored.maxFlux, 57.0);
        QCOMPARE(stored.flux, 15.0);

        in.al = "0.0";
        r = runApplicationCheck(4, in, stored);
        QCOMPARE(text(r.reactance), QString("XXX"));
        in.al = ""; // the unknown core without AL
        r = runApplicationCheck(6, in, stored);
        QCOMPARE(text(r.reactance), QString("XXX"));
        r = runApplicationCheck(7, ftExample(), stored);
        QVERIFY(!r.reactance.text);
    }
};

QTEST_APPLESS_MAIN(TestApplication)
#include "test_application.moc"
