#include "Artwork.h"
#include "Canvas.h"

#include <QDir>
#include <QImageReader>

#include <cstdio>

namespace art {
namespace {

// A mid-game position: X first player, O second player, '.' empty, blank off the board.
const char* const kSample[kRows] = {
    "   XO..   ",
    "  .XXO..  ",
    " ..XOOX.. ",
    "...XXOO...",
    "..OXXXO...",
    "..OOXOXX..",
    "...OXXO...",
    " ..XOO... ",
    "  ..X..O  ",
    "   ....   ",
};

class Sheets {
public:
    Sheets(const QString& root, const QString& folder) : root_(root), folder_(folder) {}

    int Write();

private:
    QImage Load(const QString& name);
    void Save(const QImage& image, const QString& name);
    QImage Preview(Design design);
    QImage PieceSheet(Design design);
    QImage FaceSheet(int firstCharacter, int count);
    QImage ScreenSheet();

    QString root_;
    QString folder_;
    int failures_ = 0;
};

// What the display does with a picture drawn transparent: its bottom-left colour becomes see-through.
QImage Keyed(const QImage& image)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    if (result.isNull()) {
        return result;
    }
    const QRgb key = result.pixel(0, result.height() - 1);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (line[x] == key) {
                line[x] = 0;
            }
        }
    }
    return result;
}

QImage Zoom(const QImage& image, int factor)
{
    return image.scaled(image.width() * factor, image.height() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void Label(QPainter& p, int x, int y, const QString& text)
{
    p.setPen(QColor(30, 30, 30));
    p.setFont(LatinFont(12));
    p.drawText(x, y, text);
}

QImage Sheets::Load(const QString& name)
{
    QImageReader reader(QDir(root_).filePath(name));
    QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "tessella_artwork: cannot read back %s\n", qPrintable(name));
        ++failures_;
        image = NewRgb(8, 8, QColor(255, 0, 0));
    }
    return image;
}

void Sheets::Save(const QImage& image, const QString& name)
{
    if (!QDir().mkpath(folder_) || !image.save(QDir(folder_).filePath(name), "PNG")) {
        std::fprintf(stderr, "tessella_artwork: cannot write %s\n", qPrintable(name));
        ++failures_;
    }
}

QImage Sheets::Preview(Design design)
{
    const QString folder = QStringLiteral("Picture/Board/%1/").arg(DesignName(design));
    const bool picture = IsPictureType(design);
    QImage board = Load(folder + "Board.jpg");
    QImage composed = NewRgb(kBoardSize, kBoardSize, Qt::black);
    QPainter p(&composed);
    p.drawImage(0, 0, board);
    const QImage empty = Load(folder + "NoFloat.bmp");
    QImage day;
    QImage night;
    if (picture) {
        day = Load(folder + "1stBoard.jpg");
        night = Load(folder + "2ndBoard.jpg");
    }
    const int kinds = KindCount(design);
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kRows; ++column) {
            if (!IsPlayable(row, column)) {
                continue;
            }
            const char cell = kSample[row][column];
            if (picture) {
                const QRect square = CellRect(row, column);
                QImage sprite = empty.copy();
                QPainter s(&sprite);
                if (cell == 'X') {
                    s.drawImage(0, 0, day.copy(square));
                } else if (cell == 'O') {
                    s.drawImage(0, 0, night.copy(square));
                }
                s.end();
                p.drawImage(square.topLeft(), sprite);
                continue;
            }
            const QPoint at = PieceOrigin(row, column);
            if (cell == '.') {
                p.drawImage(at, Keyed(empty));
                continue;
            }
            const int kind = (row * 7 + column * 3) % kinds;
            const QString name = QStringLiteral("%1_%2_00.bmp").arg(cell == 'X' ? "1st" : "2nd").arg(kind, 2, 10, QChar('0'));
            p.drawImage(at, Keyed(Load(folder + name)));
        }
    }
    p.drawImage(0, 0, Keyed(Load(folder + "Border.bmp")));
    p.end();

    QImage sheet = NewRgb(880, 870, QColor(236, 236, 236));
    QPainter s(&sheet);
    Label(s, 10, 16, DesignName(design) + " as shown (board, cells, border)");
    s.drawImage(10, 24, composed);
    Label(s, 430, 16, "x3, rows 3-5, columns 3-5");
    s.drawImage(430, 24, Zoom(composed.copy(QRect(CellRect(3, 3).topLeft(), QSize(3 * kCellSize, 3 * kCellSize))), 3));
    if (picture) {
        Label(s, 10, 450, "the first player's picture and the second player's picture");
        s.drawImage(10, 458, day);
        s.drawImage(430, 458, night);
        s.end();
        return sheet;
    }
    Label(s, 10, 450, "x3 at the edge, rows 6-8, columns 0-2, and the raw border overlay");
    s.drawImage(10, 458, Zoom(composed.copy(QRect(CellRect(6, 0).topLeft() - QPoint(10, 0), QSize(130, 130))), 3));
    s.drawImage(430, 458, Zoom(Load(folder + "Border.bmp").copy(QRect(CellRect(0, 3).topLeft() - QPoint(8, 8), QSize(130, 130))), 3));
    s.end();
    return sheet;
}

