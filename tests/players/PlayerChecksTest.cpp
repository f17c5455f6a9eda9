#include "players/Brain.h"
#include "players/PlayerChecks.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(PlayerChecks, LastPhaseBelowTheLastMoveIsWarned)
{
    constexpr int R = Brain::kCodeRandom;
    // Limits, first codes, then how the warning starts ("" for none).
    const std::tuple<std::array<int, 6>, std::array<int, 6>, const char*> cases[] = {
        {{20, 72, 0, 0, 0, 0}, {R, R, 0, 0, 0, 0}, ""},  // the last phase reaches 72
        {{80, 10, 0, 0, 0, 0}, {R, R, 0, 0, 0, 0}, ""},  // an earlier phase reaches further
        {{20, 40, 72, 0, 0, 0}, {R, R, 0, R, 0, 0}, "手数 40 より後の手には合う段階がないため、最後の段階 2 の戦略で打ちます"},
        {{10, 20, 30, 40, 50, 60}, {R, R, R, R, R, R}, "手数 60 より後の手には合う段階がないため、最後の段階 6 の戦略で打ちます"},
        {{72, 72, 72, 72, 72, 72}, {0, R, R, R, R, R}, "どの段階にも戦略 1 がないため、すべての手を「ランダム」で打ちます"},
    };
    for (const auto& [limits, firstCodes, warning] : cases) {
        const QString text = PlayerChecks::PhaseWarning(limits, firstCodes);
        EXPECT_TRUE(*warning == '\0' ? text.isEmpty() : text.startsWith(QString::fromUtf8(warning))) << text.toStdString();
    }
}

}  // namespace
