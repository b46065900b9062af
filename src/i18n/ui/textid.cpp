#include "i18n/ui/textid.h"

#include <QTabBar>
#include <QTabWidget>
#include <QVariant>

namespace kovolo::i18n {

void setTextId(QObject* object, int id)
{
    object->setProperty(textIdProperty, id);
}

int textIdOf(const QObject* object)
{
    const QVariant value = object->property(textIdProperty);
    if (!value.isValid())
        return -1;
    bool ok = false;
    const int id = value.toInt(&ok);
    return ok ? id : -1;
}

void setTabTextId(QTabWidget* tabs, int index, int id)
{
    setTextId(tabs, tabStripTextId);
    tabs->tabBar()->setTabData(index, id);
}

int tabTextIdOf(const QTabWidget* tabs, int index)
{
    const QVariant value = tabs->tabBar()->tabData(index);
    if (!value.isValid())
        return -1;
    bool ok = false;
    const int id = value.toInt(&ok);
    return ok ? id : -1;
}

} // namespace kovolo::i18n
