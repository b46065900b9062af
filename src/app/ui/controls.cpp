#include "app/ui/controls.h"

#include "i18n/ui/textid.h"
#include "numbers/ui/keyfilters.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kovolo::controls {

QLabel* caption(QWidget* parent, const char* name, const QString& text, int textId)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    if (textId >= 0)
        i18n::setTextId(label, textId);
    return label;
}

void markAsResult(QLabel* label)
{
    label->setProperty(resultProperty, true);
}

void styleAsResult(QLabel* label)
{
    markAsResult(label);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("00000.000")));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Base);
    label->setContentsMargins(4, 1, 4, 1);
}

QLabel* result(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    styleAsResult(label);
    return label;
}

QLineEdit* numericField(QWidget* parent, const char* name)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")));
    field->setAlignment(Qt::AlignRight);
    numbers::applyNumericKeyFilter(field);
    return field;
}

QComboBox* list(QWidget* parent, const char* name, const QStringList& items, int initial)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setCurrentIndex(initial);
    numbers::applyListOnlyKeyFilter(combo);
    return combo;
}

QPushButton* goButton(QWidget* parent, const char* name)
{
    auto* button = new QPushButton(QStringLiteral("=>"), parent);
    button->setObjectName(name);
    button->setToolTip(QStringLiteral("Go"));
    button->setAutoDefault(false);
    button->setMaximumWidth(button->fontMetrics().horizontalAdvance(QStringLiteral("=>")) + 28);
    return button;
}

QLabel* value(QWidget* parent, const char* name)
{
    QLabel* label = caption(parent, name, QString());
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, int textId)
{
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    if (textId >= 0)
        i18n::setTextId(b, textId);
    return b;
}

} // namespace kovolo::controls
