// Placeholder until the language application lands.
#include "i18n/ui/language.h"

#include <QMenu>

namespace kovolo::i18n {

void applyLanguage(const std::string&) {}
QMenu* createLanguageMenu(QWidget* mainWindow) { return new QMenu(mainWindow); }
void syncLanguageChecks(QWidget*) {}

} // namespace kovolo::i18n
