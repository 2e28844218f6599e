#include "app/fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

namespace xingming::app {

namespace {

// The installed face that stands for "宋体": Song (Ming) faces first, a sans CJK face
// only where no serif one is installed. Every window names this face itself, so all of
// them render alike whatever the font configuration maps "宋体" to.
const QString& songFamily()
{
    static const QString family = [] {
        const QStringList faces{QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Source Han Serif SC"),
                                QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Sans CJK SC"),
                                QStringLiteral("WenQuanYi Zen Hei")};
        const QStringList installed = QFontDatabase::families();
        for (const QString& f : faces)
            if (installed.contains(f))
                return f;
        return QStringLiteral("宋体");
    }();
    return family;
}

// The style of the face's regular weight, when the family names one. Every caption asks
// for it, bold ones too: the bold captions are then drawn by emboldening the regular face
// rather than from a second font file of the family, so the windows open with one CJK face
// loaded (a CJK face costs some 3 MB of its file and 1 MB of tables to open).
const QString& regularStyle()
{
    static const QString style = [] {
        const QStringList styles = QFontDatabase::styles(songFamily());
        for (const QString& s : {QStringLiteral("Regular"), QStringLiteral("Book"), QStringLiteral("Normal")})
            if (styles.contains(s))
                return s;
        return QString();
    }();
    return style;
}

} // namespace

void installSongFont()
{
    static bool done = false;
    if (done || !qGuiApp)
        return;
    done = true;
    QFont::insertSubstitution(QStringLiteral("宋体"), songFamily());
    // Message boxes, the toolbar and every control without a font of its own.
    QGuiApplication::setFont(songFont(9));
}

QFont songFont(double pointSize, bool bold)
{
    QFont f(songFamily());
    if (!regularStyle().isEmpty())
        f.setStyleName(regularStyle());
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

} // namespace xingming::app
