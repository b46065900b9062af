// The distribution notice of the About window and the indent of its later lines.

#include "app/aboutnotice.h"

#include <QtTest>

using namespace kovolo;

class TestAboutNotice : public QObject {
    Q_OBJECT

private slots:
    void indentBlanks_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("blank");
        QTest::addColumn<int>("blanks");
        // 900 twips of text in a font whose blank is 34 twips wide: 26.47 blanks.
        QTest::newRow("narrow blanks") << 900.0 << 34.0 << 26;
        QTest::newRow("wide blanks") << 63.0 << 4.0 << 15;
        QTest::newRow("exact") << 68.0 << 34.0 << 2;
        QTest::newRow("truncated") << 67.99 << 34.0 << 1;
        QTest::newRow("nothing measured") << 0.0 << 4.0 << 0;
        QTest::newRow("no blank width") << 60.0 << 0.0 << 0;
    }

    void indentBlanks()
    {
        QFETCH(double, width);
        QFETCH(double, blank);
        QFETCH(int, blanks);
        QCOMPARE(noticeIndentBlanks(width, blank), blanks);
    }

    void linesJoinedByBreakAndIndent()
    {
        const auto lines = distributionNoticeLines("cz");
        const std::string text = distributionNotice("cz", "\r\n", "   ");
        QCOMPARE(text, lines[0] + "\r\n   " + lines[1] + "\r\n   " + lines[2]);
        QVERIFY(text.find("\r\n", text.size() - 4) == std::string::npos);
    }
};

QTEST_APPLESS_MAIN(TestAboutNotice)
#include "test_aboutnotice.moc"
