#include "output/ui/errorreport.h"

#include "app/globals.h"
#include "app/ui/msgbox.h"
#include "app/ui/pointer.h"

#include <QString>

namespace kovolo {

int reportTurnsError(const RuntimeError& error)
{
    // The busy pointer of a calculation must not stay over the message.
    restoreNormalPointer();
    showMessage(QString::fromStdString(error.description()), 48,
                QString::fromStdString(turnsErrorTitle(globals().currentLanguage)));
    return error.number();
}

void reportInductanceError(const RuntimeError& error)
{
    restoreNormalPointer();
    showMessage(QString::fromStdString(error.description()), 49, QStringLiteral("Error"));
}

} // namespace kovolo
