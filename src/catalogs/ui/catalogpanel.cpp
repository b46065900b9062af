#include "catalogs/ui/catalogpanel.h"
#include "app/ui/controls.h"

#include "app/globals.h"
#include "i18n/ui/textid.h"
#include "numbers/ui/keyfilters.h"
#include "output/ui/errorreport.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QVBoxLayout>

namespace kovolo::catalogs {

namespace {

// Nested handler runs (a queued selection processed inside a handler) beyond this depth work on
// the lists as they are instead of letting still more events run.
constexpr int maxEventDepth = 8;

// A label that shows a result: bold, and its text can be selected and copied.
QLabel* makeValueLabel(QWidget* parent, const char* name)
{
    QLabel* label = controls::caption(parent, name, QString());
    controls::markAsResult(label);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("000.00")));
    return label;
}

QComboBox* makeList(QWidget* parent, const char* name, const std::vector<std::string>& items)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(false);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const std::string& item : items) {
        list->addItem(QString::fromStdString(item));
    }
    numbers::applyListOnlyKeyFilter(list);
    return list;
}

} // namespace

CatalogPanel::CatalogPanel(const Catalog& catalog, const PanelNames& names, QWidget* parent)
    : QWidget(parent), catalog_(catalog)
{
    const QString mm = QStringLiteral("mm");

    typeList_ = makeList(this, names.typeList, catalog_.types);
    materialList_ = makeList(this, names.materialList, catalog_.materials);

    QLabel* alCaption = controls::caption(this, names.alCaption, QStringLiteral("AL="));
    alValue_ = makeValueLabel(this, names.alValue);
    QLabel* alUnit = controls::caption(this, names.alUnit, QString::fromUtf8(names.alUnitText));

    QLabel* daCaption = controls::caption(this, names.daCaption, QStringLiteral("Da="));
    i18n::setTextId(daCaption, 8);
    daValue_ = makeValueLabel(this, names.daValue);
    QLabel* daUnit = controls::caption(this, names.daUnit, mm);

    QLabel* diCaption = controls::caption(this, names.diCaption, QStringLiteral("Di="));
    i18n::setTextId(diCaption, 11);
    diValue_ = makeValueLabel(this, names.diValue);
    QLabel* diUnit = controls::caption(this, names.diUnit, mm);

    QLabel* hCaption = controls::caption(this, names.hCaption, QStringLiteral("h="));
    hValue_ = makeValueLabel(this, names.hValue);
    QLabel* hUnit = controls::caption(this, names.hUnit, mm);

    QLabel* muCaption = controls::caption(this, names.muCaption, QString::fromUtf8("µi="));
    muValue_ = makeValueLabel(this, names.muValue);

    message_ = controls::caption(this, names.message, QString());
    i18n::setTextId(message_, 33);
    message_->setWordWrap(true);
    message_->setMinimumHeight(2 * message_->fontMetrics().lineSpacing());
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // Upper left: the two lists, the AL row below them.
    lists_ = new QHBoxLayout;
    lists_->addWidget(typeList_);
    lists_->addWidget(materialList_);
    lists_->addStretch(1);

    auto* alRow = new QHBoxLayout;
    alRow->addWidget(alCaption);
    alRow->addWidget(alValue_);
    alRow->addWidget(alUnit);
    alRow->addStretch(1);

    auto* selection = new QVBoxLayout;
    selection->addLayout(lists_);
    selection->addLayout(alRow);
    selection->addStretch(1);

    // Upper right: the message and the family's extras.
    extras_ = new QGridLayout;
    side_ = new QVBoxLayout;
    side_->addWidget(message_);
    side_->addLayout(extras_);
    side_->addStretch(1);

    auto* upper = new QHBoxLayout;
    upper->addLayout(selection, 3);
    upper->addSpacing(12);
    upper->addLayout(side_, 2);

    // Bottom row: the dimensions and the permeability.
    auto* bottom = new QHBoxLayout;
    const auto addPair = [bottom](QLabel* caption, QLabel* value, QLabel* unit) {
        bottom->addWidget(caption);
        bottom->addWidget(value);
        if (unit != nullptr) {
            bottom->addWidget(unit);
        }
        bottom->addSpacing(12);
    };
    addPair(daCaption, daValue_, daUnit);
    addPair(diCaption, diValue_, diUnit);
    addPair(hCaption, hValue_, hUnit);
    addPair(muCaption, muValue_, nullptr);
    bottom->addStretch(1);

    auto* outer = new QVBoxLayout(this);
    outer->addLayout(upper);
    outer->addLayout(bottom);

    skipOnFailure([&] { typeList_->setCurrentIndex(catalog_.defaultType); });
    skipOnFailure([&] { materialList_->setCurrentIndex(catalog_.defaultMaterial); });

    connect(typeList_, &QComboBox::currentIndexChanged, this, [this](int) { typeHandler(); });
    connect(materialList_, &QComboBox::currentIndexChanged, this,
            [this](int) { materialHandler(); });

    showSelection();
}

