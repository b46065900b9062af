#include "tools/ui/copperresistancewindow.h"

#include "app/globals.h"
#include "app/ui/controls.h"
#include "app/unitsystemchange.h"
#include "i18n/ui/language.h"
#include "i18n/ui/textid.h"
#include "numbers/wire.h"
#include "output/ui/errorreport.h"
#include "output/ui/print.h"
#include "tools/copperresistance.h"
#include "tools/ui/toolwindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace kovolo::tools {

namespace {

// The fields take any character: a minus sign is needed for temperatures below zero.
QLineEdit* plainField(QWidget* parent, const char* name)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")));
    field->setAlignment(Qt::AlignRight);
    return field;
}

} // namespace

CopperResistanceWindow::CopperResistanceWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("frmRCu");
    setWindowTitle(QStringLiteral(" R Cu berechnen"));
    i18n::setTextId(this, 354);
    setAttribute(Qt::WA_DeleteOnClose);

    text1_ = plainField(this, "Text1");
    text2_ = plainField(this, "Text2");
    text3_ = plainField(this, "Text3");
    combo1_ = controls::list(this, "Combo1", {}, -1);
    combo2_ = controls::list(this, "Combo2", {}, -1);
    label1_ = controls::caption(this, "Label1", QStringLiteral("#"));
    label2_ = controls::caption(this, "Label2", QStringLiteral("mm"));

    auto* grid = new QGridLayout;
    grid->addWidget(controls::caption(this, "Label6", QString::fromUtf8("Länge"), 60), 0, 0);
    grid->addWidget(text1_, 0, 1);
    grid->addWidget(combo1_, 0, 2);

    grid->addWidget(controls::caption(this, "Label7", QStringLiteral("D")), 1, 0);
    auto* wire = new QHBoxLayout;
    wire->setContentsMargins(0, 0, 0, 0);
    wire->addWidget(label1_);
    wire->addWidget(combo2_, 1);
    wire->addWidget(text2_, 1);
    grid->addLayout(wire, 1, 1);
    grid->addWidget(label2_, 1, 2);

    grid->addWidget(controls::caption(this, "Label4", QStringLiteral("bei"), 250), 2, 0);
    grid->addWidget(text3_, 2, 1);
    grid->addWidget(controls::caption(this, "Label5", QString::fromUtf8("°C")), 2, 2);

    label12_ = controls::caption(this, "Label12", QString());
    grid->addWidget(label12_, 3, 1, 1, 2);

    auto* go = controls::goButton(this, "Command1");
    grid->addWidget(go, 0, 3, 3, 1);

    grid->addWidget(controls::caption(this, "Label8", QStringLiteral("Widerstand"), 245), 4, 1, 1,
                    2);
    label3_ = controls::result(this, "Label3");
    label3_->setMinimumWidth(
        label3_->fontMetrics().horizontalAdvance(QStringLiteral("00000.00000 K")) + 12);
    grid->addWidget(label3_, 5, 1);
    // The unit of the result, right after it.
    auto* ohm = new QLabel(QString::fromUtf8("Ω"), this);
    ohm->setObjectName("Image2");
    grid->addWidget(ohm, 5, 2);
    grid->setColumnStretch(1, 1);

    const PrintQuitRow buttons = printQuitRow(this, "Command3", "Command2");

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->addLayout(grid);
    column->addLayout(buttons.row);

    connect(go, &QPushButton::clicked, this, &CopperResistanceWindow::calculate);
    connect(buttons.print, &QPushButton::clicked, this, &CopperResistanceWindow::printWindow);
    connect(buttons.quit, &QPushButton::clicked, this, &QWidget::close);

    // The unit menu of the main window switches the layout while the window is open.
    QPointer<CopperResistanceWindow> self(this);
    unitListener_ = addUnitSystemListener([self](bool imperial) {
        if (self)
            self->applyUnitSystem(imperial);
    });

    formLoad();
}

CopperResistanceWindow::~CopperResistanceWindow()
{
    removeUnitSystemListener(unitListener_);
}

void CopperResistanceWindow::formLoad()
{
    text1_->clear();
    text2_->clear();
    text3_->setText(QStringLiteral("20"));
    label3_->clear();
    label12_->clear();
    applyUnitSystem(globals().unitSystemImperial);
    combo2_->clear();
    for (const std::string& gauge : numbers::gaugeTexts())
        combo2_->addItem(QString::fromStdString(gauge));
    combo2_->setCurrentIndex(numbers::gaugeListInitial);
    if (globals().currentLanguage != "deutsch")
        skipOnFailure([] { i18n::applyLanguage(globals().currentLanguage); });
}

void CopperResistanceWindow::applyUnitSystem(bool imperial)
{
    // Choosing the unit system that is shown already changes nothing (a chosen "yd" stays).
    if (imperial == imperial_ && combo1_->count() > 0)
        return;
    // A result computed in the other unit system no longer belongs to what the fields show.
    label3_->clear();
    label12_->clear();
    imperial_ = imperial;
    text2_->setVisible(!imperial);
    combo2_->setVisible(imperial);
    label1_->setVisible(imperial);
    label2_->setText(imperial ? QStringLiteral("AWG") : QStringLiteral("mm"));
    combo1_->clear();
    if (imperial) {
        for (const char* unit : copperImperialLengthUnits)
            combo1_->addItem(QString::fromUtf8(unit));
    } else {
        for (const char* unit : copperMetricLengthUnits)
            combo1_->addItem(QString::fromUtf8(unit));
    }
    combo1_->setCurrentIndex(0);
}

void CopperResistanceWindow::calculate()
{
    skipOnFailure([this] {
        CopperInput input;
        input.imperial = imperial_;
        input.lengthText = text1_->text().toStdString();
        input.lengthUnit = combo1_->currentIndex();
        input.diameterText = text2_->text().toStdString();
        input.gaugeText = combo2_->currentText().toStdString();
        input.temperatureText = text3_->text().toStdString();
        const CopperResult result = computeCopperResistance(input);
        label12_->setText(QString::fromStdString(result.warning));
        label3_->setText(QString::fromStdString(result.resistance));
    });
}

void CopperResistanceWindow::printWindow()
{
    QList<QWidget*> buttons;
    for (const char* name : {"Command3", "Command2"})
        buttons << findChild<QWidget*>(QString::fromLatin1(name));
    output::printToolWindow({this, label12_, output::HeadingAfterPrint::Empty, buttons});
}

} // namespace kovolo::tools
