#pragma once
// Releasing a key in an input field of the main window blanks the results computed from it, so
// that a result never stands next to an input it was not computed from.

#include <QObject>

class QWidget;

namespace kovolo {

class KeyUpBlanking : public QObject {
    Q_OBJECT
public:
    // Watches every listed input field that exists below `window`.
    explicit KeyUpBlanking(QWidget* window);
    // Watches the fields again (after a panel was added).
    void attach();

    bool eventFilter(QObject* watched, QEvent* event) override;

    // The Windows virtual-key code of a Qt key (8 Backspace, 9 Tab, 13 Enter, 16 Shift, 17 Ctrl,
    // 18 Alt, 27 Esc, 32 space; letters and digits their upper-case ASCII code).
    static int virtualKeyCode(int qtKey);

private:
    QWidget* window_;
};

} // namespace kovolo
