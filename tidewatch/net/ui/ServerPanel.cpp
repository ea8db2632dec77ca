// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/ui/ServerPanel.h"

#include "main/GameFlow.h"
#include "main/ui/widgets/MenuKeys.h"
#include "net/ui/MultiplayerTexts.h"
#include "net/NetworkFlow.h"
#include "net/Protocol.h"
#include "net/discovery/GamePublisher.h"

#include <QDBusConnection>
#include <QLabel>
#include <QPushButton>

ServerPanel::ServerPanel(QWidget *window, GameFlow &flow)
    : SteelPanel(window, QStringLiteral("picContainerMultiPlayerServer"),
                 tr("Multiplayer server"), 0, 0, 3735, 2055)
    , mFlow(flow)
{
}

void ServerPanel::build()
{
    using namespace WidgetFactory;
    title(this, MultiplayerTexts::title(), 120, 60, 3495);
    lblMultiplayerServerIP = label(this, QStringLiteral("lblMultiplayerServerIP"),
                                   NetworkFlow::yourComputer(QStringLiteral("0.0.0.0")), 120, 480, 3495, 675);
    lblMultiplayerServerIP->setWordWrap(true); // a long host name takes up to three lines
    lblMultiplayerServerIP->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMultiplayerServerStatus = label(this, QStringLiteral("lblMultiplayerServerStatus"),
                                       NetworkFlow::waitingForConnection(), 120, 1200, 3495, 285);
    QPushButton *cmdMultiplayerServerStartGame = button(
        this, QStringLiteral("cmdMultiplayerServerStartGame"), tr("Start Game"), 120,
        1560, 1335, 375);
    cmdMultiplayerServerCancel = button(this, QStringLiteral("cmdMultiplayerServerCancel"),
                                        MultiplayerTexts::cancel(), 2520, 1560, 1095, 375);
    MenuKeys::enterPresses(this, cmdMultiplayerServerStartGame);
    connect(cmdMultiplayerServerCancel, &QPushButton::clicked, this,
            [this] { mFlow.backToGameType(); });
    mPublisher = new GamePublisher(QDBusConnection::systemBus(), this);
}

QWidget *ServerPanel::firstControl() const
{
    return cmdMultiplayerServerCancel;
}

void ServerPanel::announce(const QString &playerName)
{
    mPublisher->publish(playerName, Protocol::kPort);
}

void ServerPanel::withdraw()
{
    if (mPublisher) // nothing was announced before the panel was built
        mPublisher->withdraw();
}

void ServerPanel::setServerStatus(const QString &text)
{
    lblMultiplayerServerStatus->setText(text);
}

void ServerPanel::setServerAddress(const QString &text)
{
    lblMultiplayerServerIP->setText(text);
}
