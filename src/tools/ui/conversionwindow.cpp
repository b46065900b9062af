#include "tools/ui/conversionwindow.h"

#include "app/globals.h"
#include "app/ui/controls.h"
#include "app/ui/keyupblanking.h"
#include "i18n/ui/language.h"
#include "i18n/ui/textid.h"
#include "numbers/format.h"
#include "numbers/ui/keyfilters.h"
#include "numbers/wire.h"
#include "output/ui/errorreport.h"
#include "output/ui/print.h"
#include "tools/conversion.h"
#include "tools/ui/toolwindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
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

// The key rule of the two temperature fields: that of the numeric fields, and the minus sign
// for temperatures below zero.
class TemperatureKeyFilter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) &&
                key->text() == QStringLiteral("-"))
                return false;
        } else if (event->type() == QEvent::InputMethod) {
            auto* im = static_cast<QInputMethodEvent*>(event);
            QString kept;
            for (const QChar ch : im->commitString())
                if (temperatureKeyFilter(ch.unicode()) != 0)
                    kept += ch;
            im->setCommitString(kept, im->replacementStart(), im->replacementLength());
            return false;
        }
        return numeric_.eventFilter(watched, event);
    }

private:
    numbers::NumericKeyFilter numeric_;
};

// A numeric field whose key rule also lets the minus sign through.
QLineEdit* temperatureField(QWidget* parent, const char* name, QObject* keyFilter)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")));
    field->setAlignment(Qt::AlignRight);
    field->installEventFilter(keyFilter);
    return field;
}

} // namespace

ConversionWindow::ConversionWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("frmUmrechnung");
    setWindowTitle(QStringLiteral(" Umrechnung Inch (Zoll) <-> Meter"));
    i18n::setTextId(this, 355);
    setAttribute(Qt::WA_DeleteOnClose);

    // Lengths.
    auto* frame1 = new QGroupBox(QStringLiteral(" inch <-> meter "), this);
    frame1->setObjectName("Frame1");
    auto* lengths = new QGridLayout(frame1);
    text1_ = controls::numericField(frame1, "Text1");
    combo1_ = controls::list(frame1, "Combo1", {}, -1);
    auto* command1 = controls::goButton(frame1, "Command1");
    label1_ = controls::result(frame1, "Label1");
    label2_ = controls::caption(frame1, "Label2", QStringLiteral("cm"));
    text2_ = controls::numericField(frame1, "Text2");
    combo2_ = controls::list(frame1, "Combo2", {}, -1);
    auto* command2 = controls::goButton(frame1, "Command2");
    label3_ = controls::result(frame1, "Label3");
    label4_ = controls::caption(frame1, "Label4", QStringLiteral("in"));
    QWidget* const rows[2][5] = {{text1_, combo1_, command1, label1_, label2_},
                                 {text2_, combo2_, command2, label3_, label4_}};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 5; ++column)
            lengths->addWidget(rows[row][column], row, column);
    const int unitWidth = fontMetrics().horizontalAdvance(QStringLiteral("mm")) + 8;
    label2_->setMinimumWidth(unitWidth);
    label4_->setMinimumWidth(unitWidth);
    lengths->setColumnStretch(3, 1);

    // Wire gauge.
    auto* frame2 = new QGroupBox(QStringLiteral(" American Wire Gauge -> mm "), this);
    frame2->setObjectName("Frame2");
    auto* gauge = new QGridLayout(frame2);
    combo3_ = controls::list(frame2, "Combo3", {}, -1);
    auto* command3 = controls::goButton(frame2, "Command3");
    label7_ = controls::result(frame2, "Label7");
    label7_->setMinimumWidth(
        label7_->fontMetrics().horizontalAdvance(QStringLiteral("00.000000 in")) + 12);
    label9_ = controls::result(frame2, "Label9");
    gauge->addWidget(controls::caption(frame2, "Label5", QStringLiteral("#")), 0, 0);
    gauge->addWidget(combo3_, 0, 1);
    gauge->addWidget(controls::caption(frame2, "Label6", QStringLiteral("AWG")), 0, 2);
    gauge->addWidget(command3, 0, 3);
    gauge->addWidget(controls::caption(frame2, "Label8", QStringLiteral("D =")), 0, 4);
    gauge->addWidget(label7_, 0, 5);
    gauge->addWidget(label9_, 0, 6);
    gauge->addWidget(controls::caption(frame2, "Label10", QStringLiteral("mm")), 0, 7);
    gauge->setColumnStretch(5, 1);
    gauge->setColumnStretch(6, 1);

    // Temperatures.
    auto* frame3 = new QGroupBox(QString::fromUtf8(" °F <-> C° "), this);
    frame3->setObjectName("Frame3");
    auto* temperatures = new QHBoxLayout(frame3);
    auto* temperatureKeys = new TemperatureKeyFilter(this);
    text3_ = temperatureField(frame3, "Text3", temperatureKeys);
    text4_ = temperatureField(frame3, "Text4", temperatureKeys);
    for (QLineEdit* field : {text3_, text4_})
        field->installEventFilter(this); // key-up clearing of the other field
    auto* command4 = controls::button(frame3, "Command4", "<=>");
    command4->setToolTip(QStringLiteral("Go"));
    temperatures->addWidget(text3_, 1);
    temperatures->addWidget(controls::caption(frame3, "Label11", QString::fromUtf8("°F")));
    temperatures->addWidget(command4);
    temperatures->addWidget(text4_, 1);
    temperatures->addWidget(controls::caption(frame3, "Label13", QString::fromUtf8("°C")));

    label12_ = controls::caption(
        this, "Label12", QString::fromUtf8("Das zu berechnende Feld muß frei bleiben!"), 21);

    const PrintQuitRow buttons = printQuitRow(this, "Command6", "Command5");

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->addWidget(frame1);
    column->addWidget(frame2);
    column->addWidget(frame3);
    column->addWidget(label12_);
    column->addLayout(buttons.row);

    connect(command1, &QPushButton::clicked, this, &ConversionWindow::convertImperialToMetric);
    connect(command2, &QPushButton::clicked, this, &ConversionWindow::convertMetricToImperial);
    connect(command3, &QPushButton::clicked, this, &ConversionWindow::convertGauge);
    connect(command4, &QPushButton::clicked, this, &ConversionWindow::convertTemperature);
    connect(buttons.print, &QPushButton::clicked, this, &ConversionWindow::printWindow);
    connect(buttons.quit, &QPushButton::clicked, this, &QWidget::close);

    formLoad();

    // The lists' Click: a new unit or gauge empties the result that belongs to the old one.
    const auto combo1Click = [this] {
        label2_->setText(QString::fromUtf8(metricUnitFor(combo1_->currentIndex())));
        label1_->clear();
    };
    const auto combo2Click = [this] {
        label4_->setText(QString::fromUtf8(imperialUnitFor(combo2_->currentIndex())));
        label3_->clear();
    };
    const auto combo3Click = [this] {
        label7_->clear();
        label9_->clear();
    };
    const auto onClick = [this](QComboBox* combo, const auto& click) {
        connect(combo, &QComboBox::activated, this, click);
        connect(combo, &QComboBox::currentIndexChanged, this, click);
    };
    onClick(combo1_, combo1Click);
    onClick(combo2_, combo2Click);
    onClick(combo3_, combo3Click);
}

