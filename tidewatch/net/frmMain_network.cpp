// The network game: connecting, the messages between the two programs, and chat.

#include "Reelpane.h"
#include "battle/ShotRule.h"
#include "board/BoardProcedures.h"
#include "main/MessageBoxes.h"
#include "main/WidgetFactory.h"
#include "main/frmMain.h"
#include "net/Winsock.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

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
                                   QStringLiteral("Your Computer: 0.0.0.0"), 120, 480, 3495, 285);
    lblMultiplayerServerStatus = label(picContainerMultiPlayerServer,
                                       QStringLiteral("lblMultiplayerServerStatus"),
                                       QStringLiteral("Status: Waiting for Connection"), 120, 840,
                                       3495, 285);
    cmdMultiplayerServerStartGame = button(picContainerMultiPlayerServer,
                                           QStringLiteral("cmdMultiplayerServerStartGame"),
                                           QStringLiteral("Start Game"), 120, 1560, 1335, 375);
    cmdMultiplayerServerCancel = button(picContainerMultiPlayerServer,
                                        QStringLiteral("cmdMultiplayerServerCancel"),
                                        QStringLiteral("Cancel"), 2520, 1560, 1095, 375);
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
                              QStringLiteral("Server Computer:"), 120, 510, 1440, 285);
    txtMultiplayerClientHostConnect = new QLineEdit(picContainerMultiPlayerClient);
    place(txtMultiplayerClientHostConnect, QStringLiteral("txtMultiplayerClientHostConnect"),
          hostLabel, 1560, 480, 2055, 330);
    lblMultiplayerClientStatus = label(picContainerMultiPlayerClient,
                                       QStringLiteral("lblMultiplayerClientStatus"),
                                       QStringLiteral("Status: Waiting for you to press Connect"),
                                       120, 960, 3495, 285);
    cmdMultiplayerClientStartGame = button(picContainerMultiPlayerClient,
                                           QStringLiteral("cmdMultiplayerClientStartGame"),
                                           QStringLiteral("Connect"), 120, 1560, 1095, 375);
    cmdMultiplayerClientCancel = button(picContainerMultiPlayerClient,
                                        QStringLiteral("cmdMultiplayerClientCancel"),
                                        QStringLiteral("Cancel"), 2520, 1560, 1095, 375);
    connect(cmdMultiplayerClientStartGame, &QPushButton::clicked, this,
            &frmMain::cmdMultiplayerClientStartGame_Click);
    connect(cmdMultiplayerClientCancel, &QPushButton::clicked, this,
            &frmMain::cmdMultiplayerClientCancel_Click);
}

void frmMain::wskMain_ConnectionRequest(qintptr requestID)
{
    if (wskGame->State() == Winsock::sckClosed)
        wskGame->Accept(requestID);
    wskMain->Close();
    lblMultiplayerServerStatus->setText(QStringLiteral("Status: Connected"));
    EnterPlacementScreen();
}

void frmMain::cmdMultiplayerClientStartGame_Click()
{
    const QString host = txtMultiplayerClientHostConnect->text();
    if (host.trimmed().isEmpty()) {
        ShowWarning(this, QStringLiteral("No host was entered."));
        return;
    }
    wskGame->Close();
    mConnectionUp = false;
    wskGame->setRemotePort(kGamePort);
    wskGame->setRemoteHost(host);
    wskGame->Connect();
}

void frmMain::wskGame_Connect()
{
    EnterPlacementScreen();
}

void frmMain::socketError(const QString &description)
{
    ShowWarning(this, QStringLiteral("Winsock Error: ") + description);
    if (mConnectionUp && wskGame->State() != Winsock::sckConnected)
        connectionLost(QString());
}

void frmMain::wskGame_PeerClosed()
{
    if (!mConnectionUp)
        return; // already reported, with the error that broke the connection
    connectionLost(QStringLiteral("The opponent has closed the connection."));
}

void frmMain::connectionLost(const QString &warning)
{
    // A game cut off by a lost connection ends here; later sends are skipped.
    mConnectionUp = false;
    mReader.reset();
    if (!state.isNetworkGame())
        return; // a connection left over from an earlier game: this one goes on
    if (!warning.isEmpty())
        ShowWarning(this, warning);
    if (state.gGamePhase == GameState::NoGame)
        return;
    state.gGamePhase = GameState::NoGame;
    picContainerPlayer1->setCursor(Qt::ArrowCursor);
    picContainerShipPlace->hide();
    lblStatus->setText(QStringLiteral("Connection Lost"));
    cmdMainMenu->show();
}

