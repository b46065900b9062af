#include "app/globals.h"
#include "i18n/ui/language.h"
#include "i18n/ui/textid.h"

#include <QtTest>

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <memory>
#include <stdexcept>

using kovolo::i18n::applyLanguage;
using kovolo::i18n::setTextId;

namespace {

const QString crlf = QStringLiteral("\r\n");

QLabel* addLabel(QWidget* parent, const char* name, const QString& caption, int id = -1)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    parent->layout()->addWidget(label);
    if (id >= 0)
        setTextId(label, id);
    return label;
}

} // namespace

class TestGuiLanguage : public QObject {
    Q_OBJECT

    std::unique_ptr<QMainWindow> main;
    std::unique_ptr<QWidget> tool;
    QMenu* menu = nullptr;

    template <typename T> T* control(const char* name) const
    {
        T* found = main->findChild<T*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString text(const char* label) const { return control<QLabel>(label)->text(); }
    QString item(const char* action) const { return control<QAction>(action)->text(); }
    QString tab(int index) const { return control<QTabWidget>("tbsOptions")->tabText(index); }
    QString checkedItems() const
    {
        QStringList names;
        for (QAction* action : menu->actions()) {
            if (action->isChecked())
                names << action->objectName();
        }
        return names.join(',');
    }

private slots:
    // A main window with German defined captions and a hidden tool window, as the program
    // creates them before the first language application.
    void init()
    {
        kovolo::resetGlobals();
        main = std::make_unique<QMainWindow>();
        main->setObjectName("frmOptions");
        main->setWindowTitle("Kovolo V1.3.2");
        setTextId(main.get(), 351);

        auto* central = new QWidget(main.get());
        new QVBoxLayout(central);
        main->setCentralWidget(central);

        auto* tabs = new QTabWidget(central);
        tabs->setObjectName("tbsOptions");
        central->layout()->addWidget(tabs);
        const char* captions[] = {"&Ferrit FT", "Eisenpulver &T",    "Ferro&xcube", "&SIFERRIT",
                                  "&WE Ferrit", "&unbekannter Kern", "&Luftspulen"};
        const int ids[] = {262, 261, 266, 263, 267, 264, 265};
        for (int i = 0; i < 7; ++i) {
            tabs->addTab(new QWidget, captions[i]);
            kovolo::i18n::setTabTextId(tabs, i, ids[i]);
        }

        auto* frame = new QGroupBox("Windungszahl/Draht berechnen", central);
        frame->setObjectName("Frame4");
        new QVBoxLayout(frame);
        setTextId(frame, 139);
        central->layout()->addWidget(frame);
        addLabel(frame, "Label31", "Induktivität", 133);
        addLabel(frame, "Label44", "46");

        auto* option = new QRadioButton("ohne Skin-Effekt", central);
        option->setObjectName("Option4_1");
        setTextId(option, 228);
        central->layout()->addWidget(option);
        auto* quit = new QPushButton("&Beenden", central);
        quit->setObjectName("cmdOK");
        setTextId(quit, 999);
        central->layout()->addWidget(quit);

        addLabel(central, "lbHinweis", "Zuleitungen beachten");
        addLabel(central, "Label41", "");
        addLabel(central, "Label81", "", 33);
        addLabel(central, "LabelE41", "4.9");
        addLabel(central, "LabelE81", "", 33);
        addLabel(central, "lbSi41", "0");
        addLabel(central, "lbSi81", "B64290L0044X830" + crlf + "Dieser Typ ist nicht verfügbar!",
                 33);
        addLabel(central, "lbFer41", "");
        addLabel(central, "lbFer81", "", 33);
        addLabel(central, "lbWE81", "7427009", 33);
        addLabel(central, "Label104", "Leistungsübertrager");
        auto* materials = new QComboBox(central);
        materials->setObjectName("ComboSiMat");
        materials->addItems({"N22", "N27", "N30", "N87"});
        materials->setCurrentIndex(2);
        central->layout()->addWidget(materials);

        menu = kovolo::i18n::createLanguageMenu(main.get());
        main->menuBar()->addMenu(menu);
        setTextId(menu, 276);
        setTextId(control<QAction>("mnuSpracheEngl"), 277);
        setTextId(control<QAction>("mnuSpracheDtsch"), 278);
        setTextId(control<QAction>("mnuSpracheFranz"), 281);

        tool = std::make_unique<QWidget>();
        tool->setObjectName("frmSchwingkreis");
        tool->setWindowTitle("Schwingkreis");
        setTextId(tool.get(), 352);
        new QVBoxLayout(tool.get());
        auto* close = new QPushButton("&Beenden", tool.get());
        close->setObjectName("Command4");
        setTextId(close, 999);
        tool->layout()->addWidget(close);
        tool->hide();
    }

    void cleanup()
    {
        kovolo::i18n::setApplicationTextProvider({});
        tool.reset();
        main.reset();
        menu = nullptr;
        kovolo::resetGlobals();
    }

    void menuAsCreated()
    {
        QCOMPARE(menu->objectName(), QString("mnuSprache"));
        QCOMPARE(menu->title(), QString("Sprache (&Language)"));
        QCOMPARE(menu->parent(), main.get());
        QStringList names, captions;
        for (QAction* action : menu->actions()) {
            QVERIFY(action->isCheckable());
            names << action->objectName();
            captions << action->text();
        }
        QCOMPARE(names, QStringList({"mnuSpracheDtsch", "mnuSpracheEngl", "mnuSpracheFranz",
                                     "mnuSpracheSpanisch", "mnuSpracheItal", "mnuSpracheCZ"}));
        QCOMPARE(captions, QStringList({"Deutsch (&German)", "&Englisch", "&Français", "&Spanisch",
                                        "&Italian", "&Česky (CZ)"}));
        QCOMPARE(checkedItems(), QString("mnuSpracheDtsch"));
    }

    // One language applied after another ("" = straight after creation): absent entries keep
    // the caption of the language before.
    void captionsPerLanguage_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("tabs"); // tabs 1, 2 and 5
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QStringList>("menuTexts"); // mnuSprache, Engl, Dtsch, Franz
        QTest::addColumn<QString>("quit");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("toolTitle");

        QTest::newRow("German") << ""
                                << "deutsch"
                                << QStringList{"&Ferrit FT", "Eisen&pulver T", "&WE Ferrit"}
                                << "Windungszahl/Draht berechnen"
                                << QStringList{"&Sprache (&Language)", "&English",
                                               "Deutsch (&German)", "&Français"}
                                << "&Beenden"
                                << " Kovolo V1.3.2"
                                << " Schwingkreis-Berechnung";
        QTest::newRow("English keeps its own item")
            << ""
            << "englisch" << QStringList{"&Ferrite FT", "Iron &Powder T", "&WE Ferrit"}
            << "Calculate turns/wire"
            << QStringList{"&Language (Sprache)", "&Englisch", "&German (Deutsch)", "&Français"}
            << "&Exit"
            << " Kovolo V1.3.2"
            << " Calculating Resonant Circuits";
        QTest::newRow("German then English")
            << "deutsch"
            << "englisch" << QStringList{"&Ferrite FT", "Iron &Powder T", "&WE Ferrit"}
            << "Calculate turns/wire"
            << QStringList{"&Language (Sprache)", "&English", "&German (Deutsch)", "&Français"}
            << "&Exit"
            << " Kovolo V1.3.2"
            << " Calculating Resonant Circuits";
        QTest::newRow("Spanish") << "englisch"
                                 << "span"
                                 << QStringList{"&Ferrita FT", "Polvo&de&Hierro T", "&WE Ferrita"}
                                 << "Calcular espiras/hilo"
                                 << QStringList{"&Sprache (&Language)", "&Englisch",
                                                "&German (Deutsch)", "&Français"}
                                 << "&Finalizar"
                                 << " Kovolo V1.3.2"
                                 << " Cálculo de circuitos resonantes";
        QTest::newRow("French after Spanish")
            << "span"
            << "franz" << QStringList{"Ferrite FT", "Poudre de fer T", "WE Ferrit"}
            << "Calcul spires/fil"
            << QStringList{"Langue (&Language)", "&English", "&German (Deutsch)", "&Français"}
            << "&Sortie"
            << " Kovolo V1.3.2"
            << " Calcul de Circuits Résonnants";
        QTest::newRow("French after German")
            << "deutsch"
            << "franz" << QStringList{"Ferrite FT", "Poudre de fer T", "WE Ferrit"}
            << "Calcul spires/fil"
            << QStringList{"Langue (&Language)", "&English", "Deutsch (&German)", "&Français"}
            << "&Sortie"
            << " Kovolo V1.3.2"
            << " Calcul de Circuits Résonnants";
        QTest::newRow("Italian keeps tab 1")
            << "englisch"
            << "ital" << QStringList{"&Ferrite FT", "polvere di ferro T", "WE Ferrit"}
            << "Calcolo spire/filo"
            << QStringList{"Lingua (&Language)", "&English", "&German (Deutsch)", "&francese"}
            << "&Uscita"
            << " Kovolo V1.3.2"
            << " Calcolo circuiti risonanti";
        QTest::newRow("Czech keeps tab 5 and two items")
            << "ital"
            << "cz" << QStringList{"Feritová FT", "Železoprachová T", "WE Ferrit"}
            << "Výpočet závitů/drátu"
            << QStringList{"Jazyk (&Language)", "&English", "Němčina (&German)", "&francese"}
            << "&Konec"
            << "Kovolo V1.3.2"
            << "výpočet rezonančního obvodu";
        QTest::newRow("back to German")
            << "cz"
            << "deutsch" << QStringList{"&Ferrit FT", "Eisen&pulver T", "&WE Ferrit"}
            << "Windungszahl/Draht berechnen"
            << QStringList{"&Sprache (&Language)", "&English", "Deutsch (&German)", "&Français"}
            << "&Beenden"
            << " Kovolo V1.3.2"
            << " Schwingkreis-Berechnung";
        QTest::newRow("unknown code is German")
            << "englisch"
            << "klingon" << QStringList{"&Ferrit FT", "Eisen&pulver T", "&WE Ferrit"}
            << "Windungszahl/Draht berechnen"
            << QStringList{"&Sprache (&Language)", "&English", "Deutsch (&German)", "&Français"}
            << "&Beenden"
            << " Kovolo V1.3.2"
            << " Schwingkreis-Berechnung";
    }
    void captionsPerLanguage()
    {
        QFETCH(QString, before);
        QFETCH(QString, code);
        QFETCH(QStringList, tabs);
        QFETCH(QString, frame);
        QFETCH(QStringList, menuTexts);
        QFETCH(QString, quit);
        QFETCH(QString, title);
        QFETCH(QString, toolTitle);

        if (!before.isEmpty())
            applyLanguage(before.toStdString());
        applyLanguage(code.toStdString());

        QCOMPARE((QStringList{tab(0), tab(1), tab(4)}), tabs);
        QCOMPARE(control<QGroupBox>("Frame4")->title(), frame);
        QCOMPARE((QStringList{menu->title(), item("mnuSpracheEngl"), item("mnuSpracheDtsch"),
                              item("mnuSpracheFranz")}),
                 menuTexts);
        QCOMPARE(control<QPushButton>("cmdOK")->text(), quit);
        QCOMPARE(main->windowTitle(), title);
        QVERIFY(tool->isHidden());
        QCOMPARE(tool->windowTitle(), toolTitle);
        QCOMPARE(tool->findChild<QPushButton*>("Command4")->text(), quit);
        // Unbound items and value labels keep their captions.
        QCOMPARE(item("mnuSpracheSpanisch"), QString("&Spanisch"));
        QCOMPARE(item("mnuSpracheCZ"), QString("&Česky (CZ)"));
        QCOMPARE(text("Label44"), QString("46"));
        QCOMPARE(text("LabelE41"), QString("4.9"));
    }

