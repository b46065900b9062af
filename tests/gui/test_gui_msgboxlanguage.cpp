// A message box created while another language than German is current speaks that language
// from the start and follows later language changes.

#include "app/globals.h"
#include "app/ui/msgbox.h"
#include "i18n/ui/language.h"

#include <QPushButton>
#include <QtTest>

using namespace kovolo;

class TestGuiMsgBoxLanguage : public QObject {
    Q_OBJECT

private slots:
    void createdInFrench()
    {
        resetGlobals();
        globals().currentLanguage = "franz";
        auto* cancel = messageBox()->findChild<QPushButton*>("Command1");
        QCOMPARE(cancel->text(), QStringLiteral("&annuler"));

        globals().currentLanguage = "englisch";
        i18n::applyLanguage(globals().currentLanguage);
        QCOMPARE(cancel->text(), QStringLiteral("&Cancel"));
        // OK is the same in every language and carries no text id.
        QCOMPARE(messageBox()->findChild<QPushButton*>("Command2")->text(), QStringLiteral("&OK"));
    }
};

QTEST_MAIN(TestGuiMsgBoxLanguage)
#include "test_gui_msgboxlanguage.moc"
