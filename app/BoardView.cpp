#include "app/BoardView.h"

#include "app/GameCycle.h"
#include "data/BoardStyle.h"
#include "pictures/Transparency.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Shown where the board picture does not reach, and before any board is loaded.
const QColor kWell(48, 48, 48);

// Cells lie on a 37-pixel pitch from (16, 16) of the board picture.
constexpr int kCellOrigin = 16;
constexpr int kCellPitch = 37;
// The middle of a cell, where the marks sit and their colour is measured.
constexpr int kMiddleInset = 9;

QImage OpaqueCopy(const QImage& picture)
{
    return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                             : QImage::Format_RGB32);
}

QRect Middle(const QSize& size)
{
    return QRect(0, 0, size.width(), size.height()).adjusted(kMiddleInset, kMiddleInset, -kMiddleInset, -kMiddleInset);
}

}  // namespace

BoardView::BoardView(GameCycle& cycle, QWidget* parent)
    : QWidget(parent), cycle_(cycle)
{
    setObjectName(QStringLiteral("ImageBoard"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(kSide, kSide);
    resize(kSide, kSide);
    Layout();
}

void BoardView::RefreshCells(const std::vector<int>& cells)
{
    for (const int cell : cells) {
        if (cell < 0 || cell >= 100)
            continue;
        const QRect& rect = cycle_.SpriteAt(cell / 10, cell % 10).rect;
        if (!rect.isEmpty())
            update(ToWidget(rect));
    }
}

void BoardView::RefreshAll()
{
    previousOpaque_ = std::move(opaque_);
    previousTransparent_ = std::move(transparent_);
    previousScaled_ = std::move(scaled_);
    opaque_.clear();
    transparent_.clear();
    scaled_.clear();
    spriteTones_.clear();
    toneBoardKey_ = -1;
    update();
}

void BoardView::SetMarkOptions(const Settings::MarkOptions& options)
{
    if (options == markOptions_)
        return;
    const bool relayout = options.coordinates != markOptions_.coordinates;
    markOptions_ = options;
    if (relayout) {
        Layout();
        update();
    }
    RefreshMarks();
}

void BoardView::RefreshMarks()
{
    Marks next;
    if (markOptions_.legalMoves)
        next.legal = cycle_.UserLegalCells();
    if (markOptions_.lastMove)
        next.lastMove = cycle_.LastMove();
    next.hint = cycle_.HintCell();
    next.cursor = hasFocus() ? cursor_.Cell() : -1;
    if (next == marks_)
        return;
    const std::bitset<100> legalChanged = next.legal ^ marks_.legal;
    for (int cell = 0; cell < 100; ++cell) {
        if (legalChanged.test(static_cast<std::size_t>(cell)))
            UpdateCell(cell);
    }
    for (const int cell : {marks_.lastMove, next.lastMove, marks_.hint, next.hint, marks_.cursor, next.cursor})
        UpdateCell(cell);
    marks_ = next;
}

QRectF BoardView::PictureArea() const
{
    return {origin_, QSizeF(kSide * scale_, kSide * scale_)};
}

QPoint BoardView::ToPicture(const QPointF& position) const
{
    return {static_cast<int>(std::floor((position.x() - origin_.x()) / scale_)),
            static_cast<int>(std::floor((position.y() - origin_.y()) / scale_))};
}

QRect BoardView::ToWidget(const QRect& pictureRect) const
{
    const int left = static_cast<int>(std::floor(origin_.x() + pictureRect.x() * scale_ + 1e-9));
    const int top = static_cast<int>(std::floor(origin_.y() + pictureRect.y() * scale_ + 1e-9));
    const int right = static_cast<int>(std::ceil(origin_.x() + (pictureRect.x() + pictureRect.width()) * scale_ - 1e-9));
    const int bottom =
        static_cast<int>(std::ceil(origin_.y() + (pictureRect.y() + pictureRect.height()) * scale_ - 1e-9));
    return {left, top, right - left, bottom - top};
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

void BoardView::Layout()
{
    const double band = markOptions_.coordinates ? kCoordinateBand : 0;
    const double side = std::min(width(), height());
    const double scale = std::max(side, 1.0) / (kSide + 2 * band);
    const qreal ratio = devicePixelRatioF();
    const double board = kSide * scale;
    // The picture starts on a whole device pixel, so every picture is a plain copy of its scaled pixels.
    const QPointF origin(std::round((width() - board) / 2 * ratio) / ratio, std::round((height() - board) / 2 * ratio) / ratio);
    if (scale != scale_ || ratio != layoutRatio_) {
        scaled_.clear();
        previousScaled_.clear();
    }
    scale_ = scale;
    layoutRatio_ = ratio;
    origin_ = origin;
}

QImage BoardView::Scaled(const QImage& prepared, int width, int height)
{
    const ScaledKey key{prepared.cacheKey(), width, height};
    const auto found = scaled_.constFind(key);
    if (found != scaled_.cend())
        return *found;
    QImage image;
    const auto kept = previousScaled_.constFind(key);
    if (kept != previousScaled_.cend())
        image = *kept;
    else if (prepared.width() == width && prepared.height() == height)
        image = prepared;
    else
        image = prepared.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(layoutRatio_);
    scaled_.insert(key, image);
    return image;
}

void BoardView::DrawPicture(QPainter& painter, const QImage& prepared, QSize size, const QRect& box)
{
    if (prepared.isNull())
        return;
    const QRect target(box.x() + (box.width() - size.width()) / 2, box.y() + (box.height() - size.height()) / 2,
                       size.width(), size.height());
    const QRect visible = target & box;
    if (visible.isEmpty())
        return;
    const qreal ratio = layoutRatio_;
    const auto device = [&](double picture, double origin) {
        return static_cast<int>(std::lround((origin + picture * scale_) * ratio));
    };
    const int left = device(target.x(), origin_.x());
    const int top = device(target.y(), origin_.y());
    const int width = device(target.x() + target.width(), origin_.x()) - left;
    const int height = device(target.y() + target.height(), origin_.y()) - top;
    if (width <= 0 || height <= 0)
        return;
    const QImage image = Scaled(prepared, width, height);
    const QPointF at(left / ratio, top / ratio);
    if (visible == target) {
        painter.drawImage(at, image);
        return;
    }
    const int clipLeft = device(visible.x(), origin_.x());
    const int clipTop = device(visible.y(), origin_.y());
    const QRectF clip(clipLeft / ratio, clipTop / ratio, (device(visible.x() + visible.width(), origin_.x()) - clipLeft) / ratio,
                      (device(visible.y() + visible.height(), origin_.y()) - clipTop) / ratio);
    painter.save();
    painter.setClipRect(clip, Qt::IntersectClip);
    painter.drawImage(at, image);
    painter.restore();
}

void BoardView::paintEvent(QPaintEvent* event)
{
    const QRegion& region = event->region();
    ++stats_.paints;
    stats_.lastRegion = region;
    if (devicePixelRatioF() != layoutRatio_)
        Layout();

    QPainter painter(this);
    for (const QRect& rect : region)
        painter.fillRect(rect, kWell);

    const BoardStyle& style = cycle_.Style();
    const QRect picture(0, 0, kSide, kSide);
    const QImage& board = style.BoardPicture();
    if (!board.isNull())
        DrawPicture(painter, Prepared(board, false), style.Stretch() == 1 ? picture.size() : board.size(), picture);

    for (int row = 0; row < 10; ++row) {
        for (int column = 0; column < 10; ++column) {
            const GameCycle::Sprite& sprite = cycle_.SpriteAt(row, column);
            if (sprite.rect.isEmpty() || sprite.picture.isNull() || !region.intersects(ToWidget(sprite.rect)))
                continue;
            DrawPicture(painter, Prepared(sprite.picture, sprite.transparent), sprite.picture.size(), sprite.rect);
            ++stats_.spritesDrawn;
        }
    }

    const QImage& border = style.BorderPicture();
    if (cycle_.BorderShown() && !border.isNull())
        DrawPicture(painter, Prepared(border, true), border.size(), picture);

    DrawMarks(painter, region);
    if (markOptions_.coordinates && !region.subtracted(QRegion(PictureArea().toAlignedRect())).isEmpty())
        DrawCoordinates(painter);
}

void BoardView::DrawMarks(QPainter& painter, const QRegion& region)
{
    const bool any = marks_.legal.any() || marks_.lastMove >= 0 || marks_.hint >= 0 || marks_.cursor >= 0;
    if (!any)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double cell = kCellPitch * scale_;
    const double line = std::max(1.0, cell * 0.045);
    for (int index = 0; index < 100; ++index) {
        const bool legal = marks_.legal.test(static_cast<std::size_t>(index));
        const bool last = index == marks_.lastMove;
        const bool hint = index == marks_.hint;
        const bool cursor = index == marks_.cursor;
        if (!legal && !last && !hint && !cursor)
            continue;
        const QRect box = ToWidget(CellBox(index));
        if (!region.intersects(box))
            continue;
        const double luminance = CellLuminance(index);
        const QPointF centre(origin_.x() + (CellBox(index).x() + kCellPitch / 2.0) * scale_,
                             origin_.y() + (CellBox(index).y() + kCellPitch / 2.0) * scale_);
        if (legal) {
            painter.setPen(QPen(MarkTone::Halo(luminance, 110), line));
            painter.setBrush(MarkTone::Ink(luminance, 120));
            painter.drawEllipse(centre, cell * 0.13, cell * 0.13);
        }
        if (last) {
            painter.setPen(QPen(MarkTone::Halo(luminance, 200), line));
            painter.setBrush(MarkTone::Ink(luminance, 235));
            painter.drawEllipse(centre, cell * 0.11, cell * 0.11);
        }
        if (hint) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(MarkTone::Halo(luminance, 160), line * 3.2));
            painter.drawEllipse(centre, cell * 0.33, cell * 0.33);
            painter.setPen(QPen(MarkTone::Ink(luminance, 240), line * 1.6));
            painter.drawEllipse(centre, cell * 0.33, cell * 0.33);
        }
        if (cursor) {
            const QRectF frame = QRectF(box).adjusted(line * 1.5, line * 1.5, -line * 1.5, -line * 1.5);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(MarkTone::Halo(luminance, 200), line * 3));
            painter.drawRoundedRect(frame, line * 2, line * 2);
            painter.setPen(QPen(MarkTone::Ink(luminance, 255), line * 1.5));
            painter.drawRoundedRect(frame, line * 2, line * 2);
        }
    }
    painter.restore();
}

