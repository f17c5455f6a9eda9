#include "platform/Clock.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Draw(int count)
{
    std::vector<int> numbers;
    for (int i = 0; i < count; ++i)
        numbers.push_back(Random::Next());
    return numbers;
}

}  // namespace

TEST(RandomTest, SameSeedSameSequenceOfNonNegativeNumbers)
{
    Random::Seed(1234);
    const std::vector<int> first = Draw(10000);
    for (int value : first)
        ASSERT_GE(value, 0);
    Random::Seed(1234);
    EXPECT_EQ(Draw(10000), first);
    Random::Seed(1235);
    EXPECT_NE(Draw(10000), first);
    Random::Seed(5489u);
}

TEST(RandomTest, OverridesReplaceTheSources)
{
    Random::Seed(7);
    const int expected = Draw(1)[0];
    int calls = 0;
    Random::SetOverride([&calls] { return 40 + calls++; });
    EXPECT_EQ(Draw(3), (std::vector<int>{40, 41, 42}));
    Random::ClearOverride();
    Random::Seed(7);
    EXPECT_EQ(Random::Next(), expected);

    Clock::SetOverride([] { return std::int64_t{1000000000}; });
    EXPECT_EQ(Clock::Now(), 1000000000);
    Random::SeedFromClock();
    const std::vector<int> fromClock = Draw(5);
    Random::Seed(1000000000u);
    EXPECT_EQ(Draw(5), fromClock);
    Clock::ClearOverride();
    EXPECT_GT(Clock::Now(), 1600000000);
    Random::Seed(5489u);
}
