// Registration of the command groups of xingming-cli; each group lives in its own file.
#pragma once

#include "cli/cliutil.h"

#include "calendar/birthinput.h"
#include "naming/namingrequest.h"

#include <optional>
#include <string_view>

namespace xingming::cli {

void addScoreCommands(CLI::App& app, CommandContext& ctx);    // score, char
void addCalendarCommands(CLI::App& app, CommandContext& ctx); // lunar-to-solar, solar-to-lunar, bazi
void addNamingCommands(CLI::App& app, CommandContext& ctx);   // naming, detail
void addFunCommands(CLI::App& app, CommandContext& ctx);      // child-sex, match, biorhythm
void addSuggestCommands(CLI::App& app, CommandContext& ctx);  // suggest

// The option texts of the sex and calendar choices; nullopt for a text that names none.
// The empty text is the unchosen option.
std::optional<calendar::Sex> parseSexText(std::string_view s);
std::optional<calendar::CalendarKind> parseCalendarText(std::string_view s);

// The inputs of the naming pane as options (--surname --sex --length --calendar --year
// --month --day --hour), shared by `naming` and `suggest`.
struct NamingPaneOptions {
    naming::NamingForm form;
    std::string sex, calendar, length;
};
void addNamingPaneOptions(CLI::App* cmd, NamingPaneOptions& opts);

// The form the options describe; a sex or calendar text that names no option is a usage error.
naming::NamingForm namingPaneForm(const NamingPaneOptions& opts);

} // namespace xingming::cli
