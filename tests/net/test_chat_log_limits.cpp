// SPDX-License-Identifier: GPL-3.0-or-later
// The chat log's bounds: lines cut where a player stops reading, the log kept to its
// newest hundred lines, fewer when they are long, and each line shown as one line.

#include "net/ChatBatch.h"
#include "net/ChatLogLimits.h"
#include "net/PeerText.h"

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

    void peerTextStaysOnOneLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "gg, well played \u00e9" << "gg, well played \u00e9";
        QTest::newRow("a forged note") << "hi\r\n(A message from the opponent was rejected.)"
                                       << "hi\u240d\u240a(A message from the opponent was rejected.)";
        QTest::newRow("tab and nul") << QStringLiteral("a\tb") + QChar(0) << "a\u2409b\u2400";
        QTest::newRow("delete") << "x\x7f" << "x\u2421";
        QTest::newRow("next line (C1)") << "a\u0085b" << "a\ufffdb";
        QTest::newRow("line and paragraph separators") << "a\u2028b\u2029" << "a\ufffdb\ufffd";
        QTest::newRow("right-to-left override") << "Sally\u202e" << "Sally\ufffd";
        QTest::newRow("zero-width space") << "Sa\u200blly" << "Sa\ufffdlly";
        QTest::newRow("isolates and embeddings") << "\u2066a\u2067b\u2068c\u2069\u202a\u202b\u202c"
                                                 << "\ufffda\ufffdb\ufffdc\ufffd\ufffd\ufffd\ufffd";
        // (from a literal, UTF-8 would drop the mark at the start)
        QTest::newRow("byte order mark and soft hyphen") << QChar(0xfeff) + QStringLiteral("Sal\u00adly") << "\ufffdSal\ufffdly";
        QTest::newRow("tag characters beyond the first plane") << "Sally\U000E0041\U000E007F" << "Sally\ufffd\ufffd";
        QTest::newRow("half a character") << QStringLiteral("a") + QChar(0xd800) + "b" << "a\ufffdb";
        QTest::newRow("a whole character beyond the first plane") << "\U0001F600" << "\U0001F600";
    }
    void peerTextStaysOnOneLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(PeerText::oneLine(text), shown);
    }

    // U+2068 ... U+2069 around what could turn the words beside it; nothing where it cannot.
    void peerTextIsSetApartWhereItCouldTurnItsNeighbours_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("left to right") << "Sally 2" << "Sally 2";
        QTest::newRow("hebrew") << "\u05e9\u05e8\u05d4" << "\u2068\u05e9\u05e8\u05d4\u2069";
        QTest::newRow("arabic-indic digits") << "\u0661\u0662" << "\u2068\u0661\u0662\u2069";
        QTest::newRow("its own isolate end is marked") << "\u05d0\u2069\u202e" << "\u2068\u05d0\ufffd\ufffd\u2069";
        QTest::newRow("an override alone is only marked") << "ab\u202e" << "ab\ufffd";
    }
    void peerTextIsSetApartWhereItCouldTurnItsNeighbours()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(PeerText::isolated(text), shown);
    }

    void cutTextClosesTheIsolatesItOpened_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("cut");
        QTest::newRow("short enough") << "ab" << 2 << "ab";
        QTest::newRow("inside an isolate") << "a: \u2068\u05d0\u05d1\u2069" << 5 << "a: \u2068\u05d0\u2069";
        QTest::newRow("after an isolate") << "\u2068\u05d0\u2069xy" << 4 << "\u2068\u05d0\u2069x";
        QTest::newRow("no half character") << "ab\U0001F600" << 3 << "ab";
    }
    void cutTextClosesTheIsolatesItOpened()
    {
        QFETCH(QString, text);
        QFETCH(int, length);
        QFETCH(QString, cut);
        QCOMPARE(PeerText::cut(text, length), cut);
    }

    void aPeerNameIsShownShortOnOneLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        const QString kept(PeerText::kShownNameLength - 2, u'n'); // and one more, or "…"
        QTest::newRow("as long as shown") << kept + "n\n" << kept + "n\u240a";
        QTest::newRow("one longer") << kept + "nnn" << kept + "n\u2026";
        QTest::newRow("a whole message long") << kept + QString(1 << 20, u'n') << kept + "n\u2026";
        QTest::newRow("no half character") << kept + "\U0001F600x" << kept + "\u2026";
        QTest::newRow("right to left, cut and set apart")
            << QString(40, u'\u05d0') << "\u2068" + QString(PeerText::kShownNameLength - 1, u'\u05d0') + "\u2026\u2069";
    }
    void aPeerNameIsShownShortOnOneLine()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QCOMPARE(PeerText::shownName(name), shown);
    }

    void aBatchKeepsWhatTheLogWouldKeep_data()
    {
        QTest::addColumn<int>("added");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("kept");
        QTest::newRow("a few") << 3 << 10 << 3;
        QTest::newRow("a flood of short lines") << 10'000 << 10 << int(ChatLogLimits::kLines);
        QTest::newRow("long lines") << 50 << 100'000 << 14;
    }
    void aBatchKeepsWhatTheLogWouldKeep()
    {
        QFETCH(int, added);
        QFETCH(int, length);
        QFETCH(int, kept);
        ChatBatch batch;
        for (int i = 0; i < added; ++i)
            batch.add(PeerText::oneLine(QString::number(i) + QString(length, QLatin1Char('x')) + QStringLiteral("\n")));
        const QStringList lines = batch.take().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), kept);
        QVERIFY(lines.first().startsWith(QString::number(added - kept)));
        QVERIFY(lines.last().startsWith(QString::number(added - 1)));
        QVERIFY(lines.last().endsWith(length > ChatLogLimits::kLineChars ? QStringLiteral("(line cut)")
                                                                         : QStringLiteral("\u240a")));
        QVERIFY(batch.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ChatLogLimitsTest)
#include "test_chat_log_limits.moc"
