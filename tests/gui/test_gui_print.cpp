// Printing of the main window and of a tool window (a small stand-in built like one): the
// prompt, what the printout shows, what comes back afterwards, and the failures. The printer is
// replaced by a PDF file or by a device that fails.

#include "app/globals.h"
#include "app/ui/mainwindow.h"
#include "app/ui/msgbox.h"
#include "output/ui/print.h"
#include "tools/ui/alwindow.h"
#include "tools/ui/copperresistancewindow.h"
#include "tools/ui/resonancewindow.h"

#include <QtTest>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>

#include <functional>
#include <memory>

using namespace kovolo;
using namespace kovolo::output;

namespace {

struct Shown {
    QString title;
    QString text;
    QString icon;
    bool cancelOffered = false;
};

// Answers every message box that opens with the next answer of the list ("OK" or "Cancel") and
// records what it showed.
class BoxAnswerer : public QObject {
public:
    explicit BoxAnswerer(QStringList answers, std::function<void()> afterAnswer = {})
        : answers_(std::move(answers)), afterAnswer_(std::move(afterAnswer))
    {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start();
    }
    QList<Shown> shown;

private:
    void poll()
    {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || box->objectName() != QLatin1String("PimMsgBox") || !box->isVisible())
            return;
        Shown s;
        s.title = box->windowTitle();
        s.text = box->findChild<QLabel*>("LabelMsg")->text();
        for (const char* name :
             {"ImageStop", "ImageFrage", "ImageAusruf", "ImageInfo", "ImageKreuz"})
            if (box->findChild<QLabel*>(QString::fromLatin1(name))->isVisible())
                s.icon = QString::fromLatin1(name);
        s.cancelOffered = box->findChild<QPushButton*>("Command1")->isVisible();
        shown << s;
        const QString answer = answers_.isEmpty() ? QStringLiteral("OK") : answers_.takeFirst();
        box->findChild<QPushButton*>(answer == QLatin1String("OK") ? "Command2" : "Command1")
            ->click();
        if (afterAnswer_)
            afterAnswer_();
    }
    QStringList answers_;
    std::function<void()> afterAnswer_;
    QTimer timer_;
};

// A printer that looks at the window at the moment the page is made, then prints to a PDF file
// or fails.
class WatchingTarget : public PrintTarget {
public:
    WatchingTarget(QString pdfPath, std::function<void()> watch)
        : pdf_(pdfFileTarget(pdfPath, QStringLiteral("Laser 5"))), watch_(std::move(watch))
    {
    }
    QString printerName() const override { return pdf_->printerName(); }
    void setUp(QPrinter& printer) override
    {
        ++pages;
        if (watch_)
            watch_();
        pdf_->setUp(printer);
    }
    int pages = 0;

private:
    std::unique_ptr<PrintTarget> pdf_;
    std::function<void()> watch_;
};

class FailingTarget : public PrintTarget {
public:
    QString printerName() const override { return QStringLiteral("Laser 5"); }
    void setUp(QPrinter&) override { throw PrintFailure(PrintFailureKind::NoPrinter); }
};

// The width in pixels of the widest picture in a PDF, or -1 when pdfimages is not installed.
int pdfImageWidth(const QString& path)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty())
        return -1;
    QProcess p;
    p.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path});
    p.waitForFinished(20000);
    int widest = 0;
    const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split('\n');
    for (const QString& line : lines.mid(2)) {
        const QStringList cells = line.simplified().split(' ');
        if (cells.size() > 3)
            widest = std::max(widest, cells[3].toInt());
    }
    return widest;
}

// Keeps a printout for a look when KOVOLO_KEEP_PRINTS names a directory.
void keep(const QString& path, const QString& name)
{
    const QString dir = qEnvironmentVariable("KOVOLO_KEEP_PRINTS");
    if (!dir.isEmpty()) {
        QFile::remove(QDir(dir).filePath(name));
        QFile::copy(path, QDir(dir).filePath(name));
    }
}

