#include "output/ui/errorreport.h"

#include "app/globals.h"
#include "app/ui/msgbox.h"

#include <QApplication>

namespace kovolo {

namespace {

// The busy pointer of a calculation or of start-up must not stay over the message.
void normalPointer()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

} // namespace

int reportTurnsError(const RuntimeError& error)
{
    normalPointer();
    showMessage(QString::fromStdString(error.description()), 48,
                QString::fromStdString(turnsErrorTitle(globals().currentLanguage)));
    return error.number();
}

void reportInductanceError(const RuntimeError& error)
{
    normalPointer();
    showMessage(QString::fromStdString(error.description()), 49, QStringLiteral("Error"));
}

} // namespace kovolo
