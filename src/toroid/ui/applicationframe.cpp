#include "toroid/ui/applicationframe.h"

#include "app/ui/controls.h"
#include "catalogs/ui/catalogpanel.h"
#include "catalogs/ui/ironpanel.h"
#include "catalogs/ui/unknowncorepanel.h"
#include "i18n/ui/textid.h"
#include "numbers/parse.h"
#include "numbers/units.h"
#include "toroid/ui/toroidcontext.h"
#include "toroid/ui/turnsframe.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace kovolo::toroid {

namespace {
// Shown on the FT ferrite and iron-powder tabs only.
const char* const fullCheckControls[] = {"Text8",   "Label66", "Label67", "Label69", "Label70",
                                         "Label71", "Label72", "Label73", "Label74", "Label75",
                                         "Label76", "Label77", "Label78", "Label79", "Label80",
                                         "Combo3",  "Combo4"};

const QString fluxToolTip = QStringLiteral("100 kHz - 30 MHz");

QComboBox* fluxUnitList(QWidget* parent, const char* name)
{
    QStringList units;
    for (const char* unit : numbers::fluxUnits)
        units << QString::fromUtf8(unit);
    return controls::list(parent, name, units, numbers::fluxUnitInitial);
}

// Red (#FF0000) for a warning, else the normal text colour of the palette. A result label
// draws its text in the role that goes with its field-coloured background.
void setWarningColour(QLabel* label, bool red)
{
    const QPalette::ColorRole role = label->foregroundRole();
    const QPalette normal = QApplication::palette(label);
    QPalette palette = label->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, role, red ? QColor(0xFF, 0x00, 0x00) : normal.color(group, role));
    label->setPalette(palette);
}

void applyUpdate(QLabel* label, const ResultUpdate& update)
{
    if (update.red)
        setWarningColour(label, *update.red);
    if (update.text)
        label->setText(QString::fromStdString(*update.text));
}
} // namespace

ApplicationFrame::ApplicationFrame(ToroidContext& context, QWidget* parent)
    : QGroupBox(QStringLiteral("Anwendung"), parent), context_(context)
{
    setObjectName("fraAnwendung");
    i18n::setTextId(this, 156);
    auto* grid = new QGridLayout(this);
    int row = 0;

    // Inputs: working frequency and voltage.
    grid->addWidget(controls::caption(this, "Label68", QStringLiteral("Arbeitsfrequenz"), 142), row,
                    0);
    text7_ = controls::numericField(this, "Text7");
    grid->addWidget(text7_, row, 1);
    QStringList units;
    for (const char* unit : numbers::frequencyUnits)
        units << QString::fromUtf8(unit);
    comboFreq_ = controls::list(this, "ComboFreq", units, numbers::frequencyUnitInitial);
    grid->addWidget(comboFreq_, row, 2);
    auto* go = controls::goButton(this, "CommandAnwendung2");
    grid->addWidget(go, row, 3);
    ++row;

    grid->addWidget(controls::caption(this, "Label69", QStringLiteral("Spannung"), 280), row, 0);
    text8_ = controls::numericField(this, "Text8");
    grid->addWidget(text8_, row, 1);
    grid->addWidget(controls::caption(this, "Label80", QStringLiteral("V")), row, 2);
    ++row;

    // Results.
    grid->addWidget(controls::caption(this, "Label55", QStringLiteral("XL")), row, 0);
    label65_ = controls::result(this, "Label65", QStringLiteral("0"));
    grid->addWidget(label65_, row, 1);
    grid->addWidget(new QLabel(QString::fromUtf8("Ω"), this), row, 2);
    ++row;

    grid->addWidget(controls::caption(this, "Label66", QStringLiteral("max.Flux")), row, 0);
    label70_ = controls::result(this, "Label70");
    label70_->setToolTip(fluxToolTip);
    grid->addWidget(label70_, row, 1);
    combo3_ = fluxUnitList(this, "Combo3");
    grid->addWidget(combo3_, row, 2);
    ++row;

    grid->addWidget(controls::caption(this, "Label67", QStringLiteral("Flux")), row, 0);
    label71_ = controls::result(this, "Label71");
    label71_->setToolTip(fluxToolTip);
    grid->addWidget(label71_, row, 1);
    combo4_ = fluxUnitList(this, "Combo4");
    grid->addWidget(combo4_, row, 2);
    ++row;

    grid->addWidget(controls::caption(this, "Label72", QStringLiteral("Kernverluste"), 282), row,
                    0);
    label73_ = controls::result(this, "Label73", QStringLiteral("0"));
    grid->addWidget(label73_, row, 1);
    grid->addWidget(controls::caption(this, "Label74", QString::fromUtf8("mW/cm³")), row, 2);
    ++row;

    label75_ = controls::result(this, "Label75", QStringLiteral("0"));
    grid->addWidget(label75_, row, 1);
    grid->addWidget(controls::caption(this, "Label76", QStringLiteral("W")), row, 2);
    ++row;

    grid->addWidget(controls::caption(this, "Label77", QStringLiteral("Temperaturanstieg"), 283),
                    row, 0);
    label78_ = controls::result(this, "Label78", QStringLiteral("0"));
    grid->addWidget(label78_, row, 1);
    grid->addWidget(controls::caption(this, "Label79", QString::fromUtf8("°C")), row, 2);
    ++row;

    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);

    connect(go, &QPushButton::clicked, this, &ApplicationFrame::calculate);
    connect(combo3_, &QComboBox::currentIndexChanged, this, [this](int) { maxFluxUnitChanged(); });
    connect(combo4_, &QComboBox::currentIndexChanged, this, [this](int) { fluxUnitChanged(); });
}

