#pragma once

#include <QImage>

#include <array>
#include <cstddef>
#include <string>

class WindowsIni;

// One board design loaded from a section of a board set file: board, border and
// empty-cell pictures, the piece pictures of each side by [kind][frame], texts
// and the few numbers that drive the display.
//
// Every load starts from an empty design, so nothing of a board loaded before
// can show through. Pictures that cannot be loaded stay empty (the picture
// loader tells the user) and the load goes on.
class BoardStyle {
public:
    static constexpr int kMaxKinds = 76;
    static constexpr int kMaxFrames = 76;
    static constexpr std::size_t kFieldBytes = 256;
    // Side of the square that the Picture type cuts per cell from a whole-board picture.
    static constexpr int kSquare = 37;
    // Where the square of cell (0, 0) starts in a whole-board picture.
    static constexpr int kSquareOrigin = 16;

    static constexpr int kTypeNone = 0;
    static constexpr int kTypeNormal = 1;
    static constexpr int kTypeRandom = 2;
    static constexpr int kTypePicture = 3;

    BoardStyle();

    // fileName is a stored name (CP932, `\` between folders) relative to the
    // program folder. A file that cannot be read gives an empty design with the
    // defaults of missing keys. Always 0.
    int Load(const std::string& fileName, const std::string& sectionName);
    int LoadFrom(const BoardStyle& other);

    const std::string& FileName() const { return fileName_; }
    const std::string& SectionName() const { return sectionName_; }

    const QImage& BoardPicture() const { return boardPicture_; }
    const QImage& BorderPicture() const { return borderPicture_; }
    const QImage& NoFloatPicture() const { return noFloatPicture_; }
    // The whole-board pictures of the Picture type (`1stBoard`, `2ndBoard`).
    const QImage& Board1stPicture() const { return board1stPicture_; }
    const QImage& Board2ndPicture() const { return board2ndPicture_; }

    const std::string& Title() const { return title_; }
    const std::string& Author() const { return author_; }
    const std::string& Comment() const { return comment_; }

    int IntervalTime() const { return intervalTime_; }
    int BoardType() const { return boardType_; }
    int Stretch() const { return stretch_; }
    int TransparentNoFloat() const { return transparentNoFloat_; }
    int Transparent1stFloat() const { return transparent1stFloat_; }
    int Transparent2ndFloat() const { return transparent2ndFloat_; }

    // Side 1 is the first player; any other value the second.
    int KindCount(int side) const { return side == 1 ? first_.kindCount : second_.kindCount; }
    int FrameCount(int side) const { return side == 1 ? first_.frameCount : second_.frameCount; }
    int KindCount1st() const { return first_.kindCount; }
    int KindCount2nd() const { return second_.kindCount; }
    int FrameCount1st() const { return first_.frameCount; }
    int FrameCount2nd() const { return second_.frameCount; }

    // A kind or frame outside the counts is taken as 0.
    const QImage& FloatPicture1st(int kind, int frame) const { return first_.Picture(kind, frame); }
    const QImage& FloatPicture2nd(int kind, int frame) const { return second_.Picture(kind, frame); }

private:
    struct Pieces {
        int kindCount = 0;
        int frameCount = 0;
        std::array<std::array<QImage, kMaxFrames>, kMaxKinds> pictures;

        const QImage& Picture(int kind, int frame) const;
        void Clear();
    };

    class PictureNames;

    void Reset();
    void LoadSide(const WindowsIni& ini, PictureNames& names, const char* boardKey, const char* kindKeyFormat,
                  QImage* wholeBoard, Pieces* pieces);
    static void CutOut(const QImage& wholeBoard, const QImage& noFloat, Pieces* pieces);

    std::string fileName_;
    std::string sectionName_;
    QImage boardPicture_;
    QImage borderPicture_;
    QImage noFloatPicture_;
    QImage board1stPicture_;
    QImage board2ndPicture_;
    std::string title_;
    std::string author_;
    std::string comment_;
    int intervalTime_ = 0;
    int boardType_ = kTypeNone;
    int stretch_ = 0;
    int transparentNoFloat_ = 0;
    int transparent1stFloat_ = 0;
    int transparent2ndFloat_ = 0;
    Pieces first_;
    Pieces second_;
};
