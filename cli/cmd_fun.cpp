// The entertainment commands: child-sex, match and biorhythm.
#include "cli/commands.h"
#include "cli/jsonoutput.h"

#include "fun/biorhythm.h"
#include "fun/childsex.h"
#include "fun/couplematch.h"

#include <array>
#include <chrono>
#include <ctime>
#include <memory>
#include <optional>
#include <string>

namespace xingming::cli {

namespace {

// ---------------------------------------------------------------------------------------------
// child-sex

struct ChildSexArgs {
    std::string input = "age"; // Option30 "年龄" is chosen at start
    std::string wife{fun::kUnchosen};
    std::string husband{fun::kUnchosen};
    std::string conceptionYear{fun::kUnchosen};
    std::string conceptionMonth{fun::kUnchosen};
    std::string wifeMonth{fun::kUnchosen};
    std::string husbandMonth{fun::kUnchosen};
    bool json = false;
};

// The start button stays disabled until the four lists are chosen; pressing it does nothing,
// so the command says why instead of reporting an empty prediction as a success.
constexpr std::string_view kStartDisabled = "请先选择妻子、丈夫和怀孕时间（年、月）！";

void runChildSex(const ChildSexArgs& a, CommandContext& ctx)
{
    fun::ChildSexForm form;
    form.mode = (a.input == "birth" || a.input == "出生日期") ? fun::InputMode::Birth : fun::InputMode::Age;
    form.CobNL1 = a.wife;
    form.CobNL2 = a.husband;
    form.CobNL3 = a.conceptionYear;
    form.CobNL4 = a.conceptionMonth;
    form.Cobdt1 = a.wifeMonth;
    form.Cobdt2 = a.husbandMonth;
    if (!fun::cobEan(form)) {
        ctx.exitCode = refuse(kStartDisabled, a.json);
        return;
    }

    // A value outside the 16-bit range is refused quietly: no method writes anything.
    const auto p = fun::predict(form);
    std::array<std::optional<std::string_view>, 4> results;
    if (p) {
        if (p->chartAnswered)
            results[0] = p->LjieG1;
        results[1] = p->LjieG2;
        results[2] = p->LjieG3;
        results[3] = p->LjieG4;
    }

    if (a.json) {
        std::string out;
        writeChildSexJson(out, results);
        printLine(out);
        return;
    }
    // The result area as the page shows it: the chart line says when the chart has no row.
    if (p && !p->chartAnswered)
        results[0] = p->LjieG1;
    const std::string_view captions[4] = {fun::kCaptionChart, fun::kCaptionBook, fun::kCaptionCouple,
                                          fun::kCaptionCoupleMonth};
    for (int i = 0; i < 4; ++i)
        printLine(std::string(captions[i]) + "：" + std::string(results[i].value_or("")));
}

void addChildSex(CLI::App& app, CommandContext& ctx)
{
    auto a = std::make_shared<ChildSexArgs>();
    CLI::App* cmd = app.add_subcommand("child-sex", "生男生女预测：四种算法的预测结果");
    cmd->add_option("--input", a->input, "输入方式：age（年龄）或 birth（出生日期）")
        ->check(CLI::IsMember({"age", "birth", "年龄", "出生日期"}));
    cmd->add_option("--wife", a->wife, "妻子的年龄或出生年份（列表的文字）");
    cmd->add_option("--husband", a->husband, "丈夫的年龄或出生年份（列表的文字）");
    cmd->add_option("--conception-year", a->conceptionYear, "怀孕时间：年");
    cmd->add_option("--conception-month", a->conceptionMonth, "怀孕时间：月");
    cmd->add_option("--wife-month", a->wifeMonth, "妻子的出生月份（出生日期方式）");
    cmd->add_option("--husband-month", a->husbandMonth, "丈夫的出生月份（出生日期方式）");
    cmd->add_flag("--json", a->json, "输出一个 JSON 对象");
    cmd->callback([a, &ctx] { runChildSex(*a, ctx); });
}

// ---------------------------------------------------------------------------------------------
// match

struct MatchArgs {
    std::string girl, boy;
    bool json = false;
};

void runMatch(const MatchArgs& a, CommandContext& ctx)
{
    const auto outcome = fun::matchTest(a.girl, a.boy);
    if (const auto* refusal = std::get_if<fun::MatchRefusal>(&outcome)) {
        ctx.exitCode = refuse(refusal->message, a.json);
        return;
    }
    const auto& v = std::get<fun::MatchVerdict>(outcome);
    if (a.json) {
        std::string out;
        writeMatchJson(out, v);
        printLine(out);
        return;
    }
    printLine("结果分析");
    printLine(v.verdict);
}

void addMatch(CLI::App& app, CommandContext& ctx)
{
    auto a = std::make_shared<MatchArgs>();
    CLI::App* cmd = app.add_subcommand("match", "爱情缘份预测：两人的出生日（1 - 31）");
    cmd->add_option("GIRL", a->girl, "女孩生日（几号）")->required();
    cmd->add_option("BOY", a->boy, "男孩生日（几号）")->required();
    cmd->add_flag("--json", a->json, "输出一个 JSON 对象");
    cmd->callback([a, &ctx] { runMatch(*a, ctx); });
}

// ---------------------------------------------------------------------------------------------
// biorhythm

struct BiorhythmArgs {
    std::string birth, query;
    CLI::Option* birthOption = nullptr; // not given: DTPicker1 keeps its date at start
    CLI::Option* queryOption = nullptr; // not given: DTPicker2 shows today
    bool json = false;
};

// A picker date written YYYY-MM-DD (month and day may have one digit).
std::chrono::sys_days parseDate(const std::string& option, const std::string& text)
{
    const auto bad = [&] { usageError(option + ": want a date YYYY-MM-DD, got " + text); };
    int parts[3] = {0, 0, 0};
    size_t part = 0;
    size_t digits = 0;
    for (char c : text) {
        if (c == '-') {
            if (digits == 0 || ++part > 2)
                bad();
            digits = 0;
        } else if (c >= '0' && c <= '9') {
            if (++digits > (part == 0 ? 4u : 2u))
                bad();
            parts[part] = parts[part] * 10 + (c - '0');
        } else {
            bad();
        }
    }
    if (part != 2 || digits == 0)
        bad();
    const std::chrono::year_month_day ymd{std::chrono::year{parts[0]},
                                          std::chrono::month{static_cast<unsigned>(parts[1])},
                                          std::chrono::day{static_cast<unsigned>(parts[2])}};
    if (!ymd.ok())
        bad();
    return std::chrono::sys_days{ymd};
}

// Today's date on the system clock, in local time (DTPicker2 on entering the page).
std::chrono::sys_days localToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::sys_days{std::chrono::year{local.tm_year + 1900} /
                                 std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)} /
                                 std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

void runBiorhythm(const BiorhythmArgs& a, CommandContext& ctx)
{
    const auto birth =
        a.birthOption->count() == 0 ? std::chrono::sys_days{fun::kBirthAtStart} : parseDate("--birth", a.birth);
    const auto query = a.queryOption->count() == 0 ? localToday() : parseDate("--query", a.query);
    const auto outcome = fun::biorhythm(birth, query, fun::Trigger::Button);
    if (const auto* refusal = std::get_if<fun::BiorhythmRefusal>(&outcome)) {
        ctx.exitCode = refuse(refusal->message, a.json);
        return;
    }
    const auto& r = std::get<fun::BiorhythmReading>(outcome);
    if (a.json) {
        std::string out;
        writeBiorhythmJson(out, r);
        printLine(out);
        return;
    }
    printLine("出生天数：" + std::to_string(r.days));
    for (size_t i = 0; i < 3; ++i)
        printLine(std::string(fun::kCycles[i].page) + "　" + r.cycles[i].label);
}

void addBiorhythm(CLI::App& app, CommandContext& ctx)
{
    auto a = std::make_shared<BiorhythmArgs>();
    CLI::App* cmd = app.add_subcommand("biorhythm", "盛衰曲线：情绪、智力、体质指数");
    a->birthOption = cmd->add_option("--birth", a->birth, "出生日期 YYYY-MM-DD（默认 1980-01-01）");
    a->queryOption = cmd->add_option("--query", a->query, "查询日期 YYYY-MM-DD（默认今天）");
    cmd->add_flag("--json", a->json, "输出一个 JSON 对象");
    cmd->callback([a, &ctx] { runBiorhythm(*a, ctx); });
}

} // namespace

void addFunCommands(CLI::App& app, CommandContext& ctx)
{
    addChildSex(app, ctx);
    addMatch(app, ctx);
    addBiorhythm(app, ctx);
}

} // namespace xingming::cli
