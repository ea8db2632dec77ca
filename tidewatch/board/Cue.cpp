// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/Cue.h"

QString cueName(Cue cue)
{
    switch (cue) {
    case Cue::Hit: return QStringLiteral("hit");
    case Cue::Sunk: return QStringLiteral("sunk");
    case Cue::Miss: return QStringLiteral("miss");
    case Cue::Clap: return QStringLiteral("clap");
    case Cue::YouLose: return QStringLiteral("youlose");
    case Cue::Slap: return QStringLiteral("slap");
    }
    return {};
}
