#include "lists/listpictures.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

#include <functional>

#include "platform/qtlook.h"

namespace kubato {

using namespace Qt::StringLiterals;

namespace {

constexpr int PictureSize = 32;

QPixmap drawn(const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(PictureSize, PictureSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return pixmap;
}

// A greyed picture for a disabled button: the grey value of each pixel, lifted towards the
// silver of the tool bar so that it reads as inactive.
QPixmap greyed(const QPixmap &picture)
{
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = 96 + qGray(row[x]) * 5 / 8;
            row[x] = qRgba(grey, grey, grey, qAlpha(row[x]));
        }
    }
    return QPixmap::fromImage(image);
}

void drawTextLines(QPainter &p, const QRectF &sheet, int count)
{
    p.setPen(QPen(QColor(110, 110, 150), 1));
    const double left = sheet.left() + 2.5, right = sheet.right() - 2.5;
    for (int i = 0; i < count; ++i) {
        const double y = sheet.top() + 3.5 + i * 3;
        p.drawLine(QPointF(left, y), QPointF(i % 2 == 0 ? right : right - 3, y));
    }
}

void drawSheet(QPainter &p, const QRectF &sheet, int lines)
{
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawRect(sheet);
    drawTextLines(p, sheet, lines);
}

void drawPrinter(QPainter &p)
{
    // The sheet being printed stands out of the top of the printer.
    drawSheet(p, QRectF(8.5, 1.5, 15, 13), 3);
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(QColor(150, 150, 150));
    p.drawRoundedRect(QRectF(2.5, 11.5, 27, 12), 2, 2);
    p.setBrush(QColor(105, 105, 105));
    p.drawRect(QRectF(6.5, 11.5, 19, 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 200, 40));
    p.drawEllipse(QRectF(24, 17, 3, 3));
    // The printed sheet lies in the tray in front.
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF(
        {QPointF(7.5, 21.5), QPointF(24.5, 21.5), QPointF(27.5, 30.5), QPointF(4.5, 30.5)}));
    p.setPen(QPen(QColor(110, 110, 150), 1));
    p.drawLine(QPointF(8.5, 25), QPointF(23.5, 25));
    p.drawLine(QPointF(8, 28), QPointF(21, 28));
}

void drawClipboard(QPainter &p, const QRectF &board)
{
    p.setPen(QPen(QColor(90, 55, 20), 1.2));
    p.setBrush(QColor(185, 130, 70));
    p.drawRoundedRect(board, 2, 2);
    const QRectF paper = board.adjusted(2.5, 5, -2.5, -2.5);
    p.setPen(QPen(QColor(120, 120, 120), 0.8));
    p.setBrush(Qt::white);
    p.drawRect(paper);
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(QColor(200, 200, 210));
    const double clipWidth = board.width() * 0.5;
    p.drawRoundedRect(QRectF(board.center().x() - clipWidth / 2, board.top() - 2, clipWidth, 5),
                      1.5, 1.5);
}

void drawCopy(QPainter &p)
{
    const QRectF board(1.5, 6.5, 18, 24);
    drawClipboard(p, board);
    drawTextLines(p, board.adjusted(2.5, 5, -2.5, -2.5), 3);
    drawSheet(p, QRectF(21.5, 1.5, 9, 12), 3);
    // The arrow runs from the sheet into the clipboard.
    p.setPen(QPen(navy(), 1));
    p.setBrush(QColor(40, 90, 200));
    p.drawPolygon(QPolygonF({QPointF(29, 17), QPointF(29, 22), QPointF(17, 22), QPointF(17, 25.5),
                             QPointF(10, 19.5), QPointF(17, 13.5), QPointF(17, 17)}));
}

void drawClipboardQuestion(QPainter &p)
{
    const QRectF board(5.5, 4.5, 21, 26.5);
    drawClipboard(p, board);
    QFont font(u"Liberation Sans"_s);
    font.setPixelSize(19);
    font.setBold(true);
    p.setFont(font);
    p.setPen(navy());
    p.drawText(board.adjusted(2.5, 5, -2.5, -1.5), Qt::AlignCenter, u"?"_s);
}

} // namespace

QIcon printListIcon()
{
    return QIcon(drawn(drawPrinter));
}

QIcon copyListIcon()
{
    const QPixmap picture = drawn(drawCopy);
    QIcon icon(picture);
    icon.addPixmap(greyed(picture), QIcon::Disabled);
    return icon;
}

QIcon showClipboardIcon()
{
    return QIcon(drawn(drawClipboardQuestion));
}

} // namespace kubato
