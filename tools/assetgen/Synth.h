// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <functional>
#include <vector>

// Mono sample buffers in [-1, 1] and the few building blocks the sound cues are made of.
namespace synth {

using Samples = std::vector<double>;
inline constexpr int kSampleRate = 22050;

Samples generate(double seconds, const std::function<double(double)> &atTime);
Samples whiteNoise(double seconds, quint64 seed);

// One-pole filters whose corner may move with time (a darkening explosion, say).
Samples lowpass(const Samples &input, const std::function<double(double)> &cornerAt);
Samples highpass(const Samples &input, double corner);

// Multiplies by an envelope given as a function of time.
Samples shaped(Samples input, const std::function<double(double)> &envelope);

// Adds `source` into `target` from `atSeconds`, growing `target` as needed.
void mix(Samples &target, const Samples &source, double atSeconds, double gain);

Samples normalised(Samples input, double peak);
void fadeEdges(Samples &samples, double fadeIn, double fadeOut); // against clicks

// A rising linear attack: 0 up to t = 0, 1 from t = length on.
double attack(double t, double length);

// An oscillator whose pitch may glide; keeps phase continuous as the frequency moves.
class Oscillator
{
public:
    double step(double frequency); // returns the phase in radians after this sample
    double phase() const { return m_phase; }

private:
    double m_phase = 0.0;
};

} // namespace synth
