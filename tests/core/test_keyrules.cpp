#include "numbers/keyrules.h"

#include <QtTest>

using namespace kovolo::numbers;

class TestKeyRules : public QObject {
    Q_OBJECT
private slots:
    void numericCharacters()
    {
        // Exactly Backspace, ",", "." and the digits pass; every other code becomes 0.
        for (int c = 0; c < 0x3000; ++c) {
            const bool allowed = c == 8 || c == ',' || c == '.' || (c >= '0' && c <= '9');
            const char16_t result = numericKeyFilter(char16_t(c));
            QVERIFY2(result == (allowed ? char16_t(c) : u'\0'), qPrintable(QString::number(c)));
        }
        QCOMPARE(int(numericKeyFilter(0xFFFF)), 0);
    }

    void listKeys()
    {
        QVERIFY(listOnlyKeyAllowed(38));
        QVERIFY(listOnlyKeyAllowed(40));
        for (int k : {0, 8, 9, 13, 27, 32, 33, 34, 35, 36, 37, 39, 46, 65, 115})
            QVERIFY2(!listOnlyKeyAllowed(k), qPrintable(QString::number(k)));
    }
};

QTEST_APPLESS_MAIN(TestKeyRules)
#include "test_keyrules.moc"
