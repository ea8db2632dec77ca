// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// The game's sound cues. The name is the cue's file in the sound folder, without ".wav".
enum class Cue { Hit, Sunk, Miss, Clap, YouLose, Slap };

inline constexpr std::array<Cue, 6> kAllCues{Cue::Hit,  Cue::Sunk,    Cue::Miss,
                                             Cue::Clap, Cue::YouLose, Cue::Slap};

QString cueName(Cue cue);
