#include "data/BoardPreview.h"

#include "data/BoardStyle.h"
#include "engine/BoardStatus.h"
#include "pictures/Transparency.h"

#include <QPainter>
#include <QTimer>

namespace {

constexpr int kPieceOrigin = 18;
constexpr int kPieceSize = 32;
// Ticks the board rests between two flips.
constexpr int kPauseTicks = 4;

// A mid-game position: 1 first player, 2 second player, '.' empty, ' ' off the board.
constexpr const char* kPosition[BoardStatus::kSize] = {
    "   .12.   ",
    "  .112..  ",
    " ..1212.. ",
    "..211221..",
    ".1121211..",
    "..122121..",
    "..212112..",
    " ..2121.. ",
    "  ..21..  ",
    "   ....   ",
};

// The cells that flip, in turn, again and again.
constexpr int kFlips[] = {44, 35, 53, 64, 26, 73, 57, 33};

int PlayableIndex(int cell)
{
    int index = 0;
    for (int c = 0; c < cell; ++c)
        index += BoardStatus::IsOnBoard(c / 10, c % 10) ? 1 : 0;
    return index;
}

QImage Shown(const QImage& picture, bool transparent)
{
    return transparent ? TransparentCopy(picture) : picture;
}

void DrawCentred(QPainter& painter, const QImage& image, const QRect& box)
{
    if (image.isNull())
        return;
    const QRect target(box.x() + (box.width() - image.width()) / 2, box.y() + (box.height() - image.height()) / 2,
                       image.width(), image.height());
    painter.save();
    painter.setClipRect(box);
    painter.drawImage(target.topLeft(), image);
    painter.restore();
}

}  // namespace

BoardPreview::BoardPreview(QWidget* parent)
    : QWidget(parent), timer_(new QTimer(this))
{
    setObjectName(QStringLiteral("BoardPreview"));
    connect(timer_, &QTimer::timeout, this, &BoardPreview::Tick);
    Reset();
}

void BoardPreview::SetDesign(const Design& design)
{
    design_ = design;
    for (int side = 0; side < 2; ++side) {
        cutOut_[side].clear();
        const QImage& whole = side == 0 ? design_.board1st : design_.board2nd;
        if (design_.type != BoardStyle::kTypePicture || whole.isNull())
            continue;
        for (int cell = 0; cell < 100; ++cell) {
            if (!BoardStatus::IsOnBoard(cell / 10, cell % 10))
                continue;
            QImage square = design_.noFloat.isNull() ? QImage(BoardStyle::kSquare, BoardStyle::kSquare,
                                                              QImage::Format_ARGB32)
                                                     : design_.noFloat.convertToFormat(QImage::Format_ARGB32);
            if (design_.noFloat.isNull())
                square.fill(Qt::transparent);
            QPainter painter(&square);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(QPoint(0, 0), whole,
                              QRect(BoardStyle::kSquareOrigin + BoardStyle::kSquare * (cell % 10),
                                    BoardStyle::kSquareOrigin + BoardStyle::kSquare * (cell / 10), BoardStyle::kSquare,
                                    BoardStyle::kSquare));
            painter.end();
            cutOut_[side].push_back(square);
        }
    }
    Reset();
    timer_->start(qMax(1, design_.interval));
}

void BoardPreview::Reset()
{
    flipOrder_.assign(std::begin(kFlips), std::end(kFlips));
    nextFlip_ = 0;
    flipping_ = -1;
    step_ = 0;
    pause_ = kPauseTicks;
    for (int cell = 0; cell < 100; ++cell) {
        const char mark = kPosition[cell / 10][cell % 10];
        owners_[cell] = mark == '1' ? 1 : mark == '2' ? 2 : 0;
        sprites_[cell] = BoardStatus::IsOnBoard(cell / 10, cell % 10) ? StillAt(cell) : Sprite();
    }
    update();
}

