// The network game: connecting, the messages between the two programs, and chat.

#include "Reelpane.h"
#include "battle/FleetReveal.h"
#include "battle/ShotRule.h"
#include "board/BoardProcedures.h"
#include "main/MenuKeys.h"
#include "main/ModalGate.h"
#include "main/TypedText.h"
#include "main/WidgetFactory.h"
#include "main/frmMain.h"
#include "net/ChatLogLimits.h"
#include "net/ConnectionNotice.h"
#include "net/PeerText.h"
#include "net/Winsock.h"
#include "records/RecordBook.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>

namespace {

const QString kRejectedNote = QStringLiteral("(A message from the opponent was rejected.)");

} // namespace

void frmMain::buildServerPanel()
{
    using namespace WidgetFactory;
    picContainerMultiPlayerServer = panel(this, QStringLiteral("picContainerMultiPlayerServer"),
                                          QStringLiteral("Multiplayer server"), 0, 0, 3735, 2055);
    title(picContainerMultiPlayerServer, QStringLiteral("Multiplayer"), 120, 60, 3495);
    lblMultiplayerServerIP = label(picContainerMultiPlayerServer,
                                   QStringLiteral("lblMultiplayerServerIP"),
                                   QStringLiteral("Your Computer: 0.0.0.0"), 120, 480, 3495, 675);
    lblMultiplayerServerIP->setWordWrap(true); // a long host name takes up to three lines
    lblMultiplayerServerIP->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMultiplayerServerStatus = label(picContainerMultiPlayerServer,
                                       QStringLiteral("lblMultiplayerServerStatus"),
                                       QStringLiteral("Status: Waiting for Connection"), 120, 1200,
                                       3495, 285);
    cmdMultiplayerServerStartGame = button(picContainerMultiPlayerServer,
                                           QStringLiteral("cmdMultiplayerServerStartGame"),
                                           QStringLiteral("Start Game"), 120, 1560, 1335, 375);
    cmdMultiplayerServerCancel = button(picContainerMultiPlayerServer,
                                        QStringLiteral("cmdMultiplayerServerCancel"),
                                        QStringLiteral("Cancel"), 2520, 1560, 1095, 375);
    MenuKeys::enterPresses(picContainerMultiPlayerServer, cmdMultiplayerServerStartGame);
    connect(cmdMultiplayerServerCancel, &QPushButton::clicked, this,
            &frmMain::cmdMultiplayerServerCancel_Click);
}

void frmMain::buildClientPanel()
{
    using namespace WidgetFactory;
    picContainerMultiPlayerClient = panel(this, QStringLiteral("picContainerMultiPlayerClient"),
                                          QStringLiteral("Multiplayer client"), 0, 0, 3735, 2055);
    title(picContainerMultiPlayerClient, QStringLiteral("Multiplayer"), 120, 60, 3495);
    QLabel *hostLabel = label(picContainerMultiPlayerClient, QString(),
                              QStringLiteral("Server Computer:"), 120, 510, 1620, 285);
    txtMultiplayerClientHostConnect = new QLineEdit(picContainerMultiPlayerClient);
    place(txtMultiplayerClientHostConnect, QStringLiteral("txtMultiplayerClientHostConnect"),
          hostLabel, 1800, 480, 1815, 330);
    lblMultiplayerClientStatus = label(picContainerMultiPlayerClient,
                                       QStringLiteral("lblMultiplayerClientStatus"),
                                       QStringLiteral("Status: Waiting for you to press Connect"),
                                       120, 960, 3495, 540);
    lblMultiplayerClientStatus->setWordWrap(true); // one line is a little short for it
    cmdMultiplayerClientStartGame = button(picContainerMultiPlayerClient,
                                           QStringLiteral("cmdMultiplayerClientStartGame"),
                                           QStringLiteral("Connect"), 120, 1560, 1095, 375);
    cmdMultiplayerClientCancel = button(picContainerMultiPlayerClient,
                                        QStringLiteral("cmdMultiplayerClientCancel"),
                                        QStringLiteral("Cancel"), 2520, 1560, 1095, 375);
    MenuKeys::enterPresses(picContainerMultiPlayerClient, cmdMultiplayerClientStartGame);
    connect(cmdMultiplayerClientStartGame, &QPushButton::clicked, this,
            &frmMain::cmdMultiplayerClientStartGame_Click);
    connect(cmdMultiplayerClientCancel, &QPushButton::clicked, this,
            &frmMain::cmdMultiplayerClientCancel_Click);
}

