#pragma once
// The program's own message box: every message of the program goes through showMessage.

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace kovolo {

// Shows the modal box `PimMsgBox` and returns 1 (OK) or 2 (Cancel, or closed any other way).
// style: 0 cross/OK; 16/17 stop; 32/33 question; 48/49 exclamation; 64/65 information; the odd
// value offers Cancel.
int showMessage(const QString& prompt, int style, const QString& title);

// The box itself, created at its first use and reused.
class PimMsgBox;
PimMsgBox* messageBox();

} // namespace kovolo
