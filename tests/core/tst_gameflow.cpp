// SPDX-License-Identifier: GPL-3.0-or-later
// The game's flow without a window: whole games through GameFlow, fakes of the views it
// reads, and two flows joined in memory instead of sockets.

#include "ScriptedRandom.h"
#include "accounts/LoginView.h"
#include "board/BoardProcedures.h"
#include "board/PlacementView.h"
#include "board/ShipKinds.h"
#include "main/GameFlow.h"
#include "main/ShellView.h"
#include "main/StepTimer.h"
#include "net/GameLink.h"
#include "net/NetworkView.h"
#include "records/GameRecording.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Remembers what the window would show. Boxes close on the event loop's next pass,
// unless the test holds them open and closes them itself.
class FakeShell final : public ShellView
{
public:
    Screen screen = Screen::Login;
    QString status, recordNotice, recordsNote;
    QStringList boxes;
    QList<Cue> cues;
    bool holdBoxes = false;
    std::vector<std::function<void()>> openBoxes; // each closes its box

    void showScreen(Screen shown) override { screen = shown; }
    void setStatus(const QString &text) override { status = text; }
    void warn(const QString &text, std::function<void()> closed) override { open(text, std::move(closed)); }
    void inform(const QString &text, std::function<void()> closed) override { open(text, std::move(closed)); }
    void playCue(Cue cue) override { cues << cue; }
    void setDifficultyCaptions(const QStringList &) override {}
    void clearChoices() override {}
    void showRecords(const QString &, const QString &, const QString &note,
                     std::function<void()> closed) override
    {
        recordsNote = note;
        open(note, std::move(closed));
    }
    void setRecordNotice(const QString &text) override { recordNotice = text; }
    void closeBox()
    {
        const std::function<void()> close = openBoxes.front();
        openBoxes.erase(openBoxes.begin());
        close();
    }

private:
    void open(const QString &text, std::function<void()> closed)
    {
        boxes << text;
        openBoxes.push_back([closed = std::move(closed)] {
            if (closed)
                closed();
        });
        if (!holdBoxes)
            QTimer::singleShot(0, [this] { closeBox(); });
    }
};

// The flow's steps to come: a pause ends when the test says its time has come, a step
// for the next pass comes on the event loop's next pass, as the game's own timer does.
class SteppedTimer final : public StepTimer
{
public:
    int seconds = -1; // of the step waiting
    std::function<void()> step;

    void start(int wait, std::function<void()> next) override
    {
        seconds = wait;
        step = std::move(next);
        if (wait == 0)
            QTimer::singleShot(0, &mPass, [this, started = ++mStarted] {
                if (started == mStarted)
                    expire();
            });
    }
    void stop() override { step = {}; }
    bool isActive() const override { return bool(step); }
    // Runs the step waiting, and those it starts, until none is left.
    void expire()
    {
        while (step)
            std::exchange(step, {})();
    }

private:
    QObject mPass;
    int mStarted = 0;
};

class FakePlacement final : public PlacementView
{
public:
    PlacementChoices choices;

    void showPlacementChoices(const PlacementChoices &shown) override { choices = shown; }
    void setPlacementCursor(PlacementCursor) override {}
    void setNoFit(int, int) override {}
};

class FakeChat final : public ChatView
{
public:
    QStringList lines;

    void appendChatLines(const QString &added) override { lines << added.split(QLatin1Char('\n')); }
};

class QuietScreens final : public LoginView, public ServerView
{
public:
    void addAccountName(const QString &) override {}
    void setLoginCaption(const QString &) override {}
    void setServerStatus(const QString &) override {}
    void setServerAddress(const QString &) override {}
};

// One end of a connection in memory. What one end does reaches the other's flow on the
// next pass of the event loop, as socket events do; each arrival is followed by quiet.
class MemoryLink final : public GameLink
{
public:
    MemoryLink *peer = nullptr;
    NetworkFlow *flow = nullptr;
    qint64 *clock = nullptr;
    bool isListening = false;
    bool isConnected = false;
    QByteArray inbox;

