#include "ui/Icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ui {

namespace {

constexpr int kSide = 64;
const QColor kWine(128, 0, 32);
const QColor kInk(40, 40, 60);
const QColor kGlass(220, 232, 240);

void DrawBottle(QPainter& p) {
    QPainterPath body;
    body.moveTo(27, 4);
    body.lineTo(37, 4);
    body.lineTo(37, 20);
    body.cubicTo(37, 26, 46, 26, 46, 34);
    body.lineTo(46, 58);
    body.quadTo(46, 61, 43, 61);
    body.lineTo(21, 61);
    body.quadTo(18, 61, 18, 58);
    body.lineTo(18, 34);
    body.cubicTo(18, 26, 27, 26, 27, 20);
    body.closeSubpath();
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(30, 80, 40));
    p.drawPath(body);
    p.setBrush(QColor(245, 240, 220));
    p.drawRect(QRectF(21, 38, 22, 14));
    p.setBrush(kWine);
    p.drawRect(QRectF(26, 2, 12, 6));
}

void DrawGlass(QPainter& p) {
    QPainterPath bowl;
    bowl.moveTo(16, 6);
    bowl.lineTo(48, 6);
    bowl.cubicTo(50, 26, 44, 36, 32, 36);
    bowl.cubicTo(20, 36, 14, 26, 16, 6);
    p.setPen(QPen(kInk, 2));
    p.setBrush(kGlass);
    p.drawPath(bowl);
    QPainterPath wine;
    wine.moveTo(16.5, 16);
    wine.lineTo(47.5, 16);
    wine.cubicTo(48, 28, 43, 34, 32, 34);
    wine.cubicTo(21, 34, 16, 28, 16.5, 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kWine);
    p.drawPath(wine);
    p.setPen(QPen(kInk, 3));
    p.drawLine(QPointF(32, 36), QPointF(32, 54));
    p.setPen(QPen(kInk, 2));
    p.setBrush(kGlass);
    p.drawEllipse(QRectF(18, 52, 28, 8));
}

void DrawDishes(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(14, 14, 36, 36));
    p.setBrush(QColor(235, 235, 235));
    p.drawEllipse(QRectF(21, 21, 22, 22));
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 12), QPointF(7, 56)); // fork
    for (int x : {4, 7, 10})
        p.drawLine(QPointF(x, 6), QPointF(x, 18));
    p.drawLine(QPointF(57, 6), QPointF(57, 56)); // knife
    p.setBrush(kInk);
    p.drawChord(QRectF(53, 4, 8, 30), 90 * 16, 180 * 16);
}

void DrawSearch(QPainter& p) {
    p.setPen(QPen(kInk, 4));
    p.setBrush(kGlass);
    p.drawEllipse(QRectF(8, 8, 32, 32));
    p.setPen(QPen(QColor(120, 80, 30), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(38, 38), QPointF(56, 56));
    p.setPen(Qt::NoPen);
    p.setBrush(kWine);
    p.drawEllipse(QRectF(18, 18, 12, 12));
}

void DrawAdmin(QPainter& p) {
    // A book of records: cover and ruled page.
    p.setPen(QPen(kInk, 2));
    p.setBrush(kWine);
    p.drawRoundedRect(QRectF(10, 6, 44, 52), 3, 3);
    p.setBrush(QColor(250, 246, 230));
    p.drawRect(QRectF(16, 10, 34, 44));
    p.setPen(QPen(kInk, 2));
    for (int y = 18; y <= 46; y += 7)
        p.drawLine(QPointF(20, y), QPointF(46, y));
}

void DrawQuit(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(150, 100, 50));
    p.drawRect(QRectF(10, 6, 28, 52)); // door
    p.setBrush(QColor(230, 200, 80));
    p.drawEllipse(QRectF(30, 30, 4, 4));
    p.setPen(QPen(kWine, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(34, 32), QPointF(58, 32));
    p.drawLine(QPointF(50, 24), QPointF(58, 32));
    p.drawLine(QPointF(50, 40), QPointF(58, 32));
}

void DrawHelp(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(30, 60, 140));
    p.drawEllipse(QRectF(6, 6, 52, 52));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(6, 6, 52, 52), Qt::AlignCenter, QStringLiteral("?"));
}

void DrawPrinter(QPainter& p) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(18, 6, 28, 18));
    p.setBrush(QColor(150, 150, 160));
    p.drawRoundedRect(QRectF(6, 22, 52, 24), 4, 4);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(16, 38, 32, 20));
    p.setPen(QPen(kInk, 1.5));
    for (int y : {44, 49, 54}) p.drawLine(QPointF(20, y), QPointF(44, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 170, 60));
    p.drawEllipse(QRectF(48, 27, 5, 5));
}

