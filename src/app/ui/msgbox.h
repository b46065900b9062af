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

class PimMsgBox : public QDialog {
    Q_OBJECT
public:
    explicit PimMsgBox(QWidget* parent = nullptr);

    // Sets title, text, icon and buttons for the style, shows the box modal and returns the
    // answer (1 OK, 2 Cancel or closed any other way).
    int ask(const QString& prompt, int style, const QString& title);

    // The value the box holds: the style while it is open, 1 or 2 once a button was pressed.
    int heldValue() const { return held_; }

private:
    void arrange(int style);

    QLabel* labelMsg_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* imageStop_ = nullptr;
    QLabel* imageFrage_ = nullptr;
    QLabel* imageAusruf_ = nullptr;
    QLabel* imageInfo_ = nullptr;
    QLabel* imageKreuz_ = nullptr;
    int held_ = 0;
    bool answered_ = false;
};

} // namespace kovolo