    void allSevenTabsAndOptionButtons()
    {
        applyLanguage("englisch");
        QStringList captions;
        for (int i = 0; i < 7; ++i)
            captions << tab(i);
        QCOMPARE(captions, QStringList({"&Ferrite FT", "Iron &Powder T", "Ferro&xcube", "&SIFFERIT",
                                        "&WE Ferrit", "&Unknown Cores", "&Air Cores"}));
        QCOMPARE(control<QRadioButton>("Option4_1")->text(), QString("without skin-effect"));
        QCOMPARE(text("Label31"), QString("Inductance"));
    }

    // The availability messages show only for a type that does not exist; order codes and
    // order numbers come back after the language is written.
    void catalogMessages_data()
    {
        QTest::addColumn<QString>("valueLabel");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("messageLabel");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("expected");

        QTest::newRow("iron exists") << "LabelE41"
                                     << "4.9"
                                     << "LabelE81"
                                     << ""
                                     << "englisch"
                                     << "";
        QTest::newRow("iron missing") << "LabelE41"
                                      << "0.0"
                                      << "LabelE81"
                                      << "Dieser Typ ist nicht verfügbar!"
                                      << "englisch"
                                      << "This type is not available!";
        QTest::newRow("iron missing Spanish") << "LabelE41"
                                              << "0.0"
                                              << "LabelE81"
                                              << "This type is not available!"
                                              << "span"
                                              << "¡Ese tipo no está disponible!";
        QTest::newRow("FT with decimal comma") << "Label41"
                                               << "2,5 nH"
                                               << "Label81"
                                               << ""
                                               << "franz"
                                               << "";
        QTest::newRow("Ferroxcube no number") << "lbFer41"
                                              << ""
                                              << "lbFer81"
                                              << ""
                                              << "ital"
                                              << "Questo tipo non è disponibile!";
        QTest::newRow("Siferrit missing")
            << "lbSi41"
            << "0"
            << "lbSi81"
            << "B64290L0044X830" + crlf + "Dieser Typ ist nicht verfügbar!"
            << "englisch"
            << "B64290L0044X830" + crlf + "This type is not available!";
        QTest::newRow("Siferrit missing, padded code")
            << "lbSi41"
            << "0"
            << "lbSi81"
            << "B64290L0044X830  " + crlf + "Dieser Typ ist nicht verfügbar!"
            << "cz"
            << "B64290L0044X830" + crlf + "Tento typ není dostupný!";
        QTest::newRow("Siferrit exists") << "lbSi41"
                                         << "1500"
                                         << "lbSi81"
                                         << "B64290L0044X830  "
                                         << "span"
                                         << "B64290L0044X830";
        QTest::newRow("Siferrit without code")
            << "lbSi41"
            << "0"
            << "lbSi81"
            << "Dieser Typ ist nicht verfügbar!"
            << "englisch" << crlf + "This type is not available!";
        QTest::newRow("Wuerth order number") << ""
                                             << ""
                                             << "lbWE81"
                                             << "7427009"
                                             << "englisch"
                                             << "7427009";
        QTest::newRow("Wuerth message") << ""
                                        << ""
                                        << "lbWE81"
                                        << "Dieser Typ ist nicht verfügbar!"
                                        << "englisch"
                                        << "This type is not available!";
    }
    void catalogMessages()
    {
        QFETCH(QString, valueLabel);
        QFETCH(QString, value);
        QFETCH(QString, messageLabel);
        QFETCH(QString, message);
        QFETCH(QString, code);
        QFETCH(QString, expected);

        if (!valueLabel.isEmpty())
            control<QLabel>(valueLabel.toLatin1().constData())->setText(value);
        QLabel* target = control<QLabel>(messageLabel.toLatin1().constData());
        target->setText(message);
        applyLanguage(code.toStdString());
        QCOMPARE(target->text(), expected);
        if (!valueLabel.isEmpty())
            QCOMPARE(text(valueLabel.toLatin1().constData()), value);
    }

