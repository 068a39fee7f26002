// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

namespace Velloquin {

// The program's uniform pseudo-random source: a 24-bit linear congruential generator
// x := (1140671485 * x + 12820163) mod 2^24, r = x / 2^24. Every r is exactly
// representable in single precision and lies in [0, 1). A default-constructed source
// always starts from the same state, so the first layout after start-up is repeatable;
// the seed constructor lets tests and the command line choose another sequence.
class RandomSource
{
public:
    static constexpr quint32 kDefaultState = 327680;
    static constexpr quint32 kModulus = 1u << 24;

    RandomSource() = default;
    // Any seed is accepted; only its low 24 bits form the state.
    explicit RandomSource(quint32 seed) : m_state(seed % kModulus) {}

    // The next value r in [0, 1).
    float next()
    {
        m_state = quint32((quint64(1140671485u) * m_state + 12820163u) % kModulus);
        return float(m_state) / float(kModulus);
    }

    quint32 state() const { return m_state; }

private:
    quint32 m_state = kDefaultState;
};

// Nearest integer to value; a value exactly halfway between two integers goes to the even
// one. Values beyond int's range give its nearest end, not-a-number gives 0.
int roundHalfEven(double value);

// Largest integer not above v.
int floorToInt(double v);

} // namespace Velloquin
