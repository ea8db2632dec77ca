// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What plays the cues. It lives in a library of its own (tidewatch_sound), loaded
// when the game first needs sound, so that the log-in screen opens without bringing
// up the audio system.
class CueBackend
{
public:
    virtual ~CueBackend() = default;

    // Readies the cue `name` from a WAV file; false when it cannot be played.
    virtual bool load(const QString &name, const QString &path) = 0;
    // Plays a loaded cue, cutting off whichever one is playing.
    virtual void play(const QString &name) = 0;
    // Whether the cue is sounding now.
    virtual bool isPlaying(const QString &name) const = 0;
};

// The one symbol the sound library exports: makes a backend the caller owns.
using CueBackendFactory = CueBackend *(*)();
inline constexpr char kCueBackendFactoryName[] = "tidewatch_create_cue_backend";