void ConversionWindow::formLoad()
{
    for (QLineEdit* field : {text1_, text2_, text3_, text4_})
        field->clear();
    for (QLabel* label : {label1_, label3_, label9_, label12_})
        label->clear();
    label7_->setText(QString::fromStdString(
        numbers::formatMask(conversionGaugeInitialInches, "###0.0#####") + " in"));
    combo1_->clear();
    combo1_->addItems(itemsOf(imperialLengthUnits));
    combo1_->setCurrentIndex(0);
    combo2_->clear();
    combo2_->addItems(itemsOf(metricLengthUnits));
    combo2_->setCurrentIndex(0);
    combo3_->clear();
    for (const std::string& gauge : numbers::gaugeTexts())
        combo3_->addItem(QString::fromStdString(gauge));
    combo3_->setCurrentIndex(conversionGaugeInitial);
    if (globals().currentLanguage != "deutsch")
        skipOnFailure([] { i18n::applyLanguage(globals().currentLanguage); });
}

void ConversionWindow::convertImperialToMetric()
{
    skipOnFailure([this] {
        const int index = combo1_->currentIndex();
        label1_->setText(
            QString::fromStdString(imperialToMetricText(text1_->text().toStdString(), index)));
        label2_->setText(QString::fromUtf8(metricUnitFor(index)));
    });
}

void ConversionWindow::convertMetricToImperial()
{
    skipOnFailure([this] {
        const int index = combo2_->currentIndex();
        label3_->setText(
            QString::fromStdString(metricToImperialText(text2_->text().toStdString(), index)));
        label4_->setText(QString::fromUtf8(imperialUnitFor(index)));
    });
}

void ConversionWindow::convertGauge()
{
    skipOnFailure([this] {
        const GaugeDiameter d = gaugeToDiameter(combo3_->currentText().toStdString());
        label9_->setText(QString::fromStdString(d.millimetres));
        label7_->setText(QString::fromStdString(d.inches));
    });
}

void ConversionWindow::convertTemperature()
{
    skipOnFailure([this] {
        const TemperatureOutcome outcome = tools::convertTemperature(
            text3_->text().toStdString(), text4_->text().toStdString(), globals().currentLanguage);
        if (outcome.fahrenheit)
            text3_->setText(QString::fromStdString(*outcome.fahrenheit));
        if (outcome.celsius)
            text4_->setText(QString::fromStdString(*outcome.celsius));
        label12_->setText(QString::fromStdString(outcome.message));
    });
}

bool ConversionWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Typing into one temperature field empties the other, so "<=>" converts the new value.
    if (event->type() == QEvent::KeyRelease && (watched == text3_ || watched == text4_)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (releaseClearsOtherTemperature(KeyUpBlanking::virtualKeyCode(key)))
            (watched == text3_ ? text4_ : text3_)->clear();
    }
    return QWidget::eventFilter(watched, event);
}

void ConversionWindow::printWindow()
{
    QList<QWidget*> buttons;
    for (const char* name : {"Command6", "Command5"})
        buttons << findChild<QWidget*>(QString::fromLatin1(name));
    output::printToolWindow({this, label12_, output::HeadingAfterPrint::Empty, buttons});
}

} // namespace kovolo::tools
