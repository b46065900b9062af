#pragma once
// The splash window `VorBild`, shown while the program starts: logo, product name, version,
// copyright and thanks. Frameless, not modal; start-up removes it.

#include <QWidget>

class QFrame;

namespace kovolo {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // The main frame shows the busy pointer from creation on; this returns it to normal.
    void setNormalPointer();

private:
    QFrame* mainFrame_ = nullptr;
};

} // namespace kovolo
