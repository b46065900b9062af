#include "app/ui/keyupblanking.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <initializer_list>

namespace kovolo {

namespace {
struct Blanking {
    const char* field;
    std::initializer_list<const char*> results;
    bool printableKeysOnly; // ignores the release of keys with codes 32 and below
};

const Blanking blankings[] = {
    {"Text1", {"Label20"}, false},
    {"Text2", {"Label20"}, false},
    {"Text3", {"Label20"}, false},
    {"Text4", {"Label26"}, false},
    {"Text5", {"Label26"}, false},
    {"Text6", {"Label46", "Label44", "Label49"}, false},
    {"Text7", {"Label65", "Label70", "Label71", "Label73", "Label75", "Label78"}, false},
    {"Text8", {"Label70", "Label71", "Label73", "Label75", "Label78"}, false},
    {"Text9", {"Label52", "Label54"}, false},
    // Deleting characters of the wire diameter leaves the wire length standing.
    {"Text10", {"Label46"}, true},
    {"txtLuftD", {"Label5", "Label7", "Label9"}, false},
    {"txtLuftInduk", {"Label5", "Label7", "Label9"}, false},
    {"txtLuftLänge", {"Label5", "Label7", "Label9"}, false},
};

const Blanking* blankingFor(const QObject* field)
{
    const QString name = field->objectName();
    for (const Blanking& b : blankings)
        if (name == QString::fromUtf8(b.field))
            return &b;
    return nullptr;
}
} // namespace

KeyUpBlanking::KeyUpBlanking(QWidget* window) : QObject(window), window_(window)
{
    attach();
}

void KeyUpBlanking::attach()
{
    for (const Blanking& b : blankings) {
        if (auto* field = window_->findChild<QLineEdit*>(QString::fromUtf8(b.field))) {
            field->removeEventFilter(this);
            field->installEventFilter(this);
        }
    }
}

int KeyUpBlanking::virtualKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Comma:
        return 188;
    case Qt::Key_Minus:
        return 189;
    case Qt::Key_Period:
        return 190;
    case Qt::Key_Slash:
        return 191;
    default:
        break;
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey;
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    // Any other key counts as a printable one.
    return 255;
}

bool KeyUpBlanking::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease) {
        if (const Blanking* b = blankingFor(watched)) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!b->printableKeysOnly || virtualKeyCode(key->key()) > 32) {
                for (const char* name : b->results)
                    if (auto* label = window_->findChild<QLabel*>(QString::fromUtf8(name)))
                        label->clear();
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kovolo
