#include "tools/ui/resonancewindow.h"

#include "app/globals.h"
#include "app/ui/controls.h"
#include "i18n/ui/language.h"
#include "i18n/ui/textid.h"
#include "output/ui/errorreport.h"
#include "output/ui/print.h"
#include "tools/resonance.h"
#include "tools/ui/toolwindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kovolo::tools {

namespace {

template <std::size_t N> QStringList itemsOf(const std::array<const char*, N>& units)
{
    QStringList items;
    for (const char* unit : units)
        items << QString::fromUtf8(unit);
    return items;
}

} // namespace

ResonanceWindow::ResonanceWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("frmSchwingkreis");
    setWindowTitle(QStringLiteral(" Schwingkreis-Berechnung"));
    i18n::setTextId(this, 352);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* grid = new QGridLayout;
    text1_ = controls::numericField(this, "Text1");
    text2_ = controls::numericField(this, "Text2");
    text3_ = controls::numericField(this, "Text3");
    comboF_ = controls::list(this, "ComboF", {}, -1);
    comboL_ = controls::list(this, "ComboL", {}, -1);
    comboC_ = controls::list(this, "ComboC", {}, -1);
    const struct {
        const char* label;
        const char* caption;
        QLineEdit* field;
        QComboBox* unit;
    } rows[] = {{"Label1", "f =", text1_, comboF_},
                {"Label2", "L =", text2_, comboL_},
                {"Label3", "C =", text3_, comboC_}};
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(
            controls::caption(this, rows[row].label, QString::fromUtf8(rows[row].caption)), row, 0);
        grid->addWidget(rows[row].field, row, 1);
        grid->addWidget(rows[row].unit, row, 2);
    }
    auto* go = controls::goButton(this, "Command1");
    grid->addWidget(go, 0, 3, 3, 1);
    grid->setColumnStretch(1, 1);

    auto* hint = controls::caption(
        this, "Label_Text", QString::fromUtf8("Das zu berechnende Feld muß frei bleiben!"), 21);

    auto* renew = controls::button(this, "Command2", "&Neu", 6);
    const PrintQuitRow buttons = printQuitRow(this, "Command3", "Command4");
    buttons.row->insertWidget(0, renew);

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->addLayout(grid);
    column->addWidget(hint);
    column->addLayout(buttons.row);

    connect(go, &QPushButton::clicked, this, &ResonanceWindow::calculate);
    connect(renew, &QPushButton::clicked, this, &ResonanceWindow::clearFields);
    connect(buttons.print, &QPushButton::clicked, this, &ResonanceWindow::printWindow);
    connect(buttons.quit, &QPushButton::clicked, this, &QWidget::close);

    formLoad();
}

void ResonanceWindow::formLoad()
{
    clearFields();
    const auto fill = [](QComboBox* combo, const QStringList& items, int initial) {
        combo->clear();
        combo->addItems(items);
        combo->setCurrentIndex(initial);
    };
    fill(comboF_, itemsOf(resonanceFrequencyUnits), resonanceFrequencyInitial);
    fill(comboL_, itemsOf(resonanceInductanceUnits), resonanceInductanceInitial);
    fill(comboC_, itemsOf(resonanceCapacitanceUnits), resonanceCapacitanceInitial);
    if (globals().currentLanguage != "deutsch")
        skipOnFailure([] { i18n::applyLanguage(globals().currentLanguage); });
}

void ResonanceWindow::clearFields()
{
    text1_->clear();
    text2_->clear();
    text3_->clear();
}

void ResonanceWindow::calculate()
{
    skipOnFailure([this] {
        ResonanceInput input;
        input.frequency = text1_->text().toStdString();
        input.inductance = text2_->text().toStdString();
        input.capacitance = text3_->text().toStdString();
        input.frequencyUnit = comboF_->currentIndex();
        input.inductanceUnit = comboL_->currentIndex();
        input.capacitanceUnit = comboC_->currentIndex();
        const std::optional<ResonanceResult> result = solveResonance(input);
        if (!result)
            return;
        QLineEdit* field = text1_;
        QComboBox* unit = comboF_;
        if (result->field == ResonanceField::Inductance) {
            field = text2_;
            unit = comboL_;
        } else if (result->field == ResonanceField::Capacitance) {
            field = text3_;
            unit = comboC_;
        }
        field->setText(QString::fromStdString(result->text));
        unit->setCurrentIndex(result->unitIndex);
    });
}

void ResonanceWindow::printWindow()
{
    QList<QWidget*> buttons;
    for (const char* name : {"Command1", "Command2", "Command3", "Command4"})
        buttons << findChild<QWidget*>(QString::fromLatin1(name));
    // The hint gives way to the heading while the window prints; its Spanish word has no
    // trailing blank here.
    output::printToolWindow({this, findChild<QLabel*>(QStringLiteral("Label_Text")),
                             output::HeadingAfterPrint::PutBack, buttons, true});
}

} // namespace kovolo::tools
