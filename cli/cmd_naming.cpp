// The commands `naming` (the online naming request) and `detail` (the 81 explanations).
#include "cli/commands.h"
#include "cli/jsonoutput.h"

#include "naming/namingrequest.h"
#include "naming/explanations.h"

#include <charconv>
#include <memory>

namespace xingming::cli {

namespace {

using calendar::CalendarKind;
using calendar::Sex;

// The host of the vendor web site that the naming address names.
constexpr std::string_view kVendorHost = "127.0.0.1";

struct NamingOptions {
    NamingPaneOptions pane;
    bool json = false;
};

} // namespace

void addNamingPaneOptions(CLI::App* cmd, NamingPaneOptions& opts)
{
    cmd->add_option("--surname", opts.form.surname, "surname (Text9)");
    cmd->add_option("--sex", opts.sex, "男 or 女 (m, male, f, female)");
    cmd->add_option("--length", opts.length, "1 or 2 characters of given name (2 when omitted)")
        ->check(CLI::IsMember({"1", "2"}));
    cmd->add_option("--calendar", opts.calendar, "公历, 农历 or 农历(闰月) (solar, lunar, lunar-leap)");
    cmd->add_option("--year", opts.form.date.year, "year text");
    cmd->add_option("--month", opts.form.date.month, "month text");
    cmd->add_option("--day", opts.form.date.day, "day text");
    cmd->add_option("--hour", opts.form.date.hour, "hour text");
}

naming::NamingForm namingPaneForm(const NamingPaneOptions& opts)
{
    const auto sex = parseSexText(opts.sex);
    if (!sex)
        usageError("--sex takes 男 or 女 (m, male, f, female)");
    const auto cal = parseCalendarText(opts.calendar);
    if (!cal)
        usageError("--calendar takes 公历, 农历 or 农历(闰月) (solar, lunar, lunar-leap)");
    naming::NamingForm form = opts.form;
    // The surname box (Text9) keeps two characters, like the name test's boxes.
    form.surname = boxText(form.surname);
    form.sex = *sex;
    form.calendar = *cal;
    // "双字名" is selected when the pane opens.
    form.twoCharName = opts.length != "1";
    return form;
}

void addNamingCommands(CLI::App& app, CommandContext& ctx)
{
    auto opts = std::make_shared<NamingOptions>();
    CLI::App* cmd = app.add_subcommand("naming", "The online naming request: checks, message and request address");
    addNamingPaneOptions(cmd, opts->pane);
    cmd->add_flag("--json", opts->json, "print JSON");
    cmd->callback([opts, &ctx]() {
        const naming::NamingOutcome res = naming::runNamingRequest(namingPaneForm(opts->pane));
        if (res.refused) {
            ctx.exitCode = refuse(res.message, opts->json);
            return;
        }
        const std::string address = "http://" + std::string(kVendorHost) + res.query;
        if (opts->json) {
            std::string out;
            writeNamingJson(out, res.message, address);
            printLine(out);
        } else {
            printLine(res.message);
            printLine(address);
        }
    });

    auto number = std::make_shared<std::string>();
    cmd = app.add_subcommand("detail", "The detailed explanation of number N (1 to 81)");
    cmd->add_option("N", *number, "number 1 to 81")->required();
    cmd->callback([number, &ctx]() {
        int n = 0;
        const auto r = std::from_chars(number->data(), number->data() + number->size(), n);
        const std::string_view text =
            r.ec == std::errc() && r.ptr == number->data() + number->size() ? naming::explanationText(n) : "";
        if (text.empty()) {
            ctx.exitCode = kExitNoValue;
            return;
        }
        printLine(text);
    });
}

} // namespace xingming::cli
