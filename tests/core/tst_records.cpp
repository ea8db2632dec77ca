// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardModel.h"
#include "core/FullDisk.h"
#include "board/GameState.h"
#include "records/GameRecording.h"
#include "records/RecordBook.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/resource.h>

namespace {

QByteArray contents(const QString &path, qint64 most = RecordBook::kMaxFileBytes)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(most) : QByteArray();
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
    void aGameThatCannotBeCountedLeavesTheFileAndSaysWhy_data();
    void aGameThatCannotBeCountedLeavesTheFileAndSaysWhy();
    void aFullDiskIsNamedAndTheOldRecordKept();
    void aGameCountsByItsKindAndShots_data();
    void aGameCountsByItsKindAndShots();

private:
    QTemporaryDir mDir;
    QString mPath;
};

void RecordsTest::init()
{
    QVERIFY(QDir(mDir.path()).removeRecursively() && QDir().mkpath(mDir.path()));
    mPath = mDir.filePath(QStringLiteral("records.txt"));
}

void RecordsTest::recordsRoundTripThroughTheFile()
{
    QString error;
    QVERIFY2(RecordBook::update(mPath, [](RecordBook &book) {
        book.count(QStringLiteral(" Ann "), RecordKind::Admiral, {GameOutcome::Won, 45, 20});
        book.count(QStringLiteral(" Ann "), RecordKind::Admiral, {GameOutcome::Won, 38, 20});
        book.count(QStringLiteral(" Ann "), RecordKind::Admiral, {GameOutcome::Lost, 60, 17});
        book.count(QStringLiteral("Bo\u00e9"), RecordKind::Network, {GameOutcome::NotFinished, 9, 2});
    }, &error), qPrintable(error));
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
    QString error;
    QVERIFY(RecordBook::update(mPath, [](RecordBook &book) {
        book.count(QStringLiteral("Ann"), RecordKind::Admiral, {GameOutcome::Won, 40, 20});
    }, &error));
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
    const bool counted = countGame(mPath, state, GameOutcome::Won, &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    QVERIFY(!counted);
    QVERIFY(!error.isEmpty());
    QCOMPARE(contents(mPath), old);
    QVERIFY(countGame(mPath, state, GameOutcome::Won, &error));
    QCOMPARE(contents(mPath), QByteArray("easy 2 2 0 0 3 53 21  Ann \n"));
}

void RecordsTest::aGameThatCannotBeCountedLeavesTheFileAndSaysWhy_data()
{
    QTest::addColumn<QString>("place"); // what stands at records.txt
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("viewable"); // the records view still reads it
    const QString notPlain = QStringLiteral("records.txt is not a plain file");
    const QString link = QStringLiteral("records.txt is a symbolic link, not a plain file");
    const QString tooLarge = QStringLiteral("records.txt is too large to be a record file");
    QTest::newRow("link to a file") << "link" << link << false;
    QTest::newRow("dangling link") << "dangling" << link << false;
    QTest::newRow("read-only file") << "read-only" << "records.txt is read-only" << true;
    QTest::newRow("read-only folder") << "read-only folder" << "the folder %1 is read-only" << true;
    QTest::newRow("FIFO") << "fifo" << notPlain << false;
    QTest::newRow("folder") << "folder" << notPlain << false;
    QTest::newRow("one byte too large") << "large" << tooLarge << false;
    QTest::newRow("far too large, sparse") << "sparse" << tooLarge << false;
    QTest::newRow("locked by another program") << "locked" << "records.txt is in use by another program" << true;
}

void RecordsTest::aGameThatCannotBeCountedLeavesTheFileAndSaysWhy()
{
    QFETCH(QString, place);
    QFETCH(QString, reason);
    QFETCH(bool, viewable);
    const QByteArray old = "easy 1 1 0 0 50 50 20  Ann \n";
    const QString target = mDir.filePath(QStringLiteral("elsewhere.txt"));
    QFile::remove(target);
    const QByteArray path = QFile::encodeName(mPath);
    QProcess holder;
    if (place == "link" || place == "dangling") {
        QVERIFY(place == "dangling" || writeFile(target, old));
        QVERIFY(QFile::link(target, mPath));
    } else if (place == "fifo") {
        QCOMPARE(::mkfifo(path.constData(), 0600), 0);
    } else if (place == "folder") {
        QVERIFY(QDir().mkdir(mPath));
    } else {
        QVERIFY(writeFile(mPath, old));
    }
    if (place == "read-only")
        QCOMPARE(::chmod(path.constData(), 0444), 0);
    if (place == "read-only folder")
        QCOMPARE(::chmod(QFile::encodeName(mDir.path()).constData(), 0555), 0);
    if (place == "large")
        QVERIFY(QFile::resize(mPath, RecordBook::kMaxFileBytes + 1));
    if (place == "sparse") // far more than memory holds: read whole, it would never do
        QVERIFY(QFile::resize(mPath, qint64(64) << 30));
    if (place == "locked") {
        // Holds the lock until its input ends.
        holder.start(QStringLiteral("flock"), {QStringLiteral("-x"), mPath, QStringLiteral("-c"),
                                               QStringLiteral("echo locked; exec cat")});
        QVERIFY2(holder.waitForStarted(), "flock (util-linux) did not start");
        QVERIFY(holder.waitForReadyRead(5000));
    }
    struct stat before {};
    ::lstat(path.constData(), &before);

    BoardModel board;
    QString error;
    const bool counted = countGame(mPath, battle(1, {1, 2, 3}, board), GameOutcome::Won, &error);
    QString viewError;
    const bool read = RecordBook().read(mPath, &viewError);
    holder.closeWriteChannel();
    holder.waitForFinished();
    ::chmod(QFile::encodeName(mDir.path()).constData(), 0700);
    struct stat after {};
    ::lstat(path.constData(), &after);

    QVERIFY(!counted);
    QCOMPARE(error, reason.replace(QLatin1String("%1"), mDir.path()));
    QCOMPARE(read, viewable);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_size, before.st_size);
    if (S_ISREG(after.st_mode))
        QCOMPARE(contents(mPath, old.size()), old);
    QCOMPARE(contents(target), place == "link" ? old : QByteArray());
    // Nothing made beside it either: no target through the link, no half-written copy.
    QCOMPARE(QDir(mDir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System),
             place == "link" ? QStringList({"elsewhere.txt", "records.txt"}) : QStringList{"records.txt"});
}

void RecordsTest::aFullDiskIsNamedAndTheOldRecordKept()
{
    const QByteArray old = "easy 1 1 0 0 50 50 20  Ann \n";
    const QString path = mDir.filePath(QStringLiteral("tiny/records.txt"));
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    const int status = CheckOnAFullDisk(QFileInfo(path).absolutePath(), [&] { return writeFile(path, old); }, [&] {
        BoardModel board;
        QString error;
        const bool counted = countGame(path, battle(1, {1, 2, 3}, board), GameOutcome::Won, &error);
        return !counted && error == QStringLiteral("the disk is full") && contents(path) == old;
    });
    if (status == 77)
        QSKIP("no mount namespace here for a small file system");
    QCOMPARE(status, 0);
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
    QCOMPARE(countGame(mPath, state, GameOutcome(outcome), &error), !line.isEmpty());
    QCOMPARE(contents(mPath), line);
}

QTEST_GUILESS_MAIN(RecordsTest)
#include "tst_records.moc"
