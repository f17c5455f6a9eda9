#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>

#include <functional>

namespace art {

enum Expression { kEqual = 0, kAhead = 1, kWon = 2, kBehind = 3, kLost = 4 };

enum class EyeStyle { Dot, Big, Led };
enum class MouthStyle { Human, Beak, Cat, Led, Mask };

inline const QColor kInk(62, 42, 34);

// One face character: what is drawn under and over the features, and where the features go.
struct Character {
    QColor backInner;
    QColor backOuter;
    std::function<void(QPainter&, int expression)> behind;
    std::function<void(QPainter&, int expression)> front;
    QPointF leftEye;
    QPointF rightEye;
    double eyeSize = 6.0;
    EyeStyle eyes = EyeStyle::Big;
    QColor iris = QColor(90, 60, 36);
    bool slitPupil = false;
    bool lashes = false;
    QPointF mouth;
    double mouthWidth = 16.0;
    MouthStyle mouthStyle = MouthStyle::Human;
    QColor brow = kInk;
    double browGap = 9.0;
    double browLength = 12.0;
    double browWidth = 2.4;
    // Some characters show brows only when they frown.
    bool browsWhenUpset = false;
    QColor blush = QColor(255, 110, 130, 110);
    QPointF sweat = QPointF(80, 30);
};

Character CharacterAt(int index);

} // namespace art
