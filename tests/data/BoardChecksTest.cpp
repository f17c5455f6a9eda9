#include "data/BoardChecks.h"

#include <gtest/gtest.h>

namespace {

QImage Sized(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::gray);
    return image;
}

// A sound design: 400 x 400 board, two kinds of three frames on each side.
BoardChecks::Design Sound()
{
    BoardChecks::Design design;
    design.stretch = false;
    design.board = {"b.png", Sized(400, 400)};
    design.border = {"e.png", Sized(400, 400)};
    design.noFloat = {"n.png", Sized(32, 32)};
    for (auto& side : design.frames)
        side = {{"a0", "a1", "a2"}, {"b0", "b1", "b2"}};
    return design;
}

TEST(BoardChecks, EachOddityGivesItsWarning)
{
    struct Case {
        const char* what;
        void (*change)(BoardChecks::Design&);
        QStringList expected;
    } cases[] = {
        {"sound", [](BoardChecks::Design&) {}, {}},
        {"kinds of one side differ", [](BoardChecks::Design& d) { d.frames[1][1].pop_back(); },
         {QStringLiteral("後手コマの種類ごとに変化の数が違います（種類 1: 3、種類 2: 2）")}},
        {"sides differ",
         [](BoardChecks::Design& d) {
             d.frames[0][0].push_back("a3");
             d.frames[0][1].push_back("b3");
         },
         {QStringLiteral("先手と後手で変化の数が違います（先手 4、後手 3）")}},
        {"frame missing in the middle", [](BoardChecks::Design& d) { d.frames[0][1][1].clear(); },
         {QStringLiteral("先手コマの種類 2 は変化 2 が抜けているため、変化 3 から後は使われません"),
          QStringLiteral("先手コマの種類ごとに変化の数が違います（種類 1: 3、種類 2: 1）")}},
        {"small board picture", [](BoardChecks::Design& d) { d.board.image = Sized(385, 400); },
         {QStringLiteral("ボードの絵が盤の升目より小さい（385 × 400、升目は 386 × 386 まで）")}},
        {"small board picture stretched", [](BoardChecks::Design& d) {
             d.board.image = Sized(200, 200);
             d.stretch = true;
         },
         {}},
        {"picture failed, named twice",
         [](BoardChecks::Design& d) {
             d.pieces = {{"gone.png", QImage()}, {"gone.png", QImage()}, {"a0", Sized(32, 32)}};
         },
         {QStringLiteral("絵を読み込めません: gone.png")}},
        {"picture type cuts one frame",
         [](BoardChecks::Design& d) {
             d.pictureType = true;
             d.board1st = {"w.png", Sized(100, 400)};
         },
         {QStringLiteral("先手と後手で変化の数が違います（先手 1、後手 3）"),
          QStringLiteral("先手の盤面の絵 (1stBoard)が盤の升目より小さい（100 × 400、升目は 386 × 386 まで）")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BoardChecks::Design design = Sound();
        c.change(design);
        EXPECT_EQ(BoardChecks::Check(design), c.expected);
    }
}

}  // namespace
