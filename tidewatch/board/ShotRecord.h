// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// 100 flags, cells 1..100: which cells of a board have been fired at.
// Reads outside 1..100 answer false; writes there are ignored.
class ShotRecord
{
public:
    bool isSet(int cell) const;
    void set(int cell);
    void clear();
    int count() const;

private:
    std::array<bool, 100> mFlags{};
};
