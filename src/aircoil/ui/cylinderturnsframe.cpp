#include "aircoil/ui/cylinderturnsframe.h"

#include "aircoil/cylindercoil.h"
#include "app/globals.h"
#include "app/ui/controls.h"
#include "i18n/ui/textid.h"
#include "output/ui/errorreport.h"
#include "toroid/turns.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <optional>
#include <string>

namespace kovolo::aircoil {

namespace {
void writeIfGiven(QLabel* label, const std::optional<std::string>& text)
{
    if (text)
        label->setText(QString::fromStdString(*text));
}
} // namespace

CylinderTurnsFrame::CylinderTurnsFrame(std::function<void(const QString&)> setHint, QWidget* parent)
    : QGroupBox(QStringLiteral("Windungszahl berechnen (Zylinderspule)"), parent),
      setHint_(std::move(setHint))
{
    setObjectName("Frame1");
    i18n::setTextId(this, 304);
    auto* grid = new QGridLayout(this);

    grid->addWidget(controls::caption(this, "Label1", QStringLiteral("Induktivität"), 153), 0, 0);
    inductance_ = controls::numericField(this, "txtLuftInduk");
    grid->addWidget(inductance_, 0, 1);
    QStringList units;
    for (const char* unit : inductanceUnits)
        units << QString::fromUtf8(unit);
    unit_ = controls::list(this, "ComboLuft", units, inductanceUnitInitial);
    grid->addWidget(unit_, 0, 2);
    auto* go = controls::goButton(this, "Command_Wdg_Luft");
    grid->addWidget(go, 0, 3);

    grid->addWidget(controls::caption(this, "Label2", QStringLiteral("D")), 1, 0);
    diameter_ = controls::numericField(this, "txtLuftD");
    grid->addWidget(diameter_, 1, 1);
    grid->addWidget(controls::caption(this, "Label10", QStringLiteral("mm")), 1, 2);

    grid->addWidget(controls::caption(this, "Label3", QStringLiteral("Länge"), 108), 2, 0);
    length_ = controls::numericField(this, "txtLuftLänge");
    grid->addWidget(length_, 2, 1);
    grid->addWidget(controls::caption(this, "Label11", QStringLiteral("mm")), 2, 2);

    grid->addWidget(controls::caption(this, "Label4", QStringLiteral("Windungszahl"), 106), 3, 0);
    turns_ = controls::result(this, "Label5");
    grid->addWidget(turns_, 3, 1);

    grid->addWidget(controls::caption(this, "Label6", QStringLiteral("Drahtlänge"), 105), 4, 0);
    wireLength_ = controls::result(this, "Label7");
    grid->addWidget(wireLength_, 4, 1);
    wireLengthUnit_ = controls::caption(this, "Label12", QStringLiteral("cm"));
    grid->addWidget(wireLengthUnit_, 4, 2);

    grid->addWidget(controls::caption(this, "Label8", QStringLiteral("max. D (Draht)"), 177), 5, 0);
    // The gauge sign "#" stands just before the result in imperial mode.
    auto* marked = new QWidget(this);
    auto* row = new QHBoxLayout(marked);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    auto* marker = controls::caption(this, "Label92", QStringLiteral("#"));
    marker->setVisible(false);
    row->addWidget(marker);
    maxWire_ = controls::result(this, "Label9");
    row->addWidget(maxWire_, 1);
    grid->addWidget(marked, 5, 1);
    maxWireUnit_ = controls::caption(this, "Label13", QStringLiteral("mm"));
    grid->addWidget(maxWireUnit_, 5, 2);

    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1);

    connect(go, &QPushButton::clicked, this, &CylinderTurnsFrame::calculate);
    connect(unit_, &QComboBox::currentIndexChanged, this, &CylinderTurnsFrame::onUnitChanged);
    // Picking the item that is selected already clears as well.
    connect(unit_, &QComboBox::activated, this, [this] { clearResults(); });
}

void CylinderTurnsFrame::clearResults()
{
    turns_->clear();
    wireLength_->clear();
    maxWire_->clear();
}

void CylinderTurnsFrame::onUnitChanged(int index)
{
    skipOnFailure([this] { clearResults(); });
    if (index < 0)
        skipOnFailure([this] { unit_->setCurrentIndex(inductanceUnitInitial); });
}

void CylinderTurnsFrame::calculate()
{
    skipOnFailure([this] {
        const TurnsDisplay display =
            cylinderTurnsDisplay(inductance_->text().toStdString(), unit_->currentIndex(),
                                 diameter_->text().toStdString(), length_->text().toStdString(),
                                 globals().unitSystemImperial);
        writeIfGiven(turns_, display.turns);
        writeIfGiven(wireLength_, display.wireLength);
        writeIfGiven(wireLengthUnit_, display.wireLengthUnit);
        writeIfGiven(maxWire_, display.maxWire);
        writeIfGiven(maxWireUnit_, display.maxWireUnit);
    });
    skipOnFailure([this] {
        setHint_(QString::fromStdString(toroid::leadLengthHint(globals().currentLanguage)));
    });
}

} // namespace kovolo::aircoil
