// Small helpers shared by the three fun-tools pages: label colours, the texts of the fun/
// core as QString, and the interface font of app/fonts.h.
#pragma once

#include "app/fonts.h"

#include <QColor>
#include <QPalette>
#include <QString>
#include <QWidget>

#include <string>
#include <string_view>

namespace xingming::app::funpage {

// The note every fun-tools page carries.
inline QString amusementNote()
{
    return QStringLiteral("注意：趣味工具没有科学根据，仅供娱乐，切勿当真！");
}

inline QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string utf8(const QString& text)
{
    return text.toStdString();
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
