#include "aircoil/ui/straightconductorframe.h"

#include "aircoil/straightconductor.h"
#include "app/globals.h"
#include "app/ui/controls.h"
#include "i18n/ui/textid.h"
#include "numbers/wire.h"
#include "output/ui/errorreport.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kovolo::aircoil {

StraightConductorFrame::StraightConductorFrame(std::function<void(const QString&)> setHint,
                                               QWidget* parent)
    : QGroupBox(QStringLiteral("Induktivität eines geraden Leiters"), parent),
      setHint_(std::move(setHint))
{
    setObjectName("Frame3");
    i18n::setTextId(this, 307);
    auto* grid = new QGridLayout(this);

    // The diameter: a field in metric mode, a gauge list behind the sign "#" in imperial mode.
    grid->addWidget(controls::caption(this, "Label22", QStringLiteral("D")), 0, 0);
    auto* diameterBox = new QWidget(this);
    auto* diameterRow = new QHBoxLayout(diameterBox);
    diameterRow->setContentsMargins(0, 0, 0, 0);
    diameterRow->setSpacing(2);
    auto* marker = controls::caption(this, "Label111", QStringLiteral("#"));
    marker->setVisible(false);
    diameterRow->addWidget(marker);
    diameter_ = controls::numericField(this, "Text4");
    diameterRow->addWidget(diameter_, 1);
    QStringList gauges;
    for (const std::string& gauge : numbers::gaugeTexts())
        gauges << QString::fromStdString(gauge);
    gauge_ = controls::list(this, "ComboLeiter", gauges, numbers::gaugeListInitial);
    gauge_->setVisible(false);
    diameterRow->addWidget(gauge_, 1);
    grid->addWidget(diameterBox, 1, 0);
    grid->addWidget(controls::caption(this, "Label23", QStringLiteral("mm")), 1, 1);

    grid->addWidget(controls::caption(this, "Label24", QStringLiteral("Länge"), 174), 2, 0);
    length_ = controls::numericField(this, "Text5");
    grid->addWidget(length_, 3, 0);
    grid->addWidget(controls::caption(this, "Label25", QStringLiteral("mm")), 3, 1);
    auto* go = controls::goButton(this, "Command_Ldr_Luft");
    grid->addWidget(go, 3, 2);

    withSkin_ = new QRadioButton(QStringLiteral("mit Skin-Effekt"), this);
    withSkin_->setObjectName("Option4_0");
    i18n::setTextId(withSkin_, 229);
    withoutSkin_ = new QRadioButton(QStringLiteral("ohne Skin-Effekt"), this);
    withoutSkin_->setObjectName("Option4_1");
    i18n::setTextId(withoutSkin_, 228);
    withoutSkin_->setChecked(true);
    auto* group = new QButtonGroup(this);
    group->addButton(withSkin_, 0);
    group->addButton(withoutSkin_, 1);
    grid->addWidget(withSkin_, 4, 0, 1, 3);
    grid->addWidget(withoutSkin_, 5, 0, 1, 3);

    grid->addWidget(controls::caption(this, "Label27", QStringLiteral("Induktivität"), 175), 6, 0);
    inductance_ = controls::result(this, "Label26");
    grid->addWidget(inductance_, 7, 0);
    unit_ = controls::caption(this, "Label28", QStringLiteral("nH"));
    grid->addWidget(unit_, 7, 1);

    grid->setColumnStretch(0, 1);
    grid->setRowStretch(8, 1);
    connect(go, &QPushButton::clicked, this, &StraightConductorFrame::calculate);
    connect(group, &QButtonGroup::buttonClicked, this,
            &StraightConductorFrame::onSkinEffectClicked);
}

void StraightConductorFrame::calculate()
{
    skipOnFailure([this] {
        const ScaledValue value = straightConductorDisplay(
            diameter_->text().toStdString(), length_->text().toStdString(), withSkin_->isChecked(),
            globals().unitSystemImperial, gauge_->currentText().toStdString());
        unit_->setText(QString::fromStdString(value.unit));
        inductance_->setText(QString::fromStdString(value.text));
    });
    skipOnFailure([this] { setHint_(QString()); });
}

void StraightConductorFrame::onSkinEffectClicked()
{
    skipOnFailure([this] { inductance_->clear(); });
    // The diameter field counts in imperial mode too, hidden as it is there.
    if (!diameter_->text().isEmpty() && !length_->text().isEmpty())
        calculate();
}

} // namespace kovolo::aircoil
