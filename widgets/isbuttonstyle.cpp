#include "widgets/isbuttonstyle.h"

#include "widgets/colorops.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace xingming::widgets {

using namespace colour;

SystemColours SystemColours::from(const QPalette& pal)
{
    SystemColours s;
    s.face = opaque(pal.color(QPalette::Active, QPalette::Button).rgb());
    s.highlight = opaque(pal.color(QPalette::Active, QPalette::Highlight).rgb());
    s.buttonText = opaque(pal.color(QPalette::Active, QPalette::ButtonText).rgb());
    s.greyText = opaque(pal.color(QPalette::Disabled, QPalette::ButtonText).rgb());
    s.light = opaque(pal.color(QPalette::Active, QPalette::Light).rgb());
    s.midlight = opaque(pal.color(QPalette::Active, QPalette::Midlight).rgb());
    s.shadow = opaque(pal.color(QPalette::Active, QPalette::Dark).rgb());
    s.darkShadow = opaque(pal.color(QPalette::Active, QPalette::Shadow).rgb());
    s.window = opaque(pal.color(QPalette::Active, QPalette::Base).rgb());
    return s;
}

namespace {

// Rows of a rounded rectangle of w by h with corner circles of radius r: a pixel belongs to
// it when its centre does.
QRegion roundRectRegion(int w, int h, double r)
{
    QRegion region;
    for (int y = 0; y < h; ++y) {
        const double cy = y + 0.5;
        const double dy = std::max({r - cy, cy - (h - r), 0.0}); // [0, r)
        const double dx = dy > 0 ? r - std::sqrt(std::max(0.0, r * r - dy * dy)) : 0.0;
        const int left = static_cast<int>(std::ceil(dx - 0.5));
        if (w - 2 * left > 0)
            region += QRect(left, y, w - 2 * left, 1);
    }
    return region;
}

// Distance of a point inside a rounded rectangle from its outline (negative outside).
double insideDistance(double px, double py, double w, double h, double r)
{
    const double dx = std::max({r - px, px - (w - r), 0.0});
    const double dy = std::max({r - py, py - (h - r), 0.0});
    if (dx > 0 && dy > 0)
        return r - std::hypot(dx, dy);
    return std::min({px, w - px, py, h - py});
}

// Pixel drawing in the terms the styles are described in. Lines run from the first point
// towards the second with the second point itself left out; they are horizontal, vertical or
// at 45 degrees. Every pixel is a filled rectangle, so the looks stay exact at any device
// pixel ratio.
class Canvas {
public:
    explicit Canvas(QPainter& p) : m_p(p) {}

    void fill(const QRect& r, QRgb c) { m_p.fillRect(r, QColor(c)); }
    void pixel(int x, int y, QRgb c) { fill(QRect(x, y, 1, 1), c); }

    void line(int x1, int y1, int x2, int y2, QRgb c)
    {
        if (y1 == y2) {
            if (x2 != x1)
                fill(QRect(std::min(x1, x2 + 1), y1, std::abs(x2 - x1), 1), c);
            return;
        }
        if (x1 == x2) {
            fill(QRect(x1, std::min(y1, y2 + 1), 1, std::abs(y2 - y1)), c);
            return;
        }
        const int sx = x2 > x1 ? 1 : -1;
        const int sy = y2 > y1 ? 1 : -1;
        const int n = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
        for (int i = 0; i < n; ++i)
            pixel(x1 + i * sx, y1 + i * sy, c);
    }

    // One row per pixel row of r, from `top` in the first row to `bottom` in the last.
    void gradient(const QRect& r, QRgb top, QRgb bottom)
    {
        for (int row = 0; row < r.height(); ++row)
            fill(QRect(r.left(), r.top() + row, r.width(), 1), gradientRow(top, bottom, row, r.height()));
    }

