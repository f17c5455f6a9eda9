#include "data/BoardStyle.h"

#include "pictures/PictureLoader.h"
#include "support/InProgramFolder.h"
#include "support/SetFiles.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
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

QRgb Colour(const QImage& image)
{
    return image.isNull() ? 0 : image.pixel(0, 0);
}

// The loaded state in one line; pictures as colour letters, '-' for none, '?' for another colour,
// pieces kind by kind (the first four kinds).
std::string Describe(const BoardStyle& style)
{
    const auto letter = [](const QImage& image) {
        const QRgb colours[] = {kRed, kGreen, kBlue, kYellow, kGrey};
        const auto found = std::find(std::begin(colours), std::end(colours), Colour(image)) - std::begin(colours);
        return image.isNull() ? '-' : "RGBYg?"[found];
    };
    std::string text = Format("'%s' type %d stretch %d interval %d transparent %d%d%d |", style.Title().c_str(),
                              style.BoardType(), style.Stretch(), style.IntervalTime(), style.TransparentNoFloat(),
                              style.Transparent1stFloat(), style.Transparent2ndFloat());
    for (const QImage* picture : {&style.BoardPicture(), &style.BorderPicture(), &style.NoFloatPicture(),
                                  &style.Board1stPicture(), &style.Board2ndPicture()})
        text += letter(*picture);
    for (int side = 1; side <= 2; ++side) {
        text += Format(" | %dx%d", style.KindCount(side), style.FrameCount(side));
        for (int kind = 0; kind < std::min(style.KindCount(side), 4); ++kind) {
            text += kind == 0 ? " " : ",";
            for (int frame = 0; frame < style.FrameCount(side); ++frame)
                text += letter(side == 1 ? style.FloatPicture1st(kind, frame) : style.FloatPicture2nd(kind, frame));
        }
    }
    return text;
}

// Each test runs in its own program folder, as the game does.
class BoardStyleTest : public InProgramFolder {
protected:
    // Board_000 of set.tsb, CR LF line ends, bytes as given (CP932).
    void WriteBoard(const std::vector<std::string>& lines)
    {
        dir_.Write("set.tsb", "[BoardSet]\r\nName=Test\r\n[Board_000]\r\n" + Crlf(lines));
    }

    void WholeBoard(const std::string& name, int width = 400, int height = 400)
    {
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, BoardPixel(x, y));
        ASSERT_TRUE(image.save(QString::fromStdString(dir_.File(name)), "BMP"));
    }

    BoardStyle& Load()
    {
        style_.Load("set.tsb", "Board_000");
        return style_;
    }

    BoardStyle style_;
};

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
            for (int y = 0; y < piece.height(); ++y)
                for (int x = 0; x < piece.width(); ++x)
                    ASSERT_EQ(piece.pixel(x, y),
                              x < 37 && y < 37 ? BoardPixel(16 + 37 * column + x, 16 + 37 * row + y) : noFloatColour)
                        << "kind " << kind << " at " << x << "," << y;
            ++kind;
        }
    }
}

// Loads follow each other in one object, so nothing of an earlier board may show through.
TEST_F(BoardStyleTest, EachLoadReadsItsKeysPicturesAndTexts)
{
    const std::pair<const char*, QRgb> colours[] = {{"r.bmp", kRed}, {"g.bmp", kGreen}, {"b.bmp", kBlue},
                                                    {"y.bmp", kYellow}, {"n.bmp", kGrey}};
    for (const auto& [name, colour] : colours)
        SaveBmp(name, colour);
    WholeBoard("whole.bmp");
    dir_.Write("bad.bmp", "BM this is no picture");
    // The keys of Board_000, then the loaded state as Describe gives it.
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        // Outside the Picture type a whole-board picture is only loaded.
        {{"BoardType=Random", "Board=r.bmp", "Border=r.bmp", "NoFloat=n.bmp", "1stBoard=whole.bmp",
          "1stFloat_00=r.bmp,r.bmp,r.bmp", "1stFloat_01=g.bmp,g.bmp,g.bmp", "2ndFloat_00=r.bmp", "Title=T",
          "IntervalTime=30", "Stretch=False", "TransparentNoFloat=True", "Transparent1stFloat=True", "Transparent2ndFloat=True"},
         "'T' type 2 stretch 0 interval 30 transparent 111 |RRg?- | 2x3 RRR,GGG | 1x1 R"},
        {{"1stFloat_00=b.bmp,b.bmp,b.bmp", "1stFloat_01=b.bmp", "Title=Second"},
         "'Second' type 0 stretch 1 interval 100 transparent 000 |----- | 2x3 BBB,B-- | 0x0"},
        {{"BoardType=Normal", "Stretch=true", "TransparentNoFloat=yes", "Transparent1stFloat=True", "IntervalTime="},
         "'' type 1 stretch 0 interval 100 transparent 010 |----- | 0x0 | 0x0"},
        {{"BoardType=picture", "Stretch=True", "IntervalTime=250ms"},
         "'' type 0 stretch 1 interval 250 transparent 000 |----- | 0x0 | 0x0"},
        // Kinds found fill consecutive slots; the frame count is the first kind's.
        {{"2ndFloat_00=r.bmp", "2ndFloat_01=g.bmp", "2ndFloat_03=b.bmp,y.bmp", "1stFloat_01=b.bmp,y.bmp", "1stFloat_05=g.bmp"},
         "'' type 0 stretch 1 interval 100 transparent 000 |----- | 2x2 BY,G- | 3x1 R,G,B"},
        // Pictures that cannot be loaded leave empty slots; an empty 1stBoard still cuts out.
        {{"BoardType=Picture", "Board=", "Border=bad.bmp", "NoFloat=n.bmp", "1stBoard=", "2ndFloat_00=r.bmp,bad.bmp,b.bmp",
          "2ndFloat_01=missing.bmp", "2ndFloat_02=b.bmp", "Title=After"},
         "'After' type 3 stretch 1 interval 100 transparent 000 |--g-- | 76x1 g,g,g,g | 3x3 R-B,---,B--"},
        // An empty name is a frame that cannot be loaded.
        {{"1stFloat_00=r.bmp,,b.bmp", "1stFloat_01=g.bmp", "2ndFloat_00=b.bmp,g.bmp"},
         "'' type 0 stretch 1 interval 100 transparent 000 |----- | 2x3 R-B,G-- | 1x2 BG"},
    };
    std::vector<QString> failures;
    PictureLoader::SetFailureReporter([&failures](const QString& path, const QString&) { failures.push_back(path); });
    for (const auto& [lines, described] : cases) {
        WriteBoard(lines);
        EXPECT_EQ(Describe(Load()), described);
    }
    PictureLoader::SetFailureReporter({});
    EXPECT_EQ(failures.size(), 3u) << "bad.bmp, missing.bmp and the empty name reach the loader's report";
    EXPECT_EQ(Colour(style_.FloatPicture1st(2, 2)), kBlue) << "kind beyond the count is kind 0";
    EXPECT_EQ(Colour(style_.FloatPicture1st(1, 3)), kGreen) << "frame beyond the count is frame 0";
    EXPECT_EQ(Colour(style_.FloatPicture2nd(-1, -1)), kBlue);

    // Texts keep their bytes and are cut whole.
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

