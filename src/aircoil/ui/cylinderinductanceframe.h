#pragma once
// The frame `Frame2`: inductance of a single-layer air-core cylinder coil from its turns,
// diameter and length.

#include <QGroupBox>

#include <functional>

class QLabel;
class QLineEdit;

namespace kovolo::aircoil {

class CylinderInductanceFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit CylinderInductanceFrame(std::function<void(const QString&)> setHint,
                                     QWidget* parent = nullptr);

    // Command_L_Luft: the inductance in nH, µH or mH; empties the hint line.
    void calculate();

private:
    std::function<void(const QString&)> setHint_;
    QLineEdit* turns_;
    QLineEdit* diameter_;
    QLineEdit* length_;
    QLabel* inductance_;
    QLabel* unit_;
};

} // namespace kovolo::aircoil
