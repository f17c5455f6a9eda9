#include "data/BoardStyle.h"

#include "pictures/PictureLoader.h"
#include "support/TempDir.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <QFileInfo>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);
const QRgb kGrey = qRgb(128, 128, 128);
const QRgb kYellow = qRgb(255, 255, 0);

// Unique per pixel, so a square taken from the wrong place never matches.
QRgb BoardPixel(int x, int y)
{
    return qRgb(x & 0xff, y & 0xff, ((x >> 8) << 4) | (y >> 8));
}

// Each test runs in its own program folder, as the game does.
class BoardStyleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous_ = fs::current_path();
        fs::current_path(dir_.Path());
        PictureLoader::SetFailureReporter([this](const QString& path, const QString&) { failures_.push_back(path); });
    }

    void TearDown() override
    {
        PictureLoader::SetFailureReporter({});
        fs::current_path(previous_);
    }

    // Board_000 of set.tsb, CR LF line ends, bytes as given (CP932).
    void WriteBoard(const std::vector<std::string>& lines, const std::string& section = "Board_000")
    {
        std::string text = "[BoardSet]\r\nName=Test\r\n[" + section + "]\r\n";
        for (const std::string& line : lines)
            text += line + "\r\n";
        dir_.Write("set.tsb", text);
    }

    void Picture(const std::string& name, QRgb colour, int width = 32, int height = 32)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString(dir_.File(name)), "BMP"));
    }

    void WholeBoard(const std::string& name, int width = 400, int height = 400)
    {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, BoardPixel(x, y));
        }
        ASSERT_TRUE(image.save(QString::fromStdString(dir_.File(name)), "BMP"));
    }

    BoardStyle& Load()
    {
        style_.Load("set.tsb", "Board_000");
        return style_;
    }

    TempDir dir_;
    fs::path previous_;
    std::vector<QString> failures_;
    BoardStyle style_;
};

QRgb Colour(const QImage& image)
{
    return image.isNull() ? 0 : image.pixel(0, 0);
}

// Kind k must be cell k's 37 x 37 square, pixel for pixel, over the empty-cell picture.
void ExpectCutOut(const BoardStyle& style, int side, QSize noFloatSize, QRgb noFloatColour)
{
    ASSERT_EQ(style.KindCount(side), 76);
    ASSERT_EQ(style.FrameCount(side), 1);
    int kind = 0;
    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column) {
            const int inset = row < 4 ? 3 - row : row > 5 ? row - 6 : 0;
            if (column < inset || column > 9 - inset)
                continue;
            const QImage piece = side == 1 ? style.FloatPicture1st(kind, 0) : style.FloatPicture2nd(kind, 0);
            ASSERT_EQ(piece.size(), noFloatSize) << "kind " << kind;
            for (int y = 0; y < piece.height(); ++y) {
                for (int x = 0; x < piece.width(); ++x) {
                    const QRgb want = x < 37 && y < 37 ? BoardPixel(16 + 37 * column + x, 16 + 37 * row + y) : noFloatColour;
                    ASSERT_EQ(piece.pixel(x, y), want) << "kind " << kind << " at " << x << "," << y;
                }
            }
            ++kind;
        }
    }
}

TEST_F(BoardStyleTest, NothingOfTheBoardLoadedBeforeShowsThrough)
{
    for (const char* name : {"board.bmp", "border.bmp", "nofloat.bmp", "whole.bmp", "a.bmp", "b.bmp"})
        Picture(name, kRed);
    WriteBoard({"BoardType=Random", "Board=board.bmp", "Border=border.bmp", "NoFloat=nofloat.bmp",
                "1stBoard=whole.bmp", "1stFloat_00=a.bmp,a.bmp,a.bmp", "1stFloat_01=b.bmp,b.bmp,b.bmp",
                "2ndFloat_00=a.bmp", "Title=T", "Author=A", "Comment=C", "IntervalTime=30", "Stretch=False",
                "TransparentNoFloat=True", "Transparent1stFloat=True", "Transparent2ndFloat=True"});
    Load();
    ASSERT_FALSE(style_.FloatPicture1st(1, 2).isNull());

    Picture("c.bmp", kGreen);
    WriteBoard({"1stFloat_00=c.bmp,c.bmp,c.bmp", "1stFloat_01=c.bmp", "Title=Second"});
    Load();
    EXPECT_EQ(style_.Title(), "Second");
    EXPECT_EQ(style_.Comment(), "");
    EXPECT_TRUE(style_.BoardPicture().isNull());
    EXPECT_TRUE(style_.NoFloatPicture().isNull());
    EXPECT_TRUE(style_.Board1stPicture().isNull());
    EXPECT_EQ(style_.IntervalTime(), 100);
    EXPECT_EQ(style_.Stretch(), 1);
    EXPECT_EQ(style_.TransparentNoFloat() + style_.Transparent1stFloat() + style_.Transparent2ndFloat(), 0);
    EXPECT_EQ(style_.KindCount1st(), 2);
    EXPECT_EQ(style_.FrameCount1st(), 3);
    EXPECT_EQ(Colour(style_.FloatPicture1st(1, 0)), kGreen);
    EXPECT_TRUE(style_.FloatPicture1st(1, 2).isNull()) << "a frame this load did not fill";
    EXPECT_EQ(style_.KindCount2nd(), 0);
    EXPECT_TRUE(style_.FloatPicture2nd(0, 0).isNull());

    style_.Load("nothing.tsb", "Board_003");
    EXPECT_EQ(style_.FileName(), "nothing.tsb");
    EXPECT_EQ(style_.SectionName(), "Board_003");
    EXPECT_EQ(style_.Title(), "");
    EXPECT_EQ(style_.KindCount1st(), 0);
}

