// The interface font "宋体" and the sizes the windows use.
#pragma once

#include <QFont>

namespace xingming::app {

// Maps "宋体" to an installed Song-style CJK face (once per process).
void installSongFont();

// "宋体" at a point size, optionally bold.
QFont songFont(double pointSize = 9, bool bold = false);

} // namespace xingming::app
