// Builds one help document: reads the manual's text (Markdown) of one language and writes it as
// a PDF, with pictures of the program's own windows drawn in that language, so the pictures
// always show the windows as they are.
//
//   kovolo_makemanual <language code> <manual.md> <output.pdf>
//
// The first heading of the text is the document's title. A picture is a line of its own,
// "![caption](window:KEY)", with KEY from the table `pictures` below; a picture whose KEY the
// table does not hold is left out, so the text may name windows before they exist.

#include "app/globals.h"
#include "app/ui/mainwindow.h"
#include "i18n/ui/language.h"
#include "tools/ui/alwindow.h"
#include "tools/ui/alzwindow.h"
#include "tools/ui/conversionwindow.h"
#include "tools/ui/copperresistancewindow.h"
#include "tools/ui/resonancewindow.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

namespace {

using WindowFactory = std::function<std::unique_ptr<QWidget>()>;

std::unique_ptr<QWidget> mainWindowOnTab(int tab)
{
    auto window = std::make_unique<kovolo::MainWindow>();
    window->selectTab(tab);
    return window;
}

// The example of the manuals: T-50 in mix 2, 10 µH, a wire of 0.4 mm.
std::unique_ptr<QWidget> mainWindowWithTurns()
{
    std::unique_ptr<QWidget> window = mainWindowOnTab(2);
    auto* inductance = window->findChild<QLineEdit*>(QStringLiteral("Text6"));
    auto* wire = window->findChild<QLineEdit*>(QStringLiteral("Text10"));
    auto* go = window->findChild<QPushButton*>(QStringLiteral("CommandWdg0"));
    if (inductance && wire && go) {
        inductance->setText(QStringLiteral("10"));
        wire->setText(QStringLiteral("0.4"));
        go->click();
    }
    return window;
}

// The windows the manuals show. A tool window joins with one line:
//   {"frmAL", [] { return std::unique_ptr<QWidget>(new kovolo::tools::AlWindow); }},
const struct {
    const char* key;
    WindowFactory make;
} pictures[] = {
    {"main-ferrite", [] { return mainWindowOnTab(1); }},
    {"main-iron", mainWindowWithTurns},
    {"main-unknown", [] { return mainWindowOnTab(6); }},
    {"main-aircoil", [] { return mainWindowOnTab(7); }},
    {"frmAL", [] { return std::unique_ptr<QWidget>(new kovolo::tools::AlWindow); }},
    {"frmALZ", [] { return std::unique_ptr<QWidget>(new kovolo::tools::AlzWindow); }},
    {"frmSchwingkreis",
     [] { return std::unique_ptr<QWidget>(new kovolo::tools::ResonanceWindow); }},
    {"frmRCu", [] { return std::unique_ptr<QWidget>(new kovolo::tools::CopperResistanceWindow); }},
    {"frmUmrechnung", [] { return std::unique_ptr<QWidget>(new kovolo::tools::ConversionWindow); }},
};

// Sharp enough for paper and screen, small enough to keep the documents light.
constexpr qreal pictureScale = 2.0;

QImage drawWindow(const WindowFactory& make, const std::string& language)
{
    std::unique_ptr<QWidget> window = make();
    // Every window shows the captions of the manual's language.
    kovolo::i18n::applyLanguage(language);
    window->show();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    QImage image(window->size() * pictureScale, QImage::Format_RGB32);
    image.setDevicePixelRatio(pictureScale);
    image.fill(Qt::white);
    QPainter painter(&image);
    window->render(&painter);
    painter.end();
    window->close();
    return image;
}

const WindowFactory* findPicture(const QString& key)
{
    for (const auto& picture : pictures)
        if (key == QLatin1String(picture.key))
            return &picture.make;
    return nullptr;
}

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "kovolo_makemanual: %s\n", qPrintable(message));
    std::exit(1);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 4)
        fail(QStringLiteral("usage: kovolo_makemanual <language code> <manual.md> <output.pdf>"));
    const std::string language = argv[1];
    const QString source = QString::fromLocal8Bit(argv[2]);
    const QString output = QString::fromLocal8Bit(argv[3]);

    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read ") + source);
    QString markdown = QString::fromUtf8(file.readAll());

    kovolo::globals().currentLanguage = language;

    // Pictures of windows: drawn for those the table knows, left out for the others.
    QTextDocument document;
    static const QRegularExpression pictureLine(
        QStringLiteral(R"(^!\[([^\]]*)\]\(window:([A-Za-z0-9_-]+)\)[ \t]*$)"),
        QRegularExpression::MultilineOption);
    QStringList unknown;
    QList<QPair<QString, QImage>> drawn;
    for (auto it = pictureLine.globalMatch(markdown); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString key = match.captured(2);
        if (const WindowFactory* make = findPicture(key))
            drawn.append({key, drawWindow(*make, language)});
        else
            unknown << key;
    }
    for (const QString& key : unknown)
        markdown.remove(QRegularExpression(QStringLiteral(R"(^!\[[^\]]*\]\(window:)") +
                                               QRegularExpression::escape(key) +
                                               QStringLiteral(R"(\)[ \t]*\n?)"),
                                           QRegularExpression::MultilineOption));

    static const QRegularExpression titleLine(QStringLiteral(R"(^#\s+(.+)$)"),
                                              QRegularExpression::MultilineOption);
    const QString title = titleLine.match(markdown).captured(1).trimmed();
    if (title.isEmpty())
        fail(source + QStringLiteral(" has no title heading"));

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setMarkdown(markdown);
    // Setting the text empties the document's resources: the pictures go in afterwards.
    for (const auto& [key, image] : drawn)
        document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("window:") + key),
                             image);

    QPdfWriter writer(output);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Kovolo"));
    writer.setResolution(300);
    writer.setPageSize(QPageSize(QPageSize::A4));
    // Printing a document adds a margin of 2 cm of its own on every side.
    writer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);

    // A picture spans at most the width of the text, its aspect kept.
    const qreal textWidth =
        (writer.pageLayout().paintRect(QPageLayout::Inch).width() - 4.0 / 2.54) * 96.0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            const QImage image =
                document.resource(QTextDocument::ImageResource, format.name()).value<QImage>();
            if (image.isNull())
                continue;
            const QSizeF size = image.deviceIndependentSize();
            const qreal width = std::min(textWidth, size.width());
            format.setWidth(width);
            format.setHeight(size.height() * width / size.width());
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }

    document.print(&writer);
    if (!QFile::exists(output))
        fail(QStringLiteral("cannot write ") + output);
    return 0;
}
