#pragma once
// Help: the PDF document of the current language, opened in the viewer the desktop has
// registered for PDF documents. The program has no viewer of its own and does not wait for it.

#include <QString>
#include <QStringList>

#include <memory>

namespace kovolo::output {

// The viewer the desktop has registered for a document: its program and the options that come
// before the document.
struct Viewer {
    QString program; // full path; empty when none is registered
    QStringList options;
};

// What the help command needs from the system; tests put a fake in its place.
class HelpPlatform {
public:
    virtual ~HelpPlatform() = default;
    // Where the documents lie, the preferred place first: the program's own directory, the
    // configured data directory and share/kovolo beside the program's bin directory; for an
    // installed program (one in a bin directory) the data directories come first.
    virtual QStringList documentDirectories() const;
    // The viewer registered for `documentPath` (xdg-mime and the desktop entry it names), or
    // an empty program.
    virtual Viewer findViewer(const QString& documentPath) const;
    // Starts the command line detached; nothing waits for it.
    virtual void start(const QString& commandLine);
};

// Replaces the platform of every later help command; nullptr goes back to the system's.
void setHelpPlatform(std::unique_ptr<HelpPlatform> platform);
HelpPlatform& helpPlatform();

// The document of the current language: the first directory that holds it, or, when none does,
// the path in the preferred directory.
QString helpDocumentPath();

// The command line that opens a document: the viewer (quoted when it has blanks), its options
// and the document's path, quoted when it names a PDF file.
QString viewerCommandLine(const Viewer& viewer, const QString& documentPath);

// The Help command (F1): the document-missing message (style 16) when the document is not
// there, the viewer-missing message (style 16) when no viewer is registered or the registered
// program does not exist, otherwise the viewer starts with the document.
void openHelp();

} // namespace kovolo::output
