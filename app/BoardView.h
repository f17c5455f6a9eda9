#pragma once

#include "app/CellCursor.h"
#include "app/MarkTone.h"
#include "setup/Settings.h"

#include <QHash>
#include <QImage>
#include <QRegion>
#include <QWidget>

#include <bitset>
#include <vector>

class GameCycle;
class QPainter;

// The board as one widget: the board picture, the 100 cell sprites, the
// border overlay and the marks, painted in that order from what the turn
// cycle reports, scaled to the largest square that fits. Mouse presses and
// moves go to the cycle in board-picture coordinates.
class BoardView : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSide = 400;
    // Room for the coordinates on each side of the board picture, in picture pixels.
    static constexpr int kCoordinateBand = 16;

    // How much painting was done; tests and benchmarks read it.
    struct PaintStats {
        int paints = 0;
        int spritesDrawn = 0;
        QRegion lastRegion;
    };

    // What is marked on the board; the view repaints the cells whose marks change.
    struct Marks {
        std::bitset<100> legal;
        int lastMove = -1;
        int hint = -1;
        int cursor = -1;

        bool operator==(const Marks&) const = default;
    };

    explicit BoardView(GameCycle& cycle, QWidget* parent = nullptr);

    // Repaints the sprites of the given cells (row * 10 + column) and nothing else.
    void RefreshCells(const std::vector<int>& cells);
    // Repaints board, sprites and border, after a new board or a redraw of every cell.
    void RefreshAll();

    void SetMarkOptions(const Settings::MarkOptions& options);
    const Settings::MarkOptions& MarkOptions() const { return markOptions_; }
    // Takes the marks from the cycle and the options; repaints the cells whose marks changed.
    void RefreshMarks();
    const Marks& ShownMarks() const { return marks_; }

    // Where the 400 x 400 board picture lies in the widget, and how it maps.
    QRectF PictureArea() const;
    double Scale() const { return scale_; }
    // A widget point in board-picture coordinates.
    QPoint ToPicture(const QPointF& position) const;
    // The widget pixels covering a rectangle of board-picture coordinates.
    QRect ToWidget(const QRect& pictureRect) const;

    // The keyboard's cell cursor, shown while the board has the focus.
    const CellCursor& Cursor() const { return cursor_; }

    const PaintStats& Stats() const { return stats_; }
    void ResetStats() { stats_ = PaintStats(); }

    // The picture as it is drawn: ARGB with the colour of its bottom-left
    // pixel made transparent when asked. Converted once per picture.
    QImage Prepared(const QImage& picture, bool transparent);

    QSize sizeHint() const override { return {kSide, kSide}; }
    QSize minimumSizeHint() const override { return {kSide, kSide}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

signals:
    // H typed on the board: the start of a column-h cell name, and the hint command.
    void HintKey();

private:
    using Cache = QHash<qint64, QImage>;
    struct ScaledKey {
        qint64 picture;
        int width;
        int height;
        bool operator==(const ScaledKey&) const = default;
    };
    friend size_t qHash(const ScaledKey& key, size_t seed) { return qHashMulti(seed, key.picture, key.width, key.height); }

    void Layout();
    // The picture drawn with its own size (in picture pixels) centred in box, both in picture coordinates.
    void DrawPicture(QPainter& painter, const QImage& prepared, QSize size, const QRect& box);
    QImage Scaled(const QImage& prepared, int width, int height);
    void DrawMarks(QPainter& painter, const QRegion& region);
    void DrawCoordinates(QPainter& painter);
    // The 37-pixel square of a cell, where its marks are drawn.
    static QRect CellBox(int cell);
    void UpdateCell(int cell);
    // Luminance under the middle of a cell as shown now.
    double CellLuminance(int cell);
    double BoardLuminance(int cell);
    void FollowPointer(const QPoint& position);

    GameCycle& cycle_;
    // Pictures converted since the last new board, and those of the board before,
    // so a style change keeps at most two boards' worth of converted pictures.
    Cache opaque_;
    Cache transparent_;
    Cache previousOpaque_;
    Cache previousTransparent_;
    // Pictures scaled to device pixels for the present size.
    QHash<ScaledKey, QImage> scaled_;
    QHash<ScaledKey, QImage> previousScaled_;
    PaintStats stats_;

    Settings::MarkOptions markOptions_;
    Marks marks_;
    CellCursor cursor_;
    QPointF origin_;
    double scale_ = 1;
    qreal layoutRatio_ = 1;
    // Board luminance per cell, for the board picture with this cache key.
    qint64 toneBoardKey_ = -1;
    double boardTone_[100] = {};
    // Tones of prepared sprite pictures by cache key.
    QHash<qint64, MarkTone::Tone> spriteTones_;
};
