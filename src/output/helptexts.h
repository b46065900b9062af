#pragma once
// The help documents: one PDF per language, the two messages of the Help command and the
// command line that opens a document in the registered viewer.

#include <string>
#include <vector>

namespace kovolo::output {

// File names of the six documents, German first ("kovolo13_d.pdf" ... "kovolo13_cz.pdf").
const std::vector<std::string>& helpDocumentNames();

// The document of a language code: "kovolo13_d.pdf" for "deutsch", ..., "kovolo13_e.pdf" for
// "englisch" and every unknown code.
std::string helpDocumentName(const std::string& languageCode);

struct HelpMessage {
    std::string text;
    std::string title;
};

// No document at `path`: first line, the path, third and fourth line, each on its own line;
// title " Datei nicht gefunden " and its translations (English for Italian, Czech and unknown
// codes).
HelpMessage missingDocumentMessage(const std::string& languageCode, const std::string& path,
                                   const std::string& lineBreak);

// No viewer registered for the document: first line, second line, the path, each followed by a
// line break; title " Hilfe " and its translations.
HelpMessage missingViewerMessage(const std::string& languageCode, const std::string& path,
                                 const std::string& lineBreak);

// The document's path as the viewer's command line gets it: wrapped in double quotes when it
// names a PDF file (".pdf" in any case), so that a path with blanks stays one argument.
std::string quotedDocumentPath(const std::string& path);

} // namespace kovolo::output
