#include "tools/ui/alzwindow.h"

#include "app/globals.h"
#include "app/ui/controls.h"
#include "i18n/ui/language.h"
#include "i18n/ui/textid.h"
#include "output/ui/print.h"
#include "tools/alzwindow.h"
#include "tools/ui/formfactorframe.h"
#include "tools/ui/toolwindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kovolo::tools {

AlzWindow::AlzWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("frmALZ");
    setWindowTitle(QString::fromUtf8(" AL aus Permeabilität ermitteln"));
    i18n::setTextId(this, 269);
    setAttribute(Qt::WA_DeleteOnClose);

    // The heading of a printout; shown only while printing.
    print_ = controls::caption(this, "lblPrint", QStringLiteral("Berechnung:"));
    print_->hide();

    auto* material = new QHBoxLayout;
    material->addWidget(controls::caption(this, "Label5", QString::fromUtf8("Permeabilität"), 18));
    material->addSpacing(12);
    material->addWidget(controls::caption(this, "Label26", QString::fromUtf8("µi =")));
    permeability_ = controls::numericField(this, "txtµi");
    material->addWidget(permeability_);
    material->addStretch(1);

    frame_ = new FormFactorFrame(this);

    const AlResultRow results = alResultRow(this);
    al_ = results.al;
    results.row->addStretch(1);

    const PrintQuitRow buttons = printQuitRow(this, "Command3", "Command2");

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(print_);
    layout->addLayout(material);
    layout->addWidget(frame_);
    layout->addLayout(results.row);
    layout->addSpacing(6);
    layout->addLayout(buttons.row);

    connect(results.go, &QPushButton::clicked, this, &AlzWindow::calculate);
    connect(buttons.print, &QPushButton::clicked, this, &AlzWindow::print);
    // "&Beenden" unloads the window: its values are gone at the next opening.
    connect(buttons.quit, &QPushButton::clicked, this, &QWidget::close);

    resetFields();
    if (globals().currentLanguage != "deutsch")
        i18n::applyLanguage(globals().currentLanguage);
}

void AlzWindow::resetFields()
{
    permeability_->clear();
    frame_->resetFields();
    al_->clear();
    print_->clear();
}

void AlzWindow::calculate()
{
    try {
        const std::string permeability = permeability_->text().toStdString();
        const FormFactorFrame::Texts d = frame_->texts();
        const PermeabilityCoreResult r =
            computePermeabilityCore({permeability, d.da, d.di, d.h, d.coating});
        frame_->showResults(QString::fromStdString(r.ae), QString::fromStdString(r.le),
                            QString::fromStdString(r.leAe));
        al_->setText(QString::fromStdString(r.al));
    } catch (...) {
        // Only running out of memory can get here; the labels keep what they showed.
    }
}

void AlzWindow::print()
{
    QList<QWidget*> buttons;
    for (const char* name : {"Command1", "Command2", "Command3"})
        buttons << findChild<QWidget*>(QString::fromLatin1(name));
    output::printToolWindow({this, print_, output::HeadingAfterPrint::Hide, buttons});
}

} // namespace kovolo::tools
