// The chat log's bounds: lines cut where a player stops reading, the log kept to its
// newest hundred lines, fewer when they are long.

#include "net/ChatLogLimits.h"

#include <QTest>

class ChatLogLimitsTest : public QObject
{
    Q_OBJECT

private slots:
    void longLinesAreCutWithAMark_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("cut");
        QTest::newRow("empty") << 0 << false;
        QTest::newRow("at the limit") << int(ChatLogLimits::kLineChars) << false;
        QTest::newRow("one past") << int(ChatLogLimits::kLineChars) + 1 << true;
        QTest::newRow("a megabyte") << 1024 * 1024 << true;
    }
    void longLinesAreCutWithAMark()
    {
        QFETCH(int, length);
        QFETCH(bool, cut);
        const QString line(length, QLatin1Char('x'));
        const QString shown = ChatLogLimits::shown(line);
        QCOMPARE(shown.startsWith(line.left(ChatLogLimits::kLineChars)), true);
        QCOMPARE(shown.endsWith(QStringLiteral("(line cut)")), cut);
        QVERIFY(shown.size() <= ChatLogLimits::kLineChars + 16);
    }

    void theLogKeepsItsNewestHundredLinesFewerWhenLong_data()
    {
        QTest::addColumn<qsizetype>("characters");
        QTest::addColumn<qsizetype>("lines");
        QTest::addColumn<bool>("over");
        const qsizetype cutLine = ChatLogLimits::kLineChars + 14; // with its mark and its end
        QTest::newRow("a few lines") << qsizetype(200) << qsizetype(5) << false;
        QTest::newRow("a hundred short lines") << qsizetype(2'000) << qsizetype(100) << false;
        QTest::newRow("a line more") << qsizetype(2'020) << qsizetype(101) << true;
        QTest::newRow("fourteen cut lines") << 14 * cutLine << qsizetype(14) << false;
        QTest::newRow("fifteen cut lines") << 15 * cutLine << qsizetype(15) << true;
        QTest::newRow("one huge line stays") << qsizetype(2'000'000) << qsizetype(1) << false;
    }
    void theLogKeepsItsNewestHundredLinesFewerWhenLong()
    {
        QFETCH(qsizetype, characters);
        QFETCH(qsizetype, lines);
        QFETCH(bool, over);
        QCOMPARE(ChatLogLimits::overBudget(characters, lines), over);
    }
};

QTEST_GUILESS_MAIN(ChatLogLimitsTest)
#include "test_chat_log_limits.moc"
