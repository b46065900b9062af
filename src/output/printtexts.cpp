#include "output/printtexts.h"

#include <array>

namespace kovolo::output {

namespace {

// Index of a language code in the order deutsch, englisch, span, franz, ital, cz; English for
// every other code.
std::size_t languageIndex(const std::string& code)
{
    static const std::array<const char*, 6> codes = {"deutsch", "englisch", "span",
                                                     "franz",   "ital",     "cz"};
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (code == codes[i])
            return i;
    return 1;
}

} // namespace

PrintPrompt printPrompt(const std::string& languageCode)
{
    static const std::array<PrintPrompt, 6> prompts = {{
        {"Drucker ", "Drucker bereit?"},
        {"Printer ", "Ready printer?"},
        {"Impresora ", "\u00bfImpresora preparada?"},
        {"Imprimeur ", "Imprimante Pr\u00eat?"},
        {"Stampante ", "Stampante Pronta?"},
        {"Tisk\u00e1rna ", "P\u0159ipraven tisk\u00e1rna?"},
    }};
    return prompts[languageIndex(languageCode)];
}

std::string printHeadingWord(const std::string& languageCode, bool withoutTrailingBlank)
{
    static const std::array<const char*, 6> words = {
        "Berechnung: ", "Calculation: ", "C\u00e1lculo: ", "Calcul: ", "Calcolo: ", "Kalkulace: "};
    if (withoutTrailingBlank && languageCode == "span")
        return "C\u00e1lculo:";
    return words[languageIndex(languageCode)];
}

std::string printErrorTitleWord(const std::string& languageCode)
{
    static const std::array<const char*, 6> words = {
        "Drucker-Fehler ",    "Printer-Error ",    "Error de impresi\u00f3n ",
        "Erreur imprimable ", "Errore stampante ", "Tisk\u00e1rna-Error "};
    return words[languageIndex(languageCode)];
}

std::string printFailureDescription(PrintFailureKind kind, const std::string& languageCode)
{
    static const std::array<std::array<const char*, 6>, 3> texts = {{
        {"Es ist kein Drucker eingerichtet.", "No printer is set up on this computer.",
         "No hay ninguna impresora instalada en este ordenador.",
         "Aucune imprimante n'est install\u00e9e sur cet ordinateur.",
         "Nessuna stampante \u00e8 installata su questo computer.",
         "V tomto po\u010d\u00edta\u010di nen\u00ed nastavena \u017e\u00e1dn\u00e1 "
         "tisk\u00e1rna."},
        {"Der Drucker hat den Auftrag nicht angenommen.", "The printer did not accept the job.",
         "La impresora no ha aceptado el trabajo.", "L'imprimante n'a pas accept\u00e9 le travail.",
         "La stampante non ha accettato il lavoro.", "Tisk\u00e1rna nep\u0159ijala \u00falohu."},
        {"Der Druck wurde abgebrochen.", "Printing broke off.",
         "La impresi\u00f3n se ha interrumpido.", "L'impression a \u00e9t\u00e9 interrompue.",
         "La stampa si \u00e8 interrotta.", "Tisk byl p\u0159eru\u0161en."},
    }};
    return texts[static_cast<std::size_t>(kind)][languageIndex(languageCode)];
}

} // namespace kovolo::output
