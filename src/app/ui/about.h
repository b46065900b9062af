#pragma once
// The About window `frmAbout` (Help > Info): logo, product name, version, notices. Not modal;
// at most one exists, and cmdOK closes and destroys it.

#include <QDialog>

class QLabel;

namespace kovolo {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

private:
    QLabel* icon_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* version_ = nullptr;
    QLabel* description_ = nullptr;
    QLabel* disclaimer_ = nullptr;
};

// Creates and shows the About window, or raises the one that is already open.
AboutWindow* showAboutWindow();
// The open About window, or nullptr.
AboutWindow* aboutWindow();

} // namespace kovolo
