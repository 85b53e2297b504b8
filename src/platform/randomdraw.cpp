#include "platform/randomdraw.h"

#include <cmath>

namespace corvella {

double RandomDraw::reseededUniform()
{
    m_source.reseed(static_cast<quint64>(m_clock.timeOfDayMs()));
    return m_source.next();
}

int RandomDraw::below(int n)
{
    const int value = static_cast<int>(std::floor(reseededUniform() * n));
    // A source that returns exactly 1.0 would otherwise step outside the range.
    return value < n ? value : n - 1;
}

void SplitMixRandom::reseed(quint64 value)
{
    m_state ^= value * 0x9E3779B97F4A7C15ULL;
    next();
}

double SplitMixRandom::next()
{
    m_state += 0x9E3779B97F4A7C15ULL;
    quint64 z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    // The top 53 bits make a double in [0, 1).
    return static_cast<double>(z >> 11) * (1.0 / 9007199254740992.0);
}

} // namespace corvella
