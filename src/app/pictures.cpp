#include "app/pictures.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <functional>

#include "platform/qtlook.h"

namespace kubato {

using namespace Qt::StringLiterals;

namespace {

constexpr int ToolPictureSize = 32;

// Draws on a transparent square pixmap whose painter coordinates run from 0 to 32.
QPixmap drawn(int size, const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    draw(painter);
    return pixmap;
}

QIcon themedOr(const QString &themeName, const std::function<void(QPainter &)> &draw)
{
    return QIcon::fromTheme(themeName, QIcon(drawn(ToolPictureSize, draw)));
}

void drawPrism(QPainter &p)
{
    const QPointF back(19, 3), left(3, 11), right(29, 14);
    const double depth = 13;
    const QPointF leftLow(left.x(), left.y() + depth), rightLow(right.x(), right.y() + depth);
    p.setPen(QPen(navy(), 1.2));
    p.setBrush(QColor(150, 105, 60));
    p.drawPolygon(QPolygonF({left, right, rightLow, leftLow}));
    p.setBrush(QColor(120, 80, 45));
    p.drawPolygon(QPolygonF({right, back, QPointF(back.x(), back.y() + 4), rightLow}));
    p.setBrush(QColor(192, 220, 192));
    p.drawPolygon(QPolygonF({back, left, right}));
    p.drawLine(back, QPointF((left.x() + right.x()) / 2, (left.y() + right.y()) / 2));
}

void drawEraser(QPainter &p)
{
    p.translate(16, 17);
    p.rotate(-35);
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(QColor(240, 150, 160));
    p.drawRoundedRect(QRectF(-13, -6, 13, 12), 1.5, 1.5);
    p.setBrush(QColor(40, 90, 200));
    p.drawRoundedRect(QRectF(0, -6, 13, 12), 1.5, 1.5);
    p.resetTransform();
    p.setPen(QPen(QColor(120, 120, 120), 1.2));
    p.drawLine(QPointF(4, 29), QPointF(14, 29));
    p.drawLine(QPointF(7, 26), QPointF(11, 26));
}

void drawBook(QPainter &p)
{
    p.setPen(QPen(navy(), 1.2));
    p.setBrush(Qt::white);
    QPainterPath leftPage;
    leftPage.moveTo(16, 8);
    leftPage.cubicTo(12, 5, 6, 5, 2, 7);
    leftPage.lineTo(2, 27);
    leftPage.cubicTo(6, 25, 12, 25, 16, 28);
    leftPage.closeSubpath();
    QPainterPath rightPage;
    rightPage.moveTo(16, 8);
    rightPage.cubicTo(20, 5, 26, 5, 30, 7);
    rightPage.lineTo(30, 27);
    rightPage.cubicTo(26, 25, 20, 25, 16, 28);
    rightPage.closeSubpath();
    p.drawPath(leftPage);
    p.drawPath(rightPage);
    p.setPen(QPen(QColor(110, 110, 150), 1));
    for (int i = 0; i < 5; ++i) {
        const double y = 11 + i * 3.2;
        p.drawLine(QPointF(5, y), QPointF(13, y + 0.6));
        p.drawLine(QPointF(19, y + 0.6), QPointF(27, y));
    }
}

void drawInfo(QPainter &p)
{
    p.setPen(QPen(navy(), 1.2));
    p.setBrush(QColor(40, 90, 200));
    p.drawEllipse(QRectF(2, 2, 28, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(14, 7, 4.5, 4.5));
    p.drawRoundedRect(QRectF(13.5, 13.5, 5, 12), 1, 1);
    p.drawRect(QRectF(11.5, 13.5, 4, 2));
    p.drawRect(QRectF(11.5, 23.5, 9, 2));
}

void drawExit(QPainter &p)
{
    p.setPen(QPen(QColor(70, 45, 20), 1.2));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(4, 3, 16, 26));
    p.setBrush(QColor(170, 115, 60));
    p.drawPolygon(QPolygonF({QPointF(4, 3), QPointF(14, 6), QPointF(14, 31), QPointF(4, 29)}));
    p.setBrush(QColor(230, 200, 80));
    p.drawEllipse(QRectF(10.5, 16, 2.5, 2.5));
    p.setPen(QPen(QColor(0, 120, 0), 1));
    p.setBrush(QColor(40, 170, 40));
    p.drawPolygon(QPolygonF({QPointF(17, 13), QPointF(24, 13), QPointF(24, 8), QPointF(31, 16.5),
                             QPointF(24, 25), QPointF(24, 20), QPointF(17, 20)}));
}

QPixmap lettering(const QString &text, const QFont &font, const QColor &colour)
{
    const QFontMetrics metrics(font);
    QPixmap pixmap(metrics.horizontalAdvance(text) + 2, metrics.height());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(1, metrics.ascent(), text);
    return pixmap;
}

} // namespace

QPixmap programPicture(int size)
{
    return drawn(size, drawPrism);
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128}) {
        icon.addPixmap(programPicture(size));
    }
    return icon;
}

QIcon resetIcon()
{
    return themedOr(u"edit-clear"_s, drawEraser);
}

QIcon explainIcon()
{
    return themedOr(u"help-contents"_s, drawBook);
}

QIcon infoIcon()
{
    return themedOr(u"help-about"_s, drawInfo);
}

QIcon exitIcon()
{
    return themedOr(u"application-exit"_s, drawExit);
}

QPixmap nameLettering()
{
    QFont font(u"Liberation Sans"_s);
    font.setPixelSize(20);
    font.setBold(true);
    font.setItalic(true);
    return lettering(u"KUBATO"_s, font, navy());
}

QPixmap subjectLettering()
{
    QFont font(u"Liberation Sans"_s);
    font.setPixelSize(13);
    font.setItalic(true);
    return lettering(u"Erdmassen aus Dreiecksprismen"_s, font, QColor(40, 40, 40));
}

} // namespace kubato
