#pragma once
// One catalog tab: a type list and a material list, the AL, µi and dimension rows and the
// message label, with the selection handlers every family shares. A family adds its extras by
// overriding the hooks.

#include "catalogs/catalog.h"

#include <QString>
#include <QWidget>

#include <functional>

class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QVBoxLayout;

namespace kovolo::catalogs {

// objectNames of one family's controls (and the AL unit caption).
struct PanelNames {
    const char* typeList;
    const char* materialList;
    const char* alCaption;
    const char* alValue;
    const char* alUnit;
    const char* alUnitText;
    const char* daCaption;
    const char* daValue;
    const char* daUnit;
    const char* diCaption;
    const char* diValue;
    const char* diUnit;
    const char* hCaption;
    const char* hValue;
    const char* hUnit;
    const char* muCaption;
    const char* muValue;
    const char* message;
};

class CatalogPanel : public QWidget {
    Q_OBJECT
public:
    CatalogPanel(const Catalog& catalog, const PanelNames& names, QWidget* parent = nullptr);
    ~CatalogPanel() override;

    // Type list Click: shows the type's dimensions in the current unit system, then runs the
    // material handler.
    void typeHandler();
    // Material list Click: AL, µi, the message and the family extras; then the recalculation
    // hook (clears the inductance-from-turns results and re-runs the filled calculations).
    void materialHandler();

    // What the calculations read: the AL label's caption and the selected core's dimensions
    // (selectedCore throws std::out_of_range while a list has no selection).
    QString alCaption() const;
    CoreDimensions selectedCore() const;
    int typeIndex() const;
    int materialIndex() const;
    const Catalog& catalog() const { return catalog_; }

    // Called by the material handler between writing the message and the after-calculation
    // extras (the main window clears Label52/Label54 and re-runs the calculations there).
    void setRecalculation(std::function<void()> hook) { recalculate_ = std::move(hook); }

    // What the handlers work on besides the panel itself (the main window passes its selected
    // tab). When an event run inside a handler changes it, that nested run has taken over and
    // the handler stops instead of going on with a stale view.
    void setViewProbe(std::function<int()> probe) { viewProbe_ = std::move(probe); }

protected:
    // Material-only extras shown before AL (frequency ranges, application).
    virtual void showMaterialExtras(int /*materialIndex*/) {}
    // Writes the message label from the pending text; default: the text alone.
    virtual void writeMessage(const QString& pendingText);
    // Extras after the calculations (colour swatches).
    virtual void showExtrasAfterCalculations(int /*materialIndex*/) {}

    // Shows the current selection as the type handler does, without letting pending events run
    // (for the end of a constructor, before the recalculation hook is set).
    void showSelection();

    // Room right of the lists, under the message label, for the family's extras.
    QGridLayout* extrasLayout() const { return extras_; }
    // The column right of the lists: the message label, then the extras (a family may put a
    // heading above the message).
    QVBoxLayout* messageColumn() const { return side_; }
    // The row holding the type list and the material list (a family may put a widget between).
    QHBoxLayout* listsLayout() const { return lists_; }
    QComboBox* typeList() const { return typeList_; }
    QComboBox* materialList() const { return materialList_; }
    QLabel* messageLabel() const { return message_; }

private:
    const Catalog& catalog_;
    QComboBox* typeList_ = nullptr;
    QComboBox* materialList_ = nullptr;
    QLabel* alValue_ = nullptr;
    QLabel* daValue_ = nullptr;
    QLabel* diValue_ = nullptr;
    QLabel* hValue_ = nullptr;
    QLabel* muValue_ = nullptr;
    QLabel* message_ = nullptr;
    QGridLayout* extras_ = nullptr;
    QVBoxLayout* side_ = nullptr;
    QHBoxLayout* lists_ = nullptr;
    std::function<void()> recalculate_;
    std::function<int()> viewProbe_;
    int eventDepth_ = 0;

    void runTypeHandler(bool letEventsRun);
    void runMaterialHandler(bool letEventsRun);
    // Processes pending window events; false when the panel was destroyed meanwhile or a nested
    // run changed the view the handler works on.
    bool letPendingEventsRun();
};

} // namespace kovolo::catalogs
