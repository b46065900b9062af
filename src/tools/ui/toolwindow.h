#pragma once
// Tool windows exist at most once each and are not modal: the Tools menu creates one at its
// first use and afterwards shows and raises the open one. Closing it with the close box
// destroys it; the next choice of the menu item creates it afresh.

#include <QPointer>
#include <QWidget>

class QHBoxLayout;
class QPushButton;

namespace kovolo::tools {

// The bottom row of a tool window: "&Drucken" and "&Beenden" at its right end.
struct PrintQuitRow {
    QHBoxLayout* row;
    QPushButton* print;
    QPushButton* quit;
};
PrintQuitRow printQuitRow(QWidget* window, const char* printName, const char* quitName);

template <class Window> QPointer<Window>& toolWindowSlot()
{
    static QPointer<Window> window;
    return window;
}

// The open window of this kind, or nullptr when none exists.
template <class Window> Window* existingToolWindow()
{
    return toolWindowSlot<Window>().data();
}

// Creates the window when none exists, then shows, raises and activates it.
template <class Window> Window* openToolWindow()
{
    QPointer<Window>& slot = toolWindowSlot<Window>();
    if (!slot) {
        slot = new Window;
        slot->setAttribute(Qt::WA_DeleteOnClose);
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot.data();
}

} // namespace kovolo::tools
