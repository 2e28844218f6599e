// The commands `score` and `char`.
#include "cli/commands.h"
#include "cli/jsonoutput.h"

#include "naming/chartable.h"
#include "naming/hanzi.h"
#include "naming/namecandidates.h"
#include "naming/nametest.h"
#include "naming/suggest.h"
#include "naming/utf8.h"

#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>

namespace xingming::cli {

namespace {

using calendar::CalendarKind;
using calendar::Sex;

// The shown texts, and the spellings the command line adds.
std::optional<Sex> parseSex(std::string_view s)
{
    if (s == "m" || s == "male")
        return Sex::Male;
    if (s == "f" || s == "female")
        return Sex::Female;
    return calendar::sexFromText(s);
}

std::optional<CalendarKind> parseCalendar(std::string_view s)
{
    if (s == "solar")
        return CalendarKind::Solar;
    if (s == "lunar")
        return CalendarKind::Lunar;
    if (s == "lunar-leap")
        return CalendarKind::LunarLeap;
    return calendar::calendarFromText(s);
}

// The report as the report window shows it, section by section; the cells of one item
// (the four characters, their strokes and elements) stand on one line.
std::string reportText(const naming::NameTestReport& rep)
{
    std::string out;
    std::optional<naming::ReportSection> section;
    const std::vector<naming::ReportLine> lines = naming::reportLines(rep);
    for (size_t i = 0; i < lines.size();) {
        const naming::ReportLine& line = lines[i];
        if (line.section != section) {
            if (section)
                out += '\n';
            section = line.section;
            out += "【";
            out += naming::sectionCaption(line.section);
            out += "】\n";
        }
        size_t j = i;
        std::string cells;
        while (j < lines.size() && lines[j].section == line.section && lines[j].caption == line.caption &&
               !line.caption.empty() && (j == i || line.section == naming::ReportSection::Basic)) {
            if (lines[j].visible && !lines[j].text.empty()) {
                if (!cells.empty())
                    cells += ' ';
                cells += lines[j].text;
            }
            ++j;
        }
        if (j == i) {
            cells = line.text;
            ++j;
        }
        if (line.caption.empty()) {
            out += cells;
        } else if (line.section == naming::ReportSection::Grids || line.section == naming::ReportSection::Hints) {
            out += line.caption;
            out += '\n';
            out += cells;
        } else {
            // "公历生日 -> …", "天格 -> 8(金)", "笔划数：7 8", "姓名得分：80.5"
            out += line.caption;
            if (line.caption.ends_with("->") || cells.starts_with("-> "))
                out += ' ';
            else if (!line.caption.ends_with("："))
                out += "：";
            out += cells;
        }
        out += '\n';
        i = j;
    }
    return out;
}

struct ScoreOptions {
    naming::NameTestForm form;
    std::string sex, calendar, batch;
    bool json = false;
};

naming::NameTestForm formFromFields(const std::vector<std::string_view>& f)
{
    const auto field = [&f](size_t i) { return i < f.size() ? std::string(f[i]) : std::string(); };
    naming::NameTestForm form;
    form.surname = field(0);
    form.given = field(1);
    // In a batch an unknown sex or calendar text counts as an option nobody chose.
    form.sex = parseSex(field(2)).value_or(Sex::None);
    form.calendar = parseCalendar(field(3)).value_or(CalendarKind::None);
    form.date = {field(4), field(5), field(6), field(7)};
    return form;
}

std::vector<std::string_view> splitTabs(std::string_view line)
{
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (true) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    return fields;
}

// Any byte sequence that is not UTF-8 is read as U+FFFD per byte, so output stays valid.
std::string sanitizeUtf8(std::string_view text)
{
    if (isValidUtf8(text))
        return std::string(text);
    std::string out;
    for (char32_t c : naming::decodeUtf8(text))
        out += naming::encodeUtf8(c);
    return out;
}

// The refusal of a field that holds a NUL byte: no box of the panel can hold one, so the
// box's own message for a character it does not take (sex and calendar are lists, where
// such a text is an option nobody chose).
std::string_view nulRefusal(const std::vector<std::string_view>& fields)
{
    static constexpr std::string_view kBoxMessages[] = {
        "姓只能输入中文",     "名只能输入中文",    "", "", "年份只能输入数字！", "月份只能输入数字！",
        "日期只能输入数字！", "时辰只能输入数字！"};
    for (size_t i = 0; i < fields.size() && i < std::size(kBoxMessages); ++i)
        if (!kBoxMessages[i].empty() && fields[i].find('\0') != std::string_view::npos)
            return kBoxMessages[i];
    return {};
}

int runBatch(const std::string& path)
{
    return forEachLine(path, [](const std::string& line, std::string& out) {
        const std::string clean = sanitizeUtf8(line);
        const std::vector<std::string_view> fields = splitTabs(clean);
        if (const std::string_view refusal = nulRefusal(fields); !refusal.empty()) {
            writeErrorJson(out, refusal);
            return;
        }
        const naming::NameTestOutcome res = naming::runNameTest(formFromFields(fields));
        if (res.report)
            writeScoreJson(out, *res.report);
        else
            writeErrorJson(out, res.message);
    });
}

} // namespace

std::optional<Sex> parseSexText(std::string_view s)
{
    return parseSex(s);
}

std::optional<CalendarKind> parseCalendarText(std::string_view s)
{
    return parseCalendar(s);
}

// Beside the table's columns: pinyin, whether the table has the character (with the Kangxi
// count its radical gives when it does not), and the meaning when the candidate list has it.
static std::string charDetails(char32_t c)
{
    const std::string_view pinyin = naming::readingsOf(c);
    std::string out = pinyin.empty() ? std::string("（无拼音）") : std::string(pinyin);
    if (naming::charPosition(c) != 0) {
        out += "\t字库有此字";
    } else {
        const int derived = naming::derivedKangxiStrokes(c);
        out += derived > 0 ? "\t字库无此字，按部首推算康熙笔画 " + std::to_string(derived) + " 划"
                           : std::string("\t字库无此字");
    }
    if (const naming::CandidateRow* cand = naming::candidateRow(c))
        out += "\t" + std::string(cand->gloss);
    return out;
}

void addScoreCommands(CLI::App& app, CommandContext& ctx)
{
    auto opts = std::make_shared<ScoreOptions>();
    CLI::App* score = app.add_subcommand("score", "The name test, from the checks of the start button to the report");
    score->add_option("--surname", opts->form.surname, "surname (Text1)");
    score->add_option("--given", opts->form.given, "given name (Text2)");
    score->add_option("--sex", opts->sex, "男 or 女 (m, male, f, female)");
    score->add_option("--calendar", opts->calendar, "公历, 农历 or 农历(闰月) (solar, lunar, lunar-leap)");
    score->add_option("--year", opts->form.date.year, "year text");
    score->add_option("--month", opts->form.date.month, "month text");
    score->add_option("--day", opts->form.date.day, "day text");
    score->add_option("--hour", opts->form.date.hour, "hour text");
    score->add_option("--batch", opts->batch, "one case a line, eight tab-separated fields (- for standard input)");
    score->add_flag("--json", opts->json, "print JSON");
    score->callback([opts, &ctx]() {
        if (!opts->batch.empty()) {
            ctx.exitCode = runBatch(opts->batch);
            return;
        }
        const auto sex = parseSex(opts->sex);
        if (!sex)
            usageError("--sex takes 男 or 女 (m, male, f, female)");
        const auto cal = parseCalendar(opts->calendar);
        if (!cal)
            usageError("--calendar takes 公历, 农历 or 农历(闰月) (solar, lunar, lunar-leap)");
        opts->form.sex = *sex;
        opts->form.calendar = *cal;
        const naming::NameTestOutcome res = naming::runNameTest(opts->form);
        if (!res.report) {
            ctx.exitCode = refuse(res.message, opts->json);
            return;
        }
        // Characters the table lacks are scored as the table says; the user is told which.
        const std::string warning = naming::outsideTableWarning(naming::charsOutsideTable(res.report->result));
        if (!warning.empty())
            printWarning(warning);
        std::string out;
        if (opts->json)
            writeScoreJson(out, *res.report);
        else
            out = reportText(*res.report);
        if (!out.empty() && out.back() == '\n')
            out.pop_back();
        printLine(out);
    });

    auto text = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    CLI::App* chr = app.add_subcommand(
        "char", "Position, strokes and element of every character of TEXT, with its pinyin, meaning and radical");
    chr->add_option("TEXT", *text, "characters to look up")->required();
    chr->add_flag("--json", *json, "print JSON");
    chr->callback([text, json]() {
        std::vector<CharRow> rows;
        for (char32_t c : naming::decodeUtf8(*text)) {
            std::string ch = naming::encodeUtf8(c);
            const naming::CharInfo info = naming::lookupChar(ch);
            rows.push_back({std::move(ch), c, info});
        }
        std::string out;
        if (*json) {
            writeCharsJson(out, rows);
        } else {
            for (const CharRow& row : rows) {
                if (!out.empty())
                    out += '\n';
                out += row.ch + "\t" + std::to_string(row.info.position) + "\t" + std::to_string(row.info.strokes) +
                       "\t" + std::string(naming::elementText(row.info.element)) + "\t" + charDetails(row.code);
            }
        }
        printLine(out);
    });
}

} // namespace xingming::cli
