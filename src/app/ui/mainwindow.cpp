#include "app/ui/mainwindow.h"
#include "app/ui/pointer.h"

#include "aircoil/ui/aircoilpanel.h"
#include "app/globals.h"
#include "app/metadata.h"
#include "app/ui/about.h"
#include "app/ui/keyupblanking.h"
#include "app/ui/settings.h"
#include "app/unitsystem.h"
#include "app/unitsystemchange.h"
#include "catalogs/ui/ferroxcubepanel.h"
#include "catalogs/ui/ftpanel.h"
#include "catalogs/ui/ironpanel.h"
#include "catalogs/ui/siferritpanel.h"
#include "catalogs/ui/unknowncorepanel.h"
#include "catalogs/ui/wurthpanel.h"
#include "i18n/ui/language.h"
#include "i18n/ui/textid.h"
#include "numbers/parse.h"
#include "output/ui/errorreport.h"
#include "output/ui/help.h"
#include "output/ui/print.h"
#include "tools/ui/alcoresources.h"
#include "tools/ui/alwindow.h"
#include "tools/ui/alzwindow.h"
#include "tools/ui/conversionwindow.h"
#include "tools/ui/copperresistancewindow.h"
#include "tools/ui/resonancewindow.h"
#include "tools/ui/toolwindow.h"
#include "toroid/ui/applicationframe.h"
#include "toroid/ui/inductanceframe.h"
#include "toroid/ui/turnsframe.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QWindow>

namespace kovolo {

namespace {
struct TabInfo {
    const char* caption;
    int textId;
    const char* toolTip;
};
const TabInfo tabInfos[7] = {
    {"&Ferrit FT", 262, "AMIDON"},
    {"Eisenpulver &T", 261, "AMIDON"},
    {"Ferro&xcube", 266, "Ferroxcube (Philips)"},
    {"&SIFERRIT", 263, "EPCOS"},
    {"&WE Ferrit", 267, "Würth Elektronik"},
    {"&unbekannter Kern", 264, nullptr},
    {"&Luftspulen", 265, nullptr},
};
} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("frmOptions");
    setWindowTitle(QString::fromUtf8(metadata::productName) +
                   QString::fromStdString(metadata::titleVersionSuffix()));
    i18n::setTextId(this, 351);

    auto* central = new QWidget(this);
    central->setObjectName("frmOptionsClient");
    auto* column = new QVBoxLayout(central);

    // The seven panels under the tab strip.
    tabs_ = new QTabWidget(central);
    tabs_->setObjectName("tbsOptions");
    auto* ftPanel = new catalogs::FtPanel;
    catalogPanels_[0] = ftPanel;
    auto* ironPanel = new catalogs::IronPanel;
    catalogPanels_[1] = ironPanel;
    catalogPanels_[2] = new catalogs::FerroxcubePanel;
    catalogPanels_[3] = new catalogs::SiferritPanel;
    catalogPanels_[4] = new catalogs::WurthPanel;
    unknownCore_ = new catalogs::UnknownCorePanel;
    unknownCore_->setCoreSources(tools::alToolCoreSources());
    auto* airCoils = new aircoil::AirCoilPanel([this](const QString& text) { setHint(text); });
    QWidget* panels[7] = {ftPanel,           ironPanel,    catalogPanels_[2], catalogPanels_[3],
                          catalogPanels_[4], unknownCore_, airCoils};
    for (int i = 0; i < 7; ++i) {
        tabs_->addTab(panels[i], QString::fromUtf8(tabInfos[i].caption));
        i18n::setTabTextId(tabs_, i, tabInfos[i].textId);
        if (tabInfos[i].toolTip)
            tabs_->setTabToolTip(i, QString::fromUtf8(tabInfos[i].toolTip));
    }
    column->addWidget(tabs_, 1);

