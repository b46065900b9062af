#include "app/ui/about.h"

#include "app/aboutnotice.h"
#include "app/globals.h"
#include "app/metadata.h"
#include "app/ui/logo.h"
#include "i18n/ui/language.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace kovolo {

namespace {

QPointer<AboutWindow> openAbout;

QFrame* separator(QWidget* parent, const char* name)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QString mainWindowTitle()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmOptions"))
            return window->windowTitle();
    }
    return {};
}

const char* const descriptionText =
    "Berechnung von Spulen und Übertragern auf Ringkernen:\n"
    "Windungszahl, Drahtstärke und Drahtlänge für eine gewünschte Induktivität,\n"
    "Induktivität und Blindwiderstand einer Wicklung, Flussdichte, Kernverluste\n"
    "und Erwärmung im Betrieb. Dazu Luftspulen, gerade Leiter und Hilfsrechner\n"
    "für AL-Wert, Permeabilität, Schwingkreis, Kupferwiderstand und Einheiten.";

} // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Info : Kovolo"));
    setModal(false);

    icon_ = new QLabel(this);
    icon_->setObjectName(QStringLiteral("picIcon"));
    icon_->setToolTip(QStringLiteral("Logo"));
    icon_->setPixmap(logoPixmap(72));
    icon_->setFixedSize(72, 72);

    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    title_->setFont(titleFont);

    version_ = new QLabel(this);
    version_->setObjectName(QStringLiteral("lblVersion"));
    version_->setToolTip(QStringLiteral("Programmversion"));

    description_ = new QLabel(QString::fromUtf8(descriptionText), this);
    description_->setObjectName(QStringLiteral("lblDescription"));
    description_->setTextFormat(Qt::PlainText);

    // The notice keeps the window's font: its indent is measured in that font.
    disclaimer_ = new QLabel(this);
    disclaimer_->setObjectName(QStringLiteral("lblDisclaimer"));
    disclaimer_->setTextFormat(Qt::PlainText);

    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("cmdOK"));
    okButton->setToolTip(QStringLiteral("Info schließen"));
    okButton->setDefault(true);
    okButton->setMinimumWidth(88);
    connect(okButton, &QPushButton::clicked, this, &QWidget::close);

    auto* heading = new QVBoxLayout;
    heading->setSpacing(2);
    heading->addStretch(1);
    heading->addWidget(title_);
    heading->addWidget(version_);
    heading->addStretch(1);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(icon_, 0, Qt::AlignVCenter);
    top->addLayout(heading, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okButton);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(10);
    layout->addLayout(top);
    layout->addWidget(separator(this, "Line1_0"));
    layout->addWidget(description_);
    layout->addWidget(separator(this, "Line1_1"));
    layout->addWidget(disclaimer_);
    layout->addSpacing(4);
    layout->addLayout(buttons);

    // Creation in the program's order: version, language, title, notice.
    version_->setText(QString::fromStdString(metadata::versionLabelText()));
    i18n::applyLanguage(globals().currentLanguage);
    setWindowTitle(QStringLiteral("Info: ") + mainWindowTitle());

    const QFontMetricsF metrics(font(), this);
    const int blanks = noticeIndentBlanks(metrics.horizontalAdvance(QStringLiteral("Attenzione: ")),
                                          metrics.horizontalAdvance(QLatin1Char(' ')));
    const std::string indent(static_cast<std::size_t>(blanks), ' ');
    title_->setText(QString::fromUtf8(metadata::productName));
    disclaimer_->setText(QString::fromStdString(
        distributionNotice(globals().currentLanguage, globals().lineBreak, indent)));
}

AboutWindow* showAboutWindow()
{
    if (!openAbout) {
        openAbout = new AboutWindow;
        openAbout->setAttribute(Qt::WA_DeleteOnClose);
    }
    openAbout->show();
    openAbout->raise();
    openAbout->activateWindow();
    return openAbout;
}

AboutWindow* aboutWindow()
{
    return openAbout;
}

} // namespace kovolo
