#include "app/BoardView.h"

#include "app/GameCycle.h"
#include "data/BoardStyle.h"
#include "pictures/Transparency.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace {

// Shown where the board picture does not reach, and before any board is loaded.
const QColor kWell(48, 48, 48);

QImage OpaqueCopy(const QImage& picture)
{
    return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB32);
}

QPoint PicturePoint(const QPointF& position)
{
    return {static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y()))};
}

}  // namespace

BoardView::BoardView(GameCycle& cycle, QWidget* parent)
    : QWidget(parent), cycle_(cycle)
{
    setObjectName(QStringLiteral("ImageBoard"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFixedSize(kSide, kSide);
}

void BoardView::RefreshCells(const std::vector<int>& cells)
{
    for (const int cell : cells) {
        if (cell < 0 || cell >= 100)
            continue;
        const QRect& rect = cycle_.SpriteAt(cell / 10, cell % 10).rect;
        if (!rect.isEmpty())
            update(rect);
    }
}

void BoardView::RefreshAll()
{
    previousOpaque_ = std::move(opaque_);
    previousTransparent_ = std::move(transparent_);
    opaque_.clear();
    transparent_.clear();
    update();
}

QImage BoardView::Prepared(const QImage& picture, bool transparent)
{
    if (picture.isNull())
        return {};
    Cache& current = transparent ? transparent_ : opaque_;
    const qint64 key = picture.cacheKey();
    const auto found = current.constFind(key);
    if (found != current.cend())
        return *found;
    Cache& previous = transparent ? previousTransparent_ : previousOpaque_;
    const auto kept = previous.constFind(key);
    QImage converted;
    if (kept != previous.cend())
        converted = *kept;
    else if (transparent)
        converted = TransparentCopy(picture).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    else
        converted = OpaqueCopy(picture);
    current.insert(key, converted);
    return converted;
}

QImage BoardView::BoardImage()
{
    const BoardStyle& style = cycle_.Style();
    const QImage& board = style.BoardPicture();
    if (board.isNull())
        return {};
    const QImage prepared = Prepared(board, false);
    const qreal ratio = devicePixelRatioF();
    if (style.Stretch() != 1 || (board.size() == QSize(kSide, kSide) && ratio == 1.0))
        return prepared;
    if (stretchedKey_ != board.cacheKey() || stretchedRatio_ != ratio) {
        const int side = qRound(kSide * ratio);
        stretchedBoard_ = prepared.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        stretchedBoard_.setDevicePixelRatio(ratio);
        stretchedKey_ = board.cacheKey();
        stretchedRatio_ = ratio;
    }
    return stretchedBoard_;
}

void BoardView::DrawCentred(QPainter& painter, const QImage& image, const QRect& box)
{
    if (image.isNull())
        return;
    const QSize size = image.deviceIndependentSize().toSize();
    const QRect target(box.x() + (box.width() - size.width()) / 2, box.y() + (box.height() - size.height()) / 2,
                       size.width(), size.height());
    const QRect visible = target & box;
    if (visible.isEmpty())
        return;
    if (visible == target) {
        painter.drawImage(target.topLeft(), image);
        return;
    }
    const qreal ratio = image.devicePixelRatio();
    const QRectF source(QPointF(visible.topLeft() - target.topLeft()) * ratio, QSizeF(visible.size()) * ratio);
    painter.drawImage(QRectF(visible), image, source);
}

void BoardView::paintEvent(QPaintEvent* event)
{
    const QRegion& region = event->region();
    ++stats_.paints;
    stats_.lastRegion = region;

    QPainter painter(this);
    if (!qFuzzyCompare(devicePixelRatioF(), std::round(devicePixelRatioF())))
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const QRect& rect : region)
        painter.fillRect(rect, kWell);
    DrawCentred(painter, BoardImage(), rect());

    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column) {
            const GameCycle::Sprite& sprite = cycle_.SpriteAt(row, column);
            if (sprite.rect.isEmpty() || sprite.picture.isNull() || !region.intersects(sprite.rect))
                continue;
            DrawCentred(painter, Prepared(sprite.picture, sprite.transparent), sprite.rect);
            ++stats_.spritesDrawn;
        }
    }

    if (cycle_.BorderShown())
        DrawCentred(painter, Prepared(cycle_.Style().BorderPicture(), true), rect());
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = PicturePoint(event->position());
    if (event->button() == Qt::LeftButton)
        cycle_.ImageBoardMouseDown(point.x(), point.y());
    FollowPointer(point);
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    FollowPointer(PicturePoint(event->position()));
}

void BoardView::FollowPointer(const QPoint& position)
{
    const Qt::CursorShape shape =
        cycle_.ImageBoardMouseMove(position.x(), position.y()) ? Qt::CrossCursor : Qt::ArrowCursor;
    if (cursor().shape() != shape)
        setCursor(shape);
}
