#include "players/Brain.h"
#include "players/PlayerChecks.h"

#include <gtest/gtest.h>

namespace {

TEST(PlayerChecks, LastPhaseBelowTheLastMoveIsWarned)
{
    constexpr int R = Brain::kCodeRandom;
    struct Case {
        const char* what;
        std::array<int, 6> limits;
        std::array<int, 6> firstCodes;
        QString expected;
    } cases[] = {
        {"last phase reaches 72", {20, 72, 0, 0, 0, 0}, {R, R, 0, 0, 0, 0}, QString()},
        {"an earlier phase reaches further", {80, 10, 0, 0, 0, 0}, {R, R, 0, 0, 0, 0}, QString()},
        {"ends at 40", {20, 40, 72, 0, 0, 0}, {R, R, 0, R, 0, 0},
         QStringLiteral("手数 40 より後の手には合う段階がないため、最後の段階 2 の戦略で打ちます（最後の段階の手数を 72 にすると確実です）。")},
        {"all six used", {10, 20, 30, 40, 50, 60}, {R, R, R, R, R, R},
         QStringLiteral("手数 60 より後の手には合う段階がないため、最後の段階 6 の戦略で打ちます（最後の段階の手数を 72 にすると確実です）。")},
        {"no strategy at all", {72, 72, 72, 72, 72, 72}, {0, R, R, R, R, R},
         QStringLiteral("どの段階にも戦略 1 がないため、すべての手を「ランダム」で打ちます。")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PlayerChecks::PhaseWarning(c.limits, c.firstCodes), c.expected);
    }
}

}  // namespace
