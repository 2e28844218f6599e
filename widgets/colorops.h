// Colour operations of the button styles: shift, wash, mix and the rows of a vertical
// gradient. They work on QRgb values (alpha is dropped) and are constexpr, so the style
// rules can be checked at compile time.
#pragma once

#include <QRgb>

namespace xingming::widgets::colour {

constexpr int clampChannel(int v)
{
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

// shift(c, n): n added to red, green and blue, each clamped to [0, 255].
constexpr QRgb shift(QRgb c, int n)
{
    return qRgb(clampChannel(qRed(c) + n), clampChannel(qGreen(c) + n), clampChannel(qBlue(c) + n));
}

// wash(c, n): a tint towards white; channel x becomes n + x * (255 - n) / 255, capped at 255.
// Integer arithmetic, the quotient truncated.
constexpr QRgb wash(QRgb c, int n)
{
    const int k = clampChannel(n);
    const auto channel = [k](int x) { return clampChannel(k + x * (255 - k) / 255); };
    return qRgb(channel(qRed(c)), channel(qGreen(c)), channel(qBlue(c)));
}

// mix(a, b): the per-channel mean, truncated.
constexpr QRgb mix(QRgb a, QRgb b)
{
    return qRgb((qRed(a) + qRed(b)) / 2, (qGreen(a) + qGreen(b)) / 2, (qBlue(a) + qBlue(b)) / 2);
}

// Colour of row `row` ([0, rows)) of a gradient from `top` to `bottom`: the first row is
// exactly `top`, the last exactly `bottom`, the rows between move linearly.
constexpr QRgb gradientRow(QRgb top, QRgb bottom, int row, int rows)
{
    if (rows <= 1 || row <= 0)
        return qRgb(qRed(top), qGreen(top), qBlue(top));
    if (row >= rows - 1)
        return qRgb(qRed(bottom), qGreen(bottom), qBlue(bottom));
    const auto channel = [row, rows](int t, int b) { return t + (b - t) * row / (rows - 1); };
    return qRgb(channel(qRed(top), qRed(bottom)), channel(qGreen(top), qGreen(bottom)),
                channel(qBlue(top), qBlue(bottom)));
}

// Channels only, for comparisons that must not see alpha.
constexpr QRgb opaque(QRgb c)
{
    return qRgb(qRed(c), qGreen(c), qBlue(c));
}

} // namespace xingming::widgets::colour
