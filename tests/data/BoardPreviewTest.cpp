#include "data/BoardPreview.h"
#include "data/BoardStyle.h"
#include "pictures/Transparency.h"
#include "support/UiApp.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

QImage Solid(QRgb colour, int side = 32)
{
    QImage image(side, side, QImage::Format_RGB32);
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
    EXPECT_EQ(CentreOf(board, 44), kWhite);
    EXPECT_EQ(CentreOf(board, 35), kBlack);
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
    EXPECT_EQ(preview.OwnerAt(44), 2);
    EXPECT_EQ(preview.FlippingCell(), -1);

    // Random: the first player's pieces take both kinds in turn.
    preview.SetDesign(TwoKinds(BoardStyle::kTypeRandom));
    EXPECT_EQ(CentreOf(preview.Render(), 4), kWhite);
    EXPECT_EQ(CentreOf(preview.Render(), 13), kCream);

    // Picture: the squares of the whole-board pictures, here cell 44's in the first player's.
    BoardPreview::Design design = TwoKinds(BoardStyle::kTypePicture);
    design.board1st = Solid(kCream, 400);
    for (int y = 0; y < 37; ++y)
        for (int x = 0; x < 37; ++x)
            design.board1st.setPixel(16 + 37 * 4 + x, 16 + 37 * 4 + y, kTurning1st);
    design.transparent1st = false;
    preview.SetDesign(design);
    EXPECT_EQ(preview.Render().pixel(16 + 37 * 4 + 18, 16 + 37 * 4 + 18) | 0xff000000u, kTurning1st);
    EXPECT_EQ(preview.Render().pixel(16 + 37 * 3 + 18, 16 + 37 * 2 + 18) | 0xff000000u, kCream);
}

}  // namespace
