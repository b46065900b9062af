#include "numbers/ui/keyfilters.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

using namespace kovolo::numbers;

// A window with a numeric field, a second field to take the focus, and a list.
struct Window {
    QWidget widget;
    QLineEdit* field = new QLineEdit(&widget);
    QLineEdit* other = new QLineEdit(&widget);
    QComboBox* list = new QComboBox(&widget);
    Window()
    {
        auto* layout = new QVBoxLayout(&widget);
        layout->addWidget(field);
        layout->addWidget(other);
        layout->addWidget(list);
        field->setObjectName("Text6");
        list->setObjectName("ComboL");
        list->addItems({"nH", "µH", "mH", "H"});
        list->setCurrentIndex(1);
        applyNumericKeyFilter(field);
        applyListOnlyKeyFilter(list);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        widget.activateWindow();
        field->setFocus();
    }
};

class TestGuiKeyFilters : public QObject {
    Q_OBJECT
private slots:
    void numericTyping_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("minus sign") << "-5"
                                    << "5";
        QTest::newRow("slash") << "1/2"
                               << "12";
        QTest::newRow("space") << "3 4"
                               << "34";
        QTest::newRow("both separators") << "1,5.2"
                                         << "1,5.2";
        QTest::newRow("letters and signs") << "a+b*e(7)"
                                           << "7";
        QTest::newRow("non-ASCII") << "µ2²½"
                                   << "2";
    }
    void numericTyping()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        Window w;
        QTest::keyClicks(w.field, typed);
        QCOMPARE(w.field->text(), expected);
    }

    void numericEditingKeysWork()
    {
        Window w;
        QTest::keyClicks(w.field, "123");
        QTest::keyClick(w.field, Qt::Key_Backspace);
        QCOMPARE(w.field->text(), QString("12"));
        QTest::keyClick(w.field, Qt::Key_Home);
        QTest::keyClick(w.field, Qt::Key_Delete);
        QCOMPARE(w.field->text(), QString("2"));
        QTest::keyClick(w.field, Qt::Key_Left);
        QTest::keyClick(w.field, '9');
        QTest::keyClick(w.field, Qt::Key_End);
        QTest::keyClick(w.field, '0');
        QCOMPARE(w.field->text(), QString("920"));
        // Return, Escape and the space bar type nothing.
        QTest::keyClick(w.field, Qt::Key_Return);
        QTest::keyClick(w.field, Qt::Key_Escape);
        QTest::keyClick(w.field, Qt::Key_Space);
        QCOMPARE(w.field->text(), QString("920"));
        // Tab still moves the focus on.
        QTest::keyClick(w.field, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w.other);
    }

    void ctrlShortcutsAreDiscarded()
    {
        Window w;
        QApplication::clipboard()->setText("77");
        // The clipboard works here: a paste from the context menu would bring the text.
        w.other->paste();
        QCOMPARE(w.other->text(), QString("77"));

        QTest::keyClicks(w.field, "12");
        QTest::keyClick(w.field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.field->text(), QString("12"));
        QTest::keyClick(w.field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(w.field, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(w.field->text(), QString("12"));
        QCOMPARE(QApplication::clipboard()->text(), QString("77"));
        // Shift+Insert still pastes.
        QTest::keyClick(w.field, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(w.field->text(), QString("1277"));
    }

    void inputMethodTextIsFiltered()
    {
        Window w;
        QInputMethodEvent event;
        event.setCommitString("-1a,5");
        QApplication::sendEvent(w.field, &event);
        QCOMPARE(w.field->text(), QString("1,5"));
    }

    void sharedFilterInstance()
    {
        // Every field and list shares one filter of each kind, owned by the application.
        Window a;
        Window b;
        QCOMPARE(qApp->findChildren<NumericKeyFilter*>().size(), 1);
        QCOMPARE(qApp->findChildren<ListOnlyKeyFilter*>().size(), 1);
        QVERIFY(a.field->findChildren<QObject*>().size() ==
                b.field->findChildren<QObject*>().size());
    }

    void listIgnoresTyping_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("letter m") << int(Qt::Key_M) << "m";
        QTest::newRow("letter H") << int(Qt::Key_H) << "H";
        QTest::newRow("Home") << int(Qt::Key_Home) << "";
        QTest::newRow("End") << int(Qt::Key_End) << "";
        QTest::newRow("PageDown") << int(Qt::Key_PageDown) << "";
        QTest::newRow("PageUp") << int(Qt::Key_PageUp) << "";
        QTest::newRow("space") << int(Qt::Key_Space) << " ";
        QTest::newRow("F4") << int(Qt::Key_F4) << "";
        QTest::newRow("Return") << int(Qt::Key_Return) << "\r";
    }
    void listIgnoresTyping()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        Window w;
        w.list->setFocus();
        QSignalSpy changed(w.list, &QComboBox::currentIndexChanged);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(w.list, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(w.list, &release);
        QCOMPARE(w.list->currentIndex(), 1);
        QCOMPARE(w.list->currentText(), QString("µH"));
        QCOMPARE(changed.count(), 0);
        QVERIFY(!w.list->view()->isVisible()); // no popup either
    }

    void listArrowsMoveSelection()
    {
        Window w;
        w.list->setFocus();
        QSignalSpy changed(w.list, &QComboBox::currentIndexChanged);
        QTest::keyClick(w.list, Qt::Key_Down);
        QCOMPARE(w.list->currentIndex(), 2);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 2);
        QTest::keyClick(w.list, Qt::Key_Up);
        QTest::keyClick(w.list, Qt::Key_Up);
        QCOMPARE(w.list->currentIndex(), 0);
        QCOMPARE(changed.count(), 3);
    }

    void openPopupIgnoresTyping()
    {
        Window w;
        w.list->setFocus();
        w.list->showPopup();
        QAbstractItemView* view = w.list->view();
        QTRY_VERIFY(view->isVisible());
        const QModelIndex before = view->currentIndex();
        QTest::keyClick(view, Qt::Key_H);
        QTest::keyClick(view, Qt::Key_End);
        QCOMPARE(view->currentIndex(), before);
        // Down and Return pick the next entry.
        QTest::keyClick(view, Qt::Key_Down);
        QTest::keyClick(view, Qt::Key_Return);
        QTRY_VERIFY(!view->isVisible());
        QCOMPARE(w.list->currentIndex(), 2);
    }

    void editableListTakesNoText()
    {
        Window w;
        w.list->setEditable(true);
        applyListOnlyKeyFilter(w.list);
        w.list->setCurrentIndex(1);
        w.list->setFocus();
        QTest::keyClicks(w.list, "xy");
        QTest::keyClick(w.list, Qt::Key_Backspace);
        QCOMPARE(w.list->currentText(), QString("µH"));
        QTest::keyClick(w.list, Qt::Key_Down);
        QCOMPARE(w.list->currentText(), QString("mH"));
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestGuiKeyFilters test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_gui_keyfilters.moc"
