#include "app/ui/msgbox.h"

#include "app/globals.h"
#include "i18n/ui/language.h"
#include "i18n/ui/textid.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QWindow>
#include <QtMath>

namespace kovolo {

namespace {

enum class IconKind { Stop, Question, Exclamation, Information, Cross };

constexpr int iconSize = 32;

// A text path centred on (cx, cy) in a bold font of the given pixel size, squeezed
// horizontally when it is wider than maxWidth.
QPainterPath centredText(const QString& text, int pixelSize, qreal cx, qreal cy,
                         qreal maxWidth = 1e9)
{
    QFont font;
    font.setBold(true);
    font.setPixelSize(pixelSize);
    QPainterPath path;
    path.addText(0, 0, font, text);
    QRectF box = path.boundingRect();
    if (box.width() > maxWidth) {
        QTransform squeeze;
        squeeze.scale(maxWidth / box.width(), 1.0);
        path = squeeze.map(path);
        box = path.boundingRect();
    }
    path.translate(cx - box.center().x(), cy - box.center().y());
    return path;
}

QPainterPath octagon(qreal cx, qreal cy, qreal radius)
{
    QPainterPath path;
    for (int i = 0; i < 8; ++i) {
        const qreal angle = qDegreesToRadians(22.5 + 45.0 * i);
        const QPointF point(cx + radius * qCos(angle), cy + radius * qSin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

void paintRoundBadge(QPainter& p, const QColor& light, const QColor& dark)
{
    QRadialGradient fill(QPointF(12, 10), 20);
    fill.setColorAt(0, light);
    fill.setColorAt(1, dark);
    p.setPen(QPen(dark.darker(130), 1.2));
    p.setBrush(fill);
    p.drawEllipse(QPointF(16, 16), 14.8, 14.8);
}

// The icons are painted at the device pixel ratio, so they stay sharp on dense screens.
QPixmap messageIcon(IconKind kind, qreal ratio)
{
    QPixmap pixmap(qRound(iconSize * ratio), qRound(iconSize * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    switch (kind) {
    case IconKind::Stop: {
        p.setPen(QPen(QColor(0x7a, 0x0a, 0x14), 1.0));
        p.setBrush(QColor(0xc8, 0x10, 0x2e));
        p.drawPath(octagon(16, 16, 15.6));
        p.setPen(QPen(Qt::white, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawPath(octagon(16, 16, 13.4));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(centredText(QStringLiteral("STOP"), 9, 16, 16.2, 19.0));
        break;
    }
    case IconKind::Question:
        paintRoundBadge(p, QColor(0x3f, 0xb8, 0xc8), QColor(0x0f, 0x6f, 0x86));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(centredText(QStringLiteral("?"), 23, 16, 16));
        break;
    case IconKind::Exclamation: {
        QPainterPath triangle;
        triangle.moveTo(16, 2.5);
        triangle.lineTo(30, 28);
        triangle.lineTo(2, 28);
        triangle.closeSubpath();
        QLinearGradient fill(0, 3, 0, 28);
        fill.setColorAt(0, QColor(0xff, 0xe0, 0x4d));
        fill.setColorAt(1, QColor(0xf2, 0xb7, 0x05));
        p.setPen(QPen(QColor(0x8a, 0x66, 0x00), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(fill);
        p.drawPath(triangle);
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), 3.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 10.5), QPointF(16, 19.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x20, 0x20, 0x20));
        p.drawEllipse(QPointF(16, 24), 1.9, 1.9);
        break;
    }
    case IconKind::Information:
        paintRoundBadge(p, QColor(0x4a, 0x9a, 0xf0), QColor(0x12, 0x50, 0xb0));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 9), 2.3, 2.3);
        p.drawRoundedRect(QRectF(14.1, 13, 3.8, 11.5), 1.2, 1.2);
        p.drawRoundedRect(QRectF(12.2, 13, 4.0, 2.4), 0.8, 0.8);
        p.drawRoundedRect(QRectF(12.2, 22.8, 7.6, 2.4), 0.8, 0.8);
        break;
    case IconKind::Cross:
        paintRoundBadge(p, QColor(0xf0, 0x5a, 0x4f), QColor(0xb0, 0x15, 0x15));
        p.setPen(QPen(Qt::white, 3.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
        p.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
        break;
    }
    return pixmap;
}

QLabel* makeIcon(QWidget* parent, const char* name, IconKind kind)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFixedSize(iconSize, iconSize);
    label->setPixmap(messageIcon(kind, parent->devicePixelRatioF()));
    label->hide();
    return label;
}

} // namespace

PimMsgBox::PimMsgBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PimMsgBox"));
    setWindowTitle(QStringLiteral("MyMsgBox"));
    setModal(true);

    auto* grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setContentsMargins(18, 18, 18, 14);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(18);

    // All five icons share the place left of the text; at most one is visible.
    imageStop_ = makeIcon(this, "ImageStop", IconKind::Stop);
    imageFrage_ = makeIcon(this, "ImageFrage", IconKind::Question);
    imageAusruf_ = makeIcon(this, "ImageAusruf", IconKind::Exclamation);
    imageInfo_ = makeIcon(this, "ImageInfo", IconKind::Information);
    imageKreuz_ = makeIcon(this, "ImageKreuz", IconKind::Cross);
    for (QLabel* icon : {imageStop_, imageFrage_, imageAusruf_, imageInfo_, imageKreuz_})
        grid->addWidget(icon, 0, 0, Qt::AlignTop | Qt::AlignHCenter);
    grid->setColumnMinimumWidth(0, iconSize);

    labelMsg_ = new QLabel(this);
    labelMsg_->setObjectName(QStringLiteral("LabelMsg"));
    labelMsg_->setTextFormat(Qt::PlainText);
    labelMsg_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    labelMsg_->setMinimumHeight(iconSize);
    labelMsg_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(labelMsg_, 0, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(1, 200);

    okButton_ = new QPushButton(QStringLiteral("&OK"), this);
    okButton_->setObjectName(QStringLiteral("Command2"));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(QStringLiteral("&Abbrechen"), this);
    cancelButton_->setObjectName(QStringLiteral("Command1"));
    i18n::setTextId(cancelButton_, 996);
    for (QPushButton* button : {okButton_, cancelButton_})
        button->setMinimumWidth(88);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    grid->addLayout(buttons, 1, 0, 1, 2);

    connect(okButton_, &QPushButton::clicked, this, [this] {
        held_ = 1;
        answered_ = true;
        accept();
    });
    connect(cancelButton_, &QPushButton::clicked, this, [this] {
        held_ = 2;
        answered_ = true;
        reject();
    });
}

void PimMsgBox::arrange(int style)
{
    QLabel* shown = nullptr;
    bool offerCancel = false;
    if (style == 0) {
        shown = imageKreuz_;
    } else {
        int base = 0;
        if (style >= 64) {
            base = 64;
            shown = imageInfo_;
        } else if (style >= 48) {
            base = 48;
            shown = imageAusruf_;
        } else if (style >= 32) {
            base = 32;
            shown = imageFrage_;
        } else if (style >= 16) {
            base = 16;
            shown = imageStop_;
        }
        offerCancel = style > base;
    }
    for (QLabel* icon : {imageStop_, imageFrage_, imageAusruf_, imageInfo_, imageKreuz_})
        icon->setVisible(icon == shown);
    cancelButton_->setVisible(offerCancel);
}

int PimMsgBox::ask(const QString& prompt, int style, const QString& title)
{
    held_ = style;
    answered_ = false;
    setWindowTitle(title);
    labelMsg_->setText(prompt);
    arrange(style);
    okButton_->setFocus();
    layout()->invalidate();
    layout()->activate();
    adjustSize();
    // Over the window the user is working in, and kept above it by the window manager.
    QWidget* anchor = QApplication::activeWindow();
    if (anchor && anchor != this) {
        winId();
        if (QWindow* handle = windowHandle())
            handle->setTransientParent(anchor->windowHandle());
        move(anchor->frameGeometry().center() - rect().center());
    }
    exec();
    // Escape or the window's close control leave the style in place: that answers Cancel.
    return answered_ && (held_ == 1 || held_ == 2) ? held_ : 2;
}

PimMsgBox* messageBox()
{
    static QPointer<PimMsgBox> box;
    if (!box) {
        box = new PimMsgBox;
        if (globals().currentLanguage != "deutsch")
            i18n::applyLanguage(globals().currentLanguage);
    }
    return box;
}

int showMessage(const QString& prompt, int style, const QString& title)
{
    return messageBox()->ask(prompt, style, title);
}

} // namespace kovolo
