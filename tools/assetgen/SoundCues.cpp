// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundCues.h"

#include "main/SeededRandom.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {

using synth::Samples;
using synth::attack;
using synth::generate;
using synth::mix;
using synth::normalised;
using synth::shaped;

constexpr double kPeak = 0.89; // about -1 dBFS: loud, never clipped

double semitones(double base, double steps) { return base * std::pow(2.0, steps / 12.0); }

// A low sine that drops in pitch under a burst of darkening noise: the boom of a shell.
Samples explosion(double seconds, double weight, quint64 seed)
{
    synth::Oscillator body;
    Samples boom = generate(seconds, [&](double t) {
        const double pitch = 38 + 120 * std::exp(-t / (0.05 * weight));
        return std::sin(body.step(pitch)) * std::exp(-t / (0.2 * weight)) * attack(t, 0.003);
    });
    const Samples noise = synth::lowpass(synth::whiteNoise(seconds, seed), [weight](double t) {
        return 180 + 2600 * std::exp(-t / (0.07 * weight));
    });
    Samples burst = shaped(normalised(noise, 1.0), [weight](double t) {
        return std::exp(-t / (0.14 * weight)) * attack(t, 0.002);
    });
    Samples crack = shaped(normalised(synth::highpass(synth::whiteNoise(0.06, seed + 1), 2500), 1.0),
                           [](double t) { return std::exp(-t / 0.012); });
    mix(boom, burst, 0.0, 0.8);
    mix(boom, crack, 0.0, 0.3);
    return boom;
}

// A brass-like note: harmonics that brighten as the note swells, with a late vibrato.
Samples hornNote(double frequency, double seconds, double droop, double vibratoDepth)
{
    synth::Oscillator oscillator;
    return generate(seconds, [&](double t) {
        const double vibrato = 1.0 + vibratoDepth * std::sin(2 * std::numbers::pi * 5.5 * t)
                                         * attack(t - 0.15, 0.2);
        const double glide = 1.0 - droop * std::max(0.0, t / seconds - 0.5) * 2;
        const double phase = oscillator.step(frequency * vibrato * glide);
        const double swell = attack(t, 0.04) * std::min(1.0, (seconds - t) / 0.06);
        const double brightness = 0.35 + 0.5 * attack(t, 0.08);
        double sample = 0;
        for (int harmonic = 1; harmonic <= 9; ++harmonic)
            sample += std::sin(phase * harmonic) * std::exp(-(harmonic - 1) * (1.1 - brightness));
        return sample * swell * 0.3;
    });
}

Samples hitCue() { return explosion(0.8, 1.0, 101); }

Samples sunkCue()
{
    Samples sound = explosion(1.2, 1.6, 202);
    mix(sound, explosion(1.0, 1.2, 203), 0.24, 0.75);
    const Samples rumble = synth::lowpass(synth::lowpass(synth::whiteNoise(1.9, 204), [](double) { return 110.0; }),
                                          [](double) { return 140.0; });
    mix(sound, shaped(normalised(rumble, 1.0), [](double t) {
            return attack(t, 0.15) * std::exp(-t / 0.65);
        }), 0.0, 0.7);
    synth::Oscillator groan;
    mix(sound, generate(1.9, [&](double t) {
            return std::sin(groan.step(72 - 22 * t / 1.9)) * attack(t - 0.3, 0.3) * std::exp(-t / 0.8);
        }), 0.0, 0.35);
    return sound;
}

