// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// xorshift64*: the same numbers on every machine, so reruns give identical files
// (std::uniform_real_distribution is not specified bit for bit across libraries).
class SeededRandom
{
public:
    explicit SeededRandom(quint64 seed) : m_state(seed != 0 ? seed : 0x9E3779B97F4A7C15ull) {}

    quint64 next()
    {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 2685821657736338717ull;
    }

    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double range(double low, double high) { return low + (high - low) * uniform(); }

private:
    quint64 m_state;
};
