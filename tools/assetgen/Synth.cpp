// SPDX-License-Identifier: GPL-3.0-or-later
#include "Synth.h"

#include "main/SeededRandom.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace synth {

namespace {

double time(size_t index) { return double(index) / kSampleRate; }

double onePoleCoefficient(double corner)
{
    const double clamped = std::clamp(corner, 1.0, kSampleRate * 0.45);
    return 1.0 - std::exp(-2.0 * std::numbers::pi * clamped / kSampleRate);
}

} // namespace

Samples generate(double seconds, const std::function<double(double)> &atTime)
{
    Samples samples(size_t(std::max(0.0, seconds) * kSampleRate));
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = atTime(time(i));
    return samples;
}

Samples whiteNoise(double seconds, quint64 seed)
{
    SeededRandom random(seed);
    return generate(seconds, [&random](double) { return random.range(-1.0, 1.0); });
}

Samples lowpass(const Samples &input, const std::function<double(double)> &cornerAt)
{
    Samples output(input.size());
    double state = 0.0;
    for (size_t i = 0; i < input.size(); ++i) {
        state += onePoleCoefficient(cornerAt(time(i))) * (input[i] - state);
        output[i] = state;
    }
    return output;
}

Samples highpass(const Samples &input, double corner)
{
    const Samples low = lowpass(input, [corner](double) { return corner; });
    Samples output(input.size());
    for (size_t i = 0; i < input.size(); ++i)
        output[i] = input[i] - low[i];
    return output;
}

Samples shaped(Samples input, const std::function<double(double)> &envelope)
{
    for (size_t i = 0; i < input.size(); ++i)
        input[i] *= envelope(time(i));
    return input;
}

void mix(Samples &target, const Samples &source, double atSeconds, double gain)
{
    const size_t start = size_t(std::max(0.0, atSeconds) * kSampleRate);
    if (target.size() < start + source.size())
        target.resize(start + source.size(), 0.0);
    for (size_t i = 0; i < source.size(); ++i)
        target[start + i] += gain * source[i];
}

Samples normalised(Samples input, double peak)
{
    double loudest = 0.0;
    for (const double sample : input)
        loudest = std::max(loudest, std::abs(sample));
    if (loudest > 0.0)
        for (double &sample : input)
            sample *= peak / loudest;
    return input;
}

void fadeEdges(Samples &samples, double fadeIn, double fadeOut)
{
    const size_t inLength = std::min(samples.size() / 2, size_t(fadeIn * kSampleRate));
    const size_t outLength = std::min(samples.size() / 2, size_t(fadeOut * kSampleRate));
    for (size_t i = 0; i < inLength; ++i)
        samples[i] *= double(i) / double(inLength);
    for (size_t i = 0; i < outLength; ++i)
        samples[samples.size() - 1 - i] *= double(i) / double(outLength);
}

double attack(double t, double length)
{
    return length <= 0 ? 1.0 : std::clamp(t / length, 0.0, 1.0);
}

double Oscillator::step(double frequency)
{
    m_phase = std::fmod(m_phase + 2.0 * std::numbers::pi * frequency / kSampleRate,
                        2.0 * std::numbers::pi);
    return m_phase;
}

} // namespace synth
