// SPDX-License-Identifier: GPL-3.0-or-later
// The network game's panels and chat; the sockets' events go to the flow.

#include "main/MenuKeys.h"
#include "main/WidgetFactory.h"
#include "main/frmMain.h"
#include "net/ChatLogLimits.h"
#include "net/NetworkGamesList.h"
#include "net/Protocol.h"
#include "net/Winsock.h"
#include "net/discovery/GameBrowser.h"
#include "net/discovery/GamePublisher.h"

#include <QDBusConnection>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>

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
    mPublisher = new GamePublisher(QDBusConnection::systemBus(), this);
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
    auto *gamesFound = new NetworkGamesList(picContainerMultiPlayerClient,
                                            new GameBrowser(QDBusConnection::systemBus()));
    connect(gamesFound, &NetworkGamesList::selected, txtMultiplayerClientHostConnect, &QLineEdit::setText);
    connect(gamesFound, &NetworkGamesList::picked, this, [this](const QString &address) {
        txtMultiplayerClientHostConnect->setText(address);
        cmdMultiplayerClientStartGame_Click();
    });
}

void frmMain::buildChat()
{
    txtChatBoxMsgs = new QPlainTextEdit(this);
    txtChatBoxMsgs->setReadOnly(true);
    // Nobody undoes a log; kept on, every line added or dropped would be kept for ever.
    txtChatBoxMsgs->setUndoRedoEnabled(false);
    txtChatBoxMsgs->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtChatBoxMsgs->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    WidgetFactory::place(txtChatBoxMsgs, QStringLiteral("txtChatBoxMsgs"), nullptr, 1560, 120,
                         8535, 765);
    txtChatBoxMsgs->setAccessibleName(QStringLiteral("Chat log"));

    txtChatBox = new QLineEdit(this);
    WidgetFactory::place(txtChatBox, QStringLiteral("txtChatBox"), nullptr, 1560, 960, 8535, 285);
    txtChatBox->setAccessibleName(QStringLiteral("Chat message"));
    connect(txtChatBox, &QLineEdit::returnPressed, this, &frmMain::txtChatBox_Enter);
}

void frmMain::setServerStatus(const QString &text)
{
    lblMultiplayerServerStatus->setText(text);
}

void frmMain::setServerAddress(const QString &text)
{
    lblMultiplayerServerIP->setText(text);
}

void frmMain::wskMain_ConnectionRequest(qintptr requestID)
{
    mFlow.network().connectionRequested(requestID);
    mPublisher->withdraw(); // nobody else can join now
}

void frmMain::wskMain_Error(const QString &description)
{
    mFlow.network().listenerFailed(description);
    if (!mLink.listening())
        mPublisher->withdraw();
}

void frmMain::announceWaitingGame()
{
    if (currentScreen() == Screen::Server && mLink.listening())
        mPublisher->publish(state.gPlayerName, Protocol::kPort);
}

void frmMain::wskGame_Connect()
{
    mFlow.network().connected();
}

void frmMain::wskGame_DataArrival(qint64 bytesTotal)
{
    mFlow.network().dataArrived(bytesTotal);
}

void frmMain::wskGame_PeerClosed()
{
    mFlow.network().peerClosed();
}

void frmMain::wskGame_Error(const QString &description)
{
    mFlow.network().socketFailed(description);
}

void frmMain::cmdMultiplayerClientStartGame_Click()
{
    mFlow.network().connectTo(txtMultiplayerClientHostConnect->text());
}

void frmMain::cmdMultiplayerServerCancel_Click()
{
    mFlow.backToGameType();
}

void frmMain::cmdMultiplayerClientCancel_Click()
{
    mFlow.backToGameType();
}

void frmMain::txtChatBox_Enter()
{
    // Not clear(): that keeps every key of every line sent in the undo history for the
    // whole run. A new line starts with a fresh history.
    if (mFlow.network().chatEntered(txtChatBox->text()))
        txtChatBox->setText(QString());
}

// One append for all the lines, then the oldest lines beyond the log's bounds go in
// one removal.
void frmMain::appendChatLines(const QString &lines)
{
    txtChatBoxMsgs->appendPlainText(lines);
    QTextDocument *log = txtChatBoxMsgs->document();
    qsizetype characters = log->characterCount();
    qsizetype count = log->blockCount();
    QTextBlock keptFirst = log->firstBlock();
    while (ChatLogLimits::overBudget(characters, count)) {
        characters -= keptFirst.length();
        --count;
        keptFirst = keptFirst.next();
    }
    if (keptFirst != log->firstBlock()) {
        QTextCursor oldest(log);
        oldest.setPosition(keptFirst.position(), QTextCursor::KeepAnchor);
        oldest.removeSelectedText();
    }
    txtChatBoxMsgs->moveCursor(QTextCursor::End);
}
