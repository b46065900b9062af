#pragma once
// Tab 7, the air-coil panel `picOptions_6`: turns and inductance of cylinder coils and the
// inductance of a straight conductor.

#include <QWidget>

#include <functional>

namespace kovolo::aircoil {

class CylinderInductanceFrame;
class CylinderTurnsFrame;
class StraightConductorFrame;

class AirCoilPanel : public QWidget {
    Q_OBJECT
public:
    // setHint writes the main window's hint line.
    explicit AirCoilPanel(std::function<void(const QString&)> setHint, QWidget* parent = nullptr);

    CylinderTurnsFrame* turnsFrame() const { return turns_; }
    CylinderInductanceFrame* inductanceFrame() const { return inductance_; }
    StraightConductorFrame* conductorFrame() const { return conductor_; }

private:
    CylinderTurnsFrame* turns_;
    CylinderInductanceFrame* inductance_;
    StraightConductorFrame* conductor_;
};

} // namespace kovolo::aircoil
