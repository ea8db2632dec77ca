// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ShipKinds.h"

namespace ShipKinds {

QString name(int shipNumber)
{
    switch (shipNumber) {
    case 1: return QStringLiteral("Destroyer");
    case 2: return QStringLiteral("Cruiser");
    case 3: return QStringLiteral("Missile Launcher");
    case 4: return QStringLiteral("Aircraft Carrier");
    case 5: return QStringLiteral("Battleship");
    default: return {};
    }
}

} // namespace ShipKinds
