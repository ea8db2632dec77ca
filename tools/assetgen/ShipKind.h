// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// Ship numbers as the game uses them; a ship is one cell longer than its number.
enum class ShipKind { Destroyer = 1, Cruiser, MissileLauncher, AircraftCarrier, Battleship };

inline constexpr std::array<ShipKind, 5> kAllShipKinds{ShipKind::Destroyer, ShipKind::Cruiser,
                                                       ShipKind::MissileLauncher,
                                                       ShipKind::AircraftCarrier,
                                                       ShipKind::Battleship};

constexpr int shipNumber(ShipKind kind) { return int(kind); }
constexpr int shipLength(ShipKind kind) { return int(kind) + 1; }