    QString localHostName() const override { return QStringLiteral("memory"); }
    QString localIP() const override { return QStringLiteral("127.0.0.1"); }
    void listen() override { isListening = true; }
    bool listening() const override { return isListening; }
    void stopListening() override { isListening = false; }
    bool gameLineFree() const override { return !isConnected; }
    void accept(qintptr) override
    {
        isConnected = peer->isConnected = true;
        later([](MemoryLink &other) { other.flow->connected(); });
    }
    void connectTo(const QString &) override
    {
        later([](MemoryLink &other) {
            if (other.isListening)
                other.flow->connectionRequested(1);
        });
    }
    bool connected() const override { return isConnected; }
    void send(const QByteArray &bytes) override
    {
        peer->inbox += bytes;
        later([size = bytes.size()](MemoryLink &other) {
            other.flow->dataArrived(size);
            *other.clock += MessageReader::kQuietMs;
            other.flow->lineQuiet();
        });
    }
    qint64 bytesWaiting() const override { return inbox.size(); }
    void raiseDataArrival() override
    {
        if (!inbox.isEmpty())
            QTimer::singleShot(0, [this] { flow->dataArrived(inbox.size()); });
    }
    QByteArray read(qint64 most) override
    {
        const QByteArray bytes = inbox.left(most);
        inbox.remove(0, bytes.size());
        return bytes;
    }
    void close() override
    {
        if (!isConnected)
            return;
        isConnected = peer->isConnected = false;
        later([](MemoryLink &other) { other.flow->peerClosed(); });
    }

private:
    void later(void (*event)(MemoryLink &)) { later([event](MemoryLink &other) { event(other); }); }
    template <class Event>
    void later(Event event)
    {
        QTimer::singleShot(0, [other = peer, event] { event(*other); });
    }
};

// A flow with its views and its end of a link, logged in as `name`.
struct Player
{
    FakeShell shell;
    FakePlacement placement;
    FakeChat chat;
    QuietScreens quiet;
    MemoryLink link;
    qint64 clock = 0;
    GameFlow flow{{shell, quiet, placement, quiet, chat}, link, [this] { return clock; }};
    SteppedTimer *steps = nullptr;

    Player(const QString &accountFile, const QString &name)
    {
        auto timer = std::make_unique<SteppedTimer>();
        steps = timer.get();
        flow.setStepTimer(std::move(timer));
        link.flow = &flow.network();
        link.clock = &clock;
        auto random = std::make_unique<ScriptedRandom>();
        flow.setRandomSource(std::move(random));
        flow.accounts().load(accountFile);
        flow.accounts().nameChanged(name);
        flow.accounts().submit(name, QStringLiteral("pw")); // creates the account
        flow.accounts().submit(name, QStringLiteral("pw")); // logs in
    }
    GameState &state() { return flow.state(); }
    // Ship n in column n from the top: cells 1..5 and below.
    void placeFleet()
    {
        for (int column = 1; column <= ShipKinds::kShipCount; ++column)
            flow.placement().press(column);
    }
};

void settle()
{
    for (int pass = 0; pass < 10; ++pass)
        QCoreApplication::processEvents();
}

void join(Player &server, Player &client)
{
    server.link.peer = &client.link;
    client.link.peer = &server.link;
    server.flow.next(1);
    client.flow.next(2);
    client.flow.network().connectTo(QStringLiteral("server"));
    settle();
}

// Each side places its fleet and presses Finish: the battle begins, the server to fire.
void bothFinish(Player &server, Player &client)
{
    for (Player *side : {&server, &client}) {
        side->placeFleet();
        side->flow.finishPlacing();
        settle();
    }
}

QList<int> shipCells(const Fleet &fleet)
{
    QList<int> cells;
    for (int cell = 1; cell <= ShipKinds::kBoardCells; ++cell)
        if (IsShipAt(qint16(cell), fleet))
            cells << cell;
    return cells;
}

} // namespace

class GameFlowTest : public QObject
{
    Q_OBJECT