void BoardView::DrawCoordinates(QPainter& painter)
{
    painter.save();
    QFont font = painter.font();
    font.setPixelSize(std::max(7, static_cast<int>(std::lround(10 * scale_))));
    painter.setFont(font);
    painter.setPen(MarkTone::Ink(kWell.lightness(), 210));
    const double band = kCoordinateBand * scale_;
    const QRectF area = PictureArea();
    for (int index = 0; index < 10; ++index) {
        const double middle = (kCellOrigin + kCellPitch * index + kCellPitch / 2.0) * scale_;
        const QRectF column(area.left() + middle - band, area.top() - band, 2 * band, band);
        painter.drawText(column, Qt::AlignCenter, QString(QChar(u'a' + index)));
        const QRectF row(area.left() - band, area.top() + middle - band / 2, band, band);
        painter.drawText(row, Qt::AlignCenter, QString::number(index + 1));
    }
    painter.restore();
}

QRect BoardView::CellBox(int cell)
{
    return {kCellOrigin + kCellPitch * (cell % 10), kCellOrigin + kCellPitch * (cell / 10), kCellPitch, kCellPitch};
}

void BoardView::UpdateCell(int cell)
{
    if (cell >= 0 && cell < 100)
        update(ToWidget(CellBox(cell)));
}

