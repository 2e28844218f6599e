// Helpers shared by the button tests: a fixed palette, so that the system colours are known,
// and the colour shift written out on its own from its definition.
#pragma once

#include <QColor>
#include <QPalette>

#include <algorithm>

namespace testsupport {

// shift(c, n): n added to each channel, clamped to 0..255.
inline QColor shifted(const QColor& c, int n)
{
    const auto ch = [n](int x) { return std::clamp(x + n, 0, 255); };
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()));
}

inline const QColor kFace(212, 208, 200);
inline const QColor kHighlight(10, 36, 106);
inline const QColor kButtonText(0, 0, 0);
inline const QColor kTipBase(255, 255, 225);
inline const QColor kTipText(0, 0, 0);
inline const QColor kGreyText(150, 150, 150);

inline QPalette fixedPalette()
{
    QPalette p;
    p.setColor(QPalette::Button, kFace);
    p.setColor(QPalette::Highlight, kHighlight);
    p.setColor(QPalette::ButtonText, kButtonText);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, kGreyText);
    p.setColor(QPalette::Light, QColor(255, 255, 255));
    p.setColor(QPalette::Midlight, QColor(224, 224, 224));
    p.setColor(QPalette::Dark, QColor(128, 128, 128));
    p.setColor(QPalette::Shadow, QColor(64, 64, 64));
    p.setColor(QPalette::Base, QColor(255, 255, 255));
    p.setColor(QPalette::ToolTipBase, kTipBase);
    p.setColor(QPalette::ToolTipText, kTipText);
    return p;
}

} // namespace testsupport
