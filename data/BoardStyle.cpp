#include "data/BoardStyle.h"

#include "data/WindowsIni.h"
#include "engine/BoardStatus.h"
#include "pictures/PictureLoader.h"
#include "platform/BusyCursor.h"
#include "platform/HostPath.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QRect>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <unordered_map>
#include <utility>

namespace {

// Pixel copies below work on whole bytes, so formats of fewer bits per pixel
// are widened first.
bool CopiesByBytes(const QImage& image)
{
    return image.depth() >= 16 && image.depth() % 8 == 0;
}

QImage::Format CommonFormat(const QImage& a, const QImage& b)
{
    if (!a.isNull() && !b.isNull() && a.format() == b.format() && CopiesByBytes(a))
        return a.format();
    if (a.isNull() && CopiesByBytes(b))
        return b.format();
    if (b.isNull() && CopiesByBytes(a))
        return a.format();
    return a.hasAlphaChannel() || b.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
}

QImage InFormat(const QImage& image, QImage::Format format)
{
    return image.format() == format ? image : image.convertToFormat(format);
}

// Copies the square of source at (x, y) onto target's top-left corner, clipped
// to both pictures; both hold the same byte-aligned format.
void CopySquare(const QImage& source, int x, int y, int side, QImage* target)
{
    const QRect area = QRect(x, y, side, side) & source.rect() & QRect(x, y, target->width(), target->height());
    if (area.isEmpty())
        return;
    const int bytesPerPixel = source.depth() / 8;
    const std::size_t rowBytes = static_cast<std::size_t>(area.width()) * bytesPerPixel;
    for (int row = area.top(); row <= area.bottom(); ++row) {
        const uchar* from = source.constScanLine(row) + static_cast<std::size_t>(area.left()) * bytesPerPixel;
        uchar* to = target->scanLine(row - y) + static_cast<std::size_t>(area.left() - x) * bytesPerPixel;
        std::memcpy(to, from, rowBytes);
    }
}

std::string KindKey(const char* format, int kind)
{
    char key[32];
    std::snprintf(key, sizeof key, format, kind);
    return key;
}

int TypeFromText(const std::string* text)
{
    if (text == nullptr)
        return BoardStyle::kTypeNone;
    if (*text == "Normal")
        return BoardStyle::kTypeNormal;
    if (*text == "Random")
        return BoardStyle::kTypeRandom;
    if (*text == "Picture")
        return BoardStyle::kTypePicture;
    return BoardStyle::kTypeNone;
}

}  // namespace

// The pictures of one load by stored name: sets often name one file for many
// frames, and each file needs mapping and checking on disk only once.
class BoardStyle::PictureNames {
public:
    // A name that cannot be loaded (also an empty one) gives an empty picture; the loader tells the user.
    const QImage& Load(const std::string& stored)
    {
        const auto [it, added] = pictures_.try_emplace(stored);
        if (added)
            it->second = PictureLoader::LoadStored(stored, folder_);
        return it->second;
    }

private:
    const QString folder_ = QDir::currentPath();
    std::unordered_map<std::string, QImage> pictures_;
};

const QImage& BoardStyle::Pieces::Picture(int kind, int frame) const
{
    if (kind < 0 || kind >= kindCount)
        kind = 0;
    if (frame < 0 || frame >= frameCount)
        frame = 0;
    return pictures[kind][frame];
}

void BoardStyle::Pieces::Clear()
{
    kindCount = 0;
    frameCount = 0;
    for (auto& kind : pictures) {
        for (QImage& frame : kind)
            frame = QImage();
    }
}

BoardStyle::BoardStyle() = default;

void BoardStyle::Reset()
{
    boardPicture_ = QImage();
    borderPicture_ = QImage();
    noFloatPicture_ = QImage();
    board1stPicture_ = QImage();
    board2ndPicture_ = QImage();
    title_.clear();
    author_.clear();
    comment_.clear();
    intervalTime_ = 0;
    boardType_ = kTypeNone;
    stretch_ = 0;
    transparentNoFloat_ = 0;
    transparent1stFloat_ = 0;
    transparent2ndFloat_ = 0;
    first_.Clear();
    second_.Clear();
}

