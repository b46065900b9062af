#include "numbers/ui/keyfilters.h"

#include "numbers/keyrules.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace kovolo::numbers {

namespace {

bool charactersAllowed(const QString& text)
{
    for (const QChar ch : text)
        if (numericKeyFilter(ch.unicode()) == 0)
            return false;
    return true;
}

// Keys that type no character: moving the cursor and the focus, deleting forwards, and the
// Insert key of Shift+Insert / Ctrl+Insert. They reach the field unchanged.
bool isNonCharacterKey(int key)
{
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Delete:
    case Qt::Key_Insert:
        return true;
    default:
        return false;
    }
}

// Character code of a key press as the numeric rule sees it.
bool numericKeyAllowed(const QKeyEvent* key)
{
    if (key->key() == Qt::Key_Backspace)
        return true; // code 8
    if (isNonCharacterKey(key->key()))
        return true;
    // With Ctrl held a key types a control character (Ctrl+C, Ctrl+V, Ctrl+X ...), which the
    // rule discards; this also keeps the field from pasting on Ctrl+V.
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    const QString text = key->text();
    if (text.isEmpty())
        return true; // Shift, F-keys and the like type nothing
    return charactersAllowed(text);
}

} // namespace

bool NumericKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return !numericKeyAllowed(static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod: {
        // Text composed by an input method obeys the same rule, character by character.
        auto* im = static_cast<QInputMethodEvent*>(event);
        const QString commit = im->commitString();
        if (!commit.isEmpty() && !charactersAllowed(commit)) {
            QString kept;
            for (const QChar ch : commit)
                if (numericKeyFilter(ch.unicode()) != 0)
                    kept += ch;
            im->setCommitString(kept, im->replacementStart(), im->replacementLength());
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool ListOnlyKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down)
            return false;
        // Tab moves the focus on; it is never a key of the list itself.
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
            return false;
        // In the open popup the arrows only move the highlight: Return takes the highlighted
        // entry and Escape closes the popup, so both stay usable there.
        if (qobject_cast<QAbstractItemView*>(watched) &&
            (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape))
            return false;
        return true;
    }
    case QEvent::InputMethod:
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

namespace {

// One filter of each kind for the whole program, owned by the application object. QPointer
// notices when a test's application (and with it the filter) is gone.
template <typename Filter> Filter* sharedFilter()
{
    static QPointer<Filter> instance;
    if (!instance)
        instance = new Filter(QCoreApplication::instance());
    return instance.data();
}

} // namespace

void applyNumericKeyFilter(QWidget* field)
{
    if (!field)
        return;
    field->installEventFilter(sharedFilter<NumericKeyFilter>());
}

void applyListOnlyKeyFilter(QWidget* comboBox)
{
    if (!comboBox)
        return;
    auto* filter = sharedFilter<ListOnlyKeyFilter>();
    comboBox->installEventFilter(filter);
    if (auto* combo = qobject_cast<QComboBox*>(comboBox)) {
        // While the popup is open the keys go to its view.
        combo->view()->installEventFilter(filter);
        if (QLineEdit* edit = combo->lineEdit())
            edit->installEventFilter(filter);
    }
}

} // namespace kovolo::numbers
