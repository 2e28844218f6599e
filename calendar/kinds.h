// The sex and the calendar of a birth as the forms take them in; the name test, the
// naming request and the calendar share these.
#pragma once

#include <optional>
#include <string_view>

namespace xingming::calendar {

enum class Sex { None, Male, Female };

// The sex as the forms show it: "男" or "女" ("" for none).
constexpr std::string_view sexText(Sex sex)
{
    switch (sex) {
    case Sex::Male:
        return "男";
    case Sex::Female:
        return "女";
    case Sex::None:
        break;
    }
    return {};
}

// The sex of a shown text: "男", "女", and "" for none chosen; nullopt for any other text.
constexpr std::optional<Sex> sexFromText(std::string_view text)
{
    if (text.empty())
        return Sex::None;
    if (text == sexText(Sex::Male))
        return Sex::Male;
    if (text == sexText(Sex::Female))
        return Sex::Female;
    return std::nullopt;
}

// The calendar of the entered date: none chosen, "公历", "农历", "农历(闰月)".
enum class CalendarKind { None, Solar, Lunar, LunarLeap };

// The calendar of a shown text: "公历", "农历", "农历(闰月)", and "" for none chosen;
// nullopt for any other text.
constexpr std::optional<CalendarKind> calendarFromText(std::string_view text)
{
    if (text.empty())
        return CalendarKind::None;
    if (text == "公历")
        return CalendarKind::Solar;
    if (text == "农历")
        return CalendarKind::Lunar;
    if (text == "农历(闰月)")
        return CalendarKind::LunarLeap;
    return std::nullopt;
}

} // namespace xingming::calendar
