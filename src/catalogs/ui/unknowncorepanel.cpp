#include "catalogs/ui/unknowncorepanel.h"

#include "app/ui/controls.h"
#include "i18n/ui/textid.h"
#include "output/ui/errorreport.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kovolo::catalogs {

namespace {

bool blank(const QString& text)
{
    for (const QChar c : text) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}

QPushButton* copyButton(QWidget* parent, const char* name, const char* caption, int textId)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    i18n::setTextId(button, textId);
    button->setAutoDefault(false);
    return button;
}

} // namespace

UnknownCorePanel::UnknownCorePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName("picOptions_5");
    auto* grid = new QGridLayout(this);
    struct Row {
        const char* caption;
        const char* captionText;
        int textId;
        const char* field;
        const char* unit;
        const char* unitText;
    };
    const Row rows[] = {
        {"Label95", "Al-Wert", 168, "txtALunb", "Label96", "nH/N²"},
        {"Label97", "Da", 251, "txtDaUnb", "Label99", "mm"},
        {"Label100", "Di", 253, "txtDiUnb", "Label101", "mm"},
        {"Label107", "h", -1, "txtHunb", "Label109", "mm"},
    };
    QLineEdit* fields[4];
    int r = 0;
    for (const Row& row : rows) {
        grid->addWidget(
            controls::caption(this, row.caption, QString::fromUtf8(row.captionText), row.textId), r,
            0);
        fields[r] = controls::numericField(this, row.field);
        grid->addWidget(fields[r], r, 1);
        grid->addWidget(controls::caption(this, row.unit, QString::fromUtf8(row.unitText)), r, 2);
        ++r;
    }
    al_ = fields[0];
    da_ = fields[1];
    di_ = fields[2];
    h_ = fields[3];

    auto* copyAlButton = copyButton(this, "Command1", "AL-Wert aus Tool", 321);
    auto* copyDimensionsButton = copyButton(this, "Command2", "Abmessungen aus Tool", 322);
    grid->setColumnMinimumWidth(3, 12);
    grid->addWidget(copyAlButton, 0, 4);
    grid->addWidget(copyDimensionsButton, 1, 4);
    connect(copyAlButton, &QPushButton::clicked, this, &UnknownCorePanel::copyAl);
    connect(copyDimensionsButton, &QPushButton::clicked, this, &UnknownCorePanel::copyDimensions);

    grid->setColumnStretch(5, 1);
    grid->setRowStretch(r, 1);
}

void UnknownCorePanel::copyAl()
{
    skipOnFailure([this] {
        for (const CoreSource& source : sources_) {
            const std::optional<CoreTexts> texts = source ? source() : std::nullopt;
            if (texts && !blank(texts->al)) {
                al_->setText(texts->al);
                return;
            }
        }
    });
}

void UnknownCorePanel::copyDimensions()
{
    skipOnFailure([this] {
        std::vector<CoreTexts> shown;
        for (const CoreSource& source : sources_) {
            if (const std::optional<CoreTexts> texts = source ? source() : std::nullopt)
                shown.push_back(*texts);
        }
        const auto copy = [&shown](QString CoreTexts::*field, QLineEdit* target) {
            for (const CoreTexts& texts : shown) {
                if (!blank(texts.*field)) {
                    target->setText(texts.*field);
                    return;
                }
            }
        };
        copy(&CoreTexts::da, da_);
        copy(&CoreTexts::di, di_);
        copy(&CoreTexts::h, h_);
    });
}

} // namespace kovolo::catalogs
