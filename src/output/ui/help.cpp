#include "output/ui/help.h"

#include "app/globals.h"
#include "app/ui/msgbox.h"
#include "output/desktopentry.h"
#include "output/helptexts.h"
#include "output/installpaths.h"
#include "output/ui/errorreport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace kovolo::output {

namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

// The desktop entry of a desktop id: "org.example.Viewer.desktop", or, as the desktop entry
// rules allow, "vendor-viewer.desktop" stored as "vendor/viewer.desktop".
QString locateDesktopEntry(const QString& id)
{
    QString found = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
    for (int dash = id.indexOf(QLatin1Char('-')); found.isEmpty() && dash > 0;
         dash = id.indexOf(QLatin1Char('-'), dash + 1)) {
        QString nested = id;
        nested[dash] = QLatin1Char('/');
        found = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, nested);
    }
    return found;
}

QString quotedIfBlank(const QString& word)
{
    if (!word.contains(QLatin1Char(' ')) && !word.contains(QLatin1Char('\t')))
        return word;
    QString escaped = word;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

std::unique_ptr<HelpPlatform>& platformSlot()
{
    static std::unique_ptr<HelpPlatform> platform;
    return platform;
}

} // namespace

QStringList HelpPlatform::documentDirectories() const
{
    const QString programDir = QDir::cleanPath(QCoreApplication::applicationDirPath());
    const QString installedDir = QDir::cleanPath(QStringLiteral(KOVOLO_INSTALL_DOCDIR));
    // A package installed under another prefix keeps the same layout beside the program.
    const QString relocatedDir = QDir::cleanPath(programDir + QStringLiteral("/../share/kovolo"));
    QStringList dirs;
    // An installed program (in the configured bin directory, or in the bin directory of a
    // package installed under another prefix) keeps its documents in the data directory.
    const bool installed = programDir == QDir::cleanPath(QStringLiteral(KOVOLO_INSTALL_BINDIR)) ||
                           QFileInfo(programDir).fileName() == QLatin1String("bin");
    if (installed)
        dirs = {relocatedDir, installedDir, programDir};
    else
        dirs = {programDir, installedDir, relocatedDir};
    dirs.removeDuplicates();
    return dirs;
}

Viewer HelpPlatform::findViewer(const QString& documentPath) const
{
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return {};
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"),
                          QStringLiteral("application/pdf")});
    if (!query.waitForFinished(5000)) {
        query.kill();
        query.waitForFinished(1000);
        return {};
    }
    const QString id = QString::fromLocal8Bit(query.readAllStandardOutput())
                           .section(QLatin1Char('\n'), 0, 0)
                           .trimmed();
    if (id.isEmpty())
        return {};
    QFile entry(locateDesktopEntry(id));
    if (!entry.open(QIODevice::ReadOnly))
        return {};
    const DesktopCommand command = desktopEntryCommand(entry.readAll().toStdString());
    Viewer viewer;
    viewer.program = qs(command.program);
    if (!viewer.program.isEmpty() && !QDir::isAbsolutePath(viewer.program))
        viewer.program = QStandardPaths::findExecutable(viewer.program);
    for (const std::string& option : command.options)
        viewer.options << qs(option);
    if (viewer.program == documentPath)
        return {};
    return viewer;
}

void HelpPlatform::start(const QString& commandLine)
{
    QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty())
        return;
    const QString program = words.takeFirst();
    QProcess::startDetached(program, words);
}

void setHelpPlatform(std::unique_ptr<HelpPlatform> platform)
{
    platformSlot() = std::move(platform);
}

HelpPlatform& helpPlatform()
{
    std::unique_ptr<HelpPlatform>& platform = platformSlot();
    if (!platform)
        platform = std::make_unique<HelpPlatform>();
    return *platform;
}

QString helpDocumentPath()
{
    const QString name = qs(helpDocumentName(globals().currentLanguage));
    const QStringList dirs = helpPlatform().documentDirectories();
    for (const QString& dir : dirs) {
        const QString path = QDir(dir).filePath(name);
        if (QFileInfo(path).isFile())
            return QDir::toNativeSeparators(path);
    }
    return QDir::toNativeSeparators(dirs.isEmpty() ? name : QDir(dirs.first()).filePath(name));
}

QString viewerCommandLine(const Viewer& viewer, const QString& documentPath)
{
    QStringList words{quotedIfBlank(viewer.program)};
    for (const QString& option : viewer.options)
        words << quotedIfBlank(option);
    // A quote inside the path is written as three, the way the command line is split again.
    QString path = documentPath;
    path.replace(QLatin1Char('"'), QStringLiteral("\"\"\""));
    words << qs(quotedDocumentPath(path.toStdString()));
    return words.join(QLatin1Char(' '));
}

void openHelp()
{
    const Globals& g = globals();
    QString path;
    skipOnFailure([&] { path = helpDocumentPath(); });

    if (!QFileInfo(path).isFile()) {
        const HelpMessage message =
            missingDocumentMessage(g.currentLanguage, path.toStdString(), g.lineBreak);
        showMessage(qs(message.text), 16, qs(message.title));
        return;
    }

    Viewer viewer;
    skipOnFailure([&] { viewer = helpPlatform().findViewer(path); });
    if (viewer.program.isEmpty() || !QFileInfo(viewer.program).isFile()) {
        const HelpMessage message =
            missingViewerMessage(g.currentLanguage, path.toStdString(), g.lineBreak);
        showMessage(qs(message.text), 16, qs(message.title));
        return;
    }

    skipOnFailure([&] { helpPlatform().start(viewerCommandLine(viewer, path)); });
    QCoreApplication::processEvents();
}

} // namespace kovolo::output