// A connection may come up late, after a Cancel. It starts a game only where the
// player could have started one: on the game-type, server or client screen.
bool frmMain::connectionWelcome() const
{
    const Screen screen = currentScreen();
    return state.gGamePhase == GameState::NoGame
           && (screen == Screen::GameType || screen == Screen::Server || screen == Screen::Client);
}

void frmMain::wskMain_ConnectionRequest(qintptr requestID)
{
    // Decided at once: a request that is not accepted inside this handler is closed.
    const bool welcome = connectionWelcome() && wskGame->State() == Winsock::sckClosed;
    if (welcome)
        wskGame->Accept(requestID);
    wskMain->Close();
    if (!welcome)
        return;
    forgetConnection();
    lblMultiplayerServerStatus->setText(QStringLiteral("Status: Connected"));
    mGate->run([this] { EnterPlacementScreen(GameState::Server); });
}

void frmMain::wskMain_Error(const QString &description)
{
    if (wskMain->State() != Winsock::sckListening)
        lblMultiplayerServerStatus->setText(QStringLiteral("Status: Not Listening"));
    socketError(description);
}

void frmMain::cmdMultiplayerClientStartGame_Click()
{
    const QString host = txtMultiplayerClientHostConnect->text();
    if (IsBlank(host)) {
        warn(QStringLiteral("No host was entered."));
        return;
    }
    wskGame->Close();
    mConnectionUp = false;
    forgetConnection();
    wskGame->setRemotePort(kGamePort);
    wskGame->setRemoteHost(host);
    wskGame->Connect();
}

void frmMain::wskGame_Connect()
{
    mGate->run([this] {
        if (connectionWelcome())
            EnterPlacementScreen(GameState::Client);
        else
            wskGame->Close(); // the player has gone on to something else
    });
}

void frmMain::socketError(const QString &description)
{
    mGate->run([this, description] {
        warn(QStringLiteral("Winsock Error: ") + description);
        if (mConnectionUp && wskGame->State() != Winsock::sckConnected)
            connectionLost(QString());
    });
}

void frmMain::wskGame_PeerClosed()
{
    // A closed line says no more: what it sent last is complete, and comes first. All
    // of it is in the socket by now, no more than the socket's bounded read buffer.
    takeWhatIsQuiet(mClock.elapsed() + MessageReader::kQuietMs, wskGame->BytesReceived());
    mGate->run([this, from = mConnection.current()] {
        if (!mConnectionUp || !mConnection.isCurrent(from))
            return; // already reported, with the error that broke the connection
        connectionLost(QStringLiteral("The opponent has closed the connection."));
    });
}

void frmMain::connectionLost(const QString &warning)
{
    // A game cut off by a lost connection ends here; later sends are skipped.
    mConnectionUp = false;
    forgetConnection();
    switch (ConnectionNotice::where(state)) {
    case ConnectionNotice::Where::Nowhere:
        return;
    case ConnectionNotice::Where::ChatLog:
        if (!warning.isEmpty())
            appendChatLine(ConnectionNotice::chatLine(warning));
        return;
    case ConnectionNotice::Where::Box:
        if (!warning.isEmpty())
            warn(warning);
        break;
    }
    countGameEnd(GameOutcome::NotFinished);
    if (state.gGamePhase == GameState::PlacingShips)
        ClearGrid(player2Grid); // no battle was fought: the opponent board has nothing to show
    state.gGamePhase = GameState::NoGame;
    picContainerPlayer1->setCursor(Qt::ArrowCursor);
    lblStatus->setText(QStringLiteral("Connection Lost"));
    showScreen(Screen::GameOver);
}

void frmMain::cmdMultiplayerServerCancel_Click()
{
    showScreen(Screen::GameType);
}

void frmMain::cmdMultiplayerClientCancel_Click()
{
    showScreen(Screen::GameType);
}

// The side is the connection's: a late client may reach a player who has since
// chosen the other network role, or none.
void frmMain::EnterPlacementScreen(qint32 gameType)
{
    mConnectionUp = true;
    state.gGameType = gameType;
    beginPlacement();
}

