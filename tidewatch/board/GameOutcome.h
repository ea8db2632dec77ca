// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a game ended for the local player; not finished: cut off by a lost connection.
enum class GameOutcome : int { Won, Lost, NotFinished };
