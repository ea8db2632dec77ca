// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// What the server and client screens both say, translated once for both.
namespace MultiplayerTexts {

//: Title of the server and client screens
inline QString title() { return QCoreApplication::translate("MultiplayerTexts", "Multiplayer"); }
//: Button that goes back to the choice of game
inline QString cancel() { return QCoreApplication::translate("MultiplayerTexts", "Cancel"); }

} // namespace MultiplayerTexts
