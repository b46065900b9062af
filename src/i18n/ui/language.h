#pragma once
// Writes the texts of a language into every open window, shown or hidden, and the Language
// menu of the main window.

#include <functional>
#include <string>

class QMenu;
class QWidget;

namespace kovolo::i18n {

// Re-captions every existing top-level window and its bound controls, restores the catalog
// messages and order codes, and appends the version to the main title when it has none.
void applyLanguage(const std::string& code);

// The Siferrit catalog's application text of a material (list index of ComboSiMat), from its
// English list when `english` is true, else from its German list. applyLanguage writes it into
// Label104; with no provider registered Label104 is left alone. An empty function unregisters.
using ApplicationTextProvider = std::function<std::string(int materialIndex, bool english)>;
void setApplicationTextProvider(ApplicationTextProvider provider);

// The Language menu `mnuSprache` with its six check items. A click sets currentLanguage,
// checks the item and applies the language; opening the menu clears lbHinweis.
QMenu* createLanguageMenu(QWidget* mainWindow);
// Checks the item of currentLanguage (mnuSpracheDtsch for an unknown code).
void syncLanguageChecks(QWidget* mainWindow);

} // namespace kovolo::i18n
