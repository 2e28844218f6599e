// The birth-date input shared by the name-test pane and the naming pane: the date
// checks with their messages, and the turn of a lunar date into the solar birth date.
#pragma once

#include "calendar/fiveelements.h"
#include "calendar/kinds.h"

#include <optional>
#include <string>
#include <string_view>

namespace xingming::calendar {

// The raw texts of the year, month, day and hour fields.
struct DateFields {
    std::string year, month, day, hour;
};

// The numeric value of a field's text: its leading decimal number (optional sign, digits,
// optionally "." and more digits; no blanks, no exponent), 0 when the text does not
// begin with one. "12" -> 12, "12.5x" -> 12.5, "1e9" -> 1, "abc" -> 0, "" -> 0.
double fieldValue(std::string_view text);

// The date checks in their fixed order (year, month, day, the month lengths, hour); the
// message of the first that fails, nullopt when all pass. The solar month-length checks
// are skipped for a lunar date ("农历", "农历(闰月)"), whose months the lunar table checks.
std::optional<std::string> checkDateFields(const DateFields& f, CalendarKind kind);

inline constexpr std::string_view kLunarDateError = "请核对万年历，您输入的农历日期有误！";

// The solar birth date of checked fields. A lunar date (Lunar, LunarLeap for a date of
// the leap month) is converted and stored as "Y", "M", "D" without leading zeros; Solar
// and None keep the texts as entered; the hour text is kept as entered. nullopt when the
// lunar date does not exist: kLunarDateError must be shown.
std::optional<BirthDate> resolveBirthDate(const DateFields& f, CalendarKind kind);

// What the checks of the two panels that take a birth differ in.
struct PanelRules {
    bool givenName;                     // the panel has a given-name box, checked after the surname
    std::string_view noCalendarMessage; // the message when no calendar is chosen
};

// A panel's entry as its checks read it.
struct PanelEntry {
    std::string_view surname;
    std::string_view given; // read only when the rules have a given-name box
    Sex sex = Sex::None;
    CalendarKind calendar = CalendarKind::None;
    const DateFields& date;
};

// Either the message of the first check that failed, or the solar birth date.
struct CheckedBirth {
    std::string message;
    std::optional<BirthDate> birth;
    bool fieldsPassed = false; // every field passed; only the lunar date may not exist
};

// The checks of a panel in their fixed order: surname, given name (by the rules), sex, the
// date fields, the calendar; then the lunar date resolved (kLunarDateError when it does
// not exist).
CheckedBirth checkPanel(const PanelEntry& entry, const PanelRules& rules);

} // namespace xingming::calendar
