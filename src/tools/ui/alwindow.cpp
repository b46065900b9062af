#include "tools/ui/alwindow.h"

#include "app/globals.h"
#include "app/ui/controls.h"
#include "i18n/ui/language.h"
#include "i18n/ui/textid.h"
#include "output/ui/print.h"
#include "tools/alwindow.h"
#include "tools/ui/formfactorframe.h"
#include "tools/ui/toolwindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kovolo::tools {

namespace {

// A caption of two lines, each its own label ("Windungen" over "gewickelt").
QWidget* twoLineCaption(QWidget* parent, QLabel* first, QLabel* second)
{
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    first->setParent(box);
    second->setParent(box);
    column->addWidget(first);
    column->addWidget(second);
    return box;
}

} // namespace

AlWindow::AlWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("frmAL");
    setWindowTitle(QString::fromUtf8(" AL und µi ermitteln"));
    i18n::setTextId(this, 353);
    setAttribute(Qt::WA_DeleteOnClose);

    // The heading of a printout; shown only while printing.
    print_ = controls::caption(this, "lblPrint", QStringLiteral("Berechnung: "));
    print_->hide();

    auto* measured = new QGridLayout;
    measured->addWidget(
        twoLineCaption(this, controls::caption(this, "Label19", QStringLiteral("Windungen"), 246),
                       controls::caption(this, "Label21", QStringLiteral("gewickelt"), 248)),
        0, 0);
    turns_ = controls::numericField(this, "txtWdg");
    measured->addWidget(turns_, 0, 1);
    measured->addWidget(
        twoLineCaption(this,
                       controls::caption(this, "Label18", QString::fromUtf8("Induktivität"), 247),
                       controls::caption(this, "Label20", QStringLiteral("gemessen"), 249)),
        1, 0);
    inductance_ = controls::numericField(this, "txtL");
    measured->addWidget(inductance_, 1, 1);
    measured->addWidget(controls::caption(this, "Label22", QString::fromUtf8("µH")), 1, 2);
    measured->setColumnStretch(3, 1);

    frame_ = new FormFactorFrame(this);

    const AlResultRow results = alResultRow(this);
    al_ = results.al;
    results.row->addSpacing(18);
    results.row->addWidget(controls::caption(this, "Label26", QString::fromUtf8("µi =")));
    permeability_ = controls::result(this, "lbµi");
    results.row->addWidget(permeability_, 1);

    const PrintQuitRow buttons = printQuitRow(this, "Command3", "Command2");

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(print_);
    layout->addLayout(measured);
    layout->addWidget(frame_);
    layout->addLayout(results.row);
    layout->addSpacing(6);
    layout->addLayout(buttons.row);

    connect(results.go, &QPushButton::clicked, this, &AlWindow::calculate);
    connect(buttons.print, &QPushButton::clicked, this, &AlWindow::print);
    // "&Beenden" only hides: the values stay for the next opening and for the copy buttons.
    connect(buttons.quit, &QPushButton::clicked, this, &QWidget::hide);

    resetFields();
    if (globals().currentLanguage != "deutsch")
        i18n::applyLanguage(globals().currentLanguage);
}

void AlWindow::resetFields()
{
    turns_->clear();
    inductance_->clear();
    frame_->resetFields();
    al_->clear();
    permeability_->clear();
}

void AlWindow::calculate()
{
    try {
        const std::string turns = turns_->text().toStdString();
        const std::string inductance = inductance_->text().toStdString();
        const FormFactorFrame::Texts d = frame_->texts();
        const MeasuredCoreResult r =
            computeMeasuredCore({turns, inductance, d.da, d.di, d.h, d.coating});
        al_->setText(QString::fromStdString(r.al));
        frame_->showResults(QString::fromStdString(r.ae), QString::fromStdString(r.le),
                            QString::fromStdString(r.leAe));
        permeability_->setText(QString::fromStdString(r.permeability));
    } catch (...) {
        // Only running out of memory can get here; the labels keep what they showed.
    }
}

void AlWindow::print()
{
    QList<QWidget*> buttons;
    for (const char* name : {"Command1", "Command2", "Command3"})
        buttons << findChild<QWidget*>(QString::fromLatin1(name));
    output::printToolWindow({this, print_, output::HeadingAfterPrint::Hide, buttons});
}

} // namespace kovolo::tools