    // The three calculation frames for the selected core.
    application_ = new toroid::ApplicationFrame(*this, central);
    inductance_ = new toroid::InductanceFrame(*this, *application_, central);
    turns_ = new toroid::TurnsFrame(*this, *application_, *inductance_, central);
    application_->setTurnsFrame(turns_);
    auto* frames = new QHBoxLayout;
    frames->addWidget(turns_, 3);
    frames->addWidget(inductance_, 2);
    frames->addWidget(application_, 2);
    column->addLayout(frames);

    hint_ = new QLabel(central);
    hint_->setObjectName("lbHinweis");
    hint_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont hintFont = hint_->font();
    hintFont.setBold(true);
    hint_->setFont(hintFont);
    hint_->setMinimumHeight(hint_->fontMetrics().height() + 4);
    column->addWidget(hint_);
    column->addWidget(buildButtons());
    setCentralWidget(central);

    buildMenus();
    resize(sizeHint().expandedTo(QSize(960, 560)));

    // The window opens on the first tab: the three frames and the full application check are
    // shown from the start (while the window is hidden), so that the first activation's tab
    // change finds them shown and the window is not laid out a second time.
    for (QWidget* frame : {static_cast<QWidget*>(turns_), static_cast<QWidget*>(inductance_),
                           static_cast<QWidget*>(application_)})
        frame->setVisible(true);
    skipOnFailure([this] { application_->setFullCheckVisible(true); });

    // The results start at "0"; the first catalog display empties the inductance results.
    application_->setCheckEnabled(false);
    for (auto* panel : catalogPanels_) {
        if (!panel)
            continue;
        panel->setRecalculation([this] { recalculateAfterMaterialChange(); });
        skipOnFailure([panel] { panel->typeHandler(); });
    }

    blanking_ = new KeyUpBlanking(this);
    connect(tabs_, &QTabWidget::currentChanged, this,
            [this](int index) { onTabChanged(index + 1); });
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &MainWindow::onFocusWindowChanged);
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

QWidget* MainWindow::buildButtons()
{
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    auto* print = new QPushButton(QStringLiteral("&Drucken"), box);
    print->setObjectName("cmdCancel");
    i18n::setTextId(print, 998);
    connect(print, &QPushButton::clicked, this,
            [this] { skipOnFailure([this] { output::printMainWindow(this); }); });
    row->addWidget(print);
    auto* quit = new QPushButton(QStringLiteral("&Beenden"), box);
    quit->setObjectName("cmdOK");
    i18n::setTextId(quit, 999);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);
    row->addWidget(quit);
    return box;
}

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName("menuBar");

    QMenu* tools = bar->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName("mnuTools");
    struct Tool {
        const char* name;
        const char* caption;
        int textId;
        void (*open)(); // nullptr: the tool window is not built in yet
    };
    const Tool toolItems[] = {
        {"mnuToolsAlPerm", "&Al und Permeabilität", 273,
         [] { tools::openToolWindow<tools::AlWindow>(); }},
        {"mnuToolsAlImpedanz", "Al aus &Permeabilität", 270,
         [] { tools::openToolWindow<tools::AlzWindow>(); }},
        {"mnuToolsSchwingkreis", "&Schwingkreis", 274,
         [] { tools::openToolWindow<tools::ResonanceWindow>(); }},
        {"mnuToolsR_Cu", "&R Cu", 275,
         [] { tools::openToolWindow<tools::CopperResistanceWindow>(); }},
        {"mnuToolsInchMeter", "&Umrechnung Inch <-> Meter", 272,
         [] { tools::openToolWindow<tools::ConversionWindow>(); }},
    };
    for (const Tool& t : toolItems) {
        QAction* item = tools->addAction(QString::fromUtf8(t.caption));
        item->setObjectName(t.name);
        i18n::setTextId(item, t.textId);
        item->setEnabled(t.open != nullptr);
        if (t.open)
            connect(item, &QAction::triggered, this, [open = t.open] { skipOnFailure(open); });
    }

    QMenu* language = i18n::createLanguageMenu(this);
    bar->addMenu(language);
    i18n::setTextId(language, 276);
    const std::pair<const char*, int> languageIds[] = {
        {"mnuSpracheEngl", 277}, {"mnuSpracheDtsch", 278}, {"mnuSpracheFranz", 281}};
    for (const auto& [name, id] : languageIds)
        if (auto* item = language->findChild<QAction*>(name))
            i18n::setTextId(item, id);

    QMenu* units = bar->addMenu(QString::fromUtf8("&Maßeinheit"));
    units->setObjectName(QString::fromUtf8("mnuMaßeinheit"));
    i18n::setTextId(units, 271);
    metric_ = units->addAction(QStringLiteral("[mm][cm][m]"));
    metric_->setObjectName(QString::fromUtf8("mnuMaßeinheitMeter"));
    metric_->setCheckable(true);
    metric_->setChecked(true);
    imperial_ = units->addAction(QStringLiteral("[inch][foot][AWG]"));
    imperial_->setObjectName(QString::fromUtf8("mnuMaßeinheitInch"));
    imperial_->setCheckable(true);
    connect(metric_, &QAction::triggered, this, [this] { setUnitSystem(false); });
    connect(imperial_, &QAction::triggered, this, [this] { setUnitSystem(true); });

    QMenu* help = bar->addMenu(QStringLiteral("&?"));
    help->setObjectName("mnuHelp");
    QAction* info = help->addAction(QStringLiteral("&Info"));
    info->setObjectName("mnuHelpInfo");
    info->setShortcut(QKeySequence(Qt::Key_F2));
    connect(info, &QAction::triggered, this, [] { showAboutWindow(); });
    QAction* manual = help->addAction(QStringLiteral("&Hilfe"));
    manual->setObjectName("mnuHelpHilfe");
    manual->setShortcut(QKeySequence(Qt::Key_F1));
    i18n::setTextId(manual, 279);
    connect(manual, &QAction::triggered, this, [] { skipOnFailure(output::openHelp); });
}

