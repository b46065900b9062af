#pragma once
// The tool window `frmSchwingkreis`: two of frequency, inductance and capacitance given, the
// empty third field is filled with the resonance result in a fitting unit.

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace kovolo::tools {

class ResonanceWindow : public QWidget {
    Q_OBJECT
public:
    explicit ResonanceWindow(QWidget* parent = nullptr);

    // Command1 "=>": fills the first empty field when two values above 0 are given.
    void calculate();
    // Command2 "&Neu": empties the three fields; the units stay.
    void clearFields();

private slots:
    void printWindow();

private:
    void formLoad();

    QLineEdit* text1_;
    QLineEdit* text2_;
    QLineEdit* text3_;
    QComboBox* comboF_;
    QComboBox* comboL_;
    QComboBox* comboC_;
};

} // namespace kovolo::tools
