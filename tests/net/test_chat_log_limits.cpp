// The chat log's bounds: lines cut where a player stops reading, the log kept to
// roughly its newest megabyte.

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

    void theLogKeepsRoughlyItsNewestMegabyte_data()
    {
        QTest::addColumn<qsizetype>("characters");
        QTest::addColumn<qsizetype>("lines");
        QTest::addColumn<bool>("over");
        QTest::newRow("a few lines") << qsizetype(200) << qsizetype(5) << false;
        QTest::newRow("400,000 characters") << qsizetype(400'000) << qsizetype(100) << false;
        QTest::newRow("a megabyte of text") << qsizetype(600'000) << qsizetype(200) << true;
        QTest::newRow("900 short lines") << qsizetype(18'000) << qsizetype(900) << false;
        QTest::newRow("many short lines") << qsizetype(40'000) << qsizetype(2'000) << true;
        QTest::newRow("one huge line stays") << qsizetype(2'000'000) << qsizetype(1) << false;
    }
    void theLogKeepsRoughlyItsNewestMegabyte()
    {
        QFETCH(qsizetype, characters);
        QFETCH(qsizetype, lines);
        QFETCH(bool, over);
        QCOMPARE(ChatLogLimits::overBudget(characters, lines), over);
    }
};

QTEST_GUILESS_MAIN(ChatLogLimitsTest)
#include "test_chat_log_limits.moc"
