// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/ui/ClientPanel.h"

#include "main/GameFlow.h"
#include "main/ui/widgets/MenuKeys.h"
#include "net/ui/MultiplayerTexts.h"
#include "net/discovery/GameBrowser.h"
#include "net/ui/NetworkGamesList.h"

#include <QDBusConnection>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ClientPanel::ClientPanel(QWidget *window, GameFlow &flow)
    : SteelPanel(window, QStringLiteral("picContainerMultiPlayerClient"),
                 tr("Multiplayer client"), 0, 0, 3735, 2055)
    , mFlow(flow)
{
    using namespace WidgetFactory;
    title(this, MultiplayerTexts::title(), 120, 60, 3495);
    QLabel *hostLabel = label(this, QString(), tr("Server Computer:"), 120, 510, 1620,
                              285);
    txtMultiplayerClientHostConnect = new QLineEdit(this);
    place(txtMultiplayerClientHostConnect, QStringLiteral("txtMultiplayerClientHostConnect"),
          hostLabel, 1800, 480, 1815, 330);
    QLabel *lblMultiplayerClientStatus = label(
        this, QStringLiteral("lblMultiplayerClientStatus"),
        tr("Status: Waiting for you to press Connect"), 120, 960, 3495, 540);
    lblMultiplayerClientStatus->setWordWrap(true); // one line is a little short for it
    //: Button that connects to the server computer typed
    QPushButton *cmdMultiplayerClientStartGame = button(
        this, QStringLiteral("cmdMultiplayerClientStartGame"), tr("Connect"), 120,
        1560, 1095, 375);
    QPushButton *cmdMultiplayerClientCancel = button(
        this, QStringLiteral("cmdMultiplayerClientCancel"), MultiplayerTexts::cancel(), 2520, 1560,
        1095, 375);
    MenuKeys::enterPresses(this, cmdMultiplayerClientStartGame);
    connect(cmdMultiplayerClientStartGame, &QPushButton::clicked, this,
            [this] { cmdMultiplayerClientStartGame_Click(); });
    connect(cmdMultiplayerClientCancel, &QPushButton::clicked, this,
            [this] { mFlow.backToGameType(); });
    auto *gamesFound = new NetworkGamesList(this, new GameBrowser(QDBusConnection::systemBus()));
    connect(gamesFound, &NetworkGamesList::selected, txtMultiplayerClientHostConnect,
            &QLineEdit::setText);
    connect(gamesFound, &NetworkGamesList::picked, this, [this](const QString &address) {
        txtMultiplayerClientHostConnect->setText(address);
        cmdMultiplayerClientStartGame_Click();
    });
}

QWidget *ClientPanel::firstControl() const
{
    return txtMultiplayerClientHostConnect;
}

void ClientPanel::cmdMultiplayerClientStartGame_Click()
{
    mFlow.network().connectTo(txtMultiplayerClientHostConnect->text());
}
