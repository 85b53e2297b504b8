#pragma once

#include "platform/services.h"

namespace corvella {

// Every random number of the quiz engine is taken the same way: re-seed the generator from
// the time of day, then take the next uniform value.
class RandomDraw
{
public:
    RandomDraw(RandomSource& source, const Clock& clock) : m_source(source), m_clock(clock) {}

    // A fresh uniform value in [0, 1), re-seeded from the clock first.
    double reseededUniform();
    // The whole part of r x n for a fresh r: an integer from 0 to n - 1.
    int below(int n);

private:
    RandomSource& m_source;
    const Clock& m_clock;
};

// The program's generator: splitmix64 steps over a 64-bit state. Re-seeding mixes the value
// into the state instead of replacing it, so two re-seeds within one clock tick still give
// different values.
class SplitMixRandom : public RandomSource
{
public:
    explicit SplitMixRandom(quint64 state = 0) : m_state(state) {}
    void reseed(quint64 value) override;
    double next() override;

private:
    quint64 m_state;
};

} // namespace corvella