TEST_F(BoardStyleTest, SwitchesAndNumbers)
{
    WriteBoard({"BoardType=Picture", "Stretch=true", "TransparentNoFloat=yes", "Transparent1stFloat=True",
                "Transparent2ndFloat=False", "IntervalTime="});
    Load();
    EXPECT_EQ(style_.BoardType(), 3);
    EXPECT_EQ(style_.Stretch(), 0);
    EXPECT_EQ(style_.TransparentNoFloat(), 0);
    EXPECT_EQ(style_.Transparent1stFloat(), 1);
    EXPECT_EQ(style_.Transparent2ndFloat(), 0);
    EXPECT_EQ(style_.IntervalTime(), 100);

    WriteBoard({"BoardType=picture", "Stretch=True", "IntervalTime=250ms"});
    Load();
    EXPECT_EQ(style_.BoardType(), 0) << "an unknown type never keeps the earlier board's";
    EXPECT_EQ(style_.Stretch(), 1);
    EXPECT_EQ(style_.IntervalTime(), 250);

    WriteBoard({"BoardType=Random", "Stretch=False"});
    Load();
    EXPECT_EQ(style_.BoardType(), 2);
    EXPECT_EQ(style_.Stretch(), 0);
}

TEST_F(BoardStyleTest, TextsKeepTheirBytesAndAreCutWhole)
{
    const std::string standard = "\x95\x57\x8f\x80";  // 標準
    WriteBoard({"Title=" + std::string(255, 't') + standard, "Author=" + standard + " board",
                "Comment=" + std::string(300, 'c'), "[Board_001]", "Title=x,y"});
    Load();
    EXPECT_EQ(style_.Title(), std::string(255, 't')) << "a double-byte character is never split";
    EXPECT_EQ(style_.Author(), standard + " board");
    EXPECT_EQ(style_.Comment(), std::string(256, 'c'));

    style_.Load("set.tsb", "Board_001");
    EXPECT_EQ(style_.Title(), "x");
}

TEST_F(BoardStyleTest, KindsFoundFillConsecutiveSlots)
{
    Picture("k0.bmp", kRed);
    Picture("k1.bmp", kGreen);
    Picture("k3.bmp", kBlue);
    Picture("k3b.bmp", kYellow);
    WriteBoard({"2ndFloat_00=k0.bmp", "2ndFloat_01=k1.bmp", "2ndFloat_03=k3.bmp,k3b.bmp"});
    Load();
    EXPECT_EQ(style_.KindCount2nd(), 3);
    EXPECT_EQ(style_.FrameCount2nd(), 1);
    EXPECT_EQ(Colour(style_.FloatPicture2nd(0, 0)), kRed);
    EXPECT_EQ(Colour(style_.FloatPicture2nd(1, 0)), kGreen);
    EXPECT_EQ(Colour(style_.FloatPicture2nd(2, 0)), kBlue);
    EXPECT_EQ(Colour(style_.FloatPicture2nd(2, 1)), kBlue) << "frame 1 lies beyond the frame count";

    WriteBoard({"1stFloat_01=k3.bmp,k3b.bmp", "1stFloat_05=k1.bmp"});
    Load();
    EXPECT_EQ(style_.KindCount1st(), 2);
    EXPECT_EQ(style_.FrameCount1st(), 2) << "frames of the first kind found";
    EXPECT_EQ(Colour(style_.FloatPicture1st(0, 1)), kYellow);
    EXPECT_EQ(Colour(style_.FloatPicture1st(1, 0)), kGreen);
    EXPECT_TRUE(style_.FloatPicture1st(1, 1).isNull());
}

