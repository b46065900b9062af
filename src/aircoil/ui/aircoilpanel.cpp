#include "aircoil/ui/aircoilpanel.h"

#include "aircoil/ui/cylinderinductanceframe.h"
#include "aircoil/ui/cylinderturnsframe.h"
#include "aircoil/ui/straightconductorframe.h"

#include <QHBoxLayout>

namespace kovolo::aircoil {

AirCoilPanel::AirCoilPanel(std::function<void(const QString&)> setHint, QWidget* parent)
    : QWidget(parent)
{
    setObjectName("picOptions_6");
    turns_ = new CylinderTurnsFrame(setHint, this);
    inductance_ = new CylinderInductanceFrame(setHint, this);
    conductor_ = new StraightConductorFrame(std::move(setHint), this);
    auto* row = new QHBoxLayout(this);
    row->addWidget(turns_, 3);
    row->addWidget(inductance_, 2);
    row->addWidget(conductor_, 2);
}

} // namespace kovolo::aircoil