CatalogPanel::~CatalogPanel()
{
    // The lists die with the child widgets, after this object is no longer a CatalogPanel: no
    // selection signal may reach the handlers then.
    disconnect(typeList_, nullptr, this, nullptr);
    disconnect(materialList_, nullptr, this, nullptr);
}

void CatalogPanel::typeHandler()
{
    runTypeHandler(true);
}

void CatalogPanel::materialHandler()
{
    runMaterialHandler(true);
}

void CatalogPanel::showSelection()
{
    runTypeHandler(false);
}

bool CatalogPanel::letPendingEventsRun()
{
    if (eventDepth_ >= maxEventDepth) {
        return true;
    }
    QPointer<CatalogPanel> alive(this);
    const int view = viewProbe_ ? viewProbe_() : 0;
    ++eventDepth_;
    QCoreApplication::processEvents();
    if (alive.isNull()) {
        return false;
    }
    --eventDepth_;
    return !viewProbe_ || viewProbe_() == view;
}

void CatalogPanel::runTypeHandler(bool letEventsRun)
{
    // The list has just closed: let what is queued finish before the selection is read.
    if (letEventsRun && !letPendingEventsRun()) {
        return;
    }
    int i = -1;
    skipOnFailure([&] { i = typeList_->currentIndex(); });
    const bool imperial = globals().unitSystemImperial;
    skipOnFailure(
        [&] { daValue_->setText(QString::fromStdString(daText(catalog_, i, imperial))); });
    skipOnFailure(
        [&] { diValue_->setText(QString::fromStdString(diText(catalog_, i, imperial))); });
    skipOnFailure([&] { hValue_->setText(QString::fromStdString(hText(catalog_, i, imperial))); });
    runMaterialHandler(letEventsRun);
}

void CatalogPanel::runMaterialHandler(bool letEventsRun)
{
    QString pending;
    if (letEventsRun && !letPendingEventsRun()) {
        return;
    }
    int m = -1;
    int i = -1;
    skipOnFailure([&] { m = materialList_->currentIndex(); });
    skipOnFailure([&] { i = typeList_->currentIndex(); });

    skipOnFailure([&] { showMaterialExtras(m); });
    skipOnFailure([&] {
        const float al = alValue(catalog_, i, m);
        alValue_->setText(QString::fromStdString(alText(al)));
        if (al == 0.0f) {
            pending = QString::fromStdString(notAvailableText(globals().currentLanguage));
        }
    });
    skipOnFailure([&] { muValue_->setText(QString::fromStdString(muText(catalog_, m))); });
    skipOnFailure([&] { writeMessage(pending); });

    if (recalculate_) {
        // The calculations may show a message box with its own event loop.
        QPointer<CatalogPanel> alive(this);
        const std::function<void()> hook = recalculate_;
        skipOnFailure([&] { hook(); });
        if (alive.isNull()) {
            return;
        }
    }

    skipOnFailure([&] { showExtrasAfterCalculations(m); });
}

void CatalogPanel::writeMessage(const QString& pendingText)
{
    message_->setText(pendingText.trimmed());
}

QString CatalogPanel::alCaption() const
{
    return alValue_->text();
}

CoreDimensions CatalogPanel::selectedCore() const
{
    return selectedDimensions(catalog_, typeIndex());
}

int CatalogPanel::typeIndex() const
{
    return typeList_->currentIndex();
}

int CatalogPanel::materialIndex() const
{
    return materialList_->currentIndex();
}

} // namespace kovolo::catalogs