TEST_F(BoardStyleTest, CountsAndClamping)
{
    Picture("a.bmp", kRed);
    Picture("b.bmp", kGreen);
    Picture("c.bmp", kBlue);
    WriteBoard({"1stFloat_00=a.bmp,,c.bmp", "1stFloat_01=b.bmp", "2ndFloat_00=c.bmp,b.bmp"});
    Load();
    EXPECT_EQ(style_.KindCount(1), 2);
    EXPECT_EQ(style_.FrameCount(1), 3) << "an empty name is a frame that cannot be loaded";
    EXPECT_EQ(style_.KindCount(2), 1);
    EXPECT_EQ(style_.FrameCount(2), 2);
    EXPECT_EQ(style_.KindCount(0), 1);
    EXPECT_TRUE(style_.FloatPicture1st(0, 1).isNull());
    EXPECT_EQ(Colour(style_.FloatPicture1st(2, 2)), kBlue) << "kind beyond the count is kind 0";
    EXPECT_EQ(Colour(style_.FloatPicture1st(1, 3)), kGreen) << "frame beyond the count is frame 0";
    EXPECT_EQ(Colour(style_.FloatPicture2nd(-1, -1)), kBlue);
}

TEST_F(BoardStyleTest, PictureTypeCutsEveryCellFromTheWholeBoard)
{
    WholeBoard("first.bmp");
    WholeBoard("second.bmp");
    Picture("nofloat.bmp", kGrey, 45, 40);
    Picture("p.bmp", kRed);
    WriteBoard({"BoardType=Picture", "NoFloat=nofloat.bmp", "1stBoard=first.bmp", "2ndBoard=second.bmp",
                "1stFloat_00=p.bmp"});
    Load();
    ExpectCutOut(style_, 1, QSize(45, 40), kGrey);
    ExpectCutOut(style_, 2, QSize(45, 40), kGrey);
    EXPECT_EQ(style_.FloatPicture1st(0, 0).pixel(0, 0), BoardPixel(127, 16)) << "kind 0 is row 0, column 3";
    EXPECT_EQ(style_.NoFloatPicture().pixel(0, 0), kGrey) << "the cut-out works on copies";

    QImage indexed(40, 40, QImage::Format_Indexed8);
    indexed.setColorTable({kGrey, kRed});
    indexed.fill(0);
    ASSERT_TRUE(indexed.save(QString::fromStdString(dir_.File("indexed.bmp")), "BMP"));
    WriteBoard({"BoardType=Picture", "NoFloat=indexed.bmp", "1stBoard=first.bmp"});
    Load();
    ASSERT_EQ(style_.NoFloatPicture().format(), QImage::Format_Indexed8);
    ExpectCutOut(style_, 1, QSize(40, 40), kGrey);
}

TEST_F(BoardStyleTest, CutOutClipsToASmallBoardAndWorksWithoutNoFloat)
{
    WholeBoard("small.bmp", 100, 100);
    Picture("nofloat.bmp", kGrey, 37, 37);
    WriteBoard({"BoardType=Picture", "NoFloat=nofloat.bmp", "1stBoard=small.bmp"});
    Load();
    ASSERT_EQ(style_.KindCount1st(), 76);
    EXPECT_EQ(Colour(style_.FloatPicture1st(0, 0)), kGrey) << "row 0 column 3 lies outside the picture";
    // Kind 4 is row 1, column 2: its square starts at (90, 53), ten columns inside the picture.
    const QImage piece = style_.FloatPicture1st(4, 0);
    EXPECT_EQ(piece.pixel(9, 36), BoardPixel(99, 89));
    EXPECT_EQ(piece.pixel(10, 0), kGrey);

    WholeBoard("whole.bmp");
    WriteBoard({"BoardType=Picture", "2ndBoard=whole.bmp"});
    Load();
    EXPECT_EQ(style_.KindCount1st(), 0) << "no 1stBoard: kinds come from the keys";
    ExpectCutOut(style_, 2, QSize(37, 37), 0);

    WriteBoard({"BoardType=Picture", "1stBoard=small.bmp"});
    Load();
    EXPECT_EQ(style_.FloatPicture1st(0, 0).size(), QSize(37, 37)) << "no NoFloat: a square of its own";
    EXPECT_EQ(style_.FloatPicture1st(0, 0).pixel(20, 20), qRgb(0, 0, 0)) << "nothing of the square lies there";
    EXPECT_EQ(style_.FloatPicture1st(4, 0).pixel(9, 0), BoardPixel(99, 53));
}

