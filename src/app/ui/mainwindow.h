#pragma once
// The main window `frmOptions`: the tab strip with the seven panels, the three calculation
// frames below them, the hint line, the two buttons and the menus. It assembles its parts and
// runs the shell's handlers (tab change, activation, unit system, closing).

#include "toroid/ui/toroidcontext.h"

#include <QMainWindow>
#include <QPointer>

class QAction;
class QLabel;
class QTabWidget;
class QWindow;

namespace kovolo::catalogs {
class CatalogPanel;
class UnknownCorePanel;
} // namespace kovolo::catalogs

namespace kovolo::toroid {
class ApplicationFrame;
class InductanceFrame;
class TurnsFrame;
} // namespace kovolo::toroid

namespace kovolo {

class KeyUpBlanking;

class MainWindow : public QMainWindow, public toroid::ToroidContext {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Selects tab `sel` (1 to 7) and runs the tab change, also when it is selected already.
    void selectTab(int sel);
    // What happens each time the window becomes the program's active window.
    void activate();
    // The two items of the unit menu.
    void setUnitSystem(bool imperial);

    // The catalog panel of tab 1 to 5 (nullptr for a catalog that is not built in).
    catalogs::CatalogPanel* catalogPanel(int tab) const override;

    // ToroidContext
    int selectedTab() const override;
    QString catalogAlCaption() const override;
    catalogs::CoreDimensions catalogCore() const override;
    catalogs::UnknownCorePanel* unknownCore() const override { return unknownCore_; }
    void setHint(const QString& text) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    QWidget* buildButtons();
    void onTabChanged(int sel);
    void onFocusWindowChanged(QWindow* window);
    void recalculateAfterMaterialChange();

    QTabWidget* tabs_ = nullptr;
    catalogs::CatalogPanel* catalogPanels_[5] = {};
    catalogs::UnknownCorePanel* unknownCore_ = nullptr;
    toroid::ApplicationFrame* application_ = nullptr;
    toroid::InductanceFrame* inductance_ = nullptr;
    toroid::TurnsFrame* turns_ = nullptr;
    QLabel* hint_ = nullptr;
    QAction* metric_ = nullptr;
    QAction* imperial_ = nullptr;
    KeyUpBlanking* blanking_ = nullptr;
    QPointer<QWindow> focusWindow_;
    int tabChangeDepth_ = 0;
};

} // namespace kovolo