Samples missCue()
{
    const Samples hiss = synth::lowpass(synth::highpass(synth::whiteNoise(0.75, 303), 500),
                                        [](double t) { return 2200 + 5000 * std::exp(-t / 0.1); });
    Samples sound = shaped(normalised(hiss, 1.0), [](double t) {
        return attack(t, 0.006) * (0.6 * std::exp(-t / 0.05) + 0.4 * std::exp(-t / 0.22));
    });
    synth::Oscillator plop;
    mix(sound, generate(0.15, [&](double t) {
            return std::sin(plop.step(260 + 520 * std::min(1.0, t / 0.06))) * std::exp(-t / 0.04)
                   * attack(t, 0.002);
        }), 0.01, 0.55);
    SeededRandom random(304);
    for (int drop = 0; drop < 8; ++drop) {
        const double start = random.range(0.12, 0.55);
        const double pitch = random.range(900, 1800);
        const double gain = random.range(0.08, 0.22);
        synth::Oscillator droplet;
        mix(sound, generate(0.05, [&](double t) {
                return std::sin(droplet.step(pitch * (1 + 0.9 * t / 0.05))) * std::exp(-t / 0.012);
            }), start, gain);
    }
    return sound;
}

Samples clapCue()
{
    const double c5 = 523.25;
    Samples sound;
    const std::array<double, 3> pickup{-5, 0, 4}; // G4, C5, E5 leading up to the held chord
    for (size_t i = 0; i < pickup.size(); ++i)
        mix(sound, hornNote(semitones(c5, pickup[i]), 0.14, 0, 0), 0.15 * double(i), 1.0);
    for (const auto &[steps, gain] : std::array<std::pair<double, double>, 3>{{{7, 1.0}, {4, 0.6}, {0, 0.5}}})
        mix(sound, hornNote(semitones(c5, steps), 1.05, 0, 0.004), 0.45, gain);
    // A ripple of hand claps under the held chord.
    SeededRandom random(505);
    for (int clap = 0; clap < 34; ++clap) {
        const double start = random.range(0.5, 1.35);
        const Samples burst = synth::lowpass(synth::highpass(synth::whiteNoise(0.05, 600 + clap), 700),
                                             [](double) { return 3200.0; });
        mix(sound, shaped(normalised(burst, 1.0), [](double t) { return std::exp(-t / 0.011); }),
            start, random.range(0.12, 0.3));
    }
    return sound;
}

Samples youLoseCue()
{
    const double g3 = 196.0;
    Samples sound;
    for (int step = 0; step < 3; ++step)
        mix(sound, hornNote(semitones(g3, -step), 0.38, 0, 0), 0.42 * step, 1.0);
    mix(sound, hornNote(semitones(g3, -3), 0.7, 0.03, 0.012), 1.26, 1.0);
    return synth::lowpass(sound, [](double) { return 2400.0; });
}

Samples slapCue()
{
    Samples crack = shaped(normalised(synth::highpass(synth::whiteNoise(0.34, 707), 1400), 1.0),
                           [](double t) { return attack(t, 0.0006) * std::exp(-t / 0.02); });
    const Samples body = synth::lowpass(synth::whiteNoise(0.34, 708), [](double) { return 650.0; });
    mix(crack, shaped(normalised(body, 1.0), [](double t) { return std::exp(-t / 0.04); }), 0.0, 0.5);
    synth::Oscillator thump;
    mix(crack, generate(0.2, [&](double t) {
            return std::sin(thump.step(170 - 60 * t)) * std::exp(-t / 0.045) * attack(t, 0.002);
        }), 0.0, 0.35);
    return crack;
}

SoundCue finished(const QString &name, Samples samples)
{
    samples = normalised(std::move(samples), kPeak);
    synth::fadeEdges(samples, 0.001, 0.03);
    return {name, std::move(samples)};
}

} // namespace

std::vector<SoundCue> allSoundCues()
{
    std::vector<SoundCue> cues;
    cues.push_back(finished(QStringLiteral("hit"), hitCue()));
    cues.push_back(finished(QStringLiteral("sunk"), sunkCue()));
    cues.push_back(finished(QStringLiteral("miss"), missCue()));
    cues.push_back(finished(QStringLiteral("clap"), clapCue()));
    cues.push_back(finished(QStringLiteral("youlose"), youLoseCue()));
    cues.push_back(finished(QStringLiteral("slap"), slapCue()));
    return cues;
}
