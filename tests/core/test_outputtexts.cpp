// The texts of printing and help in every language, and the reading of the viewer's desktop
// entry.

#include "output/desktopentry.h"
#include "output/helptexts.h"
#include "output/printtexts.h"

#include <QtTest>

using namespace kovolo::output;

namespace {
QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}
} // namespace

class TestOutputTexts : public QObject {
    Q_OBJECT
private slots:
    void printTexts_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("errorTitle");
        QTest::newRow("deutsch") << "deutsch"
                                 << "Drucker "
                                 << "Drucker bereit?"
                                 << "Berechnung: "
                                 << "Drucker-Fehler ";
        QTest::newRow("englisch") << "englisch"
                                  << "Printer "
                                  << "Ready printer?"
                                  << "Calculation: "
                                  << "Printer-Error ";
        QTest::newRow("franz") << "franz"
                               << "Imprimeur " << QString::fromUtf8("Imprimante Prêt?")
                               << "Calcul: "
                               << "Erreur imprimable ";
        QTest::newRow("span") << "span"
                              << "Impresora " << QString::fromUtf8("¿Impresora preparada?")
                              << QString::fromUtf8("Cálculo: ")
                              << QString::fromUtf8("Error de impresión ");
        QTest::newRow("ital") << "ital"
                              << "Stampante "
                              << "Stampante Pronta?"
                              << "Calcolo: "
                              << "Errore stampante ";
        QTest::newRow("cz") << "cz" << QString::fromUtf8("Tiskárna ")
                            << QString::fromUtf8("Připraven tiskárna?")
                            << "Kalkulace: " << QString::fromUtf8("Tiskárna-Error ");
        QTest::newRow("unknown code") << "Deutsch"
                                      << "Printer "
                                      << "Ready printer?"
                                      << "Calculation: "
                                      << "Printer-Error ";
    }
    void printTexts()
    {
        QFETCH(QString, code);
        QFETCH(QString, title);
        QFETCH(QString, prompt);
        QFETCH(QString, heading);
        QFETCH(QString, errorTitle);
        const std::string c = code.toStdString();
        QCOMPARE(qs(printPrompt(c).title), title);
        QCOMPARE(qs(printPrompt(c).prompt), prompt);
        QCOMPARE(qs(printHeadingWord(c)), heading);
        QCOMPARE(qs(printErrorTitleWord(c)), errorTitle);
        // Only the Spanish word loses its blank on the resonant-circuit window.
        QCOMPARE(qs(printHeadingWord(c, true)),
                 code == "span" ? QString::fromUtf8("Cálculo:") : heading);
        for (auto kind : {PrintFailureKind::NoPrinter, PrintFailureKind::CannotStart,
                          PrintFailureKind::PrintingFailed})
            QVERIFY(!printFailureDescription(kind, c).empty());
    }

    void failureDescriptionsDifferByLanguage()
    {
        QCOMPARE(qs(printFailureDescription(PrintFailureKind::NoPrinter, "deutsch")),
                 QString::fromUtf8("Es ist kein Drucker eingerichtet."));
        QCOMPARE(printFailureDescription(PrintFailureKind::NoPrinter, "klingon"),
                 printFailureDescription(PrintFailureKind::NoPrinter, "englisch"));
        QVERIFY(printFailureDescription(PrintFailureKind::NoPrinter, "englisch") !=
                printFailureDescription(PrintFailureKind::CannotStart, "englisch"));
    }

    void documentNames_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("file");
        QTest::newRow("deutsch") << "deutsch"
                                 << "kovolo13_d.pdf";
        QTest::newRow("englisch") << "englisch"
                                  << "kovolo13_e.pdf";
        QTest::newRow("span") << "span"
                              << "kovolo13_sp.pdf";
        QTest::newRow("franz") << "franz"
                               << "kovolo13_f.pdf";
        QTest::newRow("ital") << "ital"
                              << "kovolo13_i.pdf";
        QTest::newRow("cz") << "cz"
                            << "kovolo13_cz.pdf";
        QTest::newRow("unknown code") << "esperanto"
                                      << "kovolo13_e.pdf";
    }
    void documentNames()
    {
        QFETCH(QString, code);
        QFETCH(QString, file);
        QCOMPARE(qs(helpDocumentName(code.toStdString())), file);
        QCOMPARE(kovolo::output::helpDocumentNames().size(), std::size_t(6));
    }

    void missingDocumentMessages_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("deutsch") << "deutsch"
                                 << "Die Datei |/p/x.pdf|ist nicht vorhanden!|Bitte selbst nach "
                                    "der Datei suchen."
                                 << " Datei nicht gefunden ";
        QTest::newRow("franz") << "franz"
                               << QString::fromUtf8("Le fichier |/p/x.pdf|n'existe pas! |"
                                                    "Rechercher, SVP le fichier par vous-même. ")
                               << QString::fromUtf8(" Fichier non trouvée! ");
        QTest::newRow("span") << "span"
                              << QString::fromUtf8("¡El archivo |/p/x.pdf|no existe! |Busque el "
                                                   "archivo usted mismo.")
                              << " Archivo no encontrado ";
        const char* english =
            "File |/p/x.pdf|not found. File xyz does not exist!|Please look for the file.";
        QTest::newRow("englisch") << "englisch" << english << " File not found ";
        QTest::newRow("ital") << "ital" << english << " File not found ";
        QTest::newRow("cz") << "cz" << english << " File not found ";
        QTest::newRow("unknown") << "" << english << " File not found ";
    }
    void missingDocumentMessages()
    {
        QFETCH(QString, code);
        QFETCH(QString, text);
        QFETCH(QString, title);
        const HelpMessage m = missingDocumentMessage(code.toStdString(), "/p/x.pdf", "|");
        QCOMPARE(qs(m.text), text);
        QCOMPARE(qs(m.title), title);
    }

    void missingViewerMessages_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("deutsch") << "deutsch"
                                 << QString::fromUtf8(
                                        "Acrobat Reader o.ä. nicht gefunden!\r\n"
                                        "Hilfe finden Sie in der Datei \r\n/p/x.pdf\r\n")
                                 << " Hilfe ";
        QTest::newRow("franz") << "franz"
                               << QString::fromUtf8(
                                      "Acrobat Reader ou un logiciel équivalent n'a pas été "
                                      "trouvé.\r\nVous trouverez de l'aide dans le document "
                                      "\r\n/p/x.pdf\r\n")
                               << " Aide ";
        QTest::newRow("span") << "span"
                              << QString::fromUtf8("¡No encuentro el Acrobat Reader!\r\nEncuentre "
                                                   "ayuda en el archivo \r\n/p/x.pdf\r\n")
                              << " Help ";
        const char* english = "Acrobat Reader not found!\r\nFor help use file \r\n/p/x.pdf\r\n";
        QTest::newRow("ital") << "ital" << english << " Aiuto ";
        QTest::newRow("cz") << "cz" << english << " Pomoc ";
        QTest::newRow("englisch") << "englisch" << english << " Help ";
        QTest::newRow("unknown") << "xx" << english << " Help ";
    }
    void missingViewerMessages()
    {
        QFETCH(QString, code);
        QFETCH(QString, text);
        QFETCH(QString, title);
        const HelpMessage m = missingViewerMessage(code.toStdString(), "/p/x.pdf", "\r\n");
        QCOMPARE(qs(m.text), text);
        QCOMPARE(qs(m.title), title);
    }

    void quotedPaths_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("pdf") << "/a/kovolo13_d.pdf"
                             << "\"/a/kovolo13_d.pdf\"";
        QTest::newRow("blanks") << "/my docs/k.pdf"
                                << "\"/my docs/k.pdf\"";
        QTest::newRow("upper case") << "/A/K.PDF"
                                    << "\"/A/K.PDF\"";
        QTest::newRow("not a pdf") << "/a/readme.txt"
                                   << "/a/readme.txt";
    }
    void quotedPaths()
    {
        QFETCH(QString, path);
        QFETCH(QString, quoted);
        QCOMPARE(qs(kovolo::output::quotedDocumentPath(path.toStdString())), quoted);
    }

    void desktopEntries_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("options");
        QTest::newRow("plain") << "[Desktop Entry]\nName=V\nExec=evince %U\n"
                               << "evince" << QStringList();
        QTest::newRow("options and quotes")
            << "[Desktop Entry]\nExec=\"/opt/my viewer/bin/view\" --page 1 -- %f\nIcon=x\n"
            << "/opt/my viewer/bin/view" << QStringList{"--page", "1", "--"};
        QTest::newRow("escapes, percent, icon code")
            << "[Desktop Entry]\nExec=view \"a\\\"b\" 50%% %i %f --after\n"
            << "view" << QStringList{"a\"b", "50%"};
        QTest::newRow("sandboxed")
            << "[Desktop Entry]\nExec=/usr/bin/flatpak run --command=v org.V @@u %U @@\n"
            << "/usr/bin/flatpak" << QStringList{"run", "--command=v", "org.V"};
        QTest::newRow("exec of another group ignored")
            << "[Desktop Action new]\nExec=other\n[Desktop Entry]\n# c\nTryExec=t\nExec = okular "
               "%U\n"
            << "okular" << QStringList();
        QTest::newRow("no exec") << "[Desktop Entry]\nName=V\n" << QString() << QStringList();
    }
    void desktopEntries()
    {
        QFETCH(QString, entry);
        QFETCH(QString, program);
        QFETCH(QStringList, options);
        const DesktopCommand command = kovolo::output::desktopEntryCommand(entry.toStdString());
        QCOMPARE(qs(command.program), program);
        QStringList got;
        for (const std::string& o : command.options)
            got << qs(o);
        QCOMPARE(got, options);
    }
};

QTEST_APPLESS_MAIN(TestOutputTexts)
#include "test_outputtexts.moc"
