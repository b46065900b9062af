#pragma once
// The textId binding of windows, controls, tabs and menu items: a dynamic property "textId"
// (int). The tab strip carries 997 and each of its tabs its own id in the tab data.

#include <QObject>

class QTabWidget;

namespace kovolo::i18n {

inline constexpr int tabStripTextId = 997;
inline constexpr const char* textIdProperty = "textId";

void setTextId(QObject* object, int id);
// The bound id, or -1 when the object carries none (or one that is not a whole number).
int textIdOf(const QObject* object);

// Binds tab `index` of a tab strip (the strip itself gets 997).
void setTabTextId(QTabWidget* tabs, int index, int id);
int tabTextIdOf(const QTabWidget* tabs, int index);

} // namespace kovolo::i18n
