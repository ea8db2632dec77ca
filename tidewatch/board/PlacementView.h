// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The placement panel's options and "Finish", as the fleet being placed makes them.
struct PlacementChoices
{
    int selected = 5;                 // 0 "Clear Ship", else the ship number
    std::array<bool, 6> enabled{};    // [1..5]: the ship is not placed yet
    bool finishEnabled = false;
};

// What the pointer over the own board says a press would do.
enum class PlacementCursor { Arrow, NoDrop, Remove };

class PlacementView
{
public:
    virtual void showPlacementChoices(const PlacementChoices &choices) = 0;
    virtual void setPlacementCursor(PlacementCursor cursor) = 0;
    // The cell where ship `ship` does not fit, for the keyboard's cursor and a screen
    // reader; 0 for none.
    virtual void setNoFit(int cell, int ship) = 0;

protected:
    ~PlacementView() = default;
};
