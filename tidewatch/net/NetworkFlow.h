// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/ChatBatch.h"
#include "net/Inbound.h"
#include "net/MessageReader.h"
#include "net/ModalGate.h"
#include "net/Protocol.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

class BattleFlow;
class BoardModel;
class GameLink;
class GameTable;
class ChatView;
class ServerView;

// The network game: the connection, the messages between the two programs, and chat.
// Socket events come in through the calls below, in the window's event order; what
// they bring waits while one of the game's message boxes is up.
class NetworkFlow
{
    Q_DECLARE_TR_FUNCTIONS(NetworkFlow)

public:
    // The server screen's texts, shown before the flow first fills them in too.
    static QString waitingForConnection();
    static QString yourComputer(const QString &address);

    // `clock` gives milliseconds that never go back; a test drives its own.
    NetworkFlow(GameTable &game, ServerView &server, ChatView &chat, GameLink &link,
                BattleFlow &battle, BoardModel &opponentGrid, std::function<qint64()> clock = {});

    ModalGate &gate() { return mGate; }

    // The server screen listens; a client connects to the host typed.
    void listen();
    void connectTo(const QString &host);

    // Socket events.
    void connectionRequested(qintptr requestID);
    void listenerFailed(const QString &description);
    void connected();
    void dataArrived(qint64 bytes);
    void lineQuiet();
    void peerClosed();
    void socketFailed(const QString &description);

    // Messages out.
    void sendFleet();
    void sendShot(qint16 cell);
    void sendGameOver();
    // Enter in the chat entry; true when the line went out and the entry is to be emptied.
    bool chatEntered(const QString &typed);

    // The battle starts once both fleets are known here.
    void CheckGameReady();

private:
    static QString chatLine(const QString &name, const QString &text);
    bool connectionWelcome() const;
    void enterPlacementScreen(qint32 gameType);
    void connectionLost(const QString &warning);
    void endLostGame(); // once the player has read why
    void takeWhatIsQuiet(qint64 quietAt, qint64 readAtMost);
    void deliver(MessageReader::Result result);
    void applyBatch(Inbound::Batch batch);
    void appendChatLine(const QString &line);
    void flushChat();
    void forgetConnection(); // drops what the connection sent and is not yet whole
    bool receivable(const Protocol::Message &message) const;
    void receive(const Protocol::PlaceShips &message);
    void receive(const Protocol::Fire &message);
    void receive(const Protocol::GameOver &message);
    void receive(const Protocol::Chat &message);
    void send(const Protocol::Message &message);

    GameTable &mGame;
    ServerView &mServer;
    ChatView &mChat;
    GameLink &mLink;
    BattleFlow &mBattle;
    BoardModel &mOpponentGrid;
    QElapsedTimer mElapsed;
    std::function<qint64()> mClock;
    QTimer mQuietTimer; // fires when the line has been quiet long enough
    MessageReader mReader;
    ChatBatch mChatBatch; // received lines waiting for the end of their batch
    ModalGate mGate;
    bool mConnectionUp = false;
};
