#pragma once

#include "platform/RandomSource.h"

#include <QList>

namespace skyvarre::test {

// Hands out scripted values in turn (0 once they run out) and counts reseeds.
class FakeRandom final : public RandomSource
{
public:
    void seedFromClock() override { ++seeds; }

    float next() override
    {
        ++draws;
        return values.isEmpty() ? 0.0f : values.takeFirst();
    }

    QList<float> values;
    int seeds = 0;
    int draws = 0;
};

} // namespace skyvarre::test
