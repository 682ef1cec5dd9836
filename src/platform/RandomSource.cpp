#include "RandomSource.h"

#include <chrono>

namespace skyvarre {

void SystemRandom::seedFromClock()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::mt19937::result_type>(ticks));
}

float SystemRandom::next()
{
    // 24 random bits fill a float's mantissa exactly, so the value is uniform
    // and can never round up to 1.0 (std::generate_canonical<float> can).
    constexpr float kScale = 1.0f / 16777216.0f;
    return static_cast<float>(m_engine() >> 8) * kScale;
}

} // namespace skyvarre
