// SPDX-License-Identifier: GPL-3.0-or-later
// bench-soak [--games N]
//
// Two game windows in one process, server and client, play N network games (default
// 1,000) over loopback port 1987 through their real sockets, driven as players do:
// clicks on controls found by their design names, scripted placement and shots, a
// chat line and a slap per game, message boxes closed as they open. Every game must
// end with one winner and one loser; each failure is printed. Then it prints
//   games N failures F games_per_s G rss_kb_10 A rss_kb_N B rss_growth_kb C fds_10 D fds_N E
// Resident memory is taken after returning freed heap to the system, so it counts
// what is still held, not what the allocator keeps in reserve.
#include "ResidentMemory.h"
#include "UiHarness.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace {

constexpr int kWaitMs = 10000;
constexpr int kMeasureAfterGame = 10;
constexpr int kGiveUpAfterFailuresInARow = 3;

// Waits for a state the way a player waits for the screen: the event loop runs,
// sockets deliver, message boxes are closed, and deferred deletions happen as they
// would in the program's own loop.
template <typename Predicate>
bool waitFor(Predicate ready)
{
    const QDeadlineTimer deadline(kWaitMs);
    while (!ready()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

// What is still held, after the allocator has given its free reserve back.
qint64 heldKb()
{
    malloc_trim(0);
    return residentKb(QStringLiteral("self"));
}

qsizetype openDescriptors()
{
    return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size();
}

QString lastChatLine(const frmMain &window)
{
    const QString log = control<QPlainTextEdit>(window, QStringLiteral("txtChatBoxMsgs"))->toPlainText();
    return log.section(QLatin1Char('\n'), -1);
}

void say(const frmMain &window, const QString &text)
{
    typeInto(window, QStringLiteral("txtChatBox"), text);
    pressEnter(window, QStringLiteral("txtChatBox"));
}

struct Side
{
    std::unique_ptr<frmMain> window;
    QString name;
    std::vector<int> fleetCells; // where this side's ships lie
    std::vector<int> targets;    // where it fires, in order
    size_t nextTarget = 0;
};

// Five ships in five different columns, each at a random height where it fits.
// Presses place the Battleship first and the Destroyer last.
void placeFleet(Side &side, std::mt19937 &random)
{
    std::vector<int> columns(10);
    std::iota(columns.begin(), columns.end(), 0);
    std::shuffle(columns.begin(), columns.end(), random);
    side.fleetCells.clear();
    for (int press = 0; press < 5; ++press) {
        const int length = 6 - press;
        const int row = std::uniform_int_distribution<int>(0, 10 - length)(random);
        const int start = row * 10 + columns[press] + 1;
        hoverCell(*side.window, QStringLiteral("imgPlayer1Grid"), start);
        pressCell(*side.window, QStringLiteral("imgPlayer1Grid"), start);
        for (int cell = 0; cell < length; ++cell)
            side.fleetCells.push_back(start + cell * 10);
    }
}

// The winner fires at every cell of the loser's fleet with a few misses among them;
// the loser fires anywhere but keeps one cell of the winner's fleet for last, so it
// can never sink the whole fleet first.
void scriptShots(Side &winner, Side &loser, std::mt19937 &random)
{
    winner.targets = loser.fleetCells;
    std::vector<int> water;
    for (int cell = 1; cell <= 100; ++cell)
        if (std::find(loser.fleetCells.begin(), loser.fleetCells.end(), cell) == loser.fleetCells.end())
            water.push_back(cell);
    std::shuffle(water.begin(), water.end(), random);
    winner.targets.insert(winner.targets.end(), water.begin(),
                          water.begin() + std::uniform_int_distribution<int>(0, 5)(random));
    std::shuffle(winner.targets.begin(), winner.targets.end(), random);

    loser.targets.resize(100);
    std::iota(loser.targets.begin(), loser.targets.end(), 1);
    std::shuffle(loser.targets.begin(), loser.targets.end(), random);
    const auto kept = std::find(loser.targets.begin(), loser.targets.end(), winner.fleetCells.front());
    std::rotate(kept, kept + 1, loser.targets.end());
    winner.nextTarget = loser.nextTarget = 0;
}

class Soak
{
public:
    explicit Soak(const QTemporaryDir &accounts)
    {
        mServer.name = QStringLiteral("Sally");
        mClient.name = QStringLiteral("Clark");
        for (Side *side : {&mServer, &mClient}) {
            side->window = openGame(accounts.filePath(side->name + QStringLiteral(".txt")));
            createAndLogIn(*side->window, side->name, QStringLiteral("pw"));
        }
    }

    // Plays one game; an empty result means it ended as scripted.
    QString play(int game)
    {
        mBoxes.seen.clear();
        std::mt19937 random(game);
        Side &winner = game % 2 ? mClient : mServer;
        Side &loser = game % 2 ? mServer : mClient;

        click(*mServer.window, QStringLiteral("optGameType1"));
        click(*mServer.window, QStringLiteral("cmdNext"));
        click(*mClient.window, QStringLiteral("optGameType2"));
        click(*mClient.window, QStringLiteral("cmdNext"));
        // The field keeps the host from game to game; a player types it once.
        const QString host = QStringLiteral("127.0.0.1");
        if (control<QLineEdit>(*mClient.window, QStringLiteral("txtMultiplayerClientHostConnect"))->text() != host)
            typeInto(*mClient.window, QStringLiteral("txtMultiplayerClientHostConnect"), host);
        click(*mClient.window, QStringLiteral("cmdMultiplayerClientStartGame"));
        if (!waitFor([&] { return inPhase(mServer, 2) && inPhase(mClient, 2); }))
            return QStringLiteral("no connection");

        say(*mClient.window, QStringLiteral("/slap"));
        if (!waitFor([&] { return lastChatLine(*mServer.window) == QStringLiteral("Clark slapped you!"); }))
            return QStringLiteral("slap lost");

        Side &first = random() % 2 ? mServer : mClient;
        Side &second = &first == &mServer ? mClient : mServer;
        for (Side *side : {&first, &second}) {
            placeFleet(*side, random);
            click(*side->window, QStringLiteral("cmdFinishPlacingShips"));
        }
        if (!waitFor([&] { return inPhase(mServer, 3) && inPhase(mClient, 3); }))
            return QStringLiteral("battle did not start");

        const QString line = QStringLiteral("good luck in game %1").arg(game);
        say(*mServer.window, line);
        if (!waitFor([&] { return lastChatLine(*mClient.window) == QStringLiteral("Sally: ") + line; }))
            return QStringLiteral("chat line lost");

        scriptShots(winner, loser, random);
        if (const QString fault = battle(); !fault.isEmpty())
            return fault;
        if (!waitFor([&] { return inPhase(mServer, 1) && inPhase(mClient, 1) && ended(winner) && ended(loser); }))
            return QStringLiteral("no end: ") + statusText(*winner.window) + QStringLiteral(" / ")
                + statusText(*loser.window);
        if (statusText(*winner.window) != QStringLiteral("You Won")
            || statusText(*loser.window) != QStringLiteral("Opponent Won"))
            return QStringLiteral("wrong result: winner sees '%1', loser sees '%2'")
                .arg(statusText(*winner.window), statusText(*loser.window));
        if (!waitFor([&] { return endBoxesSeen(); }))
            return QStringLiteral("end boxes: ") + mBoxes.texts().join(QStringLiteral(" | "));
        for (const QString &text : mBoxes.texts())
            if (!isExpectedBox(text))
                return QStringLiteral("unexpected box: ") + text;

        for (Side *side : {&mServer, &mClient})
            click(*side->window, QStringLiteral("cmdMainMenu"));
        if (!waitFor([&] { return visible(*mServer.window, QStringLiteral("picContainerGameType"))
                                  && visible(*mClient.window, QStringLiteral("picContainerGameType")); }))
            return QStringLiteral("no way back to the menu");
        return {};
    }

    // After a failure: back to the game-type screen by whatever the screens offer.
    void recover()
    {
        for (Side *side : {&mServer, &mClient})
            for (const char *name : {"cmdMainMenu", "cmdMultiplayerServerCancel", "cmdMultiplayerClientCancel"})
                if (visible(*side->window, QString::fromLatin1(name)))
                    click(*side->window, QString::fromLatin1(name));
        waitFor([] { return false; }); // let the sockets settle, one wait long
    }

private:
    static bool inPhase(const Side &side, int phase) { return side.window->flow().state().gGamePhase == phase; }
    static bool ended(const Side &side) { return visible(*side.window, QStringLiteral("cmdMainMenu")); }

    QString battle()
    {
        // Until one side sees the end; the other's end is waited for by the caller.
        while (inPhase(mServer, 3) && inPhase(mClient, 3)) {
            Side *shooter = mServer.window->flow().state().gMyTurn ? &mServer
                            : mClient.window->flow().state().gMyTurn ? &mClient : nullptr;
            if (!shooter) {
                if (!waitFor([&] { return mServer.window->flow().state().gMyTurn || mClient.window->flow().state().gMyTurn
                                          || !inPhase(mServer, 3) || !inPhase(mClient, 3); }))
                    return QStringLiteral("nobody's turn");
                continue;
            }
            if (shooter->nextTarget >= shooter->targets.size())
                return QStringLiteral("%1 ran out of shots").arg(shooter->name);
            Side &other = shooter == &mServer ? mClient : mServer;
            pressCell(*shooter->window, QStringLiteral("imgPlayer2Grid"), shooter->targets[shooter->nextTarget++]);
            if (!waitFor([&] { return other.window->flow().state().gMyTurn || !inPhase(*shooter, 3); }))
                return QStringLiteral("shot %1 of %2 not answered").arg(shooter->nextTarget).arg(shooter->name);
        }
        return {};
    }

    bool endBoxesSeen() const
    {
        const QStringList texts = mBoxes.texts();
        return texts.count(QStringLiteral("Game Over. You Win.")) == 1
            && texts.count(QStringLiteral("Game Over. You Lose")) == 1;
    }

    static bool isExpectedBox(const QString &text)
    {
        // Starting the next game closes the previous game's connection, which the
        // other side is told about.
        return text == QStringLiteral("Game Over. You Win.") || text == QStringLiteral("Game Over. You Lose")
            || text == QStringLiteral("The opponent has closed the connection.");
    }

    MessageBoxWatcher mBoxes;
    Side mServer;
    Side mClient;
};

// The offscreen platform says this for every message box; a thousand games of it
// would bury the figures.
QtMessageHandler gDefaultHandler = nullptr;

void dropSizeHintNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QStringLiteral("propagateSizeHints")))
        gDefaultHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    gDefaultHandler = qInstallMessageHandler(dropSizeHintNotes);
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    int games = 1000;
    if (const qsizetype at = args.indexOf(QStringLiteral("--games")); at > 0)
        games = std::max(kMeasureAfterGame, args.value(at + 1).toInt());

    QTemporaryDir accounts;
    Soak soak(accounts);
    int failures = 0, failuresInARow = 0, played = 0;
    qint64 rssAt10 = 0, rssAtEnd = 0;
    qsizetype fdsAt10 = 0, fdsAtEnd = 0;
    QElapsedTimer clock;
    clock.start();
    for (int game = 1; game <= games; ++game, ++played) {
        if (const QString fault = soak.play(game); !fault.isEmpty()) {
            ++failures;
            std::printf("failure game %d: %s\n", game, qPrintable(fault));
            std::fflush(stdout);
            if (++failuresInARow >= kGiveUpAfterFailuresInARow) {
                std::printf("giving up after %d failures in a row\n", failuresInARow);
                ++played;
                break;
            }
            soak.recover();
        } else {
            failuresInARow = 0;
        }
        if (game == kMeasureAfterGame) {
            rssAt10 = heldKb();
            fdsAt10 = openDescriptors();
        }
    }
    rssAtEnd = heldKb();
    fdsAtEnd = openDescriptors();
    const double seconds = clock.nsecsElapsed() / 1e9;
    std::printf("games %d failures %d games_per_s %.2f rss_kb_10 %lld rss_kb_%d %lld rss_growth_kb %lld "
                "fds_10 %lld fds_%d %lld\n",
                played, failures, played / seconds, rssAt10, played, rssAtEnd, rssAtEnd - rssAt10,
                qlonglong(fdsAt10), played, qlonglong(fdsAtEnd));
    return failures == 0 ? 0 : 1;
}