    void missingCatalogLabelsAreSkipped()
    {
        delete control<QLabel>("lbSi41");
        delete control<QLabel>("LabelE41");
        applyLanguage("englisch");
        // Step 4 still writes the message; nothing after it can restore what has no value label.
        QCOMPARE(text("LabelE81"), QString("This type is not available!"));
        QCOMPARE(text("lbSi81"), QString("This type is not available!"));
        QCOMPARE(main->windowTitle(), QString(" Kovolo V1.3.2"));
    }

    void versionAppendedOnce()
    {
        for (const char* code : {"deutsch", "englisch", "englisch", "cz", "klingon", "deutsch"})
            applyLanguage(code);
        QCOMPARE(main->windowTitle(), QString(" Kovolo V1.3.2"));

        // A title that already carries a "V" is left alone.
        main->setProperty(kovolo::i18n::textIdProperty, QVariant());
        main->setWindowTitle("Kovolo V9");
        applyLanguage("englisch");
        QCOMPARE(main->windowTitle(), QString("Kovolo V9"));
        main->setWindowTitle("Kovolo");
        applyLanguage("englisch");
        applyLanguage("englisch");
        QCOMPARE(main->windowTitle(), QString("Kovolo V1.3.2"));
    }

    void siferritApplicationText_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("expected");
        QTest::newRow("German list") << "deutsch"
                                     << "2:de";
        QTest::newRow("English list for English") << "englisch"
                                                  << "2:en";
        QTest::newRow("English list for Czech") << "cz"
                                                << "2:en";
        QTest::newRow("unknown code leaves it") << "klingon"
                                                << "Leistungsübertrager";
    }
    void siferritApplicationText()
    {
        QFETCH(QString, code);
        QFETCH(QString, expected);
        kovolo::i18n::setApplicationTextProvider([](int index, bool english) {
            return std::to_string(index) + (english ? ":en" : ":de");
        });
        applyLanguage(code.toStdString());
        QCOMPARE(text("Label104"), expected);
    }

    void siferritApplicationTextNeedsProviderAndList()
    {
        applyLanguage("englisch");
        QCOMPARE(text("Label104"), QString("Leistungsübertrager"));

        kovolo::i18n::setApplicationTextProvider([](int, bool) { return std::string("x"); });
        delete control<QComboBox>("ComboSiMat");
        applyLanguage("englisch");
        QCOMPARE(text("Label104"), QString("Leistungsübertrager"));
    }

    void failuresDoNotStopTheRest()
    {
        kovolo::i18n::setApplicationTextProvider(
            [](int, bool) -> std::string { throw std::runtime_error("no catalog"); });
        // A number too large for a double makes the number reader fail on this label.
        control<QLabel>("LabelE41")->setText("1e999");
        control<QLabel>("LabelE81")->setText("kept");

        auto* odd = addLabel(control<QWidget>("Frame4"), "oddLabel", "unverändert");
        odd->setProperty(kovolo::i18n::textIdProperty, "abc");
        auto* field = new QLineEdit("12", main->centralWidget());
        field->setObjectName("Text6");
        setTextId(field, 33);
        auto* absent = addLabel(main->centralWidget(), "absentLabel", "bleibt", 997);

        applyLanguage("englisch");
        QCOMPARE(text("Label104"), QString("Leistungsübertrager"));
        QCOMPARE(text("LabelE81"), QString("This type is not available!"));
        QCOMPARE(odd->text(), QString("unverändert"));
        QCOMPARE(field->text(), QString("12"));
        QCOMPARE(absent->text(), QString("bleibt"));
        QCOMPARE(tab(1), QString("Iron &Powder T"));
        QCOMPARE(main->windowTitle(), QString(" Kovolo V1.3.2"));
    }

    void syncChecks_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("checked");
        QTest::newRow("deutsch") << "deutsch"
                                 << "mnuSpracheDtsch";
        QTest::newRow("englisch") << "englisch"
                                  << "mnuSpracheEngl";
        QTest::newRow("span") << "span"
                              << "mnuSpracheSpanisch";
        QTest::newRow("franz") << "franz"
                               << "mnuSpracheFranz";
        QTest::newRow("ital") << "ital"
                              << "mnuSpracheItal";
        QTest::newRow("cz") << "cz"
                            << "mnuSpracheCZ";
        QTest::newRow("unknown") << "Englisch"
                                 << "mnuSpracheDtsch";
    }
    void syncChecks()
    {
        QFETCH(QString, code);
        QFETCH(QString, checked);
        control<QAction>("mnuSpracheItal")->setChecked(true);
        kovolo::globals().currentLanguage = code.toStdString();
        kovolo::i18n::syncLanguageChecks(main.get());
        QCOMPARE(checkedItems(), checked);
        QCOMPARE(kovolo::globals().currentLanguage, code.toStdString());
    }

    void clickSelectsLanguage()
    {
        control<QAction>("mnuSpracheSpanisch")->trigger();
        QCOMPARE(kovolo::globals().currentLanguage, std::string("span"));
        QCOMPARE(checkedItems(), QString("mnuSpracheSpanisch"));
        QCOMPARE(tab(1), QString("Polvo&de&Hierro T"));
        QCOMPARE(tool->windowTitle(), QString(" Cálculo de circuitos resonantes"));

        // Choosing the checked item again keeps it checked.
        control<QAction>("mnuSpracheSpanisch")->trigger();
        QCOMPARE(checkedItems(), QString("mnuSpracheSpanisch"));

        control<QAction>("mnuSpracheCZ")->trigger();
        QCOMPARE(kovolo::globals().currentLanguage, std::string("cz"));
        QCOMPARE(checkedItems(), QString("mnuSpracheCZ"));
        QCOMPARE(main->windowTitle(), QString("Kovolo V1.3.2"));

        control<QAction>("mnuSpracheDtsch")->trigger();
        QCOMPARE(kovolo::globals().currentLanguage, std::string("deutsch"));
        QCOMPARE(checkedItems(), QString("mnuSpracheDtsch"));
        QCOMPARE(tab(1), QString("Eisen&pulver T"));
    }

    void openingMenuClearsHint()
    {
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
        QCOMPARE(text("lbHinweis"), QString("Zuleitungen beachten"));
        menu->popup(main->mapToGlobal(QPoint(0, 0)));
        QVERIFY(menu->isVisible());
        QCOMPARE(text("lbHinweis"), QString());
        menu->hide();
        QCOMPARE(kovolo::globals().currentLanguage, std::string("deutsch"));
    }
};

QTEST_MAIN(TestGuiLanguage)
#include "test_gui_language.moc"
