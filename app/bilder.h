#pragma once
// The program's own pictures, drawn in code: the background of the start and
// info screens, the four flags and the main form's logo.
#include <QPixmap>

namespace fluvan::app::bilder {

enum class Land { Deutschland, Grossbritannien, Frankreich, Spanien };

// 480 x 478 pixels.
QPixmap Hintergrund();

// 60 x 40 pixels.
QPixmap Flagge(Land land);

// The logo at the size of its box.
QPixmap Logo(QSize groesse);

}  // namespace fluvan::app::bilder
