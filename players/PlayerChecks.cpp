#include "players/PlayerChecks.h"

#include "players/Brain.h"

#include <QCoreApplication>

QString PlayerChecks::StrategyHelp(int code)
{
    static const char* const kHelp[] = {
        QT_TRANSLATE_NOOP("PlayerChecks", "ユーザの手（クリック）を待ちます。コンピュータには使えません。"),
        QT_TRANSLATE_NOOP("PlayerChecks", "合法手の中から一つを無作為に選びます。"),
        QT_TRANSLATE_NOOP("PlayerChecks", "角（八角形の頂点の 8 マス）に置ける手すべてに票を入れます。"),
        QT_TRANSLATE_NOOP("PlayerChecks", "縁（外周の 24 マス）に置ける手すべてに票を入れます。"),
        QT_TRANSLATE_NOOP("PlayerChecks", "置いた後、相手が角に置けなくなる手すべてに票を入れます。"),
        QT_TRANSLATE_NOOP("PlayerChecks", "置いた後、相手が縁に置けなくなる手すべてに票を入れます。"),
        QT_TRANSLATE_NOOP("PlayerChecks", "角以外に置く手すべてに票を入れます。"),
        QT_TRANSLATE_NOOP("PlayerChecks", "縁以外に置く手すべてに票を入れます。"),
        QT_TRANSLATE_NOOP("PlayerChecks", "返せるコマが最も多い手に票を入れます。"),
        QT_TRANSLATE_NOOP("PlayerChecks", "返せるコマが最も少ない手に票を入れます。"),
        QT_TRANSLATE_NOOP("PlayerChecks", "置いた後、相手の置ける場所が最も少なくなる手に票を入れます。"),
        QT_TRANSLATE_NOOP("PlayerChecks", "数手先まで読んで、最も良くなる手に票を入れます（終盤は最後まで読みます）。"),
        QT_TRANSLATE_NOOP("PlayerChecks", "時間をかけて深く読み、最も良くなる手に票を入れます（終盤は最後まで読みます）。"),
    };
    if (code < Brain::kCodeUser || code > Brain::kCodeDeepRead)
        return QString();
    return QCoreApplication::translate("PlayerChecks", kHelp[code - Brain::kCodeUser]);
}

QString PlayerChecks::PhaseHelp()
{
    return QCoreApplication::translate("PlayerChecks", "段階は上から順に調べ、打った手の数（パスは数えません）が「手数」以下の最初の段階の戦略 1〜3 で打ちます。"
        "各戦略は合法手に票を入れ、票の最も多い手を選びます。戦略 1 が空の段階で調べるのを止めます。");
}

QString PlayerChecks::PhaseWarning(const std::array<int, kPhases>& limits, const std::array<int, kPhases>& firstCodes)
{
    int last = -1;
    while (last + 1 < kPhases && firstCodes[last + 1] != Brain::kCodeNone)
        ++last;
    if (last < 0)
        return QCoreApplication::translate("PlayerChecks", "どの段階にも戦略 1 がないため、すべての手を「ランダム」で打ちます。");
    int reach = 0;
    for (int phase = 0; phase <= last; ++phase)
        reach = qMax(reach, limits[phase]);
    if (reach >= kLastMove)
        return QString();
    return QCoreApplication::translate("PlayerChecks", "手数 %1 より後の手には合う段階がないため、最後の段階 %2 の戦略で打ちます（最後の段階の手数を %3 にすると確実です）。")
        .arg(reach)
        .arg(last + 1)
        .arg(kLastMove);
}
