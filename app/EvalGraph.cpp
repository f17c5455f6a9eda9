#include "app/EvalGraph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kMargin = 4;
// The scale never shrinks below this many pieces, so small games do not look dramatic.
constexpr int kMinScale = 10 * 100;

}  // namespace

EvalGraph::EvalGraph(QWidget* parent)
    : QWidget(parent)
{
    setMinimumHeight(90);
    setCursor(Qt::PointingHandCursor);
}

void EvalGraph::SetValues(std::vector<int> values)
{
    values_ = std::move(values);
    update();
}

void EvalGraph::SetShown(int shown)
{
    shown_ = shown;
    update();
}

double EvalGraph::XOf(int move) const
{
    const int count = std::max<int>(1, static_cast<int>(values_.size()));
    return kMargin + (width() - 2.0 * kMargin) * (move + 0.5) / count;
}

int EvalGraph::ShownAt(int x) const
{
    if (values_.empty())
        return 0;
    const int count = static_cast<int>(values_.size());
    const int move = static_cast<int>(std::floor((x - kMargin) * count / std::max(1.0, width() - 2.0 * kMargin)));
    return std::clamp(move, 0, count - 1) + 1;
}

void EvalGraph::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(255, 255, 255));
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const double middle = height() / 2.0;
    painter.drawLine(QPointF(kMargin, middle), QPointF(width() - kMargin, middle));
    if (values_.empty())
        return;

    int scale = kMinScale;
    for (const int value : values_)
        scale = std::max(scale, std::abs(value));
    const double half = middle - kMargin;
    QPainterPath path;
    QPolygonF area;
    area << QPointF(XOf(0), middle);
    for (std::size_t i = 0; i < values_.size(); ++i) {
        const QPointF point(XOf(static_cast<int>(i)), middle - half * values_[i] / scale);
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
        area << point;
    }
    area << QPointF(XOf(static_cast<int>(values_.size()) - 1), middle);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 40, 50));
    painter.drawPolygon(area);
    painter.setPen(QPen(QColor(20, 20, 20), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    if (shown_ > 0 && shown_ <= static_cast<int>(values_.size())) {
        painter.setPen(QPen(QColor(220, 0, 0), 1));
        const double x = XOf(shown_ - 1);
        painter.drawLine(QPointF(x, kMargin), QPointF(x, height() - kMargin));
    }
}

void EvalGraph::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !values_.empty())
        emit ShownClicked(ShownAt(static_cast<int>(event->position().x())));
}
