// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/ConnectionNotice.h"

#include "board/GameState.h"

namespace ConnectionNotice {

Where where(const GameState &state)
{
    if (!state.isNetworkGame())
        return Where::Nowhere;
    return state.gGamePhase == GameState::NoGame ? Where::ChatLog : Where::Box;
}

QString chatLine(const QString &notice)
{
    return QStringLiteral("(") + notice + QStringLiteral(")");
}

} // namespace ConnectionNotice
