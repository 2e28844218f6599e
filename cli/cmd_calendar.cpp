// The calendar commands: lunar-to-solar, solar-to-lunar and bazi.
#include "cli/commands.h"
#include "cli/jsonoutput.h"

#include "calendar/fiveelements.h"
#include "calendar/lunarcalendar.h"
#include "calendar/pillars.h"

#include <charconv>
#include <climits>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

namespace xingming::cli {

namespace {

enum class IntParse { Ok, OutOfRange, NotANumber };

// A whole decimal number; a value past the range of int is reported as such, not wrapped.
IntParse parseInt(std::string_view s, int& out)
{
    if (s.starts_with('+'))
        s.remove_prefix(1);
    if (s.empty())
        return IntParse::NotANumber;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), out);
    if (r.ec == std::errc::result_out_of_range) {
        const std::string_view digits = s.starts_with('-') ? s.substr(1) : s;
        return !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos
                   ? IntParse::OutOfRange
                   : IntParse::NotANumber;
    }
    if (r.ec != std::errc() || r.ptr != s.data() + s.size())
        return IntParse::NotANumber;
    return IntParse::Ok;
}

// Operands Y M D as integers; nullopt when one of them lies past int (no such date).
std::optional<std::array<int, 3>> parseYmd(const std::string& y, const std::string& m, const std::string& d)
{
    std::array<int, 3> v{};
    bool outOfRange = false;
    const std::array<const std::string*, 3> texts{&y, &m, &d};
    for (size_t i = 0; i < 3; ++i) {
        switch (parseInt(*texts[i], v[i])) {
        case IntParse::Ok:
            break;
        case IntParse::OutOfRange:
            outOfRange = true;
            break;
        case IntParse::NotANumber:
            usageError("not a whole number: " + *texts[i]);
        }
    }
    if (outOfRange)
        return std::nullopt;
    return v;
}

// Prints one converted line for every input line, an empty line where there is no value.
template <typename Convert> int convertLines(const std::string& path, Convert convert)
{
    return forEachLine(path, [&convert](const std::string& line, std::string& out) { out += convert(line); });
}

std::string lunarToSolarLine(std::string_view line)
{
    std::istringstream in{std::string(line)};
    std::string y, m, d, leap, extra;
    if (!(in >> y >> m >> d))
        return {};
    in >> leap >> extra;
    if (!extra.empty() || (!leap.empty() && leap != "leap"))
        return {};
    int v[3];
    for (int i = 0; i < 3; ++i) {
        if (parseInt(i == 0 ? y : i == 1 ? m : d, v[i]) != IntParse::Ok)
            return {};
    }
    return calendar::LunarToSolar(v[0], v[1], v[2], leap == "leap");
}

struct L2SOptions {
    std::string y, m, d, batch;
    bool leap = false;
};

struct S2LOptions {
    std::string date, batch;
    int mode = 1;
};

struct BaziOptions {
    std::string y, m, d, h;
    bool json = false;
};

} // namespace

void addCalendarCommands(CLI::App& app, CommandContext& ctx)
{
    auto l2s = std::make_shared<L2SOptions>();
    CLI::App* cmd = app.add_subcommand("lunar-to-solar", "Solar date of a lunar date (year/month/day)");
    cmd->add_option("Y", l2s->y, "lunar year");
    cmd->add_option("M", l2s->m, "lunar month");
    cmd->add_option("D", l2s->d, "lunar day");
    cmd->add_flag("--leap", l2s->leap, "the date lies in the leap month of that number");
    cmd->add_option("--batch", l2s->batch, "one input a line: Y M D or Y M D leap (- for standard input)");
    cmd->callback([l2s, &ctx]() {
        if (!l2s->batch.empty()) {
            if (!l2s->y.empty())
                usageError("--batch takes no operands");
            ctx.exitCode = convertLines(l2s->batch, lunarToSolarLine);
            return;
        }
        if (l2s->d.empty())
            usageError("lunar-to-solar needs the operands Y M D");
        const auto v = parseYmd(l2s->y, l2s->m, l2s->d);
        const std::string res = v ? calendar::LunarToSolar((*v)[0], (*v)[1], (*v)[2], l2s->leap) : std::string();
        if (res.empty()) {
            ctx.exitCode = kExitNoValue;
            return;
        }
        printLine(res);
    });

    auto s2l = std::make_shared<S2LOptions>();
    cmd = app.add_subcommand("solar-to-lunar", "Lunar date of a solar date written M-D-YYYY");
    cmd->add_option("DATE", s2l->date, "solar date, month-day-year (5-17-1990)");
    cmd->add_option("--mode", s2l->mode, "1: the lunar date text, 2: the lunar month number")
        ->check(CLI::IsMember({1, 2}));
    cmd->add_option("--batch", s2l->batch, "one M-D-YYYY a line (- for standard input)");
    cmd->callback([s2l, &ctx]() {
        if (!s2l->batch.empty()) {
            if (!s2l->date.empty())
                usageError("--batch takes no operand");
            const int mode = s2l->mode;
            ctx.exitCode =
                convertLines(s2l->batch, [mode](std::string_view line) { return calendar::SolarToLunar(line, mode); });
            return;
        }
        if (s2l->date.empty())
            usageError("solar-to-lunar needs the operand M-D-YYYY");
        const std::string res = calendar::SolarToLunar(s2l->date, s2l->mode);
        if (res.empty()) {
            ctx.exitCode = kExitNoValue;
            return;
        }
        printLine(res);
    });

    auto bazi = std::make_shared<BaziOptions>();
    cmd = app.add_subcommand("bazi", "Birth chart of a solar date and hour");
    cmd->add_option("Y", bazi->y, "solar year")->required();
    cmd->add_option("M", bazi->m, "solar month")->required();
    cmd->add_option("D", bazi->d, "solar day")->required();
    cmd->add_option("H", bazi->h, "hour 0 to 23")->required();
    cmd->add_flag("--json", bazi->json, "print JSON");
    cmd->callback([bazi, &ctx]() {
        const auto v = parseYmd(bazi->y, bazi->m, bazi->d);
        int hour = 0;
        const IntParse hp = parseInt(bazi->h, hour);
        if (hp == IntParse::NotANumber)
            usageError("not a whole number: " + bazi->h);
        // The chart exists for real dates of the calendar's range and hours 0 to 23.
        const bool validDate =
            v &&
            std::chrono::year_month_day{std::chrono::year{(*v)[0]}, std::chrono::month{static_cast<unsigned>((*v)[1])},
                                        std::chrono::day{static_cast<unsigned>((*v)[2])}}
                .ok() &&
            (*v)[0] >= 1900 && (*v)[0] <= 2100 && (*v)[1] >= 1 && (*v)[1] <= 12 && (*v)[2] >= 1 && (*v)[2] <= 31;
        if (!validDate || hp != IntParse::Ok || hour < 0 || hour > 23) {
            ctx.exitCode = kExitNoValue;
            return;
        }
        const calendar::BirthDate birth{std::to_string((*v)[0]), std::to_string((*v)[1]), std::to_string((*v)[2]),
                                        std::to_string(hour)};
        const calendar::BirthChartValues c = calendar::birthChartValues(birth);
        if (bazi->json) {
            std::string out;
            writeBaziJson(out, c);
            printLine(out);
        } else {
            printLine("农历生日：" + c.nongli);
            printLine("八字：" + c.bazhi);
            printLine("五行：" + c.wuhang);
            printLine(c.whstr);
        }
    });
}

} // namespace xingming::cli
