#pragma once

#include <random>

namespace skyvarre {

// The program's one uniform generator of single-precision values r, 0 <= r < 1.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // Reseeds the generator from the system clock.
    virtual void seedFromClock() = 0;

    // The next value r with 0 <= r < 1.
    virtual float next() = 0;
};

// A Mersenne Twister seeded from the high-resolution clock, so that each start
// draws differently.
class SystemRandom final : public RandomSource
{
public:
    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 m_engine{5489u};
};

} // namespace skyvarre
