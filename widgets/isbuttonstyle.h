// The eleven looks of isButton as data: the style numbers, what each style's region and
// icon margin are, the system colours a style reads, and the painters that turn one
// button's paint input into pixels. Style 6 is drawn by the platform style (isbutton.cpp);
// everything else is drawn here.
#pragma once

#include <QRegion>
#include <QRgb>
#include <QSize>

#include <array>

class QPainter;
class QPalette;

namespace xingming::widgets {

// States of a button: 1 normal, 2 hot (mouse over), 3 pressed, 4 disabled.
enum class ButtonState : int { Normal = 1, Hot = 2, Pressed = 3, Disabled = 4 };

enum class ButtonStyle : int {
    Classic = 0, // three-dimensional double edge
    Flat = 1,    // flat tool button
    FlatOutline = 2,
    Panel = 3,    // flat panel with a two-tone frame
    HoverBox = 4, // washed fill, accent border when hot or pressed
    Rounded = 5,  // fixed-palette rounded button
    Themed = 6,   // the platform's push-button theme
    Gradient = 7,
    Soft = 8, // rounded soft button
    Bevelled = 9,
    Glass = 10, // skinned glass from three pixel images
};

inline constexpr int kStyleCount = 11;

constexpr bool isValidStyle(int style)
{
    return style >= 0 && style < kStyleCount;
}

enum class RegionShape {
    Rectangle,
    CutCorners,  // styles 5 and 7
    SoftCorners, // styles 8 and 9
    RoundRect18, // style 10
};

struct StyleTraits {
    RegionShape region;
    int iconMargin; // distance of an aligned icon from the named edge, pixels
};

inline constexpr std::array<StyleTraits, kStyleCount> kStyleTraits{{
    {RegionShape::Rectangle, 4},   // 0
    {RegionShape::Rectangle, 4},   // 1
    {RegionShape::Rectangle, 4},   // 2
    {RegionShape::Rectangle, 4},   // 3
    {RegionShape::Rectangle, 4},   // 4
    {RegionShape::CutCorners, 5},  // 5
    {RegionShape::Rectangle, 4},   // 6
    {RegionShape::CutCorners, 5},  // 7
    {RegionShape::SoftCorners, 4}, // 8
    {RegionShape::SoftCorners, 7}, // 9
    {RegionShape::RoundRect18, 7}, // 10
}};
static_assert(kStyleTraits.size() == kStyleCount);

constexpr const StyleTraits& styleTraits(int style)
{
    return kStyleTraits[static_cast<std::size_t>(isValidStyle(style) ? style : 0)];
}

constexpr const StyleTraits& styleTraits(ButtonStyle style)
{
    return styleTraits(static_cast<int>(style));
}

// The window region of a client area of w by h pixels.
QRegion buttonRegion(RegionShape shape, int w, int h);

// The system colours that the styles and the caption read.
struct SystemColours {
    QRgb face = 0; // button face
    QRgb highlight = 0;
    QRgb buttonText = 0;
    QRgb greyText = 0;
    QRgb light = 0;      // 3D highlight, the lightest edge
    QRgb midlight = 0;   // 3D light
    QRgb shadow = 0;     // 3D shadow
    QRgb darkShadow = 0; // 3D dark shadow
    QRgb window = 0;     // window background
    static SystemColours from(const QPalette& palette);
};

// Everything a style painter reads for one repaint.
struct StylePaint {
    int style = 0;
    ButtonState state = ButtonState::Normal; // after design mode, check value and disabling
    bool focus = false;
    bool customColours = false; // false also for a disabled button: it paints on the face
    QRgb backColour = 0;        // BackColor
    QRgb highlightColour = 0;   // HighlightColor
    SystemColours system;
    QSize size;

    // base: BackColor with custom colours, else the button face.
    QRgb base() const { return customColours ? backColour : system.face; }
    // accent: HighlightColor with custom colours, else the system highlight.
    QRgb accent() const { return customColours ? highlightColour : system.highlight; }
};

// Colour the button is cleared with before the style paints.
QRgb clearColour(const StylePaint& in);

// Paints styles 0 to 5 and 7 to 10 over the whole client area (style 6 is not handled
// here and paints nothing).
void paintStyle(QPainter& p, const StylePaint& in);

} // namespace xingming::widgets
