#pragma once
// The application frame `fraAnwendung`: working frequency and voltage of the winding in use.
// The frequency is read by the reactance of the inductance-from-turns frame.

#include <QGroupBox>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kovolo::toroid {

class ApplicationFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit ApplicationFrame(QWidget* parent = nullptr);

    // Working frequency in hertz: Text7 times the factor of ComboFreq (an empty field gives 0).
    double frequencyHz() const;
    QLineEdit* frequencyField() const { return text7_; }

    // The frame and its labels Label68 and Label69 together.
    void setCheckEnabled(bool enabled);
    // The voltage entry and the flux, loss and temperature results exist for the FT ferrite
    // and iron-powder tabs only.
    void setFullCheckVisible(bool visible);

private:
    QLineEdit* text7_;
    QComboBox* comboFreq_;
};

} // namespace kovolo::toroid
