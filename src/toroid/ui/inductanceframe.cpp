#include "toroid/ui/inductanceframe.h"

#include "app/ui/controls.h"
#include "catalogs/ui/unknowncorepanel.h"
#include "i18n/ui/textid.h"
#include "numbers/parse.h"
#include "output/ui/errorreport.h"
#include "toroid/inductance.h"
#include "toroid/turns.h"
#include "toroid/ui/applicationframe.h"
#include "toroid/ui/toroidcontext.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kovolo::toroid {

InductanceFrame::InductanceFrame(ToroidContext& context, ApplicationFrame& application,
                                 QWidget* parent)
    : QGroupBox(QStringLiteral("Induktivität aus Windungszahl berechnen"), parent),
      context_(context), application_(application)
{
    setObjectName("fraFerrit1");
    i18n::setTextId(this, 306);
    auto* grid = new QGridLayout(this);

    grid->addWidget(controls::caption(this, "Label51", QStringLiteral("N")), 0, 0);
    text9_ = controls::numericField(this, "Text9");
    grid->addWidget(text9_, 0, 1);
    auto* go = controls::goButton(this, "CommandL1");
    grid->addWidget(go, 0, 2);

    label52_ = controls::result(this, "Label52", QStringLiteral("0"));
    grid->addWidget(label52_, 1, 1);
    unit_ = controls::caption(this, "LabelFerrit1", QStringLiteral("H"));
    grid->addWidget(unit_, 1, 2);

    grid->addWidget(controls::caption(this, "Label53", QStringLiteral("XL=")), 2, 0);
    label54_ = controls::result(this, "Label54", QStringLiteral("0 "));
    grid->addWidget(label54_, 2, 1);
    grid->addWidget(new QLabel(QString::fromUtf8("Ω"), this), 2, 2);

    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    connect(go, &QPushButton::clicked, this, &InductanceFrame::calculate);
}

void InductanceFrame::clearResults()
{
    label52_->clear();
    label54_->clear();
}

void InductanceFrame::calculate()
{
    try {
        context_.setHint(QString());
        const int tab = context_.selectedTab();
        double al;
        if (tab >= 1 && tab <= 5)
            al = numbers::parseNumber(context_.catalogAlCaption().toStdString());
        else if (tab == 6)
            al = numbers::parseNumber(context_.unknownCore()->alField()->text().toStdString());
        else
            return;

        const QString turnsText = text9_->text().isEmpty() ? QStringLiteral("0") : text9_->text();
        const double turns = numbers::parseNumber(turnsText.toStdString());
        const InductanceResult result = computeInductance(al, turns);
        if (!result.valid) {
            label52_->setText(QString::fromUtf8(invalidMark));
            label54_->setText(QString::fromUtf8(invalidMark));
            return;
        }
        unit_->setText(QString::fromStdString(result.unitText));
        label52_->setText(QString::fromStdString(result.valueText));
        label54_->setText(
            QString::fromStdString(reactanceText(application_.frequencyHz(), result.henry)));
    } catch (...) {
        reportInductanceError(currentFailure());
    }
}

} // namespace kovolo::toroid
