#include "app/ui/splash.h"

#include "app/metadata.h"
#include "app/ui/logo.h"
#include "i18n/ui/textid.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace kovolo {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

void scaleFont(QLabel* label, qreal factor, bool bold = false)
{
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    label->setFont(font);
}

} // namespace

SplashWindow::SplashWindow(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("VorBild"));
    setWindowTitle(QString::fromUtf8(metadata::productName));

    mainFrame_ = new QFrame(this);
    mainFrame_->setObjectName(QStringLiteral("fraMainFrame"));
    mainFrame_->setFrameShape(QFrame::Box);
    mainFrame_->setFrameShadow(QFrame::Plain);
    mainFrame_->setLineWidth(1);
    mainFrame_->setCursor(Qt::WaitCursor);
    QPalette framePalette = mainFrame_->palette();
    framePalette.setColor(QPalette::Window, QColor(0xfb, 0xf9, 0xf6));
    framePalette.setColor(QPalette::WindowText, QColor(0x22, 0x2a, 0x33));
    framePalette.setColor(QPalette::Light, QColor(0xb8, 0x73, 0x33));
    framePalette.setColor(QPalette::Dark, QColor(0x8a, 0x4f, 0x1e));
    mainFrame_->setPalette(framePalette);
    mainFrame_->setAutoFillBackground(true);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(mainFrame_);

    auto* logo = makeLabel(mainFrame_, "picLogo");
    logo->setPixmap(logoPixmap(144));
    logo->setFixedSize(144, 144);

    auto* productName = makeLabel(mainFrame_, "lblProductName");
    scaleFont(productName, 2.6, true);
    i18n::setTextId(productName, 255);

    auto* companyProduct = makeLabel(mainFrame_, "lblCompanyProduct");
    scaleFont(companyProduct, 1.3);
    auto* version = makeLabel(mainFrame_, "lblVersion");
    auto* platform = makeLabel(mainFrame_, "lblPlatform");
    QPalette subdued = platform->palette();
    subdued.setColor(QPalette::WindowText, QColor(0x5c, 0x66, 0x70));
    platform->setPalette(subdued);

    auto* accent = new QFrame(mainFrame_);
    accent->setFixedHeight(2);
    accent->setAutoFillBackground(true);
    QPalette accentPalette = accent->palette();
    accentPalette.setColor(QPalette::Window, QColor(0xc8, 0x74, 0x3a));
    accent->setPalette(accentPalette);

    auto* licenseTo = makeLabel(mainFrame_, "lblLicenseTo",
                                QStringLiteral("Freeware für Funkamateure – von den "
                                               "Kovolo\u2011Entwicklern"));
    licenseTo->setWordWrap(true);
    i18n::setTextId(licenseTo, 256);

    auto* thanks = makeLabel(mainFrame_, "Label1", QStringLiteral("Vielen Dank:"));
    QFont thanksFont = thanks->font();
    thanksFont.setBold(true);
    thanks->setFont(thanksFont);
    auto* warning = makeLabel(mainFrame_, "lblWarning",
                              QStringLiteral("allen Testern und Übersetzern aus dem Amateurfunk"));
    warning->setWordWrap(true);

    auto* copyright = makeLabel(mainFrame_, "lblCopyright");
    auto* sign = makeLabel(mainFrame_, "PicZeichen");
    sign->setPixmap(iconPixmap(16));
    sign->setFixedSize(16, 16);
    auto* company = makeLabel(mainFrame_, "lblCompany");
    for (QLabel* label : {copyright, company})
        label->setPalette(subdued);

    // The texts from the program's version information.
    companyProduct->setText(QString::fromUtf8(metadata::fileDescription));
    version->setText(QString::fromStdString(metadata::versionLabelText()));
    productName->setText(QString::fromUtf8(metadata::productName));
    platform->setText(QString::fromUtf8(metadata::comments));
    QString copyrightText = QString::fromUtf8(metadata::copyright);
    copyrightText.chop(1);
    copyright->setText(copyrightText.trimmed());
    company->setText(QStringLiteral(", ") + QString::fromUtf8(metadata::companyName));

    auto* text = new QVBoxLayout;
    text->setSpacing(4);
    text->addWidget(productName);
    text->addWidget(companyProduct);
    text->addSpacing(4);
    text->addWidget(accent);
    text->addSpacing(6);
    text->addWidget(version);
    text->addWidget(platform);
    text->addSpacing(12);
    text->addWidget(licenseTo);
    text->addStretch(1);

    auto* thanksLine = new QHBoxLayout;
    thanksLine->setSpacing(6);
    thanksLine->addWidget(thanks, 0, Qt::AlignTop);
    thanksLine->addWidget(warning, 1, Qt::AlignTop);
    text->addLayout(thanksLine);

    auto* copyrightLine = new QHBoxLayout;
    copyrightLine->setSpacing(4);
    copyrightLine->addWidget(copyright);
    copyrightLine->addWidget(sign);
    copyrightLine->addWidget(company);
    copyrightLine->addStretch(1);

    auto* grid = new QGridLayout(mainFrame_);
    grid->setContentsMargins(22, 22, 22, 14);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(14);
    grid->addWidget(logo, 0, 0, Qt::AlignTop | Qt::AlignHCenter);
    grid->addLayout(text, 0, 1);
    grid->addLayout(copyrightLine, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);

    setFixedSize(500, 300);
    if (QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

void SplashWindow::setNormalPointer()
{
    mainFrame_->setCursor(Qt::ArrowCursor);
}

} // namespace kovolo