double BoardView::BoardLuminance(int cell)
{
    const BoardStyle& style = cycle_.Style();
    const QImage& board = style.BoardPicture();
    const qint64 key = board.isNull() ? 0 : board.cacheKey() * 2 + (style.Stretch() == 1 ? 1 : 0);
    if (key != toneBoardKey_) {
        toneBoardKey_ = key;
        QImage reference(kSide, kSide, QImage::Format_RGB32);
        reference.fill(kWell);
        if (!board.isNull()) {
            QPainter painter(&reference);
            const QImage prepared = Prepared(board, false);
            if (style.Stretch() == 1)
                painter.drawImage(reference.rect(), prepared);
            else
                painter.drawImage(QPoint((kSide - board.width()) / 2, (kSide - board.height()) / 2), prepared);
        }
        for (int index = 0; index < 100; ++index) {
            const QRect box = CellBox(index);
            boardTone_[index] = MarkTone::Measure(reference, Middle(box.size()).translated(box.topLeft())).luminance;
        }
    }
    return boardTone_[cell];
}

double BoardView::CellLuminance(int cell)
{
    const double board = BoardLuminance(cell);
    const GameCycle::Sprite& sprite = cycle_.SpriteAt(cell / 10, cell % 10);
    if (sprite.picture.isNull())
        return board;
    const QImage prepared = Prepared(sprite.picture, sprite.transparent);
    auto found = spriteTones_.constFind(prepared.cacheKey());
    if (found == spriteTones_.cend()) {
        // The picture is drawn centred on the cell, so its own middle lies under the marks.
        const QRect middle = Middle(QSize(kCellPitch, kCellPitch))
                                 .translated((prepared.width() - kCellPitch) / 2, (prepared.height() - kCellPitch) / 2);
        found = spriteTones_.insert(prepared.cacheKey(), MarkTone::Measure(prepared, middle));
    }
    return MarkTone::Over(*found, board);
}

