// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the network game and the records under a translation: what
// a peer sends fills its place and nothing else, and the files keep their English words.
#include "net/ChatLogLimits.h"
#include "net/ConnectionNotice.h"
#include "net/PeerText.h"
#include "net/discovery/NetworkGame.h"
#include "records/RecordBook.h"
#include "records/UncountedGames.h"

#include <QCoreApplication>
#include <QHash>
#include <QTest>
#include <QTranslator>

namespace {

// A language that moves the placeholders about, as real ones do.
class ReorderingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return kTexts.value(QString::fromLatin1(context) + QLatin1Char('|') + QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }

private:
    const QHash<QString, QString> kTexts = {
        {QStringLiteral("NetworkGame|%1 on %2 (%3)"), QStringLiteral("[%3] %2: %1")},
        {QStringLiteral("NetworkGame|%1, announced as \u201C%2\u201D"), QStringLiteral("%2 / %1")},
        {QStringLiteral("ChatLogLimits|%1 \u2026 (line cut)"), QStringLiteral("%1 [cut]")},
        {QStringLiteral("ConnectionNotice|(%1)"), QStringLiteral("<%1>")},
        {QStringLiteral("UncountedGames|1 game"), QStringLiteral("one match")},
        {QStringLiteral("UncountedGames|%n games"), QStringLiteral("%n matches")},
        {QStringLiteral("UncountedGames|Not counted here: %1 played since Tidewatch started (%2)."),
         QStringLiteral("(%2) %1 missing")},
        {QStringLiteral("Levels|Easy"), QStringLiteral("Facile")},
        {QStringLiteral("Levels|Network"), QStringLiteral("Reseau")},
    };
};

} // namespace

class TestTranslatedTexts : public QObject
{
    Q_OBJECT

private slots:
    // Installed for the whole run: the rows of a _data() function are made before init().
    void initTestCase() { QVERIFY(QCoreApplication::installTranslator(&mTranslator)); }

    void peerTextFillsOnlyItsOwnPlace_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("expected");
        const QString sly = QStringLiteral("Sam %2 %3 %1");
        QTest::newRow("games list row")
            << rowTexts({{QStringLiteral("svc"), sly, QStringLiteral("box %1"), QStringLiteral("10.0.0.2")}}).value(0)
            << QStringLiteral("[10.0.0.2] ") + PeerText::isolated(QStringLiteral("box %1")) + QStringLiteral(": ")
                   + PeerText::isolated(sly);
        const NetworkGame twin{QStringLiteral("svc %1"), QStringLiteral("Sam"), QStringLiteral("box"),
                               QStringLiteral("10.0.0.2")};
        const NetworkGame other{QStringLiteral("svc %2"), QStringLiteral("Sam"), QStringLiteral("box"),
                                QStringLiteral("10.0.0.2")};
        const QString row = QStringLiteral("[10.0.0.2] ") + PeerText::isolated(QStringLiteral("box"))
                            + QStringLiteral(": ") + PeerText::isolated(QStringLiteral("Sam"));
        QTest::newRow("look-alike row")
            << rowTexts({twin, other}).value(1)
            << PeerText::isolated(QStringLiteral("svc %2")) + QStringLiteral(" / ") + row;
        const QString longLine = QStringLiteral("%2").repeated(ChatLogLimits::kLineChars);
        QTest::newRow("cut chat line")
            << ChatLogLimits::shown(longLine + QStringLiteral("%1"))
            << PeerText::cut(longLine + QStringLiteral("%1"), ChatLogLimits::kLineChars) + QStringLiteral(" [cut]");
        QTest::newRow("connection notice")
            << ConnectionNotice::chatLine(QStringLiteral("gone %1")) << QStringLiteral("<gone %1>");
    }
    void peerTextFillsOnlyItsOwnPlace()
    {
        QFETCH(QString, shown);
        QFETCH(QString, expected);
        QCOMPARE(shown, expected);
    }

    void uncountedGamesNoteCountsInTheLanguage_data()
    {
        QTest::addColumn<int>("games");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one") << 1 << QStringLiteral("(disk %2 full) one match missing");
        QTest::newRow("two") << 2 << QStringLiteral("(disk %2 full) 2 matches missing");
        QTest::newRow("many") << 40 << QStringLiteral("(disk %2 full) 40 matches missing");
    }
    void uncountedGamesNoteCountsInTheLanguage()
    {
        QFETCH(int, games);
        QFETCH(QString, expected);
        UncountedGames uncounted;
        for (int game = 0; game < games; ++game)
            uncounted.add(QStringLiteral("Sam"), QStringLiteral("disk %2 full"));
        QCOMPARE(uncounted.note(QStringLiteral("Sam")), expected);
    }

    void shownNamesAreTranslatedButFilesKeepTheirWords_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("shown");
        QTest::newRow("level") << int(RecordKind::Easy) << QStringLiteral("Facile");
        QTest::newRow("network") << int(RecordKind::Network) << QStringLiteral("Reseau");
        QTest::newRow("untranslated level") << int(RecordKind::Admiral) << QStringLiteral("Admiral");
    }
    void shownNamesAreTranslatedButFilesKeepTheirWords()
    {
        QFETCH(int, kind);
        QFETCH(QString, shown);
        QCOMPARE(recordKindName(RecordKind(kind)), shown);
        RecordBook book;
        book.count(QStringLiteral("Sam"), RecordKind(kind), GameResult{GameOutcome::Won, 20, 17});
        const QByteArray translated = book.text();
        QCoreApplication::removeTranslator(&mTranslator);
        RecordBook english;
        english.count(QStringLiteral("Sam"), RecordKind(kind), GameResult{GameOutcome::Won, 20, 17});
        QVERIFY(QCoreApplication::installTranslator(&mTranslator));
        QCOMPARE(translated, english.text());
    }

private:
    ReorderingTranslator mTranslator;
};

QTEST_GUILESS_MAIN(TestTranslatedTexts)
#include "test_translated_texts.moc"