void frmMain::cmdMultiplayerServerCancel_Click()
{
    picContainerMultiPlayerServer->hide();
    picContainerGameType->show();
}

void frmMain::cmdMultiplayerClientCancel_Click()
{
    picContainerMultiPlayerClient->hide();
    picContainerGameType->show();
}

void frmMain::EnterPlacementScreen()
{
    mConnectionUp = true;
    mReader.reset();
    state.gShipsPlaced = false;
    state.gOpponentShipsPlaced = false;
    picContainerMultiPlayerServer->hide();
    picContainerMultiPlayerClient->hide();
    picContainerGameType->hide(); // still up when the player cancelled and a client came anyway
    picContainerPlayer1->show();
    picContainerShipPlace->show();
    ClearGrid(player1Grid);
    state.gGamePhase = GameState::PlacingShips;
    txtChatBoxMsgs->show();
    txtChatBox->show();
    gifRadarAnimation->show();
    lblStatus->setText(QStringLiteral("Place Your Ships"));
    lblStatus->show();
}

void frmMain::CheckGameReady()
{
    if (!state.gShipsPlaced)
        return;
    if (!state.gOpponentShipsPlaced) {
        lblStatus->setText(QStringLiteral("Waiting for Opponent... (") + state.gOpponentName
                           + QStringLiteral(")"));
        return;
    }
    picContainerShipPlace->hide();
    picContainerPlayer2->show();
    state.gGamePhase = GameState::Battle;
    if (state.gGameType == GameState::Server) {
        state.gMyTurn = true;
        lblStatus->setText(QStringLiteral("Game Ready... Your Turn (") + state.gPlayerName
                           + QStringLiteral(")"));
    } else {
        state.gMyTurn = false;
        lblStatus->setText(QStringLiteral("Game Ready... Opponents Turn (") + state.gOpponentName
                           + QStringLiteral(")"));
    }
}

void frmMain::send(const Protocol::Message &message)
{
    if (mConnectionUp)
        wskGame->SendData(Protocol::encode(message));
}

void frmMain::wskGame_DataArrival(qint64 bytesTotal)
{
    MessageReader::Result result = mReader.feed(wskGame->GetData(bytesTotal));
    int rejected = result.rejected;
    for (const Protocol::Message &message : result.messages) {
        if (!mConnectionUp)
            break; // a handler above lost the connection: the rest is moot
        if (!state.isNetworkGame() && !std::holds_alternative<Protocol::Chat>(message))
            continue; // a connection left over from an earlier game cannot touch this one
        if (const auto *fleet = std::get_if<Protocol::PlaceShips>(&message);
            fleet && state.gOpponentShipsPlaced) {
            ++rejected; // a second fleet would move ships that may already be hit
            continue;
        }
        std::visit([this](const auto &received) { receive(received); }, message);
    }
    if (rejected > 0)
        appendChatLine(kRejectedNote);
    if (result.overflow) {
        wskGame->Close();
        connectionLost(QStringLiteral("The opponent sent data that is not part of the game. "
                                      "The connection has been closed."));
    }
}

void frmMain::receive(const Protocol::PlaceShips &message)
{
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
    state.gGamePhase = GameState::NoGame;
    lblStatus->setText(QStringLiteral("Opponent Won"));
    cmdMainMenu->show();
    ShowInformation(this, QStringLiteral("Game Over. You Lose"));
    mSound.PlayWave(QStringLiteral("youlose"));
}

void frmMain::receive(const Protocol::Chat &message)
{
    if (message.text == QStringLiteral("/slap")) {
        appendChatLine(message.name + QStringLiteral(" slapped you!"));
        mSound.PlayWave(QStringLiteral("slap"));
    } else {
        appendChatLine(message.name + QStringLiteral(": ") + message.text);
    }
}

void frmMain::txtChatBox_Enter()
{
    const QString text = txtChatBox->text();
    if (text.trimmed().isEmpty())
        return;
    if (text == QStringLiteral("/slap"))
        appendChatLine(state.gPlayerName + QStringLiteral(" slapped ") + state.gOpponentName);
    else
        appendChatLine(state.gPlayerName + QStringLiteral(": ") + text);
    send(Protocol::Chat{state.gPlayerName, text});
    txtChatBox->clear();
}

void frmMain::appendChatLine(const QString &line)
{
    txtChatBoxMsgs->appendPlainText(line);
    txtChatBoxMsgs->moveCursor(QTextCursor::End);
}
