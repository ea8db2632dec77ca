// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "net/Protocol.h"

class FuzzedDataProvider;

// A well-formed message drawn from the fuzzer's bytes, as a conformant peer may send
// it: a fleet that fits the board, a cell in 1..100, the end "1", and names and chat
// texts of any bytes but the separator, rich in command words, digits and spaces.
Protocol::Message drawMessage(FuzzedDataProvider &in);

// Ship n runs down from its start over n + 1 cells; checks ships 1..count.
bool shipsFitWithoutOverlap(const Protocol::PlaceShips &fleet, int count);