void frmMain::CheckGameReady()
{
    if (!state.gShipsPlaced)
        return;
    if (!state.gOpponentShipsPlaced) {
        lblStatus->setText(QStringLiteral("Waiting for Opponent... (")
                           + PeerText::shownName(state.gOpponentName) + QStringLiteral(")"));
        return;
    }
    state.gGamePhase = GameState::Battle;
    showScreen(Screen::Battle);
    if (state.gGameType == GameState::Server) {
        state.gMyTurn = true;
        lblStatus->setText(QStringLiteral("Game Ready... Your Turn (") + state.gPlayerName
                           + QStringLiteral(")"));
    } else {
        state.gMyTurn = false;
        lblStatus->setText(QStringLiteral("Game Ready... Opponents Turn (")
                           + PeerText::shownName(state.gOpponentName) + QStringLiteral(")"));
    }
}

void frmMain::forgetConnection()
{
    mReader.reset();
    mQuietTimer->stop();
    mConnection.replace();
}

void frmMain::send(const Protocol::Message &message)
{
    if (mConnectionUp)
        wskGame->SendData(Protocol::encode(message));
}

void frmMain::wskGame_DataArrival(qint64 bytesTotal)
{
    // Only what the gate can hold is read, a bounded amount per pass; the rest waits in
    // the socket and the kernel, so TCP slows down a peer that sends faster than the game
    // applies. Winsock raises this event again for what is left, the gate once it has room.
    if (mGate->hasRoom())
        deliver(mReader.feed(wskGame->GetData(std::min(bytesTotal, Inbound::kReadPerPass)),
                             mClock.elapsed()));
}

// The line has been quiet: the message under way, last field and all, is complete.
void frmMain::quietTimer_Timer()
{
    takeWhatIsQuiet(mClock.elapsed(), mGate->hasRoom() ? Inbound::kReadPerPass : 0);
}

// Reads up to `readAtMost` of what the socket holds, then, if nothing is left waiting,
// completes the message under way if the line has been quiet long enough by `quietAt`.
// Bytes still waiting mean the line is not quiet, however long they waited.
void frmMain::takeWhatIsQuiet(qint64 quietAt, qint64 readAtMost)
{
    MessageReader::Result result = mReader.feed(wskGame->GetData(readAtMost), mClock.elapsed());
    if (wskGame->BytesReceived() == 0)
        result.append(mReader.quietCheck(quietAt));
    deliver(std::move(result));
}

void frmMain::deliver(MessageReader::Result result)
{
    const std::optional<qint64> deadline = mReader.quietDeadline();
    if (deadline && wskGame->BytesReceived() == 0)
        mQuietTimer->start(int(std::max<qint64>(*deadline - mClock.elapsed(), 0)));
    else
        mQuietTimer->stop(); // the next read arms it again
    if (result.overflow)
        wskGame->Close(); // nothing more from this peer, while its last words wait their turn
    for (Inbound::Batch &batch : Inbound::batches(std::move(result))) {
        const qsizetype weight = batch.weight;
        batch.connection = mConnection.current();
        mGate->run([this, batch = std::move(batch)] { applyBatch(batch); }, weight);
    }
}

void frmMain::applyBatch(const Inbound::Batch &batch)
{
    if (!mConnectionUp || !mConnection.isCurrent(batch.connection))
        return; // the connection was lost or replaced meanwhile: the rest is moot
    int rejected = batch.rejected;
    for (const Protocol::Message &message : batch.messages) {
        if (!mConnectionUp)
            break;
        if (!receivable(message)) {
            ++rejected;
            continue;
        }
        if (!std::holds_alternative<Protocol::Chat>(message))
            flushChat(); // what came before shows before what this one does
        applyReceived(message);
    }
    flushChat();
    if (rejected > 0)
        appendChatLine(kRejectedNote);
    if (batch.overflow)
        connectionLost(QStringLiteral("The opponent sent data that is not part of the game. "
                                      "The connection has been closed."));
}