catalogs::CatalogPanel* MainWindow::catalogPanel(int tab) const
{
    return tab >= 1 && tab <= 5 ? catalogPanels_[tab - 1] : nullptr;
}

int MainWindow::selectedTab() const
{
    return tabs_->currentIndex() + 1;
}

QString MainWindow::catalogAlCaption() const
{
    catalogs::CatalogPanel* panel = catalogPanel(selectedTab());
    return panel ? panel->alCaption() : QString();
}

catalogs::CoreDimensions MainWindow::catalogCore() const
{
    catalogs::CatalogPanel* panel = catalogPanel(selectedTab());
    return panel ? panel->selectedCore() : catalogs::CoreDimensions{};
}

void MainWindow::setHint(const QString& text)
{
    hint_->setText(text);
}

void MainWindow::recalculateAfterMaterialChange()
{
    if (!globals().printingInProgress)
        inductance_->clearResults();
    if (!turns_->inductanceField()->text().isEmpty())
        turns_->calculate();
    if (!application_->frequencyField()->text().isEmpty())
        application_->calculate();
    if (!inductance_->turnsField()->text().isEmpty())
        inductance_->calculate();
}

void MainWindow::selectTab(int sel)
{
    if (sel < 1 || sel > 7)
        return;
    if (tabs_->currentIndex() == sel - 1)
        onTabChanged(sel);
    else
        tabs_->setCurrentIndex(sel - 1); // raises the tab change
}

