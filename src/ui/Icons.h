// The program's pictures, drawn rather than shipped.
#pragma once

#include <QIcon>

namespace ui {

enum class Picture { Bottle, Glass, Dishes, Search, Admin, Quit, Help, Printer, Chart, Ok, Cancel };

QIcon PictureIcon(Picture picture);

} // namespace ui