// Stand-in of a tool window: a title, a result, a heading label and its buttons, all named as
// on the real windows.
struct ToolStandIn {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLabel* heading = nullptr;
    QPushButton* go = nullptr;
    QPushButton* quit = nullptr;
    QPushButton* print = nullptr;

    explicit ToolStandIn(const QString& headingText)
    {
        window->setObjectName("frmRCu");
        window->setWindowTitle(QStringLiteral(" R Cu berechnen"));
        auto* column = new QVBoxLayout(window.get());
        heading = new QLabel(headingText, window.get());
        heading->setObjectName("Label12");
        column->addWidget(heading);
        auto* result = new QLabel(QStringLiteral("Widerstand  0.1234 Ohm"), window.get());
        result->setObjectName("Label3");
        column->addWidget(result);
        go = new QPushButton(QStringLiteral("=>"), window.get());
        go->setObjectName("Command1");
        quit = new QPushButton(QStringLiteral("&Beenden"), window.get());
        quit->setObjectName("Command2");
        print = new QPushButton(QStringLiteral("&Drucken"), window.get());
        print->setObjectName("Command3");
        for (QPushButton* b : {go, quit, print})
            column->addWidget(b);
        window->resize(320, 220);
    }
    ToolPrintJob job(HeadingAfterPrint afterwards, bool withoutBlank = false) const
    {
        return {window.get(), heading, afterwards, {go, quit, print}, withoutBlank};
    }
    bool buttonsVisible() const
    {
        return go->isVisible() && quit->isVisible() && print->isVisible();
    }
};

} // namespace

class TestGuiPrint : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString pdfPath() const { return dir.filePath(QStringLiteral("page.pdf")); }

    static QStringList tabCaptions(QTabWidget* tabs)
    {
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
        return captions;
    }
    static void showWindow(QWidget* w)
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }

private slots:
    void init()
    {
        resetGlobals();
        QFile::remove(pdfPath());
    }
    void cleanup()
    {
        setPrintTarget(nullptr);
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }

    // --- the main window ----------------------------------------------------------------------

    void mainWindowPromptByLanguageAndCancel_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("deutsch") << "deutsch"
                                 << "Drucker "
                                 << "Drucker bereit?";
        QTest::newRow("franz") << "franz"
                               << "Imprimeur " << QString::fromUtf8("Imprimante Prêt?");
        QTest::newRow("span") << "span"
                              << "Impresora " << QString::fromUtf8("¿Impresora preparada?");
        QTest::newRow("cz") << "cz" << QString::fromUtf8("Tiskárna ")
                            << QString::fromUtf8("Připraven tiskárna?");
        QTest::newRow("unknown") << "x"
                                 << "Printer "
                                 << "Ready printer?";
    }
    void mainWindowPromptByLanguageAndCancel()
    {
        QFETCH(QString, code);
        QFETCH(QString, title);
        QFETCH(QString, prompt);
        globals().currentLanguage = code.toStdString();
        MainWindow window;
        showWindow(&window);
        auto* target = new WatchingTarget(pdfPath(), {});
        setPrintTarget(std::unique_ptr<PrintTarget>(target));
        auto* tabs = window.findChild<QTabWidget*>("tbsOptions");
        const QStringList before = tabCaptions(tabs);
        auto* print = window.findChild<QPushButton*>("cmdCancel");
        QVERIFY(print->isEnabled());

        BoxAnswerer answers({"Cancel"});
        QTest::mouseClick(print, Qt::LeftButton);
        QCOMPARE(answers.shown.size(), 1);
        QCOMPARE(answers.shown[0].title, title);
        QCOMPARE(answers.shown[0].text, prompt);
        QCOMPARE(answers.shown[0].icon, QStringLiteral("ImageStop"));
        QVERIFY(answers.shown[0].cancelOffered);
        // Cancel prints nothing and changes nothing.
        QCOMPARE(target->pages, 0);
        QVERIFY(!QFile::exists(pdfPath()));
        QCOMPARE(tabCaptions(tabs), before);
        QVERIFY(print->isVisible());
        QVERIFY(!globals().printingInProgress);
    }

    void mainWindowPrintsTheSelectedTab()
    {
        MainWindow window;
        showWindow(&window);
        window.selectTab(2);
        auto* tabs = window.findChild<QTabWidget*>("tbsOptions");
        const QStringList before = tabCaptions(tabs);
        QStringList captionsWhilePrinting;
        QStringList visibleButtonsWhilePrinting;
        bool flagWhilePrinting = false;
        auto* target = new WatchingTarget(pdfPath(), [&] {
            captionsWhilePrinting = tabCaptions(tabs);
            for (const char* name : {"cmdCancel", "cmdOK"})
                if (window.findChild<QWidget*>(name)->isVisible())
                    visibleButtonsWhilePrinting << QString::fromLatin1(name);
            flagWhilePrinting = globals().printingInProgress;
            // A print button pressed while a print runs does nothing (no second prompt).
            printMainWindow(&window);
        });
        setPrintTarget(std::unique_ptr<PrintTarget>(target));

        BoxAnswerer answers({"OK"});
        QTest::mouseClick(window.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        QCOMPARE(answers.shown.size(), 1); // the prompt only: no error
        QCOMPARE(target->pages, 1);
        QCOMPARE(captionsWhilePrinting, (QStringList{"", before[1], "", "", "", "", ""}));
        QVERIFY(visibleButtonsWhilePrinting.isEmpty());
        QVERIFY(flagWhilePrinting);

        // Afterwards everything is back.
        QCOMPARE(tabCaptions(tabs), before);
        QVERIFY(window.findChild<QWidget*>("cmdCancel")->isVisible());
        QVERIFY(window.findChild<QWidget*>("cmdOK")->isVisible());
        QVERIFY(!globals().printingInProgress);
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(window.selectedTab(), 2);

        QVERIFY(QFileInfo(pdfPath()).size() > 1000);
        keep(pdfPath(), QStringLiteral("main-window.pdf"));
        // The window is drawn at the printer's resolution, not copied from the screen.
        const int width = pdfImageWidth(pdfPath());
        if (width < 0)
            QSKIP("pdfimages is not installed");
        QVERIFY2(width >= 3 * window.centralWidget()->width(), qPrintable(QString::number(width)));
    }

    // A maximised window is printed in its normal state.
    void maximisedWindowPrintsNormal()
    {
        MainWindow window;
        window.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (!window.isMaximized())
            QSKIP("this platform does not maximise windows");
        bool maximisedWhilePrinting = true;
        setPrintTarget(std::make_unique<WatchingTarget>(
            pdfPath(), [&] { maximisedWhilePrinting = window.isMaximized(); }));
        BoxAnswerer answers({"OK"});
        QTest::mouseClick(window.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        QVERIFY(!maximisedWhilePrinting);
    }

    // A tab change that arrives while the window prints leaves the results alone.
    void resultsSurviveATabChangeWhilePrinting()
    {
        MainWindow window;
        showWindow(&window);
        window.selectTab(2);
        window.findChild<QLineEdit*>("Text6")->setText("10");
        QTest::mouseClick(window.findChild<QPushButton*>("CommandWdg0"), Qt::LeftButton);
        auto* turns = window.findChild<QLabel*>("Label44");
        QCOMPARE(turns->text(), QStringLiteral("46"));
        setPrintTarget(pdfFileTarget(pdfPath()));

        // Queued when the prompt is answered: it runs while the window prints.
        BoxAnswerer answers({"OK"}, [&] {
            QMetaObject::invokeMethod(
                &window, [&] { window.selectTab(6); }, Qt::QueuedConnection);
        });
        QTest::mouseClick(window.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        QCOMPARE(window.selectedTab(), 6);
        QCOMPARE(turns->text(), QStringLiteral("46"));
        QVERIFY(!globals().printingInProgress);
        // Without a print running, the same change empties the results of the unknown core.
        window.selectTab(2);
        window.selectTab(6);
        QCOMPARE(turns->text(), QString());
    }

    void mainWindowFailure_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("description");
        QTest::newRow("no printer, OK") << "none"
                                        << "OK"
                                        << "Es ist kein Drucker eingerichtet.";
        QTest::newRow("no printer, Cancel") << "none"
                                            << "Cancel"
                                            << "Es ist kein Drucker eingerichtet.";
        QTest::newRow("printer does not begin, OK")
            << "begin"
            << "OK"
            << "Der Drucker hat den Auftrag nicht angenommen.";
    }
    void mainWindowFailure()
    {
        QFETCH(QString, kind);
        QFETCH(QString, answer);
        QFETCH(QString, description);
        MainWindow window;
        showWindow(&window);
        window.selectTab(6);
        auto* tabs = window.findChild<QTabWidget*>("tbsOptions");
        const QStringList before = tabCaptions(tabs);
        if (kind == "none")
            setPrintTarget(std::make_unique<FailingTarget>());
        else // a PDF in a folder that does not exist: the painter does not begin
            setPrintTarget(pdfFileTarget(dir.filePath("missing/folder/page.pdf"), "Laser 5"));

        BoxAnswerer answers({"OK", answer});
        QTest::mouseClick(window.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        QCOMPARE(answers.shown.size(), 2);
        const Shown& error = answers.shown[1];
        QCOMPARE(error.title, QStringLiteral("Drucker-Fehler Laser 5"));
        QCOMPARE(error.text, description);
        QCOMPARE(error.icon, QStringLiteral("ImageAusruf"));
        QVERIFY(error.cancelOffered);

        // OK goes on to the end, Cancel ends at once: both leave the window as it was.
        QCOMPARE(tabCaptions(tabs), before);
        for (const char* name : {"cmdCancel", "cmdOK"})
            QVERIFY2(window.findChild<QWidget*>(name)->isVisible(), name);
        QVERIFY(!globals().printingInProgress);
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(window.selectedTab(), 6);
    }

    void errorTitleByLanguage()
    {
        globals().currentLanguage = "span";
        MainWindow window;
        showWindow(&window);
        setPrintTarget(std::make_unique<FailingTarget>());
        BoxAnswerer answers({"OK", "OK"});
        QTest::mouseClick(window.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        QCOMPARE(answers.shown.size(), 2);
        QCOMPARE(answers.shown[1].title, QString::fromUtf8("Error de impresión Laser 5"));
        QCOMPARE(answers.shown[1].text,
                 QString::fromUtf8("No hay ninguna impresora instalada en este ordenador."));
    }

    void defaultPrinterWithoutPrinters()
    {
        if (!QPrinterInfo::availablePrinterNames().isEmpty())
            QSKIP("this computer has a printer");
        std::unique_ptr<PrintTarget> target = defaultPrinterTarget();
        QCOMPARE(target->printerName(), QString());
        QPrinter printer;
        try {
            target->setUp(printer);
            QFAIL("no failure without a printer");
        } catch (const PrintFailure& failure) {
            QCOMPARE(int(failure.kind()), int(PrintFailureKind::NoPrinter));
        }
    }

    // --- a tool window ------------------------------------------------------------------------

    void toolWindowHeading_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("afterwards");
        QTest::addColumn<bool>("withoutBlank");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("labelAfter");
        QTest::addColumn<bool>("labelVisibleAfter");
        const QString hint = QStringLiteral("hint");
        QTest::newRow("French, emptied") << "franz" << int(HeadingAfterPrint::Empty) << false
                                         << "Calcul:  R Cu berechnen" << QString() << true;
        QTest::newRow("German, put back") << "deutsch" << int(HeadingAfterPrint::PutBack) << false
                                          << "Berechnung:  R Cu berechnen" << hint << true;
        QTest::newRow("Spanish, no blank")
            << "span" << int(HeadingAfterPrint::PutBack) << true
            << QString::fromUtf8("Cálculo: R Cu berechnen") << hint << true;
        QTest::newRow("Czech, hidden") << "cz" << int(HeadingAfterPrint::Hide) << false
                                       << "Kalkulace:  R Cu berechnen" << QString() << false;
        QTest::newRow("unknown code") << "??" << int(HeadingAfterPrint::Empty) << false
                                      << "Calculation:  R Cu berechnen" << QString() << true;
    }
    void toolWindowHeading()
    {
        QFETCH(QString, code);
        QFETCH(int, afterwards);
        QFETCH(bool, withoutBlank);
        QFETCH(QString, heading);
        QFETCH(QString, labelAfter);
        QFETCH(bool, labelVisibleAfter);
        globals().currentLanguage = code.toStdString();
        ToolStandIn tool(afterwards == int(HeadingAfterPrint::Hide) ? QString() : "hint");
        if (afterwards == int(HeadingAfterPrint::Hide))
            tool.heading->hide();
        showWindow(tool.window.get());
        QString headingWhilePrinting;
        bool headingShown = false;
        bool buttonsHidden = false;
        setPrintTarget(std::make_unique<WatchingTarget>(pdfPath(), [&] {
            headingWhilePrinting = tool.heading->text();
            headingShown = tool.heading->isVisible();
            buttonsHidden =
                !tool.go->isVisible() && !tool.quit->isVisible() && !tool.print->isVisible();
        }));
        QObject::connect(tool.print, &QPushButton::clicked, [&] {
            printToolWindow(tool.job(HeadingAfterPrint(afterwards), withoutBlank));
        });

        BoxAnswerer answers({"OK"});
        QTest::mouseClick(tool.print, Qt::LeftButton);
        QCOMPARE(answers.shown.size(), 1);
        QCOMPARE(answers.shown[0].icon, QStringLiteral("ImageStop"));
        QCOMPARE(headingWhilePrinting, heading);
        QVERIFY(headingShown);
        QVERIFY(buttonsHidden);
        QVERIFY(QFile::exists(pdfPath()));

        QCOMPARE(tool.heading->text().isEmpty() ? QString() : tool.heading->text(), labelAfter);
        QCOMPARE(tool.heading->isVisible(), labelVisibleAfter);
        QVERIFY(tool.buttonsVisible());
        QVERIFY(!globals().printingInProgress);
    }

    // The real AL window, wired to the print procedure.
    void alWindowPrints()
    {
        globals().currentLanguage = "franz";
        tools::AlWindow window;
        showWindow(&window);
        auto* heading = window.findChild<QLabel*>("lblPrint");
        QVERIFY(!heading->isVisible());
        QString headingWhilePrinting;
        QStringList visibleButtons;
        setPrintTarget(std::make_unique<WatchingTarget>(pdfPath(), [&] {
            headingWhilePrinting = heading->isVisible() ? heading->text() : QString();
            for (const char* name : {"Command1", "Command2", "Command3"})
                if (window.findChild<QWidget*>(name)->isVisible())
                    visibleButtons << name;
        }));
        BoxAnswerer answers({"OK"});
        QTest::mouseClick(window.findChild<QPushButton*>("Command3"), Qt::LeftButton);
        QCOMPARE(answers.shown.size(), 1);
        QCOMPARE(answers.shown[0].text, QString::fromUtf8("Imprimante Prêt?"));
        QCOMPARE(headingWhilePrinting, "Calcul: " + window.windowTitle());
        QVERIFY(visibleButtons.isEmpty());
        QVERIFY(QFile::exists(pdfPath()));
        QVERIFY(!heading->isVisible());
        for (const char* name : {"Command1", "Command2", "Command3"})
            QVERIFY2(window.findChild<QWidget*>(name)->isVisible(), name);
    }

    // The real copper-resistance window in French: "Calcul: " and its title, Label12 empty
    // afterwards; the resonant-circuit window in German: the heading in place of its hint,
    // and the hint back afterwards.
    void realToolWindowHeadings()
    {
        globals().currentLanguage = "franz";
        {
            tools::CopperResistanceWindow window;
            showWindow(&window);
            auto* label = window.findChild<QLabel*>("Label12");
            QString whilePrinting;
            setPrintTarget(std::make_unique<WatchingTarget>(
                pdfPath(), [&] { whilePrinting = label->text(); }));
            BoxAnswerer answers({"OK"});
            QTest::mouseClick(window.findChild<QPushButton*>("Command3"), Qt::LeftButton);
            QCOMPARE(whilePrinting, "Calcul: " + window.windowTitle());
            QCOMPARE(label->text(), QString());
            QVERIFY(window.findChild<QWidget*>("Command2")->isVisible());
        }
        globals().currentLanguage = "deutsch";
        {
            tools::ResonanceWindow window;
            showWindow(&window);
            auto* hint = window.findChild<QLabel*>("Label_Text");
            const QString before = hint->text();
            QCOMPARE(before, QString::fromUtf8("Das zu berechnende Feld muß frei bleiben!"));
            QString whilePrinting;
            setPrintTarget(
                std::make_unique<WatchingTarget>(pdfPath(), [&] { whilePrinting = hint->text(); }));
            BoxAnswerer answers({"OK"});
            QTest::mouseClick(window.findChild<QPushButton*>("Command3"), Qt::LeftButton);
            QCOMPARE(whilePrinting, "Berechnung: " + window.windowTitle());
            QCOMPARE(hint->text(), before);
            for (const char* name : {"Command1", "Command2", "Command3", "Command4"})
                QVERIFY2(window.findChild<QWidget*>(name)->isVisible(), name);
        }
    }

    void toolWindowPrintout()
    {
        ToolStandIn tool{QString()};
        showWindow(tool.window.get());
        setPrintTarget(pdfFileTarget(pdfPath()));
        BoxAnswerer answers({"OK"});
        printToolWindow(tool.job(HeadingAfterPrint::Empty));
        QCOMPARE(answers.shown.size(), 1);
        keep(pdfPath(), QStringLiteral("tool-window.pdf"));
        const int width = pdfImageWidth(pdfPath());
        if (width < 0)
            QSKIP("pdfimages is not installed");
        QVERIFY(width >= 3 * tool.window->width());
        QCOMPARE(tool.heading->text(), QString());
    }

    void toolWindowCancelChangesNothing()
    {
        ToolStandIn tool(QStringLiteral("hint"));
        showWindow(tool.window.get());
        setPrintTarget(pdfFileTarget(pdfPath()));
        BoxAnswerer answers({"Cancel"});
        printToolWindow(tool.job(HeadingAfterPrint::Empty));
        QCOMPARE(answers.shown.size(), 1);
        QVERIFY(!QFile::exists(pdfPath()));
        QCOMPARE(tool.heading->text(), QStringLiteral("hint"));
        QVERIFY(tool.buttonsVisible());
    }

    void toolWindowWithoutPrinter()
    {
        globals().currentLanguage = "englisch";
        ToolStandIn tool(QStringLiteral("hint"));
        showWindow(tool.window.get());
        setPrintTarget(std::make_unique<FailingTarget>());
        BoxAnswerer answers({"OK", "OK"});
        printToolWindow(tool.job(HeadingAfterPrint::PutBack));
        QCOMPARE(answers.shown.size(), 2);
        QCOMPARE(answers.shown[1].text,
                 QStringLiteral("No printer is set up on this computer.\r\n ERROR "));
        QCOMPARE(answers.shown[1].title, QString());
        QCOMPARE(answers.shown[1].icon, QStringLiteral("ImageKreuz"));
        QVERIFY(!answers.shown[1].cancelOffered);
        // Usable again: the buttons and the hint are back, and it prints once a printer exists.
        QVERIFY(tool.buttonsVisible());
        QCOMPARE(tool.heading->text(), QStringLiteral("hint"));
        setPrintTarget(pdfFileTarget(pdfPath()));
        BoxAnswerer again({"OK"});
        printToolWindow(tool.job(HeadingAfterPrint::PutBack));
        QVERIFY(QFile::exists(pdfPath()));
    }
};

QTEST_MAIN(TestGuiPrint)
#include "test_gui_print.moc"
