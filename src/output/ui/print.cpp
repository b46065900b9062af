#include "output/ui/print.h"

#include "app/globals.h"
#include "app/ui/msgbox.h"
#include "app/ui/pointer.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTabWidget>

#include <algorithm>
#include <vector>

namespace kovolo::output {

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

class DefaultPrinterTarget : public PrintTarget {
public:
    QString printerName() const override
    {
        const QString name = QPrinterInfo::defaultPrinterName();
        if (!name.isEmpty())
            return name;
        const QStringList names = QPrinterInfo::availablePrinterNames();
        return names.isEmpty() ? QString() : names.first();
    }
    void setUp(QPrinter& printer) override
    {
        // With no printer Qt quietly falls back to a PDF file without a name; that is no
        // printer for the user.
        const QString name = printerName();
        if (name.isEmpty())
            throw PrintFailure(PrintFailureKind::NoPrinter);
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(name);
    }
};

class PdfFileTarget : public PrintTarget {
public:
    PdfFileTarget(QString path, QString name) : path_(std::move(path)), name_(std::move(name)) {}
    QString printerName() const override { return name_; }
    void setUp(QPrinter& printer) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path_);
    }

private:
    QString path_;
    QString name_;
};

std::unique_ptr<PrintTarget>& targetSlot()
{
    static std::unique_ptr<PrintTarget> target;
    return target;
}

bool running = false;

constexpr int printResolution = 300;

// Marks a print procedure as running for its lifetime.
struct RunningMark {
    RunningMark() { running = true; }
    ~RunningMark() { running = false; }
    RunningMark(const RunningMark&) = delete;
    RunningMark& operator=(const RunningMark&) = delete;
};

// The description of whatever a print step threw, in the current language.
QString failureDescription(std::exception_ptr failure)
{
    const std::string& code = globals().currentLanguage;
    try {
        std::rethrow_exception(failure);
    } catch (const PrintFailure& e) {
        return qs(printFailureDescription(e.kind(), code));
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
    }
    return qs(printFailureDescription(PrintFailureKind::PrintingFailed, code));
}

// Runs one step; returns the failure it threw, or nullptr.
template <class Step> std::exception_ptr attempt(Step&& step) noexcept
{
    try {
        step();
        return nullptr;
    } catch (...) {
        return std::current_exception();
    }
}

void setBusyPointer()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

} // namespace

PrintFailure::PrintFailure(PrintFailureKind kind)
    : std::runtime_error(printFailureDescription(kind, "englisch")), kind_(kind)
{
}

std::unique_ptr<PrintTarget> defaultPrinterTarget()
{
    return std::make_unique<DefaultPrinterTarget>();
}

std::unique_ptr<PrintTarget> pdfFileTarget(const QString& path, const QString& name)
{
    return std::make_unique<PdfFileTarget>(path, name);
}

void setPrintTarget(std::unique_ptr<PrintTarget> target)
{
    targetSlot() = std::move(target);
}

PrintTarget& printTarget()
{
    std::unique_ptr<PrintTarget>& target = targetSlot();
    if (!target)
        target = defaultPrinterTarget();
    return *target;
}

void printWindowImage(QWidget* window)
{
    if (!window)
        throw PrintFailure(PrintFailureKind::PrintingFailed);
    QWidget* content = window;
    if (auto* main = qobject_cast<QMainWindow*>(window); main && main->centralWidget())
        content = main->centralWidget();
    // Hidden buttons and a new heading must be laid out before the picture is taken.
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QSize size = content->size();
    if (size.isEmpty())
        throw PrintFailure(PrintFailureKind::PrintingFailed);

    QPrinter printer(QPrinter::HighResolution);
    printTarget().setUp(printer);
    // 300 dots per inch: sharp on paper, and the picture of a page stays a few dozen megabytes
    // while it is made.
    printer.setResolution(printResolution);
    printer.setDocName(window->windowTitle().trimmed());
    printer.setPageOrientation(size.width() > size.height() ? QPageLayout::Landscape
                                                            : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer))
        throw PrintFailure(PrintFailureKind::CannotStart);
    // The painter's origin is the top left corner of the printable area.
    const QSize page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const double scale =
        std::min(page.width() / double(size.width()), page.height() / double(size.height()));
    painter.translate((page.width() - size.width() * scale) / 2.0, 0);
    painter.scale(scale, scale);
    // On a printer the window is drawn into a picture at the painter's scale, that is at the
    // printer's resolution, so its text stays sharp on paper.
    content->render(&painter, QPoint(), QRegion(),
                    QWidget::DrawWindowBackground | QWidget::DrawChildren);
    if (!painter.end())
        throw PrintFailure(PrintFailureKind::PrintingFailed);
}

bool confirmPrinterReady()
{
    const PrintPrompt prompt = printPrompt(globals().currentLanguage);
    return showMessage(qs(prompt.prompt), 17, qs(prompt.title)) == 1;
}

