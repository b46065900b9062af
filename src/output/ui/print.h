#pragma once
// Printing of windows. A print button asks whether the printer is ready, prepares its window
// (buttons hidden, a heading or blanked tab captions), prints an image of the window on one
// page of the default printer, without a printer dialog, and puts the window back.
//
// The image is the window itself, drawn at the printer's resolution (text stays sharp), fitted
// to the page with its aspect kept: landscape for a wide window, portrait for a tall one,
// centred across the top of the page. For a main window the picture is its client area (the
// central widget, without the menu bar).

#include "output/printtexts.h"

#include <QList>
#include <QString>

#include <memory>
#include <stdexcept>

class QLabel;
class QPrinter;
class QWidget;

namespace kovolo::output {

// A print that cannot be made. The procedures show the description in the current language.
class PrintFailure : public std::runtime_error {
public:
    explicit PrintFailure(PrintFailureKind kind);
    PrintFailureKind kind() const { return kind_; }

private:
    PrintFailureKind kind_;
};

// Where the printed page goes: the program uses the system's default printer; tests put a PDF
// file (or a device that fails) in its place with setPrintTarget.
class PrintTarget {
public:
    virtual ~PrintTarget() = default;
    // Name of the current printer for the print-error title; empty when there is none.
    virtual QString printerName() const = 0;
    // Points `printer` at the device. Throws PrintFailure when there is nothing to print on.
    virtual void setUp(QPrinter& printer) = 0;
};

// The default printer: fails with NoPrinter when the system lists no printer.
std::unique_ptr<PrintTarget> defaultPrinterTarget();
// A PDF file at `path`, reported under `name`.
std::unique_ptr<PrintTarget> pdfFileTarget(const QString& path,
                                           const QString& name = QStringLiteral("PDF"));
// Replaces the target of every later print; nullptr goes back to the default printer.
void setPrintTarget(std::unique_ptr<PrintTarget> target);
PrintTarget& printTarget();

// Prints the image of `window` on one page of the current target. Throws PrintFailure
// (NoPrinter, CannotStart when the printer does not begin, PrintingFailed when it does not end).
void printWindowImage(QWidget* window);

// Asks "Drucker bereit?" (style 17, the title and prompt of the current language). True when
// the user answered OK.
bool confirmPrinterReady();

// True while a print procedure runs; a print button pressed meanwhile does nothing.
bool printProcedureRunning();

// --- The main window ------------------------------------------------------------------------

// The procedure of the main window's print button `cmdCancel`. `window` holds the tab strip
// `tbsOptions` and the buttons `cmdCancel`, `cmdOK` and (when the unknown-core panel has them)
// `Command1` and `Command2`, found by objectName. While it prints, `printingInProgress` is set,
// the captions of the unselected tabs are empty and the four buttons are hidden. A failure is
// shown with style 49 and the title "Drucker-Fehler " + printer name (per language): OK goes on
// with the next step; Cancel puts the window back at once (buttons, captions, pointer,
// printingInProgress) and ends.
void printMainWindow(QWidget* window);

// --- The tool windows -----------------------------------------------------------------------

// What becomes of the heading label once the tool window is printed.
enum class HeadingAfterPrint {
    Hide,    // frmAL, frmALZ: lblPrint is shown only while printing
    PutBack, // frmSchwingkreis: Label_Text gets its hint back
    Empty,   // frmRCu, frmUmrechnung: Label12 is empty afterwards (emptied before the
             // buttons are shown again)
};

struct ToolPrintJob {
    // The tool window; the heading is the heading word followed by its current title.
    QWidget* window = nullptr;
    // The label that carries the heading while the window prints (lblPrint, Label_Text,
    // Label12); it is shown while printing.
    QLabel* heading = nullptr;
    HeadingAfterPrint afterwards = HeadingAfterPrint::Hide;
    // The window's buttons, hidden while printing and shown again afterwards, the print button
    // among them.
    QList<QWidget*> buttons;
    // The resonant-circuit window writes the Spanish word as "Cálculo:" without the blank.
    bool headingWithoutTrailingBlank = false;
};

// The procedure of a tool window's print button (Command3, Command6 on frmUmrechnung):
// the prompt (Cancel: nothing changes), the heading, the buttons hidden, the print, pending
// events once, the buttons and the heading label back. A failing step shows its description,
// a line break and " ERROR " (style 0, empty title) and the procedure goes on with the next
// step, so the window is always put back.
//
// Wiring, e.g. on frmAL:
//   connect(Command3, &QPushButton::clicked, this, [this] {
//       output::printToolWindow({this, lblPrint, output::HeadingAfterPrint::Hide,
//                                {Command1, Command2, Command3}});
//   });
void printToolWindow(const ToolPrintJob& job);

} // namespace kovolo::output
