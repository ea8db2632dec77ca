// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/NetworkFlow.h"

#include "accounts/TypedText.h"
#include "battle/BattleFlow.h"
#include "board/BoardProcedures.h"
#include "board/GameState.h"
#include "net/ConnectionNotice.h"
#include "net/GameLink.h"
#include "net/NetworkView.h"
#include "net/PeerText.h"

namespace {

const QString kSlap = QStringLiteral("/slap");
} // namespace

NetworkFlow::NetworkFlow(GameTable &game, ServerView &server, ChatView &chat, GameLink &link,
                         BattleFlow &battle, BoardModel &opponentGrid, std::function<qint64()> clock)
    : mGame(game)
    , mServer(server)
    , mChat(chat)
    , mLink(link)
    , mBattle(battle)
    , mOpponentGrid(opponentGrid)
    , mClock(std::move(clock))
{
    if (!mClock) {
        mElapsed.start();
        mClock = [this] { return mElapsed.elapsed(); };
    }
    mQuietTimer.setSingleShot(true);
    mQuietTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&mQuietTimer, &QTimer::timeout, [this] { lineQuiet(); });
    mGate.setRoomCallback([this] { mLink.raiseDataArrival(); });
}

void NetworkFlow::listen()
{
    mServer.setServerStatus(waitingForConnection());
    mServer.setServerAddress(yourComputer(QStringLiteral("%1 (%2)").arg(mLink.localHostName(), mLink.localIP())));
    mLink.listen();
    mConnectionUp = false;
    forgetConnection();
}

void NetworkFlow::connectTo(const QString &host)
{
    if (isBlank(host)) {
        mGame.warn(tr("No host was entered."));
        return;
    }
    mConnectionUp = false;
    forgetConnection();
    mLink.connectTo(host);
}

// A connection may come up late, after a Cancel. It starts a game only where the
// player could have started one: on the game-type, server or client screen.
bool NetworkFlow::connectionWelcome() const
{
    const Screen screen = mGame.screen();
    return mGame.state().gGamePhase == GameState::NoGame
           && (screen == Screen::GameType || screen == Screen::Server || screen == Screen::Client);
}

void NetworkFlow::connectionRequested(qintptr requestID)
{
    // Decided at once: a request that is not accepted inside this handler is closed.
    const bool welcome = connectionWelcome() && mLink.gameLineFree();
    if (welcome)
        mLink.accept(requestID);
    mLink.stopListening();
    if (!welcome)
        return;
    forgetConnection();
    mServer.setServerStatus(tr("Status: Connected"));
    mGate.run([this] { enterPlacementScreen(GameState::Server); });
}

void NetworkFlow::listenerFailed(const QString &description)
{
    if (!mLink.listening())
        mServer.setServerStatus(tr("Status: Not Listening"));
    socketFailed(description);
}

void NetworkFlow::connected()
{
    mGate.run([this] {
        if (connectionWelcome())
            enterPlacementScreen(GameState::Client);
        else
            mLink.close(); // the player has gone on to something else
    });
}

void NetworkFlow::socketFailed(const QString &description)
{
    mGate.run([this, description] {
        //: A message box; %1 says what went wrong with the connection
        mGame.warn(tr("Winsock Error: %1").arg(description), [this] {
            if (mConnectionUp && !mLink.connected())
                connectionLost(QString());
        });
    });
}

void NetworkFlow::peerClosed()
{
    // A closed line says no more: what it sent last is complete, and comes first.
    // All of it is in the socket by now, no more than the socket's bounded read buffer.
    takeWhatIsQuiet(mClock() + MessageReader::kQuietMs, mLink.bytesWaiting());
    mGate.run([this] {
        if (!mConnectionUp)
            return; // already reported, with the error that broke the connection
        connectionLost(tr("The opponent has closed the connection."));
    });
}

void NetworkFlow::connectionLost(const QString &warning)
{
    // A game cut off by a lost connection ends here; later sends are skipped.
    mConnectionUp = false;
    forgetConnection();
    switch (ConnectionNotice::where(mGame.state())) {
    case ConnectionNotice::Where::Nowhere:
        return;
    case ConnectionNotice::Where::ChatLog:
        if (!warning.isEmpty())
            appendChatLine(ConnectionNotice::chatLine(warning));
        return;
    case ConnectionNotice::Where::Box:
        if (warning.isEmpty())
            endLostGame();
        else
            mGame.warn(warning, [this] { endLostGame(); });
        return;
    }
}

