#include "app/lamp.h"

#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

namespace kubato {

namespace {

void drawBall(QPainter &painter, const QRectF &box, const QColor &colour)
{
    QRadialGradient shade(box.center() - QPointF(box.width() * 0.2, box.height() * 0.2),
                          box.width() * 0.7);
    shade.setColorAt(0, colour.lighter(170));
    shade.setColorAt(0.5, colour);
    shade.setColorAt(1, colour.darker(160));
    painter.setPen(QPen(QColor(64, 64, 64), 1));
    painter.setBrush(shade);
    painter.drawEllipse(box);
}

} // namespace

Lamp::Lamp(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void Lamp::setOn(bool on)
{
    if (on != mOn) {
        mOn = on;
        update();
    }
}

void Lamp::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double diameter = std::min(height() - 4.0, (width() - 8.0) / 2.0);
    const double top = (height() - diameter) / 2.0;
    const double gap = (width() - 2.0 * diameter) / 3.0;
    const QRectF left(gap, top, diameter, diameter);
    const QRectF right(2.0 * gap + diameter, top, diameter, diameter);
    const QColor grey(160, 160, 160);
    drawBall(painter, left, mOn ? grey : QColor(230, 0, 0));
    drawBall(painter, right, mOn ? QColor(0, 200, 0) : grey);
}

} // namespace kubato