    QTemporaryDir mDir;
    QString accounts() const { return mDir.filePath(QStringLiteral("players.txt")); }

private slots:
    void aWholeSinglePlayerGameThenMainMenuAndASecond_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("reveal");
        for (int level = 1; level <= 5; ++level) {
            QTest::addRow("level %d", level) << level << false;
            QTest::addRow("level %d, reveal mode", level) << level << true;
        }
    }
    void aWholeSinglePlayerGameThenMainMenuAndASecond()
    {
        QFETCH(int, level);
        QFETCH(bool, reveal);
        const QTemporaryDir dir; // each row counts its own games
        const QString accountFile = dir.filePath(QStringLiteral("players.txt"));
        Player ann(accountFile, QStringLiteral("Ann"));
        QCOMPARE(ann.shell.screen, Screen::GameType);
        if (reveal)
            ann.flow.toggleReveal();
        for (int game = 1; game <= 2; ++game) {
            ann.flow.next(0);
            ann.flow.startSinglePlayer(0, level);
            QCOMPARE(ann.shell.screen, Screen::Placement);
            ann.placeFleet();
            QVERIFY(ann.placement.choices.finishEnabled && ann.placement.choices.selected == 0);
            ann.flow.finishPlacing();
            QCOMPARE(ann.shell.status, QStringLiteral("Game Ready... Your Turn"));
            QCOMPARE(ann.state().gGamePhase, GameState::Battle);
            for (int cell = 1; cell <= 100 && ann.state().gGamePhase == GameState::Battle; ++cell) {
                ann.flow.battle().playerFires(cell);
                if (!reveal) { // the computer pauses; clicks on its board meanwhile do nothing
                    QCOMPARE(ann.shell.status, QStringLiteral("Opponents Turn"));
                    QCOMPARE(ann.steps->seconds, 1);
                    const int replies = ann.state().gPlayerShots.count();
                    ann.flow.battle().playerFires(cell % 100 + 1);
                    QCOMPARE(ann.state().gOpponentShots.count(), cell);
                    QCOMPARE(ann.state().gPlayerShots.count(), replies);
                    ann.steps->expire();
                }
                QVERIFY(!ann.flow.waiting());
                if (ann.state().gGamePhase == GameState::Battle)
                    QCOMPARE(ann.shell.status, QStringLiteral("Your Turn (Ann)"));
            }
            const bool won = IsFleetDestroyed(ann.state().gOpponentShips);
            QCOMPARE(ann.shell.boxes.size(), game); // a game ends once
            QCOMPARE(ann.shell.boxes.last(), won ? QStringLiteral("Game Over. You Win.")
                                                : QStringLiteral("Game Over. You Lose."));
            // The cue and the game-over screen wait for the box to close.
            QCOMPARE(ann.shell.screen, Screen::Battle);
            QVERIFY(ann.shell.cues.last() != (won ? Cue::Clap : Cue::YouLose));
            settle();
            QCOMPARE(ann.shell.cues.last(), won ? Cue::Clap : Cue::YouLose);
            QCOMPARE(ann.shell.status, won ? QStringLiteral("You Won") : QStringLiteral("Opponent Won"));
            QCOMPARE(ann.shell.screen, Screen::GameOver);
            if (level == 4) // every shot of the computer hits: it sinks the fleet with its 20th
                QCOMPARE(ann.state().gPlayerShots.count(), 20);
            const int shots = ann.state().gOpponentShots.count();
            ann.flow.battle().playerFires(100); // the game is over: nothing more happens
            QCOMPARE(ann.state().gOpponentShots.count(), shots);

            ann.flow.mainMenu();
            QCOMPARE(ann.shell.screen, Screen::GameType);
            QVERIFY(ann.state().gPlayerShips.isEmpty() && ann.state().gOpponentShips.isEmpty());
            QCOMPARE(ann.state().gPlayerShots.count() + ann.state().gOpponentShots.count(), 0);
            QCOMPARE(ann.placement.choices.selected, 5);
            QVERIFY(ann.placement.choices.enabled[1] && !ann.placement.choices.finishEnabled);
        }
        RecordBook records;
        QString error;
        QVERIFY(records.read(recordFileBeside(accountFile), &error));
        QCOMPARE(records.tally(QStringLiteral("Ann"), RecordKind(level)).played, 2);
    }

    void aWholeNetworkGameWithChat_data()
    {
        QTest::addColumn<bool>("serverFinishesFirst");
        QTest::newRow("server's fleet arrives before the client's Finish") << true;
        QTest::newRow("server's fleet arrives after the client's Finish") << false;
    }
    void aWholeNetworkGameWithChat()
    {
        QFETCH(bool, serverFinishesFirst);
        Player ann(accounts(), QStringLiteral("Ann")), bob(accounts(), QStringLiteral("Bob"));
        join(ann, bob);
        QCOMPARE(ann.shell.screen, Screen::Placement);
        QCOMPARE(bob.shell.screen, Screen::Placement);

        QVERIFY(bob.flow.network().chatEntered(QStringLiteral("hello")));
        QVERIFY(ann.flow.network().chatEntered(QStringLiteral("/slap")));
        QVERIFY(!ann.flow.network().chatEntered(QStringLiteral("   ")));
        settle();
        QCOMPARE(ann.chat.lines, QStringList({"Ann slapped Opponent", "Bob: hello"}));
        QCOMPARE(bob.chat.lines, QStringList({"Bob: hello", "Ann slapped you!"}));
        QCOMPARE(bob.shell.cues, QList<Cue>{Cue::Slap});

        Player &first = serverFinishesFirst ? ann : bob;
        Player &second = serverFinishesFirst ? bob : ann;
        first.placeFleet();
        first.flow.finishPlacing();
        QCOMPARE(first.shell.status, QStringLiteral("Waiting for Opponent... (Opponent)"));
        settle();
        QVERIFY(second.state().gOpponentShipsPlaced);
        QCOMPARE(second.state().gGamePhase, GameState::PlacingShips);
        second.placeFleet();
        second.flow.finishPlacing();
        settle();
        QCOMPARE(ann.shell.status, QStringLiteral("Game Ready... Your Turn (Ann)"));
        QCOMPARE(bob.shell.status, QStringLiteral("Game Ready... Opponents Turn (Ann)"));

        // Ann sinks Bob's fleet while Bob fires at water.
        const QList<int> targets = shipCells(ann.state().gOpponentShips);
        for (int shot = 0; shot < targets.size(); ++shot) {
            ann.flow.battle().playerFires(targets[shot]);
            settle();
            if (shot + 1 < targets.size()) {
                QCOMPARE(bob.shell.status, QStringLiteral("Your Turn"));
                bob.flow.battle().playerFires(100 - shot);
                settle();
            }
        }
        QCOMPARE(ann.shell.boxes, QStringList{"Game Over. You Win."});
        QCOMPARE(bob.shell.boxes, QStringList{"Game Over. You Lose"});
        QCOMPARE(bob.shell.status, QStringLiteral("Opponent Won"));
        QCOMPARE(bob.shell.cues.last(), Cue::YouLose);
        QCOMPARE(bob.state().gPlayerShots.count(), 20); // the winning shot came before the end
        for (Player *side : {&ann, &bob}) {
            QCOMPARE(side->state().gGamePhase, GameState::NoGame);
            QCOMPARE(side->shell.screen, Screen::GameOver);
        }
    }

    // A connection left open after its game is replaced by a new one while a box is up:
    // what the old one sent, not yet whole then, never reaches the new game.
    void whatAReplacedConnectionSentIsDropped()
    {
        Player ann(accounts(), QStringLiteral("Ann")), bob(accounts(), QStringLiteral("Bob"));
        join(ann, bob);
        bothFinish(ann, bob);
        for (int cell : shipCells(ann.state().gOpponentShips)) {
            ann.flow.battle().playerFires(cell);
            settle();
            bob.flow.battle().playerFires(cell);
            settle();
        }
        ann.flow.mainMenu();
        bob.flow.mainMenu();
        ann.link.inbox = "/msg\xB6" "Bob\xB6" "old";
        ann.flow.network().dataArrived(ann.link.inbox.size());
        ann.flow.next(1);
        ann.link.isConnected = false; // listening drops the old line
        ann.flow.network().gate().boxOpened();
        ann.flow.network().connectionRequested(2);
        ann.clock += MessageReader::kQuietMs;
        ann.flow.network().lineQuiet();
        ann.flow.network().gate().boxClosed();
        settle();
        QCOMPARE(ann.shell.screen, Screen::Placement);
        QVERIFY2(!ann.chat.lines.contains(QStringLiteral("Bob: old")), qPrintable(ann.chat.lines.join('|')));
    }

    // Nothing the peer sends changes the game before the player has closed the box that is
    // up; then it all comes, in order, the rest of a batch that opened the box included.
    void whatArrivesWhileABoxIsUpWaitsForIt_data()
    {
        QTest::addColumn<bool>("boxFromTheBatch");
        QTest::newRow("the records opened by the player") << false;
        QTest::newRow("the loss the batch itself announces") << true;
    }
    void whatArrivesWhileABoxIsUpWaitsForIt()
    {
        QFETCH(bool, boxFromTheBatch);
        Player ann(accounts(), QStringLiteral("Ann")), bob(accounts(), QStringLiteral("Bob"));
        join(ann, bob);
        bothFinish(ann, bob);
        bob.shell.holdBoxes = true;
        QByteArray bytes;
        if (boxFromTheBatch)
            bytes = Protocol::encode(Protocol::GameOver{QStringLiteral("1")});
        else
            bob.flow.showRecords();
        bytes += Protocol::encode(Protocol::Chat{QStringLiteral("Ann"), QStringLiteral("one")})
                 + Protocol::encode(Protocol::Chat{QStringLiteral("Ann"), QStringLiteral("two")});
        bob.link.inbox = bytes;
        bob.flow.network().dataArrived(bytes.size());
        bob.clock += MessageReader::kQuietMs;
        bob.flow.network().lineQuiet();
        settle();
        QCOMPARE(bob.shell.openBoxes.size(), size_t(1));
        QVERIFY2(!bob.chat.lines.contains(QStringLiteral("Ann: one")), qPrintable(bob.chat.lines.join('|')));
        QVERIFY(!bob.shell.cues.contains(Cue::YouLose));
        bob.shell.closeBox();
        settle();
        QCOMPARE(bob.chat.lines.mid(bob.chat.lines.size() - 2), QStringList({"Ann: one", "Ann: two"}));
        QCOMPARE(bob.shell.cues.contains(Cue::YouLose), boxFromTheBatch);
    }

    void aLostConnectionEndsTheGameInEachPhase_data()
    {
        QTest::addColumn<int>("finished"); // how many sides pressed Finish
        QTest::addColumn<bool>("gameOver");
        QTest::newRow("placing") << 0 << false;
        QTest::newRow("waiting for the opponent") << 1 << false;
        QTest::newRow("battle") << 2 << false;
        QTest::newRow("after the end") << 2 << true;
    }
    void aLostConnectionEndsTheGameInEachPhase()
    {
        QFETCH(int, finished);
        QFETCH(bool, gameOver);
        Player ann(accounts(), QStringLiteral("Ann")), bob(accounts(), QStringLiteral("Bob"));
        join(ann, bob);
        for (Player *side : {&ann, &bob}) {
            if (finished-- > 0) {
                side->placeFleet();
                side->flow.finishPlacing();
                settle();
            }
        }
        if (gameOver) {
            for (int cell : shipCells(ann.state().gOpponentShips)) {
                ann.flow.battle().playerFires(cell);
                settle();
                bob.flow.battle().playerFires(cell);
                settle();
            }
        }
        const QString status = ann.shell.status;
        bob.link.close();
        settle();
        // After the end nothing stops, so the chat log says it instead of a box.
        const QString notice = QStringLiteral("The opponent has closed the connection.");
        QCOMPARE(gameOver ? ann.chat.lines.last() : ann.shell.boxes.last(),
                 gameOver ? QStringLiteral("(%1)").arg(notice) : notice);
        QCOMPARE(ann.state().gGamePhase, GameState::NoGame);
        QCOMPARE(ann.shell.screen, Screen::GameOver);
        QCOMPARE(ann.shell.status, gameOver ? status : QStringLiteral("Connection Lost"));
    }
};

QTEST_GUILESS_MAIN(GameFlowTest)
#include "tst_gameflow.moc"
