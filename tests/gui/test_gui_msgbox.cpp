// The program's message box: icons and buttons per style, answers, size and reuse.

#include "app/globals.h"
#include "app/ui/msgbox.h"
#include "i18n/ui/textid.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace kovolo;

namespace {

enum class Action { Ok, Cancel, Escape, CloseWindow };

const char* const iconNames[] = {"ImageStop", "ImageFrage", "ImageAusruf", "ImageInfo",
                                 "ImageKreuz"};

// What the box showed while it was open.
struct Seen {
    bool wasShown = false;
    bool modal = false;
    QStringList visibleIcons;
    bool cancelVisible = false;
    bool okVisible = false;
    QString title;
    QString text;
    QRect labelGeometry;
    QRect okGeometry;
    QRect cancelGeometry;
    QSize size;
};

// Calls showMessage and answers the box from inside its modal loop.
int ask(const QString& prompt, int style, const QString& title, Action action, Seen* seen)
{
    static int session = 0;
    const int mine = ++session;
    QTimer::singleShot(0, [=] {
        QWidget* box = messageBox();
        seen->wasShown = box->isVisible();
        seen->modal = QApplication::activeModalWidget() == box || box->isModal();
        for (const char* name : iconNames) {
            auto* icon = box->findChild<QLabel*>(QString::fromLatin1(name));
            if (icon && icon->isVisible())
                seen->visibleIcons << QString::fromLatin1(name);
        }
        auto* label = box->findChild<QLabel*>("LabelMsg");
        auto* ok = box->findChild<QPushButton*>("Command2");
        auto* cancel = box->findChild<QPushButton*>("Command1");
        seen->okVisible = ok->isVisible();
        seen->cancelVisible = cancel->isVisible();
        seen->title = box->windowTitle();
        seen->text = label->text();
        seen->labelGeometry = QRect(label->mapTo(box, QPoint(0, 0)), label->size());
        seen->okGeometry = QRect(ok->mapTo(box, QPoint(0, 0)), ok->size());
        seen->cancelGeometry = QRect(cancel->mapTo(box, QPoint(0, 0)), cancel->size());
        seen->size = box->size();
        switch (action) {
        case Action::Ok:
            ok->click();
            break;
        case Action::Cancel:
            cancel->click();
            break;
        case Action::Escape:
            QTest::keyClick(box, Qt::Key_Escape);
            break;
        case Action::CloseWindow:
            box->close();
            break;
        }
        // Never leave the test hanging in the modal loop when the action did not end it.
        QTimer::singleShot(0, [=] {
            if (session == mine && messageBox()->isVisible()) {
                seen->wasShown = false;
                messageBox()->hide();
            }
        });
    });
    return showMessage(prompt, style, title);
}

} // namespace

