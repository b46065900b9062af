#pragma once
// The frame `fraFerrit1`: inductance and reactance of a given number of turns.

#include <QGroupBox>

class QLabel;
class QLineEdit;

namespace kovolo::toroid {

class ApplicationFrame;
class ToroidContext;

class InductanceFrame : public QGroupBox {
    Q_OBJECT
public:
    InductanceFrame(ToroidContext& context, ApplicationFrame& application,
                    QWidget* parent = nullptr);

    // CommandL1: L = AL · N², scaled to H, mH, µH or nH, and its reactance at the working
    // frequency. A run-time failure is reported in the message box.
    void calculate();
    // Empties both results (done by every catalog material change).
    void clearResults();

    QLineEdit* turnsField() const { return text9_; }

private:
    ToroidContext& context_;
    ApplicationFrame& application_;
    QLineEdit* text9_;
    QLabel* label52_;
    QLabel* unit_;
    QLabel* label54_;
};

} // namespace kovolo::toroid
