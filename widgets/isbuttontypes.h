// The typed values of isButton's integer properties and the one place their ranges are
// written: the property setters and the property-bag loader both go through fromNumber().
#pragma once

#include "widgets/isbuttonstyle.h"

#include <optional>

namespace xingming::widgets {

// IconAlign and CaptionAlign.
enum class Align : int { Centre = 0, Left = 1, Right = 2, Top = 3, Bottom = 4 };

// ButtonType.
enum class ButtonKind : int { Push = 0, Check = 1 };

// ToolTipIcon: the icon beside the tooltip's title.
enum class TipIcon : int { None = 0, Information = 1, Warning = 2, Error = 3 };

// ToolTipType.
enum class TipShape : int { Rectangle = 0, Balloon = 1 };

// A closed range [lo, hi] of property values.
struct IntRange {
    int lo;
    int hi;
    constexpr bool contains(long long v) const { return v >= lo && v <= hi; }
};

// The numbers of each property type, from its first to its last value.
template <typename E> inline constexpr IntRange kRange = IntRange{0, -1};
template <>
inline constexpr IntRange kRange<ButtonStyle>{static_cast<int>(ButtonStyle::Classic),
                                              static_cast<int>(ButtonStyle::Glass)};
template <> inline constexpr IntRange kRange<Align>{static_cast<int>(Align::Centre), static_cast<int>(Align::Bottom)};
template <>
inline constexpr IntRange kRange<ButtonKind>{static_cast<int>(ButtonKind::Push), static_cast<int>(ButtonKind::Check)};
template <>
inline constexpr IntRange kRange<TipIcon>{static_cast<int>(TipIcon::None), static_cast<int>(TipIcon::Error)};
template <>
inline constexpr IntRange kRange<TipShape>{static_cast<int>(TipShape::Rectangle), static_cast<int>(TipShape::Balloon)};
static_assert(kRange<ButtonStyle>.hi == kStyleCount - 1, "every style number is a ButtonStyle");

// IconSize: a 16-bit pixel count.
inline constexpr IntRange kIconSizeRange{0, 32767};

// The value numbered n, or nothing when n is out of E's range.
template <typename E> constexpr std::optional<E> fromNumber(long long n)
{
    if (!kRange<E>.contains(n))
        return std::nullopt;
    return static_cast<E>(n);
}

template <typename E> constexpr int number(E e)
{
    return static_cast<int>(e);
}

static_assert(fromNumber<Align>(4) == Align::Bottom && !fromNumber<Align>(5) && !fromNumber<Align>(-1));
static_assert(fromNumber<ButtonStyle>(10) == ButtonStyle::Glass && !fromNumber<ButtonStyle>(11));

} // namespace xingming::widgets