int BoardPreview::KindAt(int cell) const
{
    const int owner = owners_[cell];
    if (owner == 0)
        return 0;
    if (design_.type == BoardStyle::kTypePicture)
        return PlayableIndex(cell);
    if (design_.type != BoardStyle::kTypeRandom)
        return 0;
    // Every kind shows somewhere: the pieces of a side take the kinds in turn.
    int order = 0;
    for (int c = 0; c < cell; ++c)
        order += owners_[c] == owner ? 1 : 0;
    const int kinds = static_cast<int>(design_.pieces[owner - 1].size());
    return kinds > 0 ? order % kinds : 0;
}

QImage BoardPreview::Piece(int side, int kind, int frame) const
{
    const auto& cut = cutOut_[side - 1];
    if (!cut.empty())
        return frame == 0 && kind < static_cast<int>(cut.size()) ? cut[kind] : cut[0];
    const auto& kinds = design_.pieces[side - 1];
    if (kinds.empty())
        return QImage();
    // As the game does: a kind past the count shows kind 0.
    const auto& frames = kinds[kind < static_cast<int>(kinds.size()) ? kind : 0];
    return frame < static_cast<int>(frames.size()) ? frames[frame] : QImage();
}

BoardPreview::Sprite BoardPreview::StillAt(int cell) const
{
    switch (owners_[cell]) {
    case 1:
        return {Piece(1, KindAt(cell), 0), design_.transparent1st};
    case 2:
        return {Piece(2, KindAt(cell), 0), design_.transparent2nd};
    default:
        return {design_.noFloat, design_.transparentNoFloat};
    }
}

QRect BoardPreview::RectAt(int cell) const
{
    const int row = cell / 10;
    const int column = cell % 10;
    if (design_.type == BoardStyle::kTypePicture)
        return QRect(BoardStyle::kSquareOrigin + BoardStyle::kSquare * column,
                     BoardStyle::kSquareOrigin + BoardStyle::kSquare * row, BoardStyle::kSquare, BoardStyle::kSquare);
    return QRect(kPieceOrigin + BoardStyle::kSquare * column, kPieceOrigin + BoardStyle::kSquare * row, kPieceSize,
                 kPieceSize);
}

void BoardPreview::Tick()
{
    if (flipping_ < 0) {
        if (--pause_ > 0)
            return;
        flipping_ = flipOrder_[nextFlip_];
        nextFlip_ = (nextFlip_ + 1) % static_cast<int>(flipOrder_.size());
        owners_[flipping_] = 3 - owners_[flipping_];
        step_ = 1;
    }
    const int owner = owners_[flipping_];
    const int frames = cutOut_[owner - 1].empty()
                           ? (design_.pieces[owner - 1].empty() ? 0 : static_cast<int>(design_.pieces[owner - 1][0].size()))
                           : 1;
    if (step_ < frames) {
        // The turning frames belong to the side that lost the piece.
        const int loser = 3 - owner;
        sprites_[flipping_] = {Piece(loser, KindAt(flipping_), step_),
                               loser == 1 ? design_.transparent1st : design_.transparent2nd};
        ++step_;
    } else {
        sprites_[flipping_] = StillAt(flipping_);
        flipping_ = -1;
        pause_ = kPauseTicks;
    }
    update();
}

QImage BoardPreview::Render() const
{
    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(48, 48, 48));
    QPainter painter(&image);
    if (!design_.board.isNull()) {
        if (design_.stretch)
            painter.drawImage(QRect(0, 0, kSide, kSide), design_.board);
        else
            DrawCentred(painter, design_.board, QRect(0, 0, kSide, kSide));
    }
    for (int cell = 0; cell < 100; ++cell) {
        if (BoardStatus::IsOnBoard(cell / 10, cell % 10))
            DrawCentred(painter, Shown(sprites_[cell].picture, sprites_[cell].transparent), RectAt(cell));
    }
    DrawCentred(painter, TransparentCopy(design_.border), QRect(0, 0, kSide, kSide));
    return image;
}

void BoardPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const int side = qMin(width(), height());
    painter.fillRect(rect(), palette().window());
    painter.drawImage(QRect((width() - side) / 2, (height() - side) / 2, side, side), Render());
}
