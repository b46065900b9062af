#pragma once
// The frame `Frame1`: turns, wire length and thickest wire of a single-layer air-core cylinder
// coil for a wanted inductance.

#include <QGroupBox>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kovolo::aircoil {

class CylinderTurnsFrame : public QGroupBox {
    Q_OBJECT
public:
    // setHint writes the main window's hint line.
    explicit CylinderTurnsFrame(std::function<void(const QString&)> setHint,
                                QWidget* parent = nullptr);

    // Command_Wdg_Luft: turns, wire length and thickest wire, then the lead-length hint (also
    // when nothing could be computed).
    void calculate();
    // Empties the three results (a changed unit, a key released in an input field).
    void clearResults();

private:
    void onUnitChanged(int index);

    std::function<void(const QString&)> setHint_;
    QLineEdit* inductance_;
    QComboBox* unit_;
    QLineEdit* diameter_;
    QLineEdit* length_;
    QLabel* turns_;
    QLabel* wireLength_;
    QLabel* wireLengthUnit_;
    QLabel* maxWire_;
    QLabel* maxWireUnit_;
};

} // namespace kovolo::aircoil
