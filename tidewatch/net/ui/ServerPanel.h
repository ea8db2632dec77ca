// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main/ui/widgets/WidgetFactory.h"
#include "net/NetworkView.h"

#include <QCoreApplication>

class GameFlow;
class GamePublisher;
class QLabel;
class QPushButton;

// The server screen: this computer's address, the waiting game's status and Cancel.
// While it shows and the game listens, the game is announced on the network.
class ServerPanel final : public SteelPanel, public ServerView
{
    Q_DECLARE_TR_FUNCTIONS(ServerPanel)

public:
    // The flow may be built after its views; the panel calls it only from its controls,
    // which build() makes with the play screens.
    ServerPanel(QWidget *window, GameFlow &flow);
    void build();

    QWidget *firstControl() const;
    void announce(const QString &playerName);
    void withdraw(); // the game waits no longer, or nobody else can join

    void setServerStatus(const QString &text) override;
    void setServerAddress(const QString &text) override;

private:
    GameFlow &mFlow;
    GamePublisher *mPublisher = nullptr;
    QLabel *lblMultiplayerServerIP = nullptr;
    QLabel *lblMultiplayerServerStatus = nullptr;
    QPushButton *cmdMultiplayerServerCancel = nullptr;
};
