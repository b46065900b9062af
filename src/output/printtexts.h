#pragma once
// The per-language texts of printing: the "printer ready?" prompt, the heading word of the tool
// windows, the title word of the main window's print-error message and the program's own
// descriptions of a print that cannot be made.

#include <string>

namespace kovolo::output {

struct PrintPrompt {
    std::string title;
    std::string prompt;
};

// "Drucker " / "Drucker bereit?" and its five translations; English for an unknown code.
PrintPrompt printPrompt(const std::string& languageCode);

// "Berechnung: ", "Calculation: ", ... put in front of a tool window's title. With
// `withoutTrailingBlank` the Spanish word reads "Cálculo:" (the resonant-circuit window).
std::string printHeadingWord(const std::string& languageCode, bool withoutTrailingBlank = false);

// "Drucker-Fehler ", "Printer-Error ", ...: the printer's name follows it in the title.
std::string printErrorTitleWord(const std::string& languageCode);

enum class PrintFailureKind {
    NoPrinter,     // no printer is set up on this computer
    CannotStart,   // the printer did not accept the job
    PrintingFailed // the job broke off while it was printed
};

// The program's description of a print failure in the language of `languageCode` (English for
// an unknown code).
std::string printFailureDescription(PrintFailureKind kind, const std::string& languageCode);

} // namespace kovolo::output
