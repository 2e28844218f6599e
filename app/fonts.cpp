#include "app/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace xingming::app {

void installSongFont()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // Song (Ming) faces first; a sans CJK face only where no serif one is installed.
    QStringList faces;
    faces << QStringLiteral("Noto Serif CJK SC") << QStringLiteral("Source Han Serif SC")
          << QStringLiteral("AR PL UMing CN") << QStringLiteral("Noto Sans CJK SC") << QStringLiteral("WenQuanYi Zen Hei");
    QFont::insertSubstitutions(QStringLiteral("宋体"), faces);
}

QFont songFont(double pointSize, bool bold)
{
    QFont f(QStringLiteral("宋体"));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

} // namespace xingming::app