TEST_F(BoardStyleTest, WholeBoardOutsidePictureTypeOnlyLoads)
{
    WholeBoard("whole.bmp");
    Picture("p.bmp", kRed);
    WriteBoard({"BoardType=Normal", "1stBoard=whole.bmp", "1stFloat_00=p.bmp,p.bmp"});
    Load();
    EXPECT_FALSE(style_.Board1stPicture().isNull());
    EXPECT_EQ(style_.KindCount1st(), 1);
    EXPECT_EQ(style_.FrameCount1st(), 2);
    EXPECT_EQ(Colour(style_.FloatPicture1st(0, 0)), kRed);
}

TEST_F(BoardStyleTest, StoredNamesUseBackslashesAndIgnoreCase)
{
    fs::create_directory(dir_.Path() / "Pics");
    Picture("Pics/Piece.BMP", kBlue);
    WriteBoard({"1stFloat_00=PICS\\piece.bmp"});
    fs::rename(dir_.Path() / "set.tsb", dir_.Path() / "Pics" / "Set.tsb");
    style_.Load("pics\\SET.tsb", "Board_000");
    EXPECT_EQ(Colour(style_.FloatPicture1st(0, 0)), kBlue);
}

TEST_F(BoardStyleTest, PicturesThatCannotBeLoadedLeaveEmptySlotsAndTheLoadGoesOn)
{
    dir_.Write("bad.bmp", "BM this is no picture");
    Picture("a.bmp", kRed);
    Picture("c.bmp", kGreen);
    Picture("nofloat.bmp", kGrey);
    WriteBoard({"BoardType=Picture", "Board=", "Border=bad.bmp", "NoFloat=nofloat.bmp", "1stBoard=",
                "2ndFloat_00=a.bmp,bad.bmp,c.bmp", "2ndFloat_01=missing.bmp", "2ndFloat_02=c.bmp", "Title=After"});
    Load();
    EXPECT_TRUE(style_.BorderPicture().isNull());
    EXPECT_EQ(style_.Title(), "After");
    EXPECT_EQ(style_.KindCount1st(), 76) << "an empty 1stBoard still cuts out";
    EXPECT_EQ(Colour(style_.FloatPicture1st(75, 0)), kGrey);
    EXPECT_EQ(style_.KindCount2nd(), 3);
    EXPECT_EQ(style_.FrameCount2nd(), 3);
    EXPECT_TRUE(style_.FloatPicture2nd(0, 1).isNull());
    EXPECT_EQ(Colour(style_.FloatPicture2nd(0, 2)), kGreen);
    EXPECT_TRUE(style_.FloatPicture2nd(1, 0).isNull());
    EXPECT_EQ(Colour(style_.FloatPicture2nd(2, 0)), kGreen);
    const auto reported = [this](const char* name) {
        return std::count_if(failures_.begin(), failures_.end(),
                             [name](const QString& path) { return QFileInfo(path).fileName() == QLatin1String(name); });
    };
    EXPECT_EQ(reported("bad.bmp"), 1);
    EXPECT_EQ(reported("missing.bmp"), 1);
}

TEST_F(BoardStyleTest, LoadFromTakesOverTheOtherBoardAndASecondLoadDecodesNothing)
{
    Picture("a.bmp", kRed);
    WriteBoard({"Board=a.bmp", "1stFloat_00=a.bmp", "Title=T"});
    BoardStyle chosen;
    chosen.Load("set.tsb", "Board_000");
    const int decodes = PictureLoader::DecodeCount();
    style_.LoadFrom(chosen);
    EXPECT_EQ(PictureLoader::DecodeCount(), decodes);
    EXPECT_EQ(style_.SectionName(), "Board_000");
    EXPECT_EQ(style_.Title(), "T");
    EXPECT_EQ(Colour(style_.FloatPicture1st(0, 0)), kRed);

    style_.LoadFrom(style_);
    EXPECT_EQ(style_.SectionName(), "Board_000");
    EXPECT_EQ(Colour(style_.BoardPicture()), kRed);

    // A file named for many frames is read once; only SAME.BMP, a name of its own, asks the loader again.
    Picture("same.bmp", kGreen);
    WriteBoard({"Board=same.bmp", "1stFloat_00=same.bmp,same.bmp,same.bmp", "2ndFloat_00=same.bmp,SAME.BMP"});
    const PictureLoader::Stats before = PictureLoader::GetStats();
    Load();
    const PictureLoader::Stats after = PictureLoader::GetStats();
    EXPECT_EQ(after.decodes - before.decodes, 1);
    EXPECT_EQ(after.cacheHits - before.cacheHits, 1);
    EXPECT_EQ(Colour(style_.FloatPicture2nd(0, 1)), kGreen);
}

}  // namespace