int BoardStyle::Load(const std::string& fileName, const std::string& sectionName)
{
    BusyCursor busy;
    // Copied first: the names may belong to this object (LoadFrom itself).
    std::string file = fileName;
    std::string section = sectionName;
    Reset();
    fileName_ = std::move(file);
    sectionName_ = std::move(section);
    const WindowsIni ini(HostPath::ToHost(fileName_));
    PictureNames names;
    const std::string& s = sectionName_;

    if (const std::string* name = ini.FindValue(s, "Board", 0))
        boardPicture_ = names.Load(*name);
    if (const std::string* name = ini.FindValue(s, "Border", 0))
        borderPicture_ = names.Load(*name);
    if (const std::string* text = ini.FindValue(s, "Title", 0))
        title_ = TextCodec::CutToField(*text, kFieldBytes);
    if (const std::string* text = ini.FindValue(s, "Author", 0))
        author_ = TextCodec::CutToField(*text, kFieldBytes);
    if (const std::string* text = ini.FindValue(s, "Comment", 0))
        comment_ = TextCodec::CutToField(*text, kFieldBytes);
    intervalTime_ = ini.GetInt(s, "IntervalTime", 0, 100);
    boardType_ = TypeFromText(ini.FindValue(s, "BoardType", 0));
    stretch_ = ini.GetString(s, "Stretch", 0, "True") == "True" ? 1 : 0;
    const auto flag = [&](const char* key) {
        const std::string* text = ini.FindValue(s, key, 0);
        return text != nullptr && *text == "True" ? 1 : 0;
    };
    transparentNoFloat_ = flag("TransparentNoFloat");
    transparent1stFloat_ = flag("Transparent1stFloat");
    transparent2ndFloat_ = flag("Transparent2ndFloat");
    // Before the pieces: the cut-out is built on it.
    if (const std::string* name = ini.FindValue(s, "NoFloat", 0))
        noFloatPicture_ = names.Load(*name);

    LoadSide(ini, names, "1stBoard", "1stFloat_%02d", &board1stPicture_, &first_);
    LoadSide(ini, names, "2ndBoard", "2ndFloat_%02d", &board2ndPicture_, &second_);
    return 0;
}

int BoardStyle::LoadFrom(const BoardStyle& other)
{
    return Load(other.fileName_, other.sectionName_);
}

void BoardStyle::LoadSide(const WindowsIni& ini, PictureNames& names, const char* boardKey,
                          const char* kindKeyFormat, QImage* wholeBoard, Pieces* pieces)
{
    const std::string& s = sectionName_;
    const std::string* boardName = ini.FindValue(s, boardKey, 0);
    if (boardName != nullptr)
        *wholeBoard = names.Load(*boardName);
    if (boardName != nullptr && boardType_ == kTypePicture) {
        CutOut(*wholeBoard, noFloatPicture_, pieces);
        return;
    }

    // Kinds found fill consecutive slots, so a gap in the numbers never shows an empty kind.
    for (int number = 0; number < kMaxKinds; ++number) {
        const std::string key = KindKey(kindKeyFormat, number);
        int frame = 0;
        for (; frame < kMaxFrames; ++frame) {
            const std::string* name = ini.FindValue(s, key, frame);
            if (name == nullptr)
                break;
            pieces->pictures[pieces->kindCount][frame] = names.Load(*name);
        }
        if (frame == 0)
            continue;
        if (pieces->kindCount == 0)
            pieces->frameCount = frame;
        ++pieces->kindCount;
    }
}

void BoardStyle::CutOut(const QImage& wholeBoard, const QImage& noFloat, Pieces* pieces)
{
    pieces->kindCount = 0;
    pieces->frameCount = 1;
    const QImage::Format format = CommonFormat(noFloat, wholeBoard);
    const QImage source = wholeBoard.isNull() ? QImage() : InFormat(wholeBoard, format);
    QImage background = noFloat;
    if (!source.isNull() && !noFloat.isNull()) {
        background = InFormat(noFloat, format);
    } else if (!source.isNull()) {
        background = QImage(kSquare, kSquare, format);
        background.fill(Qt::transparent);
    }

    for (int row = 0; row < BoardStatus::kSize; ++row) {
        for (int column = 0; column < BoardStatus::kSize; ++column) {
            if (!BoardStatus::IsOnBoard(row, column))
                continue;
            QImage& piece = pieces->pictures[pieces->kindCount++][0];
            piece = background;
            if (!source.isNull())
                CopySquare(source, kSquareOrigin + kSquare * column, kSquareOrigin + kSquare * row, kSquare, &piece);
        }
    }
}
