#include "toroid/ui/turnsframe.h"

#include "app/globals.h"
#include "app/ui/controls.h"
#include "catalogs/ui/unknowncorepanel.h"
#include "i18n/ui/textid.h"
#include "numbers/parse.h"
#include "numbers/units.h"
#include "output/ui/errorreport.h"
#include "toroid/turns.h"
#include "toroid/ui/applicationframe.h"
#include "toroid/ui/inductanceframe.h"
#include "toroid/ui/toroidcontext.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace kovolo::toroid {

namespace {
double parse(const QLineEdit* field)
{
    return numbers::parseNumber(field->text().toStdString());
}

QWidget* gaugeMarked(QWidget* parent, const char* markerName, QWidget* value)
{
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    auto* marker = controls::caption(parent, markerName, QStringLiteral("#"));
    marker->setVisible(false);
    row->addWidget(marker);
    row->addWidget(value, 1);
    return box;
}
} // namespace

TurnsFrame::TurnsFrame(ToroidContext& context, ApplicationFrame& application,
                       InductanceFrame& inductance, QWidget* parent)
    : QGroupBox(QStringLiteral("Windungszahl/Draht berechnen"), parent), context_(context),
      application_(application), inductance_(inductance)
{
    setObjectName("Frame4");
    i18n::setTextId(this, 139);
    auto* grid = new QGridLayout(this);

    grid->addWidget(controls::caption(this, "Label31", QStringLiteral("Induktivität"), 133), 0, 0);
    text6_ = controls::numericField(this, "Text6");
    grid->addWidget(text6_, 0, 1);
    QStringList units;
    for (const auto& unit : numbers::inductanceUnits)
        units << QString::fromUtf8(unit.text);
    comboL_ = controls::list(this, "ComboL", units, numbers::inductanceUnitInitial);
    grid->addWidget(comboL_, 0, 2);
    auto* go = controls::goButton(this, "CommandWdg0");
    grid->addWidget(go, 0, 3);

    grid->addWidget(controls::caption(this, "Label43", QStringLiteral("Windungszahl"), 134), 1, 0);
    label44_ = controls::result(this, "Label44", QStringLiteral("0"));
    grid->addWidget(label44_, 1, 1);

    grid->addWidget(controls::caption(this, "Label48", QStringLiteral("max.D (Draht)"), 138), 2, 0);
    label49_ = controls::result(this, "Label49", QStringLiteral("0"));
    grid->addWidget(gaugeMarked(this, "Label118", label49_), 2, 1);
    grid->addWidget(controls::caption(this, "Label50", QStringLiteral("mm")), 2, 2);

    auto* frame5 = new QGroupBox(QStringLiteral("Drahtlänge"), this);
    frame5->setObjectName("Frame5");
    i18n::setTextId(frame5, 137);
    auto* inner = new QGridLayout(frame5);
    inner->addWidget(controls::caption(frame5, "Label121", QStringLiteral("bei D (Draht)"), 141), 0,
                     0);
    text10_ = controls::numericField(frame5, "Text10");
    text10_->setText(QStringLiteral("0"));
    inner->addWidget(gaugeMarked(frame5, "Label126", text10_), 0, 1);
    inner->addWidget(controls::caption(frame5, "Label124", QStringLiteral("mm")), 0, 2);
    label46_ = controls::result(frame5, "Label46", QStringLiteral("0"));
    inner->addWidget(label46_, 1, 1);
    label47_ = controls::caption(frame5, "Label47", QStringLiteral("cm"));
    inner->addWidget(label47_, 1, 2);
    inner->setColumnStretch(1, 1);
    grid->addWidget(frame5, 3, 0, 1, 4);

    grid->setColumnStretch(1, 1);
    connect(go, &QPushButton::clicked, this, &TurnsFrame::calculate);
}

QString TurnsFrame::turnsCaption() const
{
    return label44_->text();
}

double TurnsFrame::inductanceHenry() const
{
    return parse(text6_) * numbers::inductanceFactor(comboL_->currentIndex());
}

void TurnsFrame::showInvalid()
{
    const QString mark = QString::fromUtf8(invalidMark);
    label44_->setText(mark);
    label46_->setText(mark);
    label49_->setText(mark);
}

void TurnsFrame::calculate()
{
    try {
        const bool imperial = globals().unitSystemImperial;
        const float wire = wireDiameterFromText(text10_->text().toStdString(), imperial);

        double al = 0;
        catalogs::CoreDimensions core;
        const int tab = context_.selectedTab();
        if (tab >= 1 && tab <= 5) {
            al = numbers::parseNumber(context_.catalogAlCaption().toStdString());
            if (al == 0) {
                showInvalid();
                return;
            }
            core = context_.catalogCore();
        } else if (tab == 6) {
            catalogs::UnknownCorePanel* unknown = context_.unknownCore();
            al = parse(unknown->alField());
            const auto dimension = [](const QLineEdit* field) {
                return dimensionFromText(field->text().toStdString());
            };
            core = {dimension(unknown->daField()), dimension(unknown->diField()),
                    dimension(unknown->hField())};
            const UnknownCoreCheck check = checkUnknownCore(al, core.da, core.di, core.h);
            if (!check.usable) {
                showInvalid();
                if (check.clearAl)
                    unknown->alField()->clear();
                if (check.clearH)
                    unknown->hField()->clear();
                if (check.clearDa)
                    unknown->daField()->clear();
                if (check.clearDi)
                    unknown->diField()->clear();
                return;
            }
        } else {
            return;
        }

        const TurnsResult result = computeTurns(inductanceHenry(), al * 1e-9, core, wire, imperial);
        label44_->setText(QString::fromStdString(result.turnsText));
        label49_->setText(QString::fromStdString(result.maxWireText));
        if (imperial)
            label47_->setText(QString::fromStdString(result.lengthUnit));
        label46_->setText(QString::fromStdString(result.lengthText));
        if (result.turns > 0)
            application_.setCheckEnabled(true);

        if (!application_.frequencyField()->text().isEmpty())
            application_.calculate();
        if (!inductance_.turnsField()->text().isEmpty())
            inductance_.calculate();
        // Written after the dependent calculations, which empty the hint line themselves.
        if (result.turns > 0)
            context_.setHint(QString::fromStdString(leadLengthHint(globals().currentLanguage)));
    } catch (...) {
        // Every failure ends the calculation with the report, whatever threw it.
        QPointer<QLineEdit> text6 = text6_;
        if (reportTurnsError(currentFailure()) == static_cast<int>(ErrorNumber::Overflow) && text6)
            text6->clear();
    }
}

} // namespace kovolo::toroid
