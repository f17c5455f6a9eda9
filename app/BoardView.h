#pragma once

#include <QHash>
#include <QImage>
#include <QRegion>
#include <QWidget>

#include <vector>

class GameCycle;
class QPainter;

// The board as one widget: the board picture, the 100 cell sprites and the
// border overlay, painted in that order from what the turn cycle reports.
// Mouse presses and moves go to the cycle in board-picture coordinates.
class BoardView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSide = 400;

    // How much painting was done; tests and benchmarks read it.
    struct PaintStats {
        int paints = 0;
        int spritesDrawn = 0;
        QRegion lastRegion;
    };

    explicit BoardView(GameCycle& cycle, QWidget* parent = nullptr);

    // Repaints the sprites of the given cells (row * 10 + column) and nothing else.
    void RefreshCells(const std::vector<int>& cells);
    // Repaints board, sprites and border, after a new board or a redraw of every cell.
    void RefreshAll();

    const PaintStats& Stats() const { return stats_; }
    void ResetStats() { stats_ = PaintStats(); }

    // The picture as it is drawn: ARGB with the colour of its bottom-left
    // pixel made transparent when asked. Converted once per picture.
    QImage Prepared(const QImage& picture, bool transparent);

    QSize sizeHint() const override { return {kSide, kSide}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    using Cache = QHash<qint64, QImage>;

    QImage BoardImage();
    void DrawCentred(QPainter& painter, const QImage& image, const QRect& box);
    void FollowPointer(const QPoint& position);

    GameCycle& cycle_;
    // Pictures converted since the last new board, and those of the board before,
    // so a style change keeps at most two boards' worth of converted pictures.
    Cache opaque_;
    Cache transparent_;
    Cache previousOpaque_;
    Cache previousTransparent_;
    QImage stretchedBoard_;
    qint64 stretchedKey_ = 0;
    qreal stretchedRatio_ = 0;
    PaintStats stats_;
};
