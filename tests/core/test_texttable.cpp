#include "i18n/texttable.h"

#include <QtTest>

#include <map>
#include <set>

using kovolo::i18n::lookupKey;
using kovolo::i18n::lookupText;

namespace {

// Every base id that a window, control, tab or menu item of the program is bound to.
const std::set<int> boundIds{5,   6,   8,   11,  18,  21,  33,  58,  60,  61,  70,  105, 106, 108,
                             114, 115, 116, 117, 133, 134, 137, 138, 139, 141, 142, 153, 156, 165,
                             168, 174, 175, 177, 228, 229, 245, 246, 247, 248, 249, 250, 251, 252,
                             253, 255, 256, 261, 262, 263, 264, 265, 266, 267, 269, 270, 271, 272,
                             273, 274, 275, 276, 277, 278, 279, 280, 281, 282, 283, 303, 304, 306,
                             307, 309, 321, 322, 351, 352, 353, 354, 355, 996, 998, 999};

// The bound ids that have no entry, per language code.
const std::map<std::string, std::set<int>> absentIds{
    {"deutsch", {}},
    {"englisch", {277}},
    {"span", {277}},
    {"franz", {70, 245, 255, 256, 278}},
    {"ital", {245, 255, 256, 262, 278}},
    {"cz", {267, 277, 281}},
};

QString text(int id, const char* code)
{
    const auto found = lookupText(id, code);
    return found ? QString::fromStdString(*found) : QStringLiteral("<absent>");
}

} // namespace

class TestTextTable : public QObject {
    Q_OBJECT
private slots:
    void languageCodes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("known");
        QTest::newRow("deutsch") << "deutsch" << 0 << true;
        QTest::newRow("englisch") << "englisch" << 1000 << true;
        QTest::newRow("span") << "span" << 2000 << true;
        QTest::newRow("franz") << "franz" << 3000 << true;
        QTest::newRow("ital") << "ital" << 4000 << true;
        QTest::newRow("cz") << "cz" << 5000 << true;
        QTest::newRow("case matters") << "Deutsch" << 0 << false;
        QTest::newRow("empty") << "" << 0 << false;
        QTest::newRow("other") << "klingon" << 0 << false;
    }
    void languageCodes()
    {
        QFETCH(QString, code);
        QFETCH(int, offset);
        QFETCH(bool, known);
        QCOMPARE(kovolo::i18n::languageOffset(code.toStdString()), offset);
        QCOMPARE(kovolo::i18n::isKnownLanguage(code.toStdString()), known);
    }

    void tellingEntries_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("expected");
        const char* codes[] = {"deutsch", "englisch", "span", "franz", "ital", "cz"};
        const QString english277[] = {"&English", "<absent>", "<absent>",
                                      "&English", "&English", "<absent>"};
        for (int i = 0; i < 6; ++i)
            QTest::addRow("277 %s", codes[i]) << 277 << codes[i] << english277[i];
        for (int i = 0; i < 5; ++i)
            QTest::addRow("351 %s", codes[i]) << 351 << codes[i] << " Kovolo";
        QTest::newRow("351 cz without blank") << 351 << "cz"
                                              << "Kovolo";
        QTest::newRow("261 span two marks") << 261 << "span"
                                            << "Polvo&de&Hierro T";
        QTest::newRow("8 englisch no equals") << 8 << "englisch"
                                              << "OD";
        QTest::newRow("8 deutsch") << 8 << "deutsch"
                                   << "Da =";
        QTest::newRow("11 cz trailing blank") << 11 << "cz"
                                              << "ID = ";
        QTest::newRow("21 span") << 21 << "span"
                                 << "¡El campo a calcular debe estar vacío!";
        QTest::newRow("21 franz") << 21 << "franz"
                                  << "Le champ doit être calculé doit être vide!";
        QTest::newRow("33 deutsch") << 33 << "deutsch"
                                    << "Dieser Typ ist nicht verfügbar!";
        QTest::newRow("33 englisch") << 33 << "englisch"
                                     << "This type is not available!";
        QTest::newRow("33 span") << 33 << "span"
                                 << "¡Ese tipo no está disponible!";
        QTest::newRow("33 ital") << 33 << "ital"
                                 << "Questo tipo non è disponibile!";
        QTest::newRow("278 cz") << 278 << "cz"
                                << "Němčina (&German)";
        QTest::newRow("352 cz") << 352 << "cz"
                                << "výpočet rezonančního obvodu";
        QTest::newRow("303 keeps blanks") << 303 << "deutsch"
                                          << " Induktivität berechnen (Zylinderspule) ";
        QTest::newRow("996 cz no mark") << 996 << "cz"
                                        << "zrušit";
        QTest::newRow("262 ital absent") << 262 << "ital"
                                         << "<absent>";
        QTest::newRow("unknown code is German") << 999 << "klingon"
                                                << "&Beenden";
    }
    void tellingEntries()
    {
        QFETCH(int, id);
        QFETCH(QString, code);
        QFETCH(QString, expected);
        QCOMPARE(text(id, code.toUtf8().constData()), expected);
    }

    void tabStripIdNeverFound()
    {
        for (const auto& language : kovolo::i18n::languages)
            QVERIFY(!lookupText(997, language.code));
    }

    void keysAddOffsetToBaseId()
    {
        QCOMPARE(lookupKey(1999), lookupText(999, "englisch"));
        QCOMPARE(lookupKey(5278), std::optional<std::string>("Němčina (&German)"));
        // A base id at or beyond 1000 reaches into the next language.
        QCOMPARE(lookupText(1999, "deutsch"), std::optional<std::string>("&Exit"));
        QVERIFY(!lookupKey(-1));
        QVERIFY(!lookupKey(6005));
        QVERIFY(!lookupText(-1000, "deutsch"));
        QVERIFY(!lookupText(40000, "cz"));
    }

    // Every bound id is present in every language except the listed absences, every stored
    // text is non-empty, and the table holds nothing beyond the bound ids.
    void boundEntriesAndAbsences()
    {
        for (const auto& [code, absent] : absentIds) {
            for (int id : boundIds) {
                const auto found = lookupText(id, code);
                if (absent.count(id))
                    QVERIFY2(!found, qPrintable(QString("%1 in %2").arg(id).arg(code.c_str())));
                else
                    QVERIFY2(found && !found->empty(),
                             qPrintable(QString("%1 in %2").arg(id).arg(code.c_str())));
            }
        }

        std::map<int, int> perLanguage;
        for (int key : kovolo::i18n::storedKeys()) {
            const auto found = lookupKey(key);
            QVERIFY2(found && !found->empty(), qPrintable(QString::number(key)));
            QVERIFY2(boundIds.count(key % 1000), qPrintable(QString::number(key)));
            ++perLanguage[key / 1000 * 1000];
        }
        for (const auto& [code, absent] : absentIds) {
            const int expected = int(boundIds.size() - absent.size());
            QCOMPARE(perLanguage[kovolo::i18n::languageOffset(code)], expected);
        }
    }
};

QTEST_APPLESS_MAIN(TestTextTable)
#include "test_texttable.moc"
