// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardModel.h"
#include "main/GameState.h"
#include "records/GameRecording.h"
#include "records/RecordBook.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/resource.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A battle at `level` (0: a network game as server) in which the player has fired
// at `shots` and the opponent's destroyer lies at 1 and 11.
GameState battle(qint32 level, const QList<int> &shots, BoardModel &board)
{
    GameState state;
    state.gPlayerName = QStringLiteral(" Ann ");
    state.gGamePhase = GameState::Battle;
    state.gGameType = level == 0 ? GameState::Server : GameState::SinglePlayer;
    state.gDifficulty = level;
    state.gOpponentShips[1].CreateShip(1, 1, &board, false);
    for (int cell : shots)
        state.gOpponentShots.set(cell);
    return state;
}

} // namespace

class RecordsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void recordsRoundTripThroughTheFile();
    void aDamagedLineIsKeptAndNothingElseLost_data();
    void aDamagedLineIsKeptAndNothingElseLost();
    void aFailedSaveLeavesTheOldRecord();
    void aRecordFileThatIsNoPlainFileIsRefused();
    void aGameCountsByItsKindAndShots_data();
    void aGameCountsByItsKindAndShots();

private:
    QTemporaryDir mDir;
    QString mPath;
};

void RecordsTest::init()
{
    mPath = mDir.filePath(QStringLiteral("records.txt"));
    QFile::remove(mPath);
}

void RecordsTest::recordsRoundTripThroughTheFile()
{
    RecordBook book;
    book.count(QStringLiteral(" Ann "), RecordKind::Admiral, {GameOutcome::Won, 45, 20});
    book.count(QStringLiteral(" Ann "), RecordKind::Admiral, {GameOutcome::Won, 38, 20});
    book.count(QStringLiteral(" Ann "), RecordKind::Admiral, {GameOutcome::Lost, 60, 17});
    book.count(QStringLiteral("Bo\u00e9"), RecordKind::Network, {GameOutcome::NotFinished, 9, 2});
    QString error;
    QVERIFY2(book.save(mPath, &error), qPrintable(error));
    QCOMPARE(QFile::permissions(mPath) & 0x0077, QFileDevice::Permissions());

    RecordBook read;
    QVERIFY(read.read(mPath, &error));
    QCOMPARE(read.tally(QStringLiteral(" Ann "), RecordKind::Admiral), (Tally{3, 2, 1, 0, 38, 143, 57}));
    QCOMPARE(read.tally(QStringLiteral("Bo\u00e9"), RecordKind::Network), (Tally{1, 0, 0, 1, 0, 9, 2}));
    QCOMPARE(read.tally(QStringLiteral("Ann"), RecordKind::Admiral), Tally{});
    QCOMPARE(read.text(), contents(mPath));
}

void RecordsTest::aDamagedLineIsKeptAndNothingElseLost_data()
{
    QTest::addColumn<QByteArray>("damaged");
    QTest::newRow("garbage") << QByteArray("\x01\xff\xfe garbage \xb6\xb6");
    QTest::newRow("cut in half") << QByteArray("hard 4 2 2 0 3");
    QTest::newRow("foreign kind") << QByteArray("chess 1 1 0 0 5 5 5 Ann");
    QTest::newRow("counts that do not add up") << QByteArray("easy 5 1 1 0 9 20 3 Cy");
    QTest::newRow("more hits than shots") << QByteArray("easy 1 1 0 0 9 9 10 Cy");
    QTest::newRow("number too large") << QByteArray("easy 99999999999999 0 0 0 0 0 0 Cy");
    QTest::newRow("a second line for the same record") << QByteArray("admiral 1 0 1 0 0 50 9 Ann");
    QTest::newRow("empty line") << QByteArray();
}

void RecordsTest::aDamagedLineIsKeptAndNothingElseLost()
{
    QFETCH(QByteArray, damaged);
    const QByteArray good = "admiral 2 1 1 0 41 90 39 Ann\n";
    QVERIFY(writeFile(mPath, good + damaged + "\nnetwork 1 1 0 0 30 30 20 Bo\n"));
    RecordBook book;
    QString error;
    QVERIFY(book.read(mPath, &error));
    book.count(QStringLiteral("Ann"), RecordKind::Admiral, {GameOutcome::Won, 40, 20});
    QVERIFY(book.save(mPath, &error));
    QCOMPARE(contents(mPath), "admiral 3 2 1 0 40 130 59 Ann\n" + damaged
                                  + "\nnetwork 1 1 0 0 30 30 20 Bo\n");
}

// A full disk stands in for any failure while writing: the old file stays whole.
void RecordsTest::aFailedSaveLeavesTheOldRecord()
{
    const QByteArray old = "easy 1 1 0 0 50 50 20  Ann \n";
    QVERIFY(writeFile(mPath, old));
    BoardModel board;
    const GameState state = battle(1, {1, 2, 3}, board);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit full = saved;
    full.rlim_cur = 8;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &full) == 0);
    QString error;
    const bool counted = CountGame(mPath, state, GameOutcome::Won, &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(!counted);
    QVERIFY(!error.isEmpty());
    QCOMPARE(contents(mPath), old);
    QVERIFY(CountGame(mPath, state, GameOutcome::Won, &error));
    QCOMPARE(contents(mPath), QByteArray("easy 2 2 0 0 3 53 21  Ann \n"));
}

// Opened, then looked at: a FIFO is refused at once instead of blocking the game.
void RecordsTest::aRecordFileThatIsNoPlainFileIsRefused()
{
    QCOMPARE(::mkfifo(QFile::encodeName(mPath).constData(), 0600), 0);
    RecordBook book;
    QString error;
    QVERIFY(!book.read(mPath, &error));
    QCOMPARE(error, mPath + QStringLiteral(" is not a plain file"));
}

void RecordsTest::aGameCountsByItsKindAndShots_data()
{
    QTest::addColumn<qint32>("level");
    QTest::addColumn<qint32>("phase");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QByteArray>("line"); // empty: the game does not count
    QTest::newRow("Admiral won") << 5 << qint32(GameState::Battle) << int(GameOutcome::Won)
                                 << QByteArray("admiral 1 1 0 0 4 4 2  Ann \n");
    QTest::newRow("Easy lost") << 1 << qint32(GameState::Battle) << int(GameOutcome::Lost)
                               << QByteArray("easy 1 0 1 0 0 4 2  Ann \n");
    QTest::newRow("network cut off in placement")
        << 0 << qint32(GameState::PlacingShips) << int(GameOutcome::NotFinished)
        << QByteArray("network 1 0 0 1 0 4 2  Ann \n");
    QTest::newRow("no game on") << 3 << qint32(GameState::NoGame) << int(GameOutcome::Won)
                                << QByteArray();
}

void RecordsTest::aGameCountsByItsKindAndShots()
{
    QFETCH(qint32, level);
    QFETCH(qint32, phase);
    QFETCH(int, outcome);
    QFETCH(QByteArray, line);
    BoardModel board;
    GameState state = battle(level, {1, 11, 50, 99}, board);
    state.gGamePhase = phase;
    QString error;
    QCOMPARE(CountGame(mPath, state, GameOutcome(outcome), &error), !line.isEmpty());
    QCOMPARE(contents(mPath), line);
}

QTEST_GUILESS_MAIN(RecordsTest)
#include "tst_records.moc"
