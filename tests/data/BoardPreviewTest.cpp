#include "data/BoardChecks.h"
#include "data/BoardPreview.h"
#include "data/BoardStyle.h"
#include "support/UiApp.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

// Square unless a height is given.
QImage Solid(QRgb colour, int width = 32, int height = 0)
{
    QImage image(width, height > 0 ? height : width, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

const QRgb kGreen = qRgb(0, 120, 0);
const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kCream = qRgb(250, 240, 200);
const QRgb kTurning1st = qRgb(200, 0, 0);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kTurning2nd = qRgb(0, 0, 200);

// Cells of the fixed position: 44 first player, 35 second, 48 empty, 42 first.
QRgb CentreOf(const QImage& board, int cell)
{
    return board.pixel(18 + 37 * (cell % 10) + 16, 18 + 37 * (cell / 10) + 16) | 0xff000000u;
}

// A piece picture whose bottom-left pixel holds the transparent key colour.
QImage Keyed(QRgb colour)
{
    QImage image = Solid(colour);
    image.setPixel(0, 31, qRgb(255, 0, 255));
    return image;
}

BoardPreview::Design TwoKinds(int type)
{
    BoardPreview::Design design;
    design.type = type;
    design.board = Solid(kGreen, 400);
    QImage border = Solid(qRgb(255, 0, 255), 400);
    border.setPixel(200, 5, kBlack);
    design.border = border;
    design.noFloat = Solid(kGrey);
    design.transparent1st = true;
    QImage ring = Solid(qRgb(255, 0, 255));
    ring.setPixel(16, 16, kWhite);
    design.pieces[0] = {{ring, Keyed(kTurning1st)}, {Keyed(kCream), Keyed(kTurning1st)}};
    design.pieces[1] = {{Solid(kBlack), Solid(kTurning2nd)}};
    return design;
}

TEST(BoardPreview, ShowsThePositionAsTheGameDrawsAndFlipsWithTheLosersTurningFrames)
{
    UiApp();
    BoardPreview preview;
    preview.SetDesign(TwoKinds(BoardStyle::kTypeNormal));
    const QImage board = preview.Render();
    EXPECT_EQ(CentreOf(board, 48), kGrey);
    // The piece's transparent background and the border's let the board show through.
    EXPECT_EQ(board.pixel(18 + 37 * 4 + 2, 18 + 37 * 4 + 2) | 0xff000000u, kGreen);
    EXPECT_EQ(board.pixel(200, 5) | 0xff000000u, kBlack);
    EXPECT_EQ(board.pixel(5, 5) | 0xff000000u, kGreen);

    // Three ticks of rest, the first player's turning frame, the second player's piece; after
    // the same rest cell 35 turns with the second player's frame.
    std::vector<QRgb> shown44;
    std::vector<QRgb> shown35;
    for (int tick = 0; tick < 10; ++tick) {
        preview.Tick();
        shown44.push_back(CentreOf(preview.Render(), 44));
        shown35.push_back(CentreOf(preview.Render(), 35));
    }
    EXPECT_EQ(shown44, (std::vector<QRgb>{kWhite, kWhite, kWhite, kTurning1st, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack}));
    EXPECT_EQ(shown35, (std::vector<QRgb>{kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kBlack, kTurning2nd, kWhite}));
    EXPECT_EQ(preview.FlippingCell(), -1);

    // Random: the first player's pieces take both kinds in turn.
    preview.SetDesign(TwoKinds(BoardStyle::kTypeRandom));
    EXPECT_EQ(CentreOf(preview.Render(), 4), kWhite);
    EXPECT_EQ(CentreOf(preview.Render(), 13), kCream);

    // Picture: the squares of the whole-board pictures, here cell 44's in the first player's.
    BoardPreview::Design design = TwoKinds(BoardStyle::kTypePicture);
    design.board1st = Solid(kCream, 400);
    QPainter(&design.board1st).fillRect(16 + 37 * 4, 16 + 37 * 4, 37, 37, QColor(kTurning1st));
    design.transparent1st = false;
    preview.SetDesign(design);
    EXPECT_EQ(preview.Render().pixel(16 + 37 * 4 + 18, 16 + 37 * 4 + 18) | 0xff000000u, kTurning1st);
    EXPECT_EQ(preview.Render().pixel(16 + 37 * 3 + 18, 16 + 37 * 2 + 18) | 0xff000000u, kCream);
}

// The checks behind the warnings shown under the editor's preview.
// A sound design: 400 x 400 board, two kinds of three frames on each side.
BoardChecks::Design Sound()
{
    BoardChecks::Design design;
    design.stretch = false;
    design.board = {"b.png", Solid(kGrey, 400)};
    design.border = {"e.png", Solid(kGrey, 400)};
    design.noFloat = {"n.png", Solid(kGrey)};
    for (auto& side : design.frames)
        side = {{"a0", "a1", "a2"}, {"b0", "b1", "b2"}};
    return design;
}

TEST(BoardChecks, EachOddityGivesItsWarning)
{
    // What is odd, how the sound design is changed to show it, and the warnings expected.
    const std::tuple<const char*, void (*)(BoardChecks::Design&), QStringList> cases[] = {
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
        {"small board picture", [](BoardChecks::Design& d) { d.board.image = Solid(kGrey, 385, 400); },
         {QStringLiteral("ボードの絵が盤の升目より小さい（385 × 400、升目は 386 × 386 まで）")}},
        {"small board picture stretched", [](BoardChecks::Design& d) {
             d.board.image = Solid(kGrey, 200);
             d.stretch = true;
         },
         {}},
        {"picture failed, named twice",
         [](BoardChecks::Design& d) {
             d.pieces = {{"gone.png", QImage()}, {"gone.png", QImage()}, {"a0", Solid(kGrey)}};
         },
         {QStringLiteral("絵を読み込めません: gone.png")}},
        {"picture type cuts one frame",
         [](BoardChecks::Design& d) {
             d.pictureType = true;
             d.board1st = {"w.png", Solid(kGrey, 100, 400)};
         },
         {QStringLiteral("先手と後手で変化の数が違います（先手 1、後手 3）"),
          QStringLiteral("先手の盤面の絵 (1stBoard)が盤の升目より小さい（100 × 400、升目は 386 × 386 まで）")}},
    };
    for (const auto& [what, change, expected] : cases) {
        SCOPED_TRACE(what);
        BoardChecks::Design design = Sound();
        change(design);
        EXPECT_EQ(BoardChecks::Check(design), expected);
    }
}

}  // namespace
