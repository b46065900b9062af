#pragma once
// The frame `Frame4`: turns and thickest wire for a wanted inductance, with the wire length in
// its inner frame `Frame5`.

#include <QGroupBox>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kovolo::toroid {

class ApplicationFrame;
class InductanceFrame;
class ToroidContext;

class TurnsFrame : public QGroupBox {
    Q_OBJECT
public:
    TurnsFrame(ToroidContext& context, ApplicationFrame& application, InductanceFrame& inductance,
               QWidget* parent = nullptr);

    // CommandWdg0: turns for the wanted inductance on the selected core, the thickest wire and
    // the wire length; then the dependent calculations and the lead-length hint. A run-time
    // failure is reported in the message box (an overflow also empties Text6).
    void calculate();

    QLineEdit* inductanceField() const { return text6_; }
    QComboBox* inductanceUnit() const { return comboL_; }
    // The number of turns as shown (Label44).
    QString turnsCaption() const;
    // Wanted inductance in henry (Text6 times the ComboL factor).
    double inductanceHenry() const;

private:
    void showInvalid();

    ToroidContext& context_;
    ApplicationFrame& application_;
    InductanceFrame& inductance_;
    QLineEdit* text6_;
    QComboBox* comboL_;
    QLineEdit* text10_;
    QLabel* label44_;
    QLabel* label46_;
    QLabel* label47_;
    QLabel* label49_;
};

} // namespace kovolo::toroid
