#include "support/ScriptedRandom.h"

#include "platform/Random.h"

namespace {
constexpr std::uint32_t kDefaultSeed = 5489u;
}

ScriptedRandom::ScriptedRandom(std::vector<int> numbers)
    : numbers_(std::move(numbers))
{
    Random::SetOverride([this] {
        if (numbers_.empty())
            return 0;
        return numbers_[static_cast<std::size_t>(draws_++) % numbers_.size()];
    });
}

ScriptedRandom::~ScriptedRandom()
{
    Random::ClearOverride();
    Random::Seed(kDefaultSeed);
}

SeededRandom::SeededRandom(std::uint32_t seed)
{
    Random::ClearOverride();
    Random::Seed(seed);
}

SeededRandom::~SeededRandom()
{
    Random::Seed(kDefaultSeed);
}
