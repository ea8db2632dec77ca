// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Synth.h"

#include <QString>

#include <vector>

// The game's six sound cues, each a short mono clip peaking just below full scale.
struct SoundCue
{
    QString name; // file name without ".wav"
    synth::Samples samples;
};

std::vector<SoundCue> allSoundCues();