void DrawChart(QPainter& p) {
    const QRectF pie(6, 6, 52, 52);
    p.setPen(QPen(kInk, 2));
    p.setBrush(kWine);
    p.drawPie(pie, 90 * 16, 150 * 16);
    p.setBrush(QColor(240, 220, 130));
    p.drawPie(pie, 240 * 16, 80 * 16);
    p.setBrush(QColor(240, 170, 180));
    p.drawPie(pie, 320 * 16, 130 * 16);
}

void DrawOk(QPainter& p) {
    QPainterPath tick;
    tick.moveTo(10, 34);
    tick.lineTo(26, 50);
    tick.lineTo(54, 14);
    p.setPen(QPen(QColor(30, 130, 40), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

void DrawCancel(QPainter& p) {
    p.setPen(QPen(QColor(190, 30, 30), 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 14), QPointF(50, 50));
    p.drawLine(QPointF(50, 14), QPointF(14, 50));
}

void DrawEmblem(QPainter& p) {
    // A barrel standing on its end: staves, two ends and three hoops.
    QPainterPath body;
    body.moveTo(16, 10);
    body.cubicTo(8, 24, 8, 40, 16, 54);
    body.lineTo(48, 54);
    body.cubicTo(56, 40, 56, 24, 48, 10);
    body.closeSubpath();
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(168, 110, 58));
    p.drawPath(body);
    p.setPen(QPen(QColor(120, 74, 36), 1.5));
    for (double x : {24.0, 32.0, 40.0})
        p.drawLine(QPointF(x, 10), QPointF(x, 54));
    p.setPen(QPen(kInk, 3));
    p.drawLine(QPointF(11.5, 22), QPointF(52.5, 22));
    p.drawLine(QPointF(10, 32), QPointF(54, 32));
    p.drawLine(QPointF(11.5, 42), QPointF(52.5, 42));
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(200, 150, 96));
    p.drawEllipse(QRectF(16, 6, 32, 8));
    p.setBrush(kWine);
    p.drawEllipse(QRectF(29, 8.5, 6, 3));
}

void DrawGrapes(QPainter& p) {
    p.setPen(QPen(QColor(90, 60, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 4), QPointF(32, 14));
    QPainterPath leaf;
    leaf.moveTo(33, 10);
    leaf.cubicTo(40, 0, 54, 2, 58, 8);
    leaf.cubicTo(52, 16, 40, 18, 33, 10);
    p.setPen(QPen(QColor(30, 90, 30), 1.5));
    p.setBrush(QColor(70, 150, 60));
    p.drawPath(leaf);
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(110, 30, 110));
    const double r = 5.5;
    const int rows[] = {5, 4, 3, 2, 1};
    double y = 18;
    for (int count : rows) {
        double x = 32 - (count - 1) * r;
        for (int i = 0; i < count; ++i, x += 2 * r)
            p.drawEllipse(QPointF(x, y), r, r);
        y += 2 * r - 2;
    }
}

} // namespace

QIcon PictureIcon(Picture picture) {
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintPicture(painter, picture, QRectF(0, 0, kSide, kSide));
    painter.end();
    return QIcon(pixmap);
}

void PaintPicture(QPainter& painter, Picture picture, const QRectF& target) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.topLeft());
    painter.scale(target.width() / kSide, target.height() / kSide);
    switch (picture) {
    case Picture::Bottle:
        DrawBottle(painter);
        break;
    case Picture::Glass:
        DrawGlass(painter);
        break;
    case Picture::Dishes:
        DrawDishes(painter);
        break;
    case Picture::Search:
        DrawSearch(painter);
        break;
    case Picture::Admin:
        DrawAdmin(painter);
        break;
    case Picture::Quit:
        DrawQuit(painter);
        break;
    case Picture::Help:
        DrawHelp(painter);
        break;
    case Picture::Printer:
        DrawPrinter(painter);
        break;
    case Picture::Chart:
        DrawChart(painter);
        break;
    case Picture::Ok:
        DrawOk(painter);
        break;
    case Picture::Cancel:
        DrawCancel(painter);
        break;
    case Picture::Emblem:
        DrawEmblem(painter);
        break;
    case Picture::Grapes:
        DrawGrapes(painter);
        break;
    }
    painter.restore();
}

} // namespace ui