TEST_F(BoardStyleTest, PictureTypeCutsEveryCellFromTheWholeBoardClippedToIt)
{
    WholeBoard("whole.bmp");
    WholeBoard("small.bmp", 100, 100);
    SaveBmp("p.bmp", kRed);
    // Indexed, so the cut-out has to widen it before copying bytes.
    QImage indexed(45, 40, QImage::Format_Indexed8);
    indexed.setColorTable({kGrey, kRed});
    indexed.fill(0);
    ASSERT_TRUE(indexed.save(QString::fromStdString(dir_.File("indexed.bmp")), "BMP"));
    WriteBoard({"BoardType=Picture", "NoFloat=indexed.bmp", "1stBoard=whole.bmp", "2ndBoard=small.bmp", "1stFloat_00=p.bmp"});
    Load();
    ExpectCutOut(style_, 1, QSize(45, 40), kGrey);
    EXPECT_EQ(style_.NoFloatPicture().format(), QImage::Format_Indexed8) << "the cut-out works on copies";
    EXPECT_EQ(Colour(style_.FloatPicture2nd(0, 0)), kGrey) << "row 0 column 3 lies outside the picture";
    // Kind 4 is row 1, column 2: its square starts at (90, 53), ten columns inside the picture.
    EXPECT_EQ(style_.FloatPicture2nd(4, 0).pixel(9, 36), BoardPixel(99, 89));
    EXPECT_EQ(style_.FloatPicture2nd(4, 0).pixel(10, 0), kGrey);

    // No NoFloat: each piece is a square of its own.
    WriteBoard({"BoardType=Picture", "1stBoard=small.bmp", "2ndBoard=whole.bmp"});
    Load();
    ExpectCutOut(style_, 2, QSize(37, 37), 0);
    EXPECT_EQ(style_.FloatPicture1st(0, 0).pixel(20, 20), qRgb(0, 0, 0)) << "nothing of the square lies there";
    EXPECT_EQ(style_.FloatPicture1st(4, 0).pixel(9, 0), BoardPixel(99, 53));
}

TEST_F(BoardStyleTest, LoadFromTakesOverTheOtherBoardAndNamesAreReadOnceIgnoringCase)
{
    SaveBmp("a.bmp", kRed);
    WriteBoard({"Board=a.bmp", "1stFloat_00=a.bmp", "Title=T"});
    BoardStyle chosen;
    chosen.Load("set.tsb", "Board_000");
    const int decodes = PictureLoader::DecodeCount();
    style_.LoadFrom(chosen);
    EXPECT_EQ(PictureLoader::DecodeCount(), decodes);
    EXPECT_EQ(Describe(style_), Describe(chosen));
    style_.LoadFrom(style_);
    EXPECT_EQ(Describe(style_), "'T' type 0 stretch 1 interval 100 transparent 000 |R---- | 1x1 R | 0x0");

    // A file named for many frames is read once; only SAME.BMP, a name of its own, asks the loader again.
    SaveBmp("same.bmp", kGreen);
    WriteBoard({"Board=same.bmp", "1stFloat_00=same.bmp,same.bmp,same.bmp", "2ndFloat_00=same.bmp,SAME.BMP"});
    const PictureLoader::Stats before = PictureLoader::GetStats();
    Load();
    const PictureLoader::Stats after = PictureLoader::GetStats();
    EXPECT_EQ(after.decodes - before.decodes, 1);
    EXPECT_EQ(after.cacheHits - before.cacheHits, 1);

    // Stored names use backslashes and may differ in case from the files.
    fs::create_directory("Pics");
    SaveBmp("Pics/Piece.BMP", kBlue);
    WriteBoard({"1stFloat_00=PICS\\piece.bmp"});
    fs::rename(dir_.Path() / "set.tsb", dir_.Path() / "Pics" / "Set.tsb");
    style_.Load("pics\\SET.tsb", "Board_000");
    EXPECT_EQ(Colour(style_.FloatPicture1st(0, 0)), kBlue);
}

}  // namespace
