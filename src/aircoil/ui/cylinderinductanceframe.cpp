#include "aircoil/ui/cylinderinductanceframe.h"

#include "aircoil/cylindercoil.h"
#include "app/globals.h"
#include "app/ui/controls.h"
#include "i18n/ui/textid.h"
#include "output/ui/errorreport.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kovolo::aircoil {

CylinderInductanceFrame::CylinderInductanceFrame(std::function<void(const QString&)> setHint,
                                                 QWidget* parent)
    : QGroupBox(QStringLiteral("Induktivität berechnen (Zylinderspule)"), parent),
      setHint_(std::move(setHint))
{
    setObjectName("Frame2");
    i18n::setTextId(this, 303);
    auto* grid = new QGridLayout(this);

    // Each caption stands above its field.
    grid->addWidget(controls::caption(this, "Label14", QStringLiteral("Windungszahl"), 58), 0, 0);
    turns_ = controls::numericField(this, "Text1");
    grid->addWidget(turns_, 1, 0);

    grid->addWidget(controls::caption(this, "Label15", QStringLiteral("D")), 2, 0);
    diameter_ = controls::numericField(this, "Text2");
    grid->addWidget(diameter_, 3, 0);
    grid->addWidget(controls::caption(this, "Label16", QStringLiteral("mm")), 3, 1);

    grid->addWidget(controls::caption(this, "Label17", QStringLiteral("Länge"), 60), 4, 0);
    length_ = controls::numericField(this, "Text3");
    grid->addWidget(length_, 5, 0);
    grid->addWidget(controls::caption(this, "Label18", QStringLiteral("mm")), 5, 1);
    auto* go = controls::goButton(this, "Command_L_Luft");
    grid->addWidget(go, 5, 2);

    grid->addWidget(controls::caption(this, "Label19", QStringLiteral("Induktivität"), 61), 6, 0);
    inductance_ = controls::result(this, "Label20");
    grid->addWidget(inductance_, 7, 0);
    unit_ = controls::caption(this, "Label21", QString::fromUtf8("µH"));
    grid->addWidget(unit_, 7, 1);

    grid->setColumnStretch(0, 1);
    grid->setRowStretch(8, 1);
    connect(go, &QPushButton::clicked, this, &CylinderInductanceFrame::calculate);
}

void CylinderInductanceFrame::calculate()
{
    skipOnFailure([this] {
        const ScaledValue value =
            cylinderInductanceDisplay(turns_->text().toStdString(), diameter_->text().toStdString(),
                                      length_->text().toStdString(), globals().unitSystemImperial);
        unit_->setText(QString::fromStdString(value.unit));
        inductance_->setText(QString::fromStdString(value.text));
    });
    skipOnFailure([this] { setHint_(QString()); });
}

} // namespace kovolo::aircoil