void MainWindow::onTabChanged(int sel)
{
    const bool catalogWithCheck = sel == 1 || sel == 2;
    skipOnFailure([&] { application_->setFullCheckVisible(catalogWithCheck); });
    ++tabChangeDepth_;
    QCoreApplication::processEvents();
    --tabChangeDepth_;
    // A tab change that arrived with those events has done the work for its own tab.
    if (selectedTab() != sel)
        return;

    for (int i = 0; i < 7; ++i) {
        QWidget* panel = tabs_->widget(i);
        panel->setEnabled(i == sel - 1);
        if (i == sel - 1)
            hint_->clear();
    }

    const bool frames = sel >= 1 && sel <= 6;
    turns_->setVisible(frames);
    inductance_->setVisible(frames);
    application_->setVisible(frames);

    if (catalogWithCheck) {
        skipOnFailure([&] {
            const double n =
                numbers::parseNumber(findChild<QLabel*>("Label44")->text().toStdString());
            if (n == 0)
                application_->setCheckEnabled(false);
            else if (n > 0)
                application_->setCheckEnabled(true);
        });
    } else if (sel == 3) {
        if (auto* label = findChild<QLabel*>("lbFer81"))
            label->clear();
    } else if (sel == 6) {
        if (unknownCore_->alField()->text().isEmpty() && !globals().printingInProgress) {
            for (const char* name :
                 {"Label52", "Label54", "Label65", "Label44", "Label46", "Label49"})
                if (auto* label = findChild<QLabel*>(name))
                    label->clear();
        }
    }

    globals().currentTab = static_cast<std::int16_t>(sel);
    if (catalogs::CatalogPanel* panel = catalogPanel(sel))
        skipOnFailure([panel] { panel->typeHandler(); });
}

void MainWindow::activate()
{
    // An activation while a tab change lets events through leaves the selection to that change.
    if (tabChangeDepth_ == 0)
        skipOnFailure([this] { selectTab(globals().currentTab); });
    if (!windowTitle().contains(QLatin1Char('V')))
        setWindowTitle(windowTitle() + QString::fromStdString(metadata::titleVersionSuffix()));
    i18n::syncLanguageChecks(this);
    restoreNormalPointer();
}

void MainWindow::onFocusWindowChanged(QWindow* window)
{
    QPointer<QWindow> previous = focusWindow_;
    focusWindow_ = window;
    if (!window || window != windowHandle())
        return;
    // Coming back from the message box is no new activation: the calculation that asked it
    // would only run again and ask again.
    if (previous) {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->windowHandle() == previous && top->objectName() == "PimMsgBox")
                return;
    }
    activate();
}

void MainWindow::setUnitSystem(bool imperial)
{
    metric_->setChecked(!imperial);
    imperial_->setChecked(imperial);
    globals().unitSystemImperial = imperial;
    for (const UnitCaption& unit : unitCaptions)
        if (auto* label = findChild<QLabel*>(QString::fromUtf8(unit.label)))
            label->setText(QString::fromUtf8(imperial ? unit.imperial : unit.metric));
    for (const char* marker : gaugeMarkers)
        if (auto* label = findChild<QLabel*>(QString::fromUtf8(marker)))
            label->setVisible(imperial);
    if (auto* text4 = findChild<QWidget*>("Text4"))
        text4->setVisible(!imperial);
    if (auto* gauges = findChild<QWidget*>("ComboLeiter"))
        gauges->setVisible(imperial);
    if (catalogs::CatalogPanel* panel = catalogPanel(selectedTab()))
        skipOnFailure([panel] { panel->typeHandler(); });
    // Open tool windows that follow the unit system lay themselves out anew.
    notifyUnitSystemChanged(imperial);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Ctrl+Tab and Ctrl+Shift+Tab switch tabs before any control sees the key.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool tabKey = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tabKey && (key->modifiers() & Qt::ControlModifier) && widget &&
            widget->window() == this) {
            if (event->type() == QEvent::KeyPress) {
                const bool back = key->modifiers() & Qt::ShiftModifier;
                const int sel = selectedTab();
                selectTab(back ? (sel == 1 ? 7 : sel - 1) : (sel == 7 ? 1 : sel + 1));
            }
            event->accept();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    skipOnFailure([] { settings::writeLanguage(globals().currentLanguage); });
    event->accept();
    // Closing the main window ends the program: every other window goes with it.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        if (*it != this && (*it)->isVisible())
            (*it)->close();
    QCoreApplication::processEvents();
    QCoreApplication::quit();
}

} // namespace kovolo
