#include "output/helptexts.h"

#include <algorithm>
#include <cctype>

namespace kovolo::output {

namespace {

struct ViewerTexts {
    const char* code;
    const char* fileName;
    const char* first;
    const char* second;
    const char* title;
};

// The last row serves "englisch" and every code that is none of the six.
const ViewerTexts viewerTexts[] = {
    {"deutsch", "kovolo13_d.pdf", "Acrobat Reader o.\u00e4. nicht gefunden!",
     "Hilfe finden Sie in der Datei ", " Hilfe "},
    {"franz", "kovolo13_f.pdf",
     "Acrobat Reader ou un logiciel \u00e9quivalent n'a pas \u00e9t\u00e9 trouv\u00e9.",
     "Vous trouverez de l'aide dans le document ", " Aide "},
    {"span", "kovolo13_sp.pdf", "\u00a1No encuentro el Acrobat Reader!",
     "Encuentre ayuda en el archivo ", " Help "},
    {"ital", "kovolo13_i.pdf", "Acrobat Reader not found!", "For help use file ", " Aiuto "},
    {"cz", "kovolo13_cz.pdf", "Acrobat Reader not found!", "For help use file ", " Pomoc "},
    {"englisch", "kovolo13_e.pdf", "Acrobat Reader not found!", "For help use file ", " Help "},
};

const ViewerTexts& viewerTextsOf(const std::string& code)
{
    for (const ViewerTexts& t : viewerTexts)
        if (code == t.code)
            return t;
    return viewerTexts[std::size(viewerTexts) - 1];
}

struct MissingTexts {
    const char* code;
    const char* first;
    const char* third;
    const char* fourth;
    const char* title;
};

// The English row serves Italian, Czech and every unknown code.
const MissingTexts missingTexts[] = {
    {"deutsch", "Die Datei ", "ist nicht vorhanden!", "Bitte selbst nach der Datei suchen.",
     " Datei nicht gefunden "},
    {"franz", "Le fichier ", "n'existe pas! ", "Rechercher, SVP le fichier par vous-m\u00eame. ",
     " Fichier non trouv\u00e9e! "},
    {"span", "\u00a1El archivo ", "no existe! ", "Busque el archivo usted mismo.",
     " Archivo no encontrado "},
    {"englisch", "File ", "not found. File xyz does not exist!", "Please look for the file.",
     " File not found "},
};

const MissingTexts& missingTextsOf(const std::string& code)
{
    for (const MissingTexts& t : missingTexts)
        if (code == t.code)
            return t;
    return missingTexts[std::size(missingTexts) - 1];
}

} // namespace

const std::vector<std::string>& helpDocumentNames()
{
    static const std::vector<std::string> names = {"kovolo13_d.pdf",  "kovolo13_e.pdf",
                                                   "kovolo13_sp.pdf", "kovolo13_f.pdf",
                                                   "kovolo13_i.pdf",  "kovolo13_cz.pdf"};
    return names;
}

std::string helpDocumentName(const std::string& languageCode)
{
    return viewerTextsOf(languageCode).fileName;
}

HelpMessage missingDocumentMessage(const std::string& languageCode, const std::string& path,
                                   const std::string& lineBreak)
{
    const MissingTexts& t = missingTextsOf(languageCode);
    return {std::string(t.first) + lineBreak + path + lineBreak + t.third + lineBreak + t.fourth,
            t.title};
}

HelpMessage missingViewerMessage(const std::string& languageCode, const std::string& path,
                                 const std::string& lineBreak)
{
    const ViewerTexts& t = viewerTextsOf(languageCode);
    return {std::string(t.first) + lineBreak + t.second + lineBreak + path + lineBreak, t.title};
}

std::string quotedDocumentPath(const std::string& path)
{
    std::string lower = path;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower.find(".pdf") == std::string::npos)
        return path;
    return '"' + path + '"';
}

} // namespace kovolo::output
