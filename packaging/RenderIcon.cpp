// Renders the program's barrel as a PNG of one size for the desktop's icon theme, from the same
// drawing the windows and reports use. Usage: tonnelix_render_icon SIZE OUTPUT.png
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

#include "ui/Icons.h"

int main(int argc, char** argv) {
    const int size = argc == 3 ? std::atoi(argv[1]) : 0;
    if (size <= 0) {
        std::fprintf(stderr, "usage: %s SIZE OUTPUT.png\n", argv[0]);
        return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        ui::PaintPicture(painter, ui::Picture::Emblem, QRectF(0, 0, size, size));
    }
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