void NetworkFlow::endLostGame()
{
    if (mGame.state().gGamePhase == GameState::PlacingShips)
        ClearGrid(mOpponentGrid); // no battle was fought: the opponent board has nothing to show
    mGame.endGame(GameOutcome::NotFinished);
    //: Status line of the game-over screen
    mGame.setStatus(tr("Connection Lost"));
    mGame.showScreen(Screen::GameOver);
}

// The side is the connection's: a late client may reach a player who has since
// chosen the other network role, or none.
void NetworkFlow::enterPlacementScreen(qint32 gameType)
{
    mConnectionUp = true;
    mGame.startPlacement(gameType);
}

void NetworkFlow::CheckGameReady()
{
    const GameState &state = mGame.state();
    if (!state.gShipsPlaced)
        return;
    if (!state.gOpponentShipsPlaced) {
        //: Status line; %1 is the opponent's name
        mGame.setStatus(tr("Waiting for Opponent... (%1)").arg(mGame.opponentShown()));
        return;
    }
    if (state.gGameType == GameState::Server)
        //: Status line; %1 is the player's own name
        mGame.startBattle(true, tr("Game Ready... Your Turn (%1)").arg(state.gPlayerName));
    else
        //: Status line; %1 is the opponent's name. "Opponents" without an apostrophe is how the game has always said it
        mGame.startBattle(false, tr("Game Ready... Opponents Turn (%1)").arg(mGame.opponentShown()));
}

void NetworkFlow::forgetConnection()
{
    mReader.reset();
    mQuietTimer.stop();
}

void NetworkFlow::send(const Protocol::Message &message)
{
    if (mConnectionUp)
        mLink.send(Protocol::encode(message));
}

void NetworkFlow::sendFleet()
{
    const GameState &state = mGame.state();
    Protocol::PlaceShips fleet;
    for (int slot = 1; slot <= ShipKinds::kShipCount; ++slot)
        fleet.starts[std::size_t(slot - 1)] = state.gPlayerShips[slot].ShipIndex();
    fleet.name = state.gPlayerName;
    send(fleet);
}

void NetworkFlow::sendShot(qint16 cell)
{
    send(Protocol::Fire{cell});
}

void NetworkFlow::sendGameOver()
{
    send(Protocol::GameOver{QStringLiteral("1")});
}

void NetworkFlow::dataArrived(qint64 bytes)
{
    // Only what the gate can hold is read, a bounded amount per pass; the rest waits in
    // the socket and the kernel, so TCP slows down a peer that sends faster than the game
    // applies. The socket raises this event again for what is left, the gate once it has
    // room. What the bytes say is applied through the gate, after any message box.
    if (mGate.hasRoom())
        deliver(mReader.feed(mLink.read(std::min(bytes, Inbound::kReadPerPass)), mClock()));
}

// The line has been quiet: the message under way, last field and all, is complete.
void NetworkFlow::lineQuiet()
{
    takeWhatIsQuiet(mClock(), mGate.hasRoom() ? Inbound::kReadPerPass : 0);
}

// Reads up to `readAtMost` of what the socket holds, then, if nothing is left waiting,
// completes the message under way if the line has been quiet long enough by `quietAt`.
// Bytes still waiting mean the line is not quiet, however long they waited.
void NetworkFlow::takeWhatIsQuiet(qint64 quietAt, qint64 readAtMost)
{
    MessageReader::Result result = mReader.feed(mLink.read(readAtMost), mClock());
    if (mLink.bytesWaiting() == 0)
        result.append(mReader.quietCheck(quietAt));
    deliver(std::move(result));
}

// The one dispatch of what arrives: each message to the subsystem it belongs to.
void NetworkFlow::deliver(MessageReader::Result result)
{
    const std::optional<qint64> deadline = mReader.quietDeadline();
    if (deadline && mLink.bytesWaiting() == 0)
        mQuietTimer.start(int(std::max<qint64>(*deadline - mClock(), 0)));
    else
        mQuietTimer.stop(); // the next read arms it again
    if (result.overflow)
        mLink.close(); // nothing more from this peer, while its last words wait their turn
    for (Inbound::Batch &batch : Inbound::batches(std::move(result))) {
        const qsizetype weight = batch.weight;
        mGate.run([this, batch = std::move(batch)] { applyBatch(batch); }, weight);
    }
}

