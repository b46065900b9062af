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
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("blanks");
        // 96 dpi: 15 twips a pixel; 60 px = 900 twips = 26.47 blanks.
        QTest::newRow("96 dpi") << 60.0 << 96.0 << 26;
        QTest::newRow("120 dpi") << 75.9 << 120.0 << 26;
        // At 1440 dpi a pixel is a twip: 68 twips are exactly two blanks, a hair less is one.
        QTest::newRow("exact") << 68.0 << 1440.0 << 2;
        QTest::newRow("truncated") << 67.99 << 1440.0 << 1;
        QTest::newRow("nothing measured") << 0.0 << 96.0 << 0;
        QTest::newRow("no dpi") << 60.0 << 0.0 << 0;
    }

    void indentBlanks()
    {
        QFETCH(double, width);
        QFETCH(double, dpi);
        QFETCH(int, blanks);
        QCOMPARE(noticeIndentBlanks(width, dpi), blanks);
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
