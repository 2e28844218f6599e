// Small helpers shared by the three fun-tools pages: captions, label colours, and the
// interface font of app/fonts.h.
#pragma once

#include "app/fonts.h"
#include "app/textconv.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QString>
#include <QWidget>

namespace xingming::app::funpage {

// The note every fun-tools page carries.
inline QString amusementNote()
{
    return QStringLiteral("注意：趣味工具没有科学根据，仅供娱乐，切勿当真！");
}

// A caption in the Song face at the given size.
inline QLabel* caption(const QString& name, const QString& text, double points, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(songFont(points));
    return label;
}

inline void setTextColour(QWidget* w, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    p.setColor(QPalette::ButtonText, colour);
    w->setPalette(p);
}

} // namespace xingming::app::funpage
