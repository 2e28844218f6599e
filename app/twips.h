// Layout units: the windows are laid out in twips (1440 to the inch, 15 twips a pixel at
// 96 dots per inch), converted at the screen's real resolution.
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace xingming::app {

// Pixels of a length in twips for widget w's screen (its logical DPI).
int twipsToPixels(int twips, const QWidget* w = nullptr);

// A rectangle given as left, top, width, height in twips.
QRect twipsRect(int left, int top, int width, int height, const QWidget* w = nullptr);

QSize twipsSize(int width, int height, const QWidget* w = nullptr);

// Moves a window so that it stands in the middle of its screen.
void centreOnScreen(QWidget* window);

} // namespace xingming::app
