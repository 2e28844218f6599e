// The command `suggest`: the naming engine over the inputs and checks of the naming pane.
#include "cli/commands.h"
#include "cli/jsonoutput.h"

#include "naming/namingrequest.h"
#include "naming/nametest.h"
#include "naming/suggest.h"

#include <memory>
#include <optional>

namespace xingming::cli {

namespace {

struct SuggestOptions {
    NamingPaneOptions pane;
    int top = 20;
    float minScore = 0;
    std::string mode = "mainstream";
    std::string generation;
    int generationPlace = 1;
    std::string avoid;
    bool json = false;
};

std::string elementList(const naming::ElementNeeds& needs)
{
    std::string out;
    for (int e = 0; e < 5; ++e) {
        const auto el = static_cast<naming::Element>(e);
        if (needs.wanted(el))
            out += naming::elementText(el);
    }
    return out;
}

std::string suggestionLine(size_t rank, const naming::Suggestion& s, bool twoCharSurname, bool twoCharGiven)
{
    std::string strokes, elements;
    for (size_t i = 0; i < 4; ++i) {
        if ((i == 1 && !twoCharSurname) || (i == 3 && !twoCharGiven))
            continue;
        if (!strokes.empty())
            strokes += "+";
        strokes += std::to_string(s.strokes[i]);
        elements += naming::elementText(s.elements[i]);
    }
    const naming::Grids& g = s.grids;
    std::string line = std::to_string(rank) + ". " + s.fullName + "  " + naming::scoreText(s.score) + "分  笔划 " +
                       strokes + "  五行 " + elements + "  天格" + std::to_string(g.tg) + " 人格" +
                       std::to_string(g.rg) + " 地格" + std::to_string(g.dG) + " 外格" + std::to_string(g.wg) +
                       " 总格" + std::to_string(g.zg);
    // Each character: its reading and its meaning; then the source and the rules passed.
    for (const naming::SuggestedChar& c : s.chars) {
        line += "\n   " + c.ch + " " + std::string(c.pinyin.empty() ? "（无拼音）" : c.pinyin);
        if (!c.gloss.empty())
            line += "：" + std::string(c.gloss);
    }
    if (s.source) {
        line += "\n   出处：" + std::string(s.source->line) + "（" + std::string(s.source->work);
        if (!s.source->author.empty())
            line += "·" + std::string(s.source->author);
        line += "《" + std::string(s.source->title) + "》）";
    }
    std::string rules;
    for (naming::Rule r : s.passed.rules())
        rules += (rules.empty() ? "" : "、") + std::string(naming::ruleText(r));
    line += "\n   符合：" + rules;
    return line;
}

} // namespace

void addSuggestCommands(CLI::App& app, CommandContext& ctx)
{
    auto opts = std::make_shared<SuggestOptions>();
    CLI::App* cmd =
        app.add_subcommand("suggest", "Given names for a surname and a birth, ranked by the name test's score");
    addNamingPaneOptions(cmd, opts->pane);
    cmd->add_option("--top", opts->top, "how many names (default 20)")->check(CLI::Range(1, 1000));
    cmd->add_option("--min-score", opts->minScore, "leave out names scoring below (default 0)")
        ->check(CLI::Range(0.0, 100.0));
    cmd->add_option("--mode", opts->mode,
                    "master (综合大师), mainstream (主流高分, the default), personal (个性化) or sound (音形义)");
    cmd->add_option("--generation", opts->generation, "a generation character every name keeps (辈份字)");
    cmd->add_option("--generation-place", opts->generationPlace, "1 or 2: the place of the generation character")
        ->check(CLI::Range(1, 2));
    cmd->add_option("--avoid", opts->avoid, "characters no name may use");
    cmd->add_flag("--json", opts->json, "print JSON");
    cmd->callback([opts, &ctx]() {
        const std::optional<naming::NamingMode> mode = naming::modeFromText(opts->mode);
        if (!mode)
            usageError("--mode takes master, mainstream, personal or sound (综合大师, 主流高分, 个性化, 音形义)");
        const naming::NamingForm form = namingPaneForm(opts->pane);
        // The naming pane's checks and lunar conversion, with the same refusals.
        const naming::NamingOutcome checked = naming::runNamingRequest(form);
        if (checked.refused) {
            ctx.exitCode = refuse(checked.message, opts->json);
            return;
        }
        naming::SuggestRequest req;
        req.mode = *mode;
        req.generation = opts->generation;
        req.generationPlace = opts->generationPlace;
        req.avoid = opts->avoid;
        req.surname = form.surname;
        req.sex = form.sex;
        req.length = form.twoCharName ? 2 : 1;
        req.birth = checked.birth;
        req.minScore = opts->minScore;
        req.limit = static_cast<size_t>(opts->top);
        // The options of the engine: a generation character of one Chinese character and
        // good meaning, Chinese characters to avoid.
        if (const std::string refused = naming::checkSuggestRequest(req); !refused.empty()) {
            ctx.exitCode = refuse(refused, opts->json);
            return;
        }
        const naming::SuggestResult res = naming::suggestNames(req);
        if (opts->json) {
            const std::string wanted = elementList(res.needs);
            std::string out;
            writeSuggestJson(out,
                             {form.surname, checked.sex, req.length, checked.birth, wanted, naming::modeName(req.mode),
                              req.generation, req.generationPlace, req.avoid},
                             res, [](std::string_view piece) { writeOut(piece); });
            printLine(out);
            return;
        }
        printLine(res.chart.whstr);
        printLine("喜用五行：" + elementList(res.needs));
        printLine(std::string(naming::modeName(req.mode)));
        if (res.names.empty())
            printLine(res.message);
        for (size_t i = 0; i < res.names.size(); ++i)
            printLine(suggestionLine(i + 1, res.names[i], res.surname.size() == 2, req.length == 2));
    });
}

} // namespace xingming::cli