bool printProcedureRunning()
{
    return running;
}

void printMainWindow(QWidget* window)
{
    if (running || !window)
        return;
    RunningMark mark;
    QPointer<QWidget> guard(window);
    if (!confirmPrinterReady() || !guard)
        return;

    Globals& g = globals();
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("tbsOptions"));
    std::vector<QPointer<QWidget>> buttons;
    for (const char* name : {"cmdCancel", "cmdOK", "Command1", "Command2"})
        if (auto* button = window->findChild<QWidget*>(QString::fromLatin1(name)))
            buttons.emplace_back(button);
    QStringList captions;

    // Puts the window back; runs at the end and after Cancel at an error message.
    auto putBack = [&] {
        for (const QPointer<QWidget>& button : buttons)
            if (button)
                button->show();
        if (guard && tabs)
            for (int i = 0; i < captions.size() && i < tabs->count(); ++i)
                tabs->setTabText(i, captions[i]);
    };
    auto finish = [&] {
        putBack();
        restoreNormalPointer();
        g.printingInProgress = false;
    };

    // Runs a step; a failure is reported. Returns false when the user chose Cancel (or the
    // window went away meanwhile) and the procedure must end.
    auto step = [&](auto&& body) {
        std::exception_ptr failure = attempt(body);
        if (!failure)
            return bool(guard);
        restoreNormalPointer();
        const QString title =
            qs(printErrorTitleWord(g.currentLanguage)) + printTarget().printerName();
        if (showMessage(failureDescription(failure), 49, title) != 1 || !guard)
            return false;
        setBusyPointer();
        QCoreApplication::processEvents();
        return bool(guard);
    };

    g.printingInProgress = true;
    const bool completed =
        step([&] {
            if (!tabs)
                return;
            const int selected = tabs->currentIndex();
            for (int i = 0; i < tabs->count(); ++i) {
                captions << tabs->tabText(i);
                if (i != selected)
                    tabs->setTabText(i, QString());
            }
        }) &&
        step([&] {
            if (auto* ok = window->findChild<QWidget*>(QStringLiteral("cmdOK")))
                ok->setFocus();
            for (const QPointer<QWidget>& button : buttons)
                if (button)
                    button->hide();
        }) &&
        step([&] {
            if (window->isMinimized() || window->isMaximized() || window->isFullScreen())
                window->showNormal();
        }) &&
        step([] { QCoreApplication::processEvents(); }) &&
        step([&] { printWindowImage(window); }) && step(setBusyPointer) && step([&] {
            for (const QPointer<QWidget>& button : buttons)
                if (button)
                    button->show();
        }) &&
        step([&] { putBack(); }) && step([] {
            setBusyPointer();
            QCoreApplication::processEvents();
        });
    (void)completed;
    finish();
}

void printToolWindow(const ToolPrintJob& job)
{
    if (running || !job.window)
        return;
    RunningMark mark;
    QPointer<QWidget> window(job.window);
    QPointer<QLabel> heading(job.heading);
    std::vector<QPointer<QWidget>> buttons(job.buttons.cbegin(), job.buttons.cend());
    if (!confirmPrinterReady() || !window)
        return;

    const std::string& code = globals().currentLanguage;
    auto step = [&](auto&& body) {
        if (std::exception_ptr failure = attempt(body)) {
            restoreNormalPointer();
            showMessage(failureDescription(failure) + qs(globals().lineBreak) +
                            QStringLiteral(" ERROR "),
                        0, QString());
        }
    };
    auto showButtons = [&] {
        for (const QPointer<QWidget>& button : buttons)
            if (button)
                button->show();
    };

    QString savedText;
    bool headingWasVisible = false;
    QString text;
    step([&] {
        text = qs(printHeadingWord(code, job.headingWithoutTrailingBlank)) + window->windowTitle();
    });
    step([&] {
        if (!heading)
            return;
        savedText = heading->text();
        headingWasVisible = heading->isVisibleTo(window);
        heading->setText(text);
        heading->show();
    });
    step([&] {
        for (const QPointer<QWidget>& button : buttons)
            if (button)
                button->hide();
    });
    step([&] { printWindowImage(window); });
    step([] { QCoreApplication::processEvents(); });
    step([&] {
        if (job.afterwards == HeadingAfterPrint::Empty && heading)
            heading->clear();
        showButtons();
        if (!heading)
            return;
        switch (job.afterwards) {
        case HeadingAfterPrint::Hide:
            heading->setText(savedText);
            heading->hide();
            break;
        case HeadingAfterPrint::PutBack:
            heading->setText(savedText);
            heading->setVisible(headingWasVisible);
            break;
        case HeadingAfterPrint::Empty:
            heading->setVisible(headingWasVisible);
            break;
        }
    });
}

} // namespace kovolo::output
