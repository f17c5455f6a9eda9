#include "data/BoardChecks.h"

#include "platform/TextCodec.h"

#include <QCoreApplication>
#include <QSet>

namespace {

QString SideName(int side)
{
    return side == 0 ? QCoreApplication::translate("BoardChecks", "先手") : QCoreApplication::translate("BoardChecks", "後手");
}

// Frames a game shows of a kind: those before the first gap.
int ShownFrames(const std::vector<std::string>& frames)
{
    int count = 0;
    while (count < static_cast<int>(frames.size()) && !frames[count].empty())
        ++count;
    return count;
}

void CheckFrames(const BoardChecks::Design& design, QStringList* warnings)
{
    std::array<int, 2> sideFrames{-1, -1};
    for (int side = 0; side < 2; ++side) {
        // The Picture type cuts one frame per cell from the whole-board picture instead.
        if (design.pictureType && !(side == 0 ? design.board1st : design.board2nd).path.empty()) {
            sideFrames[side] = 1;
            continue;
        }
        const auto& kinds = design.frames[side];
        QStringList counts;
        bool differ = false;
        for (int kind = 0; kind < static_cast<int>(kinds.size()); ++kind) {
            const int shown = ShownFrames(kinds[kind]);
            for (int frame = shown; frame < static_cast<int>(kinds[kind].size()); ++frame) {
                if (!kinds[kind][frame].empty()) {
                    warnings->append(QCoreApplication::translate("BoardChecks", "%1コマの種類 %2 は変化 %3 が抜けているため、変化 %4 から後は使われません")
                                         .arg(SideName(side))
                                         .arg(kind + 1)
                                         .arg(shown + 1)
                                         .arg(frame + 1));
                    break;
                }
            }
            if (shown == 0)
                continue;
            if (sideFrames[side] < 0)
                sideFrames[side] = shown;
            differ = differ || shown != sideFrames[side];
            counts.append(QCoreApplication::translate("BoardChecks", "種類 %1: %2").arg(kind + 1).arg(shown));
        }
        if (differ)
            warnings->append(QCoreApplication::translate("BoardChecks", "%1コマの種類ごとに変化の数が違います（%2）")
                                 .arg(SideName(side), counts.join(QCoreApplication::translate("BoardChecks", "、"))));
    }
    if (sideFrames[0] > 0 && sideFrames[1] > 0 && sideFrames[0] != sideFrames[1])
        warnings->append(QCoreApplication::translate("BoardChecks", "先手と後手で変化の数が違います（先手 %1、後手 %2）")
                             .arg(sideFrames[0])
                             .arg(sideFrames[1]));
}

void CheckSize(const BoardChecks::Picture& picture, const QString& what, QStringList* warnings)
{
    if (picture.image.isNull())
        return;
    const QSize size = picture.image.size();
    if (size.width() < BoardChecks::kGridExtent || size.height() < BoardChecks::kGridExtent)
        warnings->append(QCoreApplication::translate("BoardChecks", "%1が盤の升目より小さい（%2 × %3、升目は %4 × %4 まで）")
                             .arg(what)
                             .arg(size.width())
                             .arg(size.height())
                             .arg(BoardChecks::kGridExtent));
}

}  // namespace

QStringList BoardChecks::Check(const Design& design)
{
    QStringList warnings;
    QSet<QString> failed;
    std::vector<const Picture*> named = {&design.board, &design.border, &design.noFloat, &design.board1st,
                                         &design.board2nd};
    for (const Picture& piece : design.pieces)
        named.push_back(&piece);
    for (const Picture* picture : named) {
        const QString path = TextCodec::ToUi(picture->path);
        if (!picture->path.empty() && picture->image.isNull() && !failed.contains(path)) {
            failed.insert(path);
            warnings.append(QCoreApplication::translate("BoardChecks", "絵を読み込めません: %1").arg(path));
        }
    }
    CheckFrames(design, &warnings);
    if (!design.stretch)
        CheckSize(design.board, QCoreApplication::translate("BoardChecks", "ボードの絵"), &warnings);
    if (design.pictureType) {
        CheckSize(design.board1st, QCoreApplication::translate("BoardChecks", "先手の盤面の絵 (1stBoard)"), &warnings);
        CheckSize(design.board2nd, QCoreApplication::translate("BoardChecks", "後手の盤面の絵 (2ndBoard)"), &warnings);
    }
    return warnings;
}
