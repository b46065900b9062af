#include "i18n/ui/language.h"

#include "app/globals.h"
#include "app/metadata.h"
#include "i18n/texttable.h"
#include "i18n/ui/textid.h"
#include "numbers/parse.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>
#include <optional>
#include <utility>

namespace kovolo::i18n {

namespace {

ApplicationTextProvider& applicationTextProvider()
{
    static ApplicationTextProvider provider;
    return provider;
}

QString toQString(const std::string& text)
{
    return QString::fromStdString(text);
}

// Blanks only, as the catalogs pad their order codes with them.
QString trimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

// All windows that exist now, the main window first.
QList<QWidget*> windowsMainFirst()
{
    QList<QWidget*> windows = QApplication::topLevelWidgets();
    std::stable_partition(windows.begin(), windows.end(), [](const QWidget* w) {
        return w->objectName() == QLatin1String("frmOptions");
    });
    return windows;
}

template <typename T> T* findControl(const QList<QWidget*>& windows, const char* name)
{
    const QString wanted = QString::fromLatin1(name);
    for (QWidget* window : windows) {
        if (window->objectName() == wanted) {
            if (auto* self = qobject_cast<T*>(window))
                return self;
        }
        if (auto* control = window->findChild<T*>(wanted))
            return control;
    }
    return nullptr;
}

// Leading number of a caption; a caption that does not begin with a number reads as 0.
double leadingNumber(const QLabel* label)
{
    return numbers::parseNumber(label->text().toStdString());
}

// Captions one bound control (or a menu) from the table. Controls without a caption property
// and absent entries are left as they are.
void captionControl(QObject* object, const std::string& code)
{
    const int id = textIdOf(object);
    if (id < 0)
        return;
    if (id == tabStripTextId) {
        if (auto* tabs = qobject_cast<QTabWidget*>(object)) {
            for (int i = 0; i < tabs->count(); ++i) {
                try {
                    const int tabId = tabTextIdOf(tabs, i);
                    if (tabId < 0)
                        continue;
                    if (const auto text = lookupText(tabId, code))
                        tabs->setTabText(i, toQString(*text));
                } catch (...) {
                }
            }
        }
        return;
    }
    const auto text = lookupText(id, code);
    if (!text)
        return;
    const QString caption = toQString(*text);
    if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(caption);
    else if (auto* frame = qobject_cast<QGroupBox*>(object))
        frame->setTitle(caption);
    else if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(caption);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setText(caption);
}

void captionWindow(QWidget* window, const std::string& code, QSet<QObject*>& done)
{
    if (!done.contains(window)) {
        done.insert(window);
        try {
            // A menu is a window of its own but shows its caption as a title.
            if (qobject_cast<QMenu*>(window)) {
                captionControl(window, code);
            } else {
                const int id = textIdOf(window);
                if (id >= 0) {
                    if (const auto title = lookupText(id, code))
                        window->setWindowTitle(toQString(*title));
                }
            }
        } catch (...) {
        }
    }
    for (QObject* child : window->findChildren<QObject*>()) {
        if (done.contains(child))
            continue;
        done.insert(child);
        try {
            captionControl(child, code);
        } catch (...) {
        }
    }
}

// Empties `messageName` when the AL label `valueName` shows a value above 0.
void clearMessageIfTypeExists(const QList<QWidget*>& windows, const char* valueName,
                              const char* messageName)
{
    try {
        QLabel* value = findControl<QLabel>(windows, valueName);
        QLabel* message = findControl<QLabel>(windows, messageName);
        if (value && message && leadingNumber(value) > 0)
            message->clear();
    } catch (...) {
    }
}

struct LanguageItem {
    const char* name;
    const char* caption;
    const char* code;
};

constexpr LanguageItem languageItems[] = {
    {"mnuSpracheDtsch", "Deutsch (&German)", "deutsch"},
    {"mnuSpracheEngl", "&Englisch", "englisch"},
    {"mnuSpracheFranz", "&Français", "franz"},
    {"mnuSpracheSpanisch", "&Spanisch", "span"},
    {"mnuSpracheItal", "&Italian", "ital"},
    {"mnuSpracheCZ", "&Česky (CZ)", "cz"},
};

// Checks the item named `checkedName` and unchecks the other five.
void checkOnly(QObject* root, const char* checkedName)
{
    if (root == nullptr)
        return;
    for (const LanguageItem& item : languageItems) {
        if (auto* action = root->findChild<QAction*>(QString::fromLatin1(item.name)))
            action->setChecked(qstrcmp(item.name, checkedName) == 0);
    }
}

} // namespace

void setApplicationTextProvider(ApplicationTextProvider provider)
{
    applicationTextProvider() = std::move(provider);
}

void applyLanguage(const std::string& code)
{
    QList<QWidget*> windows;
    try {
        windows = windowsMainFirst();
    } catch (...) {
        return;
    }
    const QString lineBreak = toQString(globals().lineBreak);

    // 1. The Siferrit panel's order-code line ("B..." up to the first line break).
    QString orderCode;
    try {
        if (QLabel* siMessage = findControl<QLabel>(windows, "lbSi81")) {
            const QString caption = siMessage->text();
            if (caption.startsWith(QLatin1Char('B'))) {
                const qsizetype at = lineBreak.isEmpty() ? -1 : caption.indexOf(lineBreak);
                orderCode = at < 0 ? caption : caption.left(at);
            }
        }
    } catch (...) {
    }

    // 2. The Siferrit material and the Würth availability caption as they are now.
    std::optional<int> siMaterial;
    std::optional<QString> wuerthCaption;
    try {
        if (auto* materials = findControl<QComboBox>(windows, "ComboSiMat"))
            siMaterial = materials->currentIndex();
    } catch (...) {
    }
    try {
        if (QLabel* wuerth = findControl<QLabel>(windows, "lbWE81"))
            wuerthCaption = wuerth->text();
    } catch (...) {
    }

    // 3. The Siferrit application text; the catalog holds a German and an English list only.
    try {
        const ApplicationTextProvider& provider = applicationTextProvider();
        if (isKnownLanguage(code) && provider && siMaterial) {
            if (QLabel* application = findControl<QLabel>(windows, "Label104")) {
                const bool english = code != languages[0].code;
                application->setText(toQString(provider(*siMaterial, english)));
            }
        }
    } catch (...) {
    }

    // 4. Window titles and the captions of every bound control, hidden windows included.
    const std::string effectiveCode = isKnownLanguage(code) ? code : std::string(languages[0].code);
    QSet<QObject*> done;
    for (QWidget* window : windows) {
        try {
            captionWindow(window, effectiveCode, done);
        } catch (...) {
        }
    }

    // 5. Data of the catalog panels that the availability messages have overwritten.
    clearMessageIfTypeExists(windows, "Label41", "Label81");
    clearMessageIfTypeExists(windows, "LabelE41", "LabelE81");
    try {
        QLabel* value = findControl<QLabel>(windows, "lbSi41");
        QLabel* message = findControl<QLabel>(windows, "lbSi81");
        if (value && message) {
            const QString code81 = trimBlanks(orderCode);
            if (leadingNumber(value) > 0) {
                message->setText(code81);
            } else {
                const auto text = lookupText(textIdOf(message), effectiveCode);
                const QString written = text ? toQString(*text) : message->text();
                message->setText(code81 + lineBreak + trimBlanks(written));
            }
        }
    } catch (...) {
    }
    clearMessageIfTypeExists(windows, "lbFer41", "lbFer81");
    try {
        QLabel* wuerth = findControl<QLabel>(windows, "lbWE81");
        if (wuerth && wuerthCaption && numbers::parseNumber(wuerthCaption->toStdString()) > 0)
            wuerth->setText(*wuerthCaption);
    } catch (...) {
    }

    // 6. The version in the main title.
    try {
        for (QWidget* window : windows) {
            if (window->objectName() != QLatin1String("frmOptions"))
                continue;
            const QString title = window->windowTitle();
            if (!title.contains(QLatin1Char('V')))
                window->setWindowTitle(title + toQString(metadata::titleVersionSuffix()));
        }
    } catch (...) {
    }
}

QMenu* createLanguageMenu(QWidget* mainWindow)
{
    auto* menu = new QMenu(mainWindow);
    menu->setObjectName(QStringLiteral("mnuSprache"));
    menu->setTitle(QStringLiteral("Sprache (&Language)"));

    for (const LanguageItem& item : languageItems) {
        auto* action = new QAction(QString::fromUtf8(item.caption), menu);
        action->setObjectName(QString::fromLatin1(item.name));
        action->setCheckable(true);
        action->setChecked(item.code == languageItems[0].code);
        menu->addAction(action);
        const char* name = item.name;
        const char* code = item.code;
        QObject::connect(action, &QAction::triggered, action, [mainWindow, menu, name, code] {
            globals().currentLanguage = code;
            checkOnly(mainWindow ? static_cast<QObject*>(mainWindow) : menu, name);
            applyLanguage(globals().currentLanguage);
        });
    }

    QObject::connect(menu, &QMenu::aboutToShow, menu, [mainWindow] {
        if (mainWindow == nullptr)
            return;
        if (auto* hint = mainWindow->findChild<QLabel*>(QStringLiteral("lbHinweis")))
            hint->clear();
    });
    return menu;
}

void syncLanguageChecks(QWidget* mainWindow)
{
    const std::string& current = globals().currentLanguage;
    const char* checked = languageItems[0].name;
    for (const LanguageItem& item : languageItems) {
        if (current == item.code)
            checked = item.name;
    }
    checkOnly(mainWindow, checked);
}

} // namespace kovolo::i18n
