#pragma once

#include <QImage>
#include <QWidget>

#include <array>
#include <vector>

class QTimer;

// A board design shown as the game shows it: the board picture, the cell
// pictures of a mid-game position with pieces of every kind of both sides,
// and the border on top; one piece after another flips with the design's
// turning frames at its interval.
class BoardPreview : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSide = 400;

    struct Design {
        QImage board;
        QImage border;
        QImage noFloat;
        QImage board1st;  // the Picture type's whole-board pictures
        QImage board2nd;
        bool stretch = true;
        int type = 0;  // as BoardStyle: 1 Normal, 2 Random, 3 Picture, else none
        int interval = 100;
        bool transparentNoFloat = false;
        bool transparent1st = false;
        bool transparent2nd = false;
        // [side 0 or 1][kind][frame], the frames of a kind up to its first gap.
        std::array<std::vector<std::vector<QImage>>, 2> pieces;
    };

    explicit BoardPreview(QWidget* parent = nullptr);

    // Shows the design from the first position again.
    void SetDesign(const Design& design);
    // One animation step, as the timer runs it.
    void Tick();
    // The board at its own size, as painted.
    QImage Render() const;

    int OwnerAt(int cell) const { return owners_[cell]; }
    // The cell flipping now, or -1 between flips.
    int FlippingCell() const { return flipping_; }

    QSize sizeHint() const override { return {kSide, kSide}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Sprite {
        QImage picture;
        bool transparent = false;
    };

    int KindAt(int cell) const;
    QImage Piece(int side, int kind, int frame) const;
    Sprite StillAt(int cell) const;
    QRect RectAt(int cell) const;
    void Reset();

    QTimer* timer_;
    Design design_;
    // The Picture type's cut-out squares per side, by playable cell.
    std::array<std::vector<QImage>, 2> cutOut_;
    std::array<int, 100> owners_{};
    std::array<Sprite, 100> sprites_{};
    std::vector<int> flipOrder_;
    int nextFlip_ = 0;
    int flipping_ = -1;
    int step_ = 0;
    int pause_ = 0;
};