QImage Sheets::PieceSheet(Design design)
{
    const QString folder = QStringLiteral("Picture/Board/%1/").arg(DesignName(design));
    const QImage board = Load(folder + "Board.jpg");
    const int kinds = KindCount(design);
    const int zoom = 3;
    const int step = kCellSize * zoom + 6;
    QImage sheet = NewRgb(30 + kFrameCount * step, 30 + 2 * kinds * (step + 46), QColor(236, 236, 236));
    QPainter s(&sheet);
    int y = 20;
    for (int side = 1; side <= 2; ++side) {
        for (int kind = 0; kind < kinds; ++kind) {
            Label(s, 10, y, QStringLiteral("side %1 kind %2: frames on the board, then raw").arg(side).arg(kind));
            y += 6;
            for (int frame = 0; frame < kFrameCount; ++frame) {
                const QString name = QStringLiteral("%1_%2_%3.bmp")
                                         .arg(side == 1 ? "1st" : "2nd")
                                         .arg(kind, 2, 10, QChar('0'))
                                         .arg(frame, 2, 10, QChar('0'));
                const QImage sprite = Load(folder + name);
                QImage cell = board.copy(CellRect(4, 4));
                QPainter c(&cell);
                c.drawImage(2, 2, Keyed(sprite));
                c.end();
                s.drawImage(10 + frame * step, y, Zoom(cell, zoom));
                s.drawImage(10 + frame * step, y + kCellSize * zoom + 4, sprite);
            }
            y += step + 40;
        }
    }
    s.end();
    return sheet;
}

QImage Sheets::FaceSheet(int firstCharacter, int count)
{
    const int zoom = 2;
    const int step = 100 * zoom + 10;
    QImage sheet = NewRgb(20 + kFaceExpressions * step, 10 + count * (step + 10), QColor(236, 236, 236));
    QPainter s(&sheet);
    for (int i = 0; i < count; ++i) {
        const int character = firstCharacter + i;
        const int y = 10 + i * (step + 10);
        for (int expression = 0; expression < kFaceExpressions; ++expression) {
            const QImage face =
                Load(QStringLiteral("Picture/Face/Face%1_%2.bmp").arg(character, 2, 10, QChar('0')).arg(expression));
            s.drawImage(10 + expression * step, y + 8, Zoom(face, zoom));
        }
        Label(s, 10, y + 4, QStringLiteral("Face%1 x2: equal, ahead, won, behind, lost").arg(character, 2, 10, QChar('0')));
    }
    s.end();
    return sheet;
}

QImage Sheets::ScreenSheet()
{
    QImage sheet = NewRgb(640, 1040, QColor(236, 236, 236));
    QPainter s(&sheet);
    const QImage title = Load("Picture/Title.jpg");
    const QImage release = Load("Picture/Release.bmp");
    Label(s, 10, 16, "title screen and release screen (banners drawn transparent)");
    s.drawImage(10, 24, title);
    s.drawImage(20, 164, Keyed(Load("Picture/Welcome.bmp")));
    s.drawImage(15, 204, release);
    s.drawImage(320, 24, title);
    s.drawImage(330, 164, Keyed(Load("Picture/Thanks.bmp")));
    s.drawImage(325, 204, release);
    Label(s, 10, 246, "x2: welcome banner raw, release label, icons, logo");
    s.drawImage(10, 254, Zoom(Load("Picture/Welcome.bmp"), 2));
    s.drawImage(10, 320, Zoom(Load("Picture/Thanks.bmp"), 2));
    s.drawImage(10, 386, Zoom(release, 2));
    s.drawImage(230, 386, Zoom(Load("Picture/User.bmp"), 2));
    s.drawImage(10, 436, Zoom(Load("Picture/Computer.bmp"), 2));
    s.drawImage(230, 436, Zoom(Load("Picture/Logo.bmp"), 2));
    s.drawImage(10, 580, Zoom(title, 2).copy(0, 0, 600, 400));
    s.end();
    return sheet;
}

int Sheets::Write()
{
    for (Design design : kDesigns) {
        Save(Preview(design), QStringLiteral("preview-%1.png").arg(DesignName(design)));
        if (!IsPictureType(design)) {
            Save(PieceSheet(design), QStringLiteral("pieces-%1.png").arg(DesignName(design)));
        }
    }
    for (int first = 0; first < kFaceCharacters; first += 3) {
        Save(FaceSheet(first, 3), QStringLiteral("faces-%1.png").arg(first / 3 + 1));
    }
    Save(ScreenSheet(), "screens.png");
    return failures_ == 0 ? 0 : -1;
}

} // namespace

int WriteSheets(const QString& root, const QString& folder)
{
    Sheets sheets(root, folder);
    return sheets.Write();
}

} // namespace art