void NetworkFlow::applyBatch(Inbound::Batch batch)
{
    // The connection was lost meanwhile: the rest is moot. What a replaced connection sent
    // is held ahead of the new one's start, which alone sets mConnectionUp again.
    if (!mConnectionUp)
        return;
    for (auto message = batch.messages.begin(); message != batch.messages.end(); ++message) {
        if (!mConnectionUp)
            break;
        if (mGate.boxOpen()) {
            // What a message showed holds the rest of its batch until the box is closed.
            flushChat();
            batch.messages.erase(batch.messages.begin(), message);
            const qsizetype weight = batch.weight;
            mGate.holdFirst([this, rest = std::move(batch)] { applyBatch(rest); }, weight);
            return;
        }
        if (!receivable(*message)) {
            ++batch.rejected;
            continue;
        }
        if (!std::holds_alternative<Protocol::Chat>(*message))
            flushChat(); // what came before shows before what this one does
        std::visit([this](const auto &received) { receive(received); }, *message);
    }
    flushChat();
    if (batch.rejected > 0)
        //: A chat log line
        appendChatLine(tr("(A message from the opponent was rejected.)"));
    if (batch.overflow)
        connectionLost(tr("The opponent sent data that is not part of the game. "
                          "The connection has been closed."));
}

void NetworkFlow::appendChatLine(const QString &line)
{
    mChatBatch.add(line);
    flushChat();
}

// The lines gathered go to the log in one append: laying the log out once per line
// made a flood freeze the window.
void NetworkFlow::flushChat()
{
    if (!mChatBatch.isEmpty())
        mChat.appendChatLines(mChatBatch.take());
}

// A conformant peer sends its fleet while it places, its shots and the end of the
// game only during its battle, and chat at any time; anything else it cannot have
// meant, and a connection left over from an earlier game touches no later one.
bool NetworkFlow::receivable(const Protocol::Message &message) const
{
    const GameState &state = mGame.state();
    if (std::holds_alternative<Protocol::Chat>(message))
        return true;
    if (!state.isNetworkGame())
        return false;
    if (std::holds_alternative<Protocol::PlaceShips>(message))
        return state.gGamePhase == GameState::PlacingShips;
    return state.gGamePhase == GameState::Battle;
}

void NetworkFlow::receive(const Protocol::PlaceShips &message)
{
    GameState &state = mGame.state();
    // A peer may place again before its battle: the newer fleet replaces the older.
    if (state.gOpponentShipsPlaced) {
        state.gOpponentShips.clear();
        ClearGrid(mOpponentGrid);
    }
    state.gOpponentShipsPlaced = true;
    for (int slot = 1; slot <= ShipKinds::kShipCount; ++slot)
        state.gOpponentShips[slot].CreateShip(message.starts[std::size_t(slot - 1)], slot,
                                              &mOpponentGrid, state.gRevealMode);
    state.gOpponentName = message.name;
    CheckGameReady();
}

void NetworkFlow::receive(const Protocol::Fire &message)
{
    mBattle.peerFired(message.cell);
}

void NetworkFlow::receive(const Protocol::GameOver &message)
{
    if (message.field == QStringLiteral("1"))
        mBattle.peerWon();
}

void NetworkFlow::receive(const Protocol::Chat &message)
{
    if (message.text == kSlap) {
        // shown with its batch
        //: A chat log line; %1 is the opponent's name
        mChatBatch.add(tr("%1 slapped you!").arg(PeerText::shownName(message.name)));
        mGame.playCue(Cue::Slap);
    } else {
        // shown with its batch
        mChatBatch.add(chatLine(PeerText::shownName(message.name), PeerText::isolated(message.text)));
    }
}

bool NetworkFlow::chatEntered(const QString &typed)
{
    if (isBlank(typed))
        return false;
    // Shown as the opponent will read it: a separator, which would end the field, and
    // characters the wire cannot carry go out as '?'.
    const QString text = Protocol::asSent(typed);
    const GameState &state = mGame.state();
    if (text == kSlap)
        //: A chat log line: the player's name, then the opponent's
        appendChatLine(tr("%1 slapped %2").arg(PeerText::isolated(state.gPlayerName), mGame.opponentShown()));
    else
        appendChatLine(chatLine(PeerText::isolated(state.gPlayerName), PeerText::isolated(text)));
    send(Protocol::Chat{state.gPlayerName, text});
    return true;
}

QString NetworkFlow::waitingForConnection()
{
    //: The server screen's status line
    return tr("Status: Waiting for Connection");
}

QString NetworkFlow::yourComputer(const QString &address)
{
    //: The server screen: %1 is this computer's host name and IP address, or 0.0.0.0 before it listens
    return tr("Your Computer: %1").arg(address);
}

// One pattern, with both values filled in one step: a name or text holding "%2" stays as typed.
QString NetworkFlow::chatLine(const QString &name, const QString &text)
{
    //: A chat log line: who wrote, then what they wrote
    return tr("%1: %2").arg(name, text);
}