// A conformant peer sends its fleet while it places, its shots and the end of the
// game only during its battle, and chat at any time; anything else it cannot have
// meant, and a connection left over from an earlier game touches no later one.
bool frmMain::receivable(const Protocol::Message &message) const
{
    if (std::holds_alternative<Protocol::Chat>(message))
        return true;
    if (!state.isNetworkGame())
        return false;
    if (std::holds_alternative<Protocol::PlaceShips>(message))
        return state.gGamePhase == GameState::PlacingShips;
    return state.gGamePhase == GameState::Battle;
}

void frmMain::applyReceived(const Protocol::Message &message)
{
    std::visit([this](const auto &received) { receive(received); }, message);
}

void frmMain::receive(const Protocol::PlaceShips &message)
{
    // A peer may place again before its battle: the newer fleet replaces the older.
    if (state.gOpponentShipsPlaced) {
        for (int slot = 1; slot <= Fleet::kSlots; ++slot)
            state.gOpponentShips[slot].DeleteShip();
        ClearGrid(player2Grid);
    }
    state.gOpponentShipsPlaced = true;
    for (int slot = 1; slot <= Fleet::kSlots; ++slot)
        state.gOpponentShips[slot].CreateShip(message.starts[slot - 1], slot, &player2Grid,
                                              state.gRevealMode);
    state.gOpponentName = message.name;
    CheckGameReady();
}

void frmMain::receive(const Protocol::Fire &message)
{
    state.gMyTurn = true;
    lblStatus->setText(QStringLiteral("Your Turn"));
    ResolveShot(message.cell, state.gPlayerShips, player1Grid, state.gPlayerShots);
}

void frmMain::receive(const Protocol::GameOver &message)
{
    if (message.field != QStringLiteral("1"))
        return;
    countGameEnd(GameOutcome::Lost);
    state.gGamePhase = GameState::NoGame;
    ShowUnsunkShips(state.gOpponentShips, player2Grid, state.gOpponentShots);
    lblStatus->setText(QStringLiteral("Opponent Won"));
    showScreen(Screen::GameOver);
    inform(QStringLiteral("Game Over. You Lose"));
    mSound.PlayWave(QStringLiteral("youlose"));
}

void frmMain::receive(const Protocol::Chat &message)
{
    if (message.text == QStringLiteral("/slap")) {
        // shown with its batch
        mChatBatch.add(PeerText::shownName(message.name) + QStringLiteral(" slapped you!"));
        mSound.PlayWave(QStringLiteral("slap"));
    } else {
        // shown with its batch
        mChatBatch.add(PeerText::shownName(message.name) + QStringLiteral(": ") + message.text);
    }
}

void frmMain::txtChatBox_Enter()
{
    const QString typed = txtChatBox->text();
    if (IsBlank(typed))
        return;
    // Shown as the opponent will read it: a separator, which would end the field, and
    // characters the wire cannot carry go out as '?'.
    const QString text = Protocol::asSent(typed);
    if (text == QStringLiteral("/slap"))
        appendChatLine(state.gPlayerName + QStringLiteral(" slapped ")
                       + PeerText::shownName(state.gOpponentName));
    else
        appendChatLine(state.gPlayerName + QStringLiteral(": ") + text);
    send(Protocol::Chat{state.gPlayerName, text});
    // Not clear(): that keeps every key of every line sent in the undo history for the
    // whole run. A new line starts with a fresh history.
    txtChatBox->setText(QString());
}

void frmMain::appendChatLine(const QString &line)
{
    mChatBatch.add(line);
    flushChat();
}

// One append for all the lines gathered, then the oldest lines beyond the log's bounds
// go in one removal: laying the log out once per line made a flood freeze the window.
void frmMain::flushChat()
{
    if (mChatBatch.isEmpty())
        return;
    txtChatBoxMsgs->appendPlainText(mChatBatch.take());
    QTextDocument *log = txtChatBoxMsgs->document();
    qsizetype characters = log->characterCount();
    qsizetype lines = log->blockCount();
    QTextBlock keptFirst = log->firstBlock();
    while (ChatLogLimits::overBudget(characters, lines)) {
        characters -= keptFirst.length();
        --lines;
        keptFirst = keptFirst.next();
    }
    if (keptFirst != log->firstBlock()) {
        QTextCursor oldest(log);
        oldest.setPosition(keptFirst.position(), QTextCursor::KeepAnchor);
        oldest.removeSelectedText();
    }
    txtChatBoxMsgs->moveCursor(QTextCursor::End);
}
