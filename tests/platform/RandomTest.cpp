#include "platform/Clock.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(RandomTest, SeedsGiveTheirSequenceOfNonNegativeNumbersAndOverridesReplaceTheSources)
{
    Random::Seed(1234);
    const std::vector<int> first = Draw(10000);
    EXPECT_GE(*std::min_element(first.begin(), first.end()), 0);
    Random::Seed(1235);
    EXPECT_NE(Draw(10000), first);

    int calls = 0;
    Random::SetOverride([&calls] { return 40 + calls++; });
    EXPECT_EQ(Draw(3), (std::vector<int>{40, 41, 42}));
    Random::ClearOverride();
    Random::Seed(1234);
    EXPECT_EQ(Draw(10000), first);

    Clock::SetOverride([] { return std::int64_t{1000000000}; });
    Random::SeedFromClock();
    const std::vector<int> fromClock = Draw(5);
    Random::Seed(1000000000u);
    EXPECT_EQ(Draw(5), fromClock);
    Clock::ClearOverride();
    EXPECT_GT(Clock::Now(), 1600000000);
    Random::Seed(5489u);
}
