#include "tools/ui/formfactorframe.h"

#include "app/ui/controls.h"
#include "i18n/ui/textid.h"
#include "numbers/format.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace kovolo::tools {

namespace {

const QString sigma = QString(QChar(0x03A3));

} // namespace

SigmaPicture::SigmaPicture(QWidget* parent) : QWidget(parent)
{
    setObjectName("Picture1");
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QFont SigmaPicture::sigmaFont() const
{
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 1.5);
    return f;
}

QSize SigmaPicture::sizeHint() const
{
    const QFontMetrics metrics(sigmaFont());
    return {metrics.horizontalAdvance(sigma) + 2, metrics.height()};
}

void SigmaPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(sigmaFont());
    painter.drawText(rect(), Qt::AlignCenter, sigma);
}

FormFactorFrame::FormFactorFrame(QWidget* parent)
    : QGroupBox(QString::fromUtf8("Magnetische Formkenngrößen berechnen"), parent)
{
    setObjectName("Frame1");
    i18n::setTextId(this, 309);
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);

    // Left: the dimensions as typed.
    struct Input {
        const char* caption;
        const char* captionText;
        int textId;
        const char* field;
        const char* unit;
    };
    const Input inputs[] = {
        {"Label10", "Da", 251, "txtDa", "Label11"},
        {"Label14", "Di", 253, "txtDi", "Label12"},
        {"Label16", "h", -1, "txtH", "Label13"},
        {"Label17", "Beschichtung", 252, "txtBesch", "Label15"},
    };
    QLineEdit* fields[4];
    for (int row = 0; row < 4; ++row) {
        const Input& in = inputs[row];
        grid->addWidget(
            controls::caption(this, in.caption, QString::fromUtf8(in.captionText), in.textId), row,
            0);
        fields[row] = controls::numericField(this, in.field);
        grid->addWidget(fields[row], row, 1);
        grid->addWidget(controls::caption(this, in.unit, QStringLiteral("mm")), row, 2);
    }
    da_ = fields[0];
    di_ = fields[1];
    h_ = fields[2];
    coating_ = fields[3];
    grid->setColumnMinimumWidth(3, 18);

    // Right: the effective dimensions.
    grid->addWidget(controls::caption(this, "Label1", QStringLiteral("Ae")), 0, 4, Qt::AlignRight);
    ae_ = controls::result(this, "lbAe");
    grid->addWidget(ae_, 0, 5);
    grid->addWidget(controls::caption(this, "Label2", QString::fromUtf8("mm²")), 0, 6);

    grid->addWidget(controls::caption(this, "Label3", QStringLiteral("le")), 1, 4, Qt::AlignRight);
    le_ = controls::result(this, "lbLe");
    grid->addWidget(le_, 1, 5);
    grid->addWidget(controls::caption(this, "Label6", QStringLiteral("mm")), 1, 6);

    // Σ(le/Ae): the picture of the sigma, then the caption.
    auto* sum = new QHBoxLayout;
    sum->setSpacing(0);
    sum->addStretch(1);
    sum->addWidget(new SigmaPicture(this), 0, Qt::AlignVCenter);
    sum->addWidget(controls::caption(this, "Label7", QStringLiteral("(le/Ae)")), 0,
                   Qt::AlignVCenter);
    grid->addLayout(sum, 2, 4);
    leAe_ = controls::result(this, "lbLeAe");
    grid->addWidget(leAe_, 2, 5);
    grid->addWidget(controls::caption(this, "Label9", QStringLiteral("1/mm")), 2, 6);

    grid->setColumnStretch(5, 1);
}

void FormFactorFrame::resetFields()
{
    da_->clear();
    di_->clear();
    h_->clear();
    coating_->setText(QString::fromStdString(numbers::formatMask(0, "0.00")));
    ae_->clear();
    le_->clear();
    leAe_->clear();
}

void FormFactorFrame::showResults(const QString& ae, const QString& le, const QString& leAe)
{
    ae_->setText(ae);
    le_->setText(le);
    leAe_->setText(leAe);
}

FormFactorFrame::Texts FormFactorFrame::texts() const
{
    return {da_->text().toStdString(), di_->text().toStdString(), h_->text().toStdString(),
            coating_->text().toStdString()};
}

AlResultRow alResultRow(QWidget* window)
{
    AlResultRow results;
    results.row = new QHBoxLayout;
    results.go = controls::goButton(window, "Command1");
    results.row->addWidget(results.go);
    results.row->addSpacing(12);
    results.row->addWidget(controls::caption(window, "Label23", QStringLiteral("AL =")));
    results.al = controls::result(window, "lbAL");
    results.row->addWidget(results.al, 1);
    results.row->addWidget(controls::caption(window, "Label25", QString::fromUtf8("nH/N²")));
    return results;
}

} // namespace kovolo::tools
