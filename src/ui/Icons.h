// The program's pictures, drawn rather than shipped.
#pragma once

#include <QIcon>

class QPainter;
class QRectF;

namespace ui {

enum class Picture {
    Bottle,
    Glass,
    Dishes,
    Search,
    Admin,
    Quit,
    Help,
    Printer,
    Chart,
    Ok,
    Cancel,
    Emblem, // the program's barrel, on reports
    Grapes  // a bunch of grapes, on labels
};

QIcon PictureIcon(Picture picture);

// Draws the picture as lines and shapes into the target, so it stays sharp on paper.
void PaintPicture(QPainter& painter, Picture picture, const QRectF& target);

} // namespace ui
