#include "platform/Random.h"

#include "platform/Clock.h"

#include <random>

namespace {

// One generator per thread: the program draws on the GUI thread only, and the
// match tool gives each game thread its own seeded sequence.
std::mt19937& Generator()
{
    thread_local std::mt19937 generator(5489u);
    return generator;
}

std::function<int()>& Override()
{
    static std::function<int()> source;
    return source;
}

}  // namespace

int Random::Next()
{
    if (Override())
        return Override()();
    // 31 bits keep the result non-negative in an int.
    return static_cast<int>(Generator()() >> 1);
}

void Random::Seed(std::uint32_t seed)
{
    Generator().seed(seed);
}

void Random::SeedFromClock()
{
    Seed(static_cast<std::uint32_t>(Clock::Now()));
}

void Random::SetOverride(std::function<int()> source)
{
    Override() = std::move(source);
}

void Random::ClearOverride()
{
    Override() = nullptr;
}
