#include "platform/Clock.h"

#include <ctime>

namespace {

std::function<std::int64_t()>& Override()
{
    static std::function<std::int64_t()> source;
    return source;
}

}  // namespace

std::int64_t Clock::Now()
{
    if (Override())
        return Override()();
    return static_cast<std::int64_t>(std::time(nullptr));
}

void Clock::SetOverride(std::function<std::int64_t()> source)
{
    Override() = std::move(source);
}

void Clock::ClearOverride()
{
    Override() = nullptr;
}
