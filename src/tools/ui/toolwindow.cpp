#include "tools/ui/toolwindow.h"

#include "app/ui/controls.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace kovolo::tools {

PrintQuitRow printQuitRow(QWidget* window, const char* printName, const char* quitName)
{
    PrintQuitRow buttons;
    buttons.row = new QHBoxLayout;
    buttons.print = controls::button(window, printName, "&Drucken", 998);
    buttons.quit = controls::button(window, quitName, "&Beenden", 999);
    buttons.row->addStretch(1);
    buttons.row->addWidget(buttons.print);
    buttons.row->addWidget(buttons.quit);
    return buttons;
}

} // namespace kovolo::tools
