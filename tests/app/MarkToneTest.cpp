#include "app/MarkTone.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

QImage Filled(QRgb colour, QImage::Format format = QImage::Format_ARGB32)
{
    QImage image(20, 20, format);
    image.fill(colour);
    return image;
}

TEST(MarkToneTest, MarksContrastWithWhatLiesUnderThem)
{
    const struct {
        const char* what;
        QImage picture;
        double coverage;
        bool darkInk;
    } cases[] = {
        {"green felt", Filled(qRgb(0, 110, 40), QImage::Format_RGB32), 1, false},
        {"pale wood", Filled(qRgb(225, 190, 140), QImage::Format_RGB32), 1, true},
        {"white piece", Filled(qRgb(245, 245, 245)), 1, true},
        {"night sky", Filled(qRgb(10, 10, 40)), 1, false},
        {"nothing opaque", Filled(qRgba(255, 255, 255, 0)), 0, false},
    };
    for (const auto& c : cases) {
        const MarkTone::Tone tone = MarkTone::Measure(c.picture, QRect(5, 5, 10, 10));
        EXPECT_NEAR(tone.coverage, c.coverage, 1e-9) << c.what;
        // Over a dark board, so an empty picture leaves the board's tone.
        const double under = MarkTone::Over(tone, 30);
        EXPECT_EQ(qGray(MarkTone::Ink(under).rgb()) < 128, c.darkInk) << c.what;
        EXPECT_NE(qGray(MarkTone::Halo(under).rgb()) < 128, c.darkInk) << c.what;
    }
}

TEST(MarkToneTest, APieceCoveringHalfTheMiddleMixesWithTheBoard)
{
    QImage piece = Filled(qRgba(0, 0, 0, 0));
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 10; ++x)
            piece.setPixel(x, y, qRgb(250, 250, 250));
    }
    const MarkTone::Tone tone = MarkTone::Measure(piece, QRect(0, 0, 20, 20));
    EXPECT_NEAR(MarkTone::Over(tone, 50), 150, 1) << "half the piece's tone and half the board's";
    EXPECT_EQ(MarkTone::Measure(piece, QRect(30, 30, 5, 5)).coverage, 0) << "outside the picture";
}

}  // namespace
