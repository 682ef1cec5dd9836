#include "platform/RandomSource.h"

#include <gtest/gtest.h>

namespace skyvarre {
namespace {

TEST(SystemRandom, drawsFromZeroUpToButExcludingOne)
{
    SystemRandom random;
    random.seedFromClock();
    float smallest = 1.0f;
    float largest = 0.0f;
    for (int draw = 0; draw < 1'000'000; ++draw) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        smallest = std::min(smallest, r);
        largest = std::max(largest, r);
    }
    // A million uniform draws reach far into both ends of the range.
    EXPECT_LT(smallest, 0.001f);
    EXPECT_GT(largest, 0.999f);
}

TEST(SystemRandom, reseedingFromTheClockStartsAnotherSequence)
{
    SystemRandom first;
    first.seedFromClock();
    SystemRandom second;
    second.seedFromClock();
    std::vector<float> a, b;
    for (int draw = 0; draw < 8; ++draw) {
        a.push_back(first.next());
        b.push_back(second.next());
    }
    EXPECT_NE(a, b);
}

} // namespace
} // namespace skyvarre