double ApplicationFrame::frequencyHz() const
{
    return numbers::parseNumber(text7_->text().toStdString()) *
           numbers::frequencyFactorHz(comboFreq_->currentIndex());
}

void ApplicationFrame::setCheckEnabled(bool enabled)
{
    setEnabled(enabled);
    for (const char* name : {"Label68", "Label69"})
        if (auto* label = findChild<QLabel*>(name))
            label->setEnabled(enabled);
}

void ApplicationFrame::setFullCheckVisible(bool visible)
{
    for (const char* name : fullCheckControls)
        if (auto* widget = findChild<QWidget*>(name))
            widget->setVisible(visible);
}

CheckInputs ApplicationFrame::readInputs(int tab) const
{
    CheckInputs in;
    in.frequency = text7_->text().toStdString();
    in.frequencyUnit = comboFreq_->currentIndex();
    in.voltage = text8_->text().toStdString();
    in.maxFluxUnit = combo3_->currentIndex();
    in.fluxUnit = combo4_->currentIndex();
    if (turns_ != nullptr) {
        in.turns = turns_->turnsCaption().toStdString();
        in.inductance = turns_->inductanceField()->text().toStdString();
        in.inductanceUnit = turns_->inductanceUnit()->currentIndex();
    }
    if (catalogs::CatalogPanel* panel = context_.catalogPanel(tab)) {
        in.typeIndex = panel->typeIndex();
        in.materialIndex = panel->materialIndex();
        in.al = panel->alCaption().toStdString();
        if (const auto* iron = qobject_cast<const catalogs::IronPanel*>(panel))
            in.frequencyRange = iron->frequencyRangeCaption().toStdString();
    } else if (tab == 6 && context_.unknownCore() != nullptr) {
        in.al = context_.unknownCore()->alField()->text().toStdString();
    }
    return in;
}

void ApplicationFrame::apply(const CheckResult& result)
{
    applyUpdate(label65_, result.reactance);
    applyUpdate(label70_, result.maxFlux);
    applyUpdate(label71_, result.flux);
    applyUpdate(label73_, result.lossDensity);
    applyUpdate(label75_, result.loss);
    applyUpdate(label78_, result.temperature);
}

void ApplicationFrame::calculate()
{
    try {
        context_.setHint(QString());
        const int tab = context_.selectedTab();
        if (tab < 1 || tab > 6)
            return;
        const CheckResult result = runApplicationCheck(tab, readInputs(tab), stored_);
        apply(result);
        if (tab == 1 || tab == 2) {
            maxFluxShown_ = result.maxFluxShown;
            fluxShown_ = result.fluxShown;
        }
    } catch (...) {
        // The check shows no message; whatever was written stays.
    }
}

bool ApplicationFrame::letPendingEventsRun(int& run)
{
    QPointer<ApplicationFrame> alive(this);
    const int mine = ++run;
    QCoreApplication::processEvents();
    return !alive.isNull() && mine == run;
}

void ApplicationFrame::maxFluxUnitChanged()
{
    if (!letPendingEventsRun(maxFluxUnitRun_))
        return;
    try {
        if (maxFluxShown_)
            label70_->setText(
                QString::fromStdString(fluxText(stored_.maxFlux, combo3_->currentIndex())));
    } catch (...) {
    }
}

void ApplicationFrame::fluxUnitChanged()
{
    if (!letPendingEventsRun(fluxUnitRun_))
        return;
    try {
        if (fluxShown_)
            label71_->setText(
                QString::fromStdString(fluxText(stored_.flux, combo4_->currentIndex())));
    } catch (...) {
    }
}

} // namespace kovolo::toroid
