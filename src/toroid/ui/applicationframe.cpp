#include "toroid/ui/applicationframe.h"

#include "app/ui/controls.h"
#include "i18n/ui/textid.h"
#include "numbers/parse.h"
#include "numbers/units.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kovolo::toroid {

namespace {
// Shown on the FT ferrite and iron-powder tabs only.
const char* const fullCheckControls[] = {"Text8",   "Label66", "Label67", "Label69", "Label70",
                                         "Label71", "Label72", "Label73", "Label74", "Label75",
                                         "Label76", "Label77", "Label78", "Label79", "Label80",
                                         "Combo3",  "Combo4"};
} // namespace

ApplicationFrame::ApplicationFrame(QWidget* parent) : QGroupBox(QStringLiteral("Anwendung"), parent)
{
    setObjectName("fraAnwendung");
    i18n::setTextId(this, 156);
    auto* grid = new QGridLayout(this);

    grid->addWidget(controls::caption(this, "Label68", QStringLiteral("Arbeitsfrequenz"), 142), 0,
                    0);
    text7_ = controls::numericField(this, "Text7");
    grid->addWidget(text7_, 0, 1);
    QStringList units;
    for (const char* unit : numbers::frequencyUnits)
        units << QString::fromUtf8(unit);
    comboFreq_ = controls::list(this, "ComboFreq", units, numbers::frequencyUnitInitial);
    grid->addWidget(comboFreq_, 0, 2);

    grid->addWidget(controls::caption(this, "Label69", QStringLiteral("Spannung"), 280), 1, 0);
    grid->addWidget(controls::numericField(this, "Text8"), 1, 1);
    grid->addWidget(controls::caption(this, "Label80", QStringLiteral("V")), 1, 2);

    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
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

} // namespace kovolo::toroid