class TestGuiMsgBox : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        resetGlobals();
        QWidget* box = messageBox();
        QCOMPARE(box->objectName(), QStringLiteral("PimMsgBox"));
        QCOMPARE(box->windowTitle(), QStringLiteral("MyMsgBox"));
        QVERIFY(box->isWindow());
        QVERIFY(QApplication::topLevelWidgets().contains(box));
        for (const char* name : iconNames) {
            auto* icon = box->findChild<QLabel*>(QString::fromLatin1(name));
            QVERIFY2(icon, name);
            QVERIFY2(icon->isHidden(), name);
            QVERIFY2(!icon->pixmap().isNull(), name);
        }
        auto* cancel = box->findChild<QPushButton*>("Command1");
        QCOMPARE(cancel->text(), QStringLiteral("&Abbrechen"));
        QCOMPARE(i18n::textIdOf(cancel), 996);
        QCOMPARE(box->findChild<QPushButton*>("Command2")->text(), QStringLiteral("&OK"));
    }

    void styles_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<bool>("offersCancel");
        QTest::newRow("0 cross") << 0 << "ImageKreuz" << false;
        QTest::newRow("16 stop") << 16 << "ImageStop" << false;
        QTest::newRow("17 stop+cancel") << 17 << "ImageStop" << true;
        QTest::newRow("32 question") << 32 << "ImageFrage" << false;
        QTest::newRow("33 question+cancel") << 33 << "ImageFrage" << true;
        QTest::newRow("48 exclamation") << 48 << "ImageAusruf" << false;
        QTest::newRow("49 exclamation+cancel") << 49 << "ImageAusruf" << true;
        QTest::newRow("64 information") << 64 << "ImageInfo" << false;
        QTest::newRow("65 information+cancel") << 65 << "ImageInfo" << true;
    }

    void styles()
    {
        QFETCH(int, style);
        QFETCH(QString, icon);
        QFETCH(bool, offersCancel);

        Seen seen;
        QCOMPARE(ask("Text", style, "T", Action::Ok, &seen), 1);
        QVERIFY(seen.wasShown);
        QVERIFY(seen.modal);
        QCOMPARE(seen.visibleIcons, QStringList{icon});
        QVERIFY(seen.okVisible);
        QCOMPARE(seen.cancelVisible, offersCancel);
        QVERIFY(!messageBox()->isVisible());

        if (offersCancel) {
            Seen cancelled;
            QCOMPARE(ask("Text", style, "T", Action::Cancel, &cancelled), 2);
            // OK and Cancel on one line, Cancel after OK.
            QCOMPARE(cancelled.cancelGeometry.top(), cancelled.okGeometry.top());
            QVERIFY(cancelled.cancelGeometry.left() > cancelled.okGeometry.right());
        }
        Seen escaped;
        QCOMPARE(ask("Text", style, "T", Action::Escape, &escaped), 2);
        QVERIFY(escaped.wasShown);
    }

    void closingTheWindowAnswersCancel_data()
    {
        QTest::addColumn<int>("style");
        QTest::newRow("cross") << 0;
        QTest::newRow("stop") << 16;
        QTest::newRow("exclamation+cancel") << 49;
    }

    void closingTheWindowAnswersCancel()
    {
        QFETCH(int, style);
        Seen seen;
        QCOMPARE(ask("Text", style, "T", Action::CloseWindow, &seen), 2);
        QVERIFY(seen.wasShown);
        QVERIFY(!messageBox()->isVisible());
    }

    void iconOfAnEarlierCallIsHidden()
    {
        Seen first;
        ask("Achtung", 48, "", Action::Ok, &first);
        QCOMPARE(first.visibleIcons, QStringList{"ImageAusruf"});
        Seen second;
        ask("Halt", 16, "", Action::Ok, &second);
        QCOMPARE(second.visibleIcons, QStringList{"ImageStop"});
        Seen third;
        ask("Kreuz", 0, "", Action::Ok, &third);
        QCOMPARE(third.visibleIcons, QStringList{"ImageKreuz"});
        QVERIFY(!third.cancelVisible);
    }

    void titleAndPromptAreShownAndTheBoxIsReused()
    {
        PimMsgBox* before = messageBox();
        const QString lb = QString::fromStdString(globals().lineBreak);
        const QString prompt = "Ist der Drucker bereit?" + lb + "Bitte prüfen.";
        Seen seen;
        QCOMPARE(ask(prompt, 49, "Drucken", Action::Ok, &seen), 1);
        QCOMPARE(seen.title, QStringLiteral("Drucken"));
        QCOMPARE(seen.text, prompt);

        Seen empty;
        QCOMPARE(ask("", 16, "", Action::Ok, &empty), 1);
        QCOMPARE(empty.title, QString());
        QCOMPARE(empty.text, QString());
        QCOMPARE(messageBox(), before);
    }

    void boxFollowsTheSizeOfTheText()
    {
        const QString lb = QString::fromStdString(globals().lineBreak);
        Seen one;
        ask("Eine Zeile", 48, "", Action::Ok, &one);
        Seen four;
        ask("Erste Zeile" + lb + "zweite Zeile" + lb + "dritte Zeile" + lb + "vierte Zeile", 48, "",
            Action::Ok, &four);
        Seen wide;
        ask(QString(120, QLatin1Char('W')), 48, "", Action::Ok, &wide);

        QVERIFY(four.labelGeometry.height() >= 3 * one.labelGeometry.height() / 2);
        QVERIFY(four.size.height() > one.size.height());
        QVERIFY(wide.size.width() > one.size.width());
        QVERIFY(wide.labelGeometry.right() < wide.size.width());
        // A break of CR LF is one line break: the four-line text is not taller than four lines.
        const int lineHeight = QFontMetrics(messageBox()->font()).lineSpacing();
        QVERIFY(four.labelGeometry.height() < 6 * lineHeight);
        for (const Seen* seen : {&one, &four, &wide}) {
            // The buttons stay below the text, near the bottom edge.
            QVERIFY(seen->okGeometry.top() > seen->labelGeometry.bottom());
            QVERIFY(seen->okGeometry.bottom() < seen->size.height());
            QVERIFY(seen->size.height() - seen->okGeometry.bottom() < 40);
        }
    }
};

QTEST_MAIN(TestGuiMsgBox)
#include "test_gui_msgbox.moc"
