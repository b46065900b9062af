// The error reports of the turns and inductance calculations, seen in the message box.

#include "app/globals.h"
#include "app/ui/msgbox.h"
#include "output/ui/errorreport.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace kovolo;

namespace {

struct Seen {
    QString title;
    QString text;
    QStringList visibleIcons;
    bool cancelVisible = false;
    bool busyPointer = true;
};

// Records what the box shows and answers it with the named button.
void answerBox(Seen* seen, const char* button)
{
    QTimer::singleShot(0, [=] {
        QWidget* box = messageBox();
        seen->title = box->windowTitle();
        seen->text = box->findChild<QLabel*>("LabelMsg")->text();
        for (const char* name :
             {"ImageStop", "ImageFrage", "ImageAusruf", "ImageInfo", "ImageKreuz"}) {
            if (box->findChild<QLabel*>(QString::fromLatin1(name))->isVisible())
                seen->visibleIcons << QString::fromLatin1(name);
        }
        seen->cancelVisible = box->findChild<QPushButton*>("Command1")->isVisible();
        seen->busyPointer = QApplication::overrideCursor() != nullptr;
        box->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    });
}

} // namespace

class TestGuiErrorReport : public QObject {
    Q_OBJECT

private slots:
    void init() { resetGlobals(); }
    void cleanup()
    {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }

    void turnsReportTitleByLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("title");
        QTest::newRow("deutsch") << "deutsch"
                                 << "Fehler ";
        QTest::newRow("franz") << "franz"
                               << "Erreur ";
        QTest::newRow("ital") << "ital"
                              << "Errore ";
        QTest::newRow("cz") << "cz"
                            << "Error ";
        QTest::newRow("unknown") << "klingon"
                                 << "Error ";
    }

    void turnsReportTitleByLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, title);
        globals().currentLanguage = language.toStdString();
        // The calculation may have left the busy pointer on, even twice.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QApplication::setOverrideCursor(Qt::WaitCursor);

        const RuntimeError overflow(ErrorNumber::Overflow);
        Seen seen;
        answerBox(&seen, "Command2");
        QCOMPARE(reportTurnsError(overflow), 6);
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.text, QString::fromStdString(overflow.description()));
        QCOMPARE(seen.visibleIcons, QStringList{"ImageAusruf"});
        QVERIFY(!seen.cancelVisible);
        QVERIFY(!seen.busyPointer);
    }

    void turnsReportReturnsTheNumber()
    {
        Seen seen;
        answerBox(&seen, "Command2");
        QCOMPARE(reportTurnsError(RuntimeError(ErrorNumber::DivisionByZero)), 11);
    }

    void inductanceReportOffersCancel_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("OK") << "Command2";
        QTest::newRow("Cancel") << "Command1";
    }

    void inductanceReportOffersCancel()
    {
        QFETCH(QString, button);
        globals().currentLanguage = "deutsch";
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const RuntimeError failure(ErrorNumber::InvalidArgument);
        Seen seen;
        const QByteArray name = button.toLatin1();
        answerBox(&seen, name.constData());
        reportInductanceError(failure);
        QCOMPARE(seen.title, QStringLiteral("Error"));
        QCOMPARE(seen.text, QString::fromStdString(failure.description()));
        QCOMPARE(seen.visibleIcons, QStringList{"ImageAusruf"});
        QVERIFY(seen.cancelVisible);
        QVERIFY(!seen.busyPointer);
        QVERIFY(!messageBox()->isVisible());
    }
};

QTEST_MAIN(TestGuiErrorReport)
#include "test_gui_errorreport.moc"
