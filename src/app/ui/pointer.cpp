#include "app/ui/pointer.h"

#include <QApplication>

namespace kovolo {

void restoreNormalPointer()
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

} // namespace kovolo
