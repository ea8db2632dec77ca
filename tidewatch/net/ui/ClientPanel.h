// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main/ui/widgets/WidgetFactory.h"

#include <QCoreApplication>

class GameFlow;
class QLineEdit;

// The client screen: the server computer typed or picked from the games found, Connect
// and Cancel.
class ClientPanel final : public SteelPanel
{
    Q_DECLARE_TR_FUNCTIONS(ClientPanel)

public:
    ClientPanel(QWidget *window, GameFlow &flow);

    QWidget *firstControl() const;

private:
    void cmdMultiplayerClientStartGame_Click();

    GameFlow &mFlow;
    QLineEdit *txtMultiplayerClientHostConnect = nullptr;
};