void BoardView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Layout();
    update();
}

bool BoardView::event(QEvent* event)
{
    // Letters and digits on the board name cells, ahead of any single-key shortcut.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if ((key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0 && text.size() == 1 &&
            text[0].isLetterOrNumber() && text[0].toLatin1() != 0) {
            const char typed = text[0].toLower().toLatin1();
            if ((typed >= 'a' && typed <= 'j') || (typed >= '0' && typed <= '9')) {
                event->accept();
                return true;
            }
        }
    }
    return QWidget::event(event);
}

void BoardView::keyPressEvent(QKeyEvent* event)
{
    const struct {
        int key;
        int rowStep;
        int columnStep;
    } steps[] = {{Qt::Key_Up, -1, 0}, {Qt::Key_Down, 1, 0}, {Qt::Key_Left, 0, -1}, {Qt::Key_Right, 0, 1}};
    for (const auto& step : steps) {
        if (event->key() == step.key) {
            cursor_.Step(step.rowStep, step.columnStep);
            RefreshMarks();
            return;
        }
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        cycle_.ChooseCell(cursor_.Cell());
        return;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].toLatin1() != 0 && cursor_.Type(text[0].toLatin1())) {
        RefreshMarks();
        if (text[0].toLower() == QLatin1Char('h'))
            emit HintKey();
        return;
    }
    QWidget::keyPressEvent(event);
}

void BoardView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    RefreshMarks();
}

void BoardView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    RefreshMarks();
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    const QPoint point = ToPicture(event->position());
    if (event->button() == Qt::LeftButton) {
        cursor_.MoveTo(cycle_.CellAt(point.x(), point.y()));
        cycle_.ImageBoardMouseDown(point.x(), point.y());
        RefreshMarks();
    }
    FollowPointer(point);
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    FollowPointer(ToPicture(event->position()));
}

void BoardView::FollowPointer(const QPoint& position)
{
    const Qt::CursorShape shape =
        cycle_.ImageBoardMouseMove(position.x(), position.y()) ? Qt::CrossCursor : Qt::ArrowCursor;
    if (cursor().shape() != shape)
        setCursor(shape);
}
