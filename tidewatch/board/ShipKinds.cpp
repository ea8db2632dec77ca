// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/ShipKinds.h"

#include <QCoreApplication>

namespace ShipKinds {

QString name(int shipNumber)
{
    switch (shipNumber) {
    case 1: return QCoreApplication::translate("Ships", "Destroyer");
    case 2: return QCoreApplication::translate("Ships", "Cruiser");
    case 3: return QCoreApplication::translate("Ships", "Missile Launcher");
    case 4: return QCoreApplication::translate("Ships", "Aircraft Carrier");
    case 5: return QCoreApplication::translate("Ships", "Battleship");
    default: return {};
    }
}

} // namespace ShipKinds
