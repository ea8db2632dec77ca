// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/ConnectionNotice.h"

#include "board/GameState.h"

#include <QCoreApplication>

namespace ConnectionNotice {

Where where(const GameState &state)
{
    if (!state.isNetworkGame())
        return Where::Nowhere;
    return state.gGamePhase == GameState::NoGame ? Where::ChatLog : Where::Box;
}

QString chatLine(const QString &notice)
{
    //: A chat log line telling of the connection, set apart from what the players typed
    return QCoreApplication::translate("ConnectionNotice", "(%1)").arg(notice);
}

} // namespace ConnectionNotice