    // A one-pixel edge just inside r: top and left in tl, bottom and right in br.
    void edge(const QRect& r, QRgb tl, QRgb br)
    {
        const int l = r.left(), t = r.top(), rr = r.right() + 1, b = r.bottom() + 1;
        line(l, t, rr - 1, t, tl);
        line(l, t, l, b - 1, tl);
        line(l, b - 1, rr, b - 1, br);
        line(rr - 1, t, rr - 1, b - 1, br);
    }

private:
    QPainter& m_p;
};

bool isPlain(ButtonState s)
{
    return s == ButtonState::Normal || s == ButtonState::Disabled;
}

// 0: classic three-dimensional button.
void paintClassic(Canvas& c, const StylePaint& in)
{
    const auto& s = in.system;
    const QRect all(QPoint(0, 0), in.size);
    const QRgb bg = in.customColours ? (in.state == ButtonState::Normal ? in.base() : in.accent()) : s.face;
    c.fill(all, bg);
    if (in.state == ButtonState::Pressed) {
        c.edge(all, s.shadow, s.light);
        c.edge(all.adjusted(1, 1, -1, -1), s.darkShadow, s.midlight);
    } else {
        c.edge(all, s.midlight, s.darkShadow);
        c.edge(all.adjusted(1, 1, -1, -1), s.light, s.shadow);
    }
}

// 1 and 2: flat tool button; 2 outlines its plain states in the background colour.
void paintFlat(Canvas& c, const StylePaint& in)
{
    const auto& s = in.system;
    const QRect all(QPoint(0, 0), in.size);
    const QRgb bg = in.customColours ? (isPlain(in.state) ? in.base() : in.accent()) : s.face;
    c.fill(all, bg);
    if (in.state == ButtonState::Hot)
        c.edge(all, s.light, s.shadow);
    else if (in.state == ButtonState::Pressed)
        c.edge(all, s.shadow, s.light);
    else if (in.style == static_cast<int>(ButtonStyle::FlatOutline))
        c.edge(all, bg, bg);
}

// 3: flat panel; the caption rectangle is filled, a two-tone frame surrounds it.
void paintPanel(Canvas& c, const StylePaint& in)
{
    const auto& s = in.system;
    const int w = in.size.width(), h = in.size.height();
    const QRect caption(4, 4, w - 8, h - 8);
    QRgb fill = in.base();
    if (in.state == ButtonState::Hot)
        fill = in.customColours ? mix(in.accent(), in.base()) : mix(s.shadow, s.face);
    else if (in.state == ButtonState::Pressed)
        fill = in.customColours ? in.accent() : s.shadow;
    c.fill(caption, fill);
    c.edge(caption.adjusted(-1, -1, 1, 1), s.shadow, s.window);
}

// 4: hover box.
void paintHoverBox(Canvas& c, const StylePaint& in)
{
    const QRect all(QPoint(0, 0), in.size);
    if (isPlain(in.state)) {
        c.fill(all, wash(in.base(), 32));
        return;
    }
    c.fill(all, wash(in.accent(), in.state == ButtonState::Hot ? 176 : 128));
    c.edge(all, in.accent(), in.accent());
}

// Colours of one state of the rounded button (style 5).
struct RoundedLook {
    QRgb border, corner, faceTop, faceBottom, innerTop, innerBottom;
    bool rims;
    QRgb outerTop, outerBottom, outerSide, innerRimTop, innerRimBottom, innerRimSide;
};

// The fixed palette: dark blue border, light face, orange rims when hot, blue rims when
// focused, a darker face when pressed, grey when disabled.
// clang-format off
constexpr RoundedLook kRoundedNormal{qRgb(0, 60, 116), qRgb(122, 149, 168), qRgb(255, 255, 255), qRgb(236, 235, 230),
                                     qRgb(255, 255, 255), qRgb(214, 208, 197), false, 0, 0, 0, 0, 0, 0};
constexpr RoundedLook kRoundedHot{qRgb(0, 60, 116), qRgb(122, 149, 168), qRgb(255, 255, 255), qRgb(236, 235, 230),
                                  qRgb(255, 255, 255), qRgb(214, 208, 197), true,
                                  qRgb(255, 240, 207), qRgb(229, 151, 0), qRgb(248, 179, 48),
                                  qRgb(253, 216, 137), qRgb(248, 179, 48), qRgb(250, 199, 88)};
constexpr RoundedLook kRoundedFocus{qRgb(0, 60, 116), qRgb(122, 149, 168), qRgb(255, 255, 255), qRgb(236, 235, 230),
                                    qRgb(255, 255, 255), qRgb(214, 208, 197), true,
                                    qRgb(206, 231, 255), qRgb(105, 130, 238), qRgb(137, 173, 228),
                                    qRgb(188, 212, 246), qRgb(137, 173, 228), qRgb(164, 194, 240)};
constexpr RoundedLook kRoundedPressed{qRgb(0, 60, 116), qRgb(122, 149, 168), qRgb(226, 225, 218), qRgb(242, 241, 236),
                                      qRgb(209, 204, 193), qRgb(242, 241, 236), false, 0, 0, 0, 0, 0, 0};
constexpr RoundedLook kRoundedDisabled{qRgb(201, 199, 186), qRgb(216, 213, 199), qRgb(245, 244, 234), qRgb(245, 244, 234),
                                       qRgb(245, 244, 234), qRgb(245, 244, 234), false, 0, 0, 0, 0, 0, 0};
// clang-format on

// The same structure drawn from BackColor by shifts and gradients, the system highlight as
// the accent of the rims.
RoundedLook customRoundedLook(const StylePaint& in)
{
    const QRgb b = in.backColour;
    const QRgb a = in.system.highlight;
    const QRgb border = shift(b, -112);
    RoundedLook look{
        border, mix(border, b), shift(b, 32), shift(b, -12), shift(b, 48), shift(b, -40), false, 0, 0, 0, 0, 0, 0};
    if (in.state == ButtonState::Pressed) {
        look.faceTop = shift(b, -24);
        look.faceBottom = shift(b, 12);
        look.innerTop = shift(b, -48);
        look.innerBottom = shift(b, 12);
    } else if (in.state == ButtonState::Hot || (in.state == ButtonState::Normal && in.focus)) {
        const QRgb rim = in.state == ButtonState::Hot ? a : mix(a, b);
        look.rims = true;
        look.outerTop = wash(rim, 160);
        look.outerBottom = shift(rim, -32);
        look.outerSide = rim;
        look.innerRimTop = wash(rim, 96);
        look.innerRimBottom = rim;
        look.innerRimSide = wash(rim, 64);
    }
    return look;
}

// 5: rounded button with pixel-exact corners inside the cut-corner region.
void paintRounded(Canvas& c, const StylePaint& in)
{
    const int w = in.size.width(), h = in.size.height();
    RoundedLook look = kRoundedNormal;
    if (in.customColours)
        look = customRoundedLook(in);
    else if (in.state == ButtonState::Hot)
        look = kRoundedHot;
    else if (in.state == ButtonState::Pressed)
        look = kRoundedPressed;
    else if (in.state == ButtonState::Disabled)
        look = kRoundedDisabled;
    else if (in.focus)
        look = kRoundedFocus;

    c.gradient(QRect(1, 1, w - 2, h - 2), look.faceTop, look.faceBottom);
    c.line(2, 1, w - 2, 1, look.innerTop);
    c.line(2, h - 2, w - 2, h - 2, look.innerBottom);
    if (look.rims) {
        c.line(2, 1, w - 2, 1, look.outerTop);
        c.line(2, h - 2, w - 2, h - 2, look.outerBottom);
        c.line(1, 2, 1, h - 2, look.outerSide);
        c.line(w - 2, 2, w - 2, h - 2, look.outerSide);
        c.line(2, 2, w - 2, 2, look.innerRimTop);
        c.line(2, h - 3, w - 2, h - 3, look.innerRimBottom);
        c.line(2, 3, 2, h - 3, look.innerRimSide);
        c.line(w - 3, 3, w - 3, h - 3, look.innerRimSide);
    }
    c.line(1, 0, w - 1, 0, look.border);
    c.line(1, h - 1, w - 1, h - 1, look.border);
    c.line(0, 1, 0, h - 1, look.border);
    c.line(w - 1, 1, w - 1, h - 1, look.border);
    c.pixel(1, 1, look.corner);
    c.pixel(w - 2, 1, look.corner);
    c.pixel(1, h - 2, look.corner);
    c.pixel(w - 2, h - 2, look.corner);
}

// 7: gradient button inside the cut-corner region, with shaded border lines.
void paintGradient(Canvas& c, const StylePaint& in)
{
    const int w = in.size.width(), h = in.size.height();
    const QRgb base = in.base();
    QRgb top = shift(base, 40), bottom = shift(base, -24), lineTop = shift(base, 64), lineBottom = shift(base, -40);
    if (in.state == ButtonState::Hot) {
        top = shift(base, 56);
        bottom = shift(base, -8);
        lineTop = shift(base, 80);
        lineBottom = shift(base, -24);
    } else if (in.state == ButtonState::Pressed) {
        top = shift(base, -24);
        bottom = shift(base, 24);
        lineTop = shift(base, -48);
        lineBottom = shift(base, 32);
    }
    const int deepen = in.focus && in.state == ButtonState::Normal ? -32 : 0;
    const QRgb borderTop = shift(base, -64 + deepen), borderSide = shift(base, -80 + deepen),
               borderBottom = shift(base, -112 + deepen);
    c.gradient(QRect(1, 2, w - 2, h - 4), top, bottom);
    c.line(1, 1, w - 1, 1, lineTop);
    c.line(1, h - 2, w - 1, h - 2, lineBottom);
    c.line(1, 0, w - 1, 0, borderTop);
    c.line(1, h - 1, w - 1, h - 1, borderBottom);
    c.line(0, 1, 0, h - 1, borderSide);
    c.line(w - 1, 1, w - 1, h - 1, borderSide);
    c.pixel(1, 1, mix(borderTop, lineTop));
    c.pixel(w - 2, 1, mix(borderTop, lineTop));
    c.pixel(1, h - 2, mix(borderBottom, lineBottom));
    c.pixel(w - 2, h - 2, mix(borderBottom, lineBottom));
}

// The border of styles 8 and 9: lines that stop short of the corners, closed by one pixel
// each, inside the region with corners cut by 2, 3, 3 and 4 pixels.
void softBorder(Canvas& c, int w, int h, QRgb border)
{
    c.line(2, 0, w - 3, 0, border);
    c.line(0, 2, 0, h - 3, border);
    c.line(2, h - 2, w - 3, h - 2, border);
    c.line(w - 2, 2, w - 2, h - 3, border);
    c.pixel(1, 1, border);
    c.pixel(1, h - 3, border);
    c.pixel(w - 3, 1, border);
    c.pixel(w - 3, h - 3, border);
}

// The outer shadow of styles 8 and 9 along the bottom and the right, meeting at (w-2, h-2),
// and the short stroke that fills the lower right corner between it and the border.
void softShadow(Canvas& c, int w, int h, QRgb shadow, QRgb stroke)
{
    c.line(3, h - 1, w - 2, h - 1, shadow);
    c.line(w - 1, 3, w - 1, h - 2, shadow);
    c.pixel(w - 2, h - 2, shadow);
    c.line(w - 2, h - 3, w - 4, h - 1, stroke);
}

// 8: rounded soft button.
void paintSoft(Canvas& c, const StylePaint& in)
{
    const int w = in.size.width(), h = in.size.height();
    const QRgb base = in.base();
    const bool pressed = in.state == ButtonState::Pressed;
    // A disabled button paints on the face, like a normal one.
    const QRgb bg = isPlain(in.state) ? base : (in.customColours ? in.highlightColour : shift(in.system.face, 15));
    c.fill(QRect(QPoint(0, 0), in.size), bg);

    const QRect body(2, 2, w - 4, h - 6);
    if (pressed)
        c.gradient(body, shift(bg, -15), shift(bg, 15));
    else
        c.gradient(body, shift(bg, 15), shift(bg, -15));
    const QRgb light = shift(bg, 96);
    const QRgb topLeft = pressed ? bg : light;
    const QRgb bottomRight = pressed ? light : bg;
    c.line(2, 1, w - 3, 1, topLeft);
    c.line(1, 2, 1, h - 3, topLeft);
    c.line(2, h - 3, w - 3, h - 3, bottomRight);
    c.line(w - 3, 2, w - 3, h - 3, bottomRight);

    const QRgb border = pressed ? shift(base, -48) : (in.focus ? shift(base, -96) : shift(base, -48));
    softBorder(c, w, h, border);
    softShadow(c, w, h, shift(border, 21), shift(border, 15));
}

// 9: rounded bevelled button, two bevels inside the soft border.
void paintBevelled(Canvas& c, const StylePaint& in)
{
    const int w = in.size.width(), h = in.size.height();
    const QRgb base = in.base();
    const bool pressed = in.state == ButtonState::Pressed;
    c.fill(QRect(QPoint(0, 0), in.size), base);
    if (pressed)
        c.gradient(QRect(3, 3, w - 6, h - 8), shift(base, -32), shift(base, 32));
    else if (in.state == ButtonState::Hot)
        c.gradient(QRect(3, 3, w - 6, h - 8), shift(base, 48), shift(base, -32));
    else
        c.gradient(QRect(3, 3, w - 6, h - 8), shift(base, 32), shift(base, -32));

    const QRgb outerLight = shift(base, 53), outerDark = shift(base, -53);
    const QRgb innerLight = shift(base, 37), innerDark = shift(base, -37);
    const QRgb o1 = pressed ? outerDark : outerLight, o2 = pressed ? outerLight : outerDark;
    const QRgb i1 = pressed ? innerDark : innerLight, i2 = pressed ? innerLight : innerDark;
    c.line(2, 1, w - 3, 1, o1);
    c.line(1, 2, 1, h - 3, o1);
    c.line(2, h - 3, w - 3, h - 3, o2);
    c.line(w - 3, 2, w - 3, h - 3, o2);
    c.line(3, 2, w - 4, 2, i1);
    c.line(2, 3, 2, h - 4, i1);
    c.line(3, h - 4, w - 4, h - 4, i2);
    c.line(w - 4, 3, w - 4, h - 4, i2);

    const QRgb border = in.focus && !pressed ? shift(base, -128) : shift(base, -128 + 32);
    softBorder(c, w, h, border);
    softShadow(c, w, h, shift(base, -48), shift(base, -53));
}

// 10: the glass images. Each is our own artwork of kGlassW by kGlassH pixels: fixed ends of
// kGlassEnd pixels and top and bottom edges of kGlassEdge pixels around a middle of one colour.
constexpr int kGlassW = 48, kGlassH = 30, kGlassEnd = 18, kGlassEdge = 11;
constexpr double kGlassRadius = 9.0; // the 18 by 18 corner ellipses of the region

struct GlassLook {
    QRgb border, ringTop, ringBottom, glossTop, glossBottom, middle, shade;
};
constexpr std::array<GlassLook, 3> kGlassLooks{{
    {qRgb(112, 114, 122), qRgb(255, 255, 255), qRgb(244, 244, 246), qRgb(255, 255, 255), qRgb(243, 243, 245),
     qRgb(232, 232, 234), qRgb(204, 204, 210)}, // normal
    {qRgb(60, 127, 177), qRgb(255, 255, 255), qRgb(230, 243, 252), qRgb(246, 251, 255), qRgb(229, 243, 252),
     qRgb(214, 235, 250), qRgb(174, 210, 240)}, // hot
    {qRgb(44, 98, 139), qRgb(150, 170, 184), qRgb(210, 230, 244), qRgb(188, 220, 242), qRgb(196, 226, 246),
     qRgb(200, 228, 247), qRgb(222, 240, 251)}, // pressed
}};

QImage makeGlassImage(const GlassLook& g)
{
    QImage image(kGlassW, kGlassH, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < kGlassH; ++y) {
        for (int x = 0; x < kGlassW; ++x) {
            const double d = insideDistance(x + 0.5, y + 0.5, kGlassW, kGlassH, kGlassRadius);
            if (d < 0)
                continue;
            QRgb c = g.middle;
            if (d < 1)
                c = g.border;
            else if (d < 2)
                c = y < kGlassH / 2 ? g.ringTop : g.ringBottom;
            else if (y < kGlassEdge)
                c = gradientRow(g.glossTop, g.glossBottom, y - 2, kGlassEdge - 2);
            else if (y >= kGlassH - kGlassEdge)
                c = gradientRow(g.middle, g.shade, y - (kGlassH - kGlassEdge), kGlassEdge - 2);
            image.setPixel(x, y, c);
        }
    }
    return image;
}

const QImage& glassImage(int which)
{
    static const std::array<QImage, 3> images{makeGlassImage(kGlassLooks[0]), makeGlassImage(kGlassLooks[1]),
                                              makeGlassImage(kGlassLooks[2])};
    return images[static_cast<std::size_t>(which)];
}

void paintGlass(QPainter& p, const StylePaint& in)
{
    // normal: normal or disabled without focus; hot: hot, or normal or disabled with focus.
    int which = 0;
    if (in.state == ButtonState::Pressed)
        which = 2;
    else if (in.state == ButtonState::Hot || in.focus)
        which = 1;
    const QImage& image = glassImage(which);

    // Nine pieces: the corners as they are, edges and middle stretched (they are uniform
    // along the stretch). A button smaller than the ends takes half of each side.
    const int w = in.size.width(), h = in.size.height();
    const int l = std::min(kGlassEnd, w / 2), r = std::min(kGlassEnd, w - l);
    const int t = std::min(kGlassEdge, h / 2), b = std::min(kGlassEdge, h - t);
    const int xs[] = {0, l, w - r, w};
    const int ys[] = {0, t, h - b, h};
    const int sxs[] = {0, l, kGlassW - r, kGlassW};
    const int sys[] = {0, t, kGlassH - b, kGlassH};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            const QRect target(xs[j], ys[i], xs[j + 1] - xs[j], ys[i + 1] - ys[i]);
            const QRect source(sxs[j], sys[i], sxs[j + 1] - sxs[j], sys[i + 1] - sys[i]);
            if (!target.isEmpty() && !source.isEmpty())
                p.drawImage(target, image, source);
        }
    }
}

} // namespace

