// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The game side of bench-flood: one real game window in this process, logged in and
// listening as a server, that places its fleet once a peer connects. It answers the
// measuring parent through its standard streams, one line each way:
//   in "probe"    -> out "probe N"   N: children of the window's accessible interface
//   in "closebox" -> out "closed"    the message box that is up is closed with OK
//   in "quit"                        the window is closed and the process ends
//   out "ready" once listening, "placed" after "Finish", "box" when a box opens.
// The probe travels through the window's event loop like a click does, so its round
// trip is how long the window takes to answer.
int runGameChild(const QString &accountDir);
