// The one conversion between the core's UTF-8 texts and the windows' QString.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace xingming::app {

inline QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string utf8(const QString& text)
{
    return text.toStdString();
}

} // namespace xingming::app