QRegion buttonRegion(RegionShape shape, int w, int h)
{
    switch (shape) {
    case RegionShape::CutCorners:
        return QRegion(QPolygon({QPoint(0, 1), QPoint(1, 0), QPoint(w - 1, 0), QPoint(w, 1), QPoint(w, h - 2),
                                 QPoint(w - 2, h), QPoint(2, h), QPoint(0, h - 2)}),
                       Qt::OddEvenFill);
    case RegionShape::SoftCorners:
        return QRegion(QPolygon({QPoint(0, 2), QPoint(2, 0), QPoint(w - 3, 0), QPoint(w, 3), QPoint(w, h - 3),
                                 QPoint(w - 3, h), QPoint(4, h), QPoint(0, h - 4)}),
                       Qt::OddEvenFill);
    case RegionShape::RoundRect18:
        // The rounded rectangle from (0, 0) to (w + 1, h + 1) covers the client pixels
        // 0..w-1 and 0..h-1, its corners on circles of radius 9.
        return roundRectRegion(w, h, kGlassRadius);
    case RegionShape::Rectangle:
        break;
    }
    return QRegion(0, 0, w, h);
}

QRgb clearColour(const StylePaint& in)
{
    return in.base();
}

void paintStyle(QPainter& p, const StylePaint& in)
{
    Canvas c(p);
    switch (static_cast<ButtonStyle>(in.style)) {
    case ButtonStyle::Classic:
        paintClassic(c, in);
        break;
    case ButtonStyle::Flat:
    case ButtonStyle::FlatOutline:
        paintFlat(c, in);
        break;
    case ButtonStyle::Panel:
        paintPanel(c, in);
        break;
    case ButtonStyle::HoverBox:
        paintHoverBox(c, in);
        break;
    case ButtonStyle::Rounded:
        paintRounded(c, in);
        break;
    case ButtonStyle::Themed:
        break;
    case ButtonStyle::Gradient:
        paintGradient(c, in);
        break;
    case ButtonStyle::Soft:
        paintSoft(c, in);
        break;
    case ButtonStyle::Bevelled:
        paintBevelled(c, in);
        break;
    case ButtonStyle::Glass:
        paintGlass(p, in);
        break;
    }
}

} // namespace xingming::widgets
