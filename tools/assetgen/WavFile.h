// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Synth.h"

#include <QByteArray>

// A RIFF/WAVE file of 16-bit PCM, mono: the format the game's sound player loads.
// Samples beyond [-1, 1] are clamped, never wrapped.
QByteArray wavFileBytes(const synth::Samples &samples, int sampleRate);
