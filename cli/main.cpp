// xingming-cli: the command-line front end over the same core as the desktop program.
#include "cli/commands.h"

#include <cstdio>
#include <iostream>

using namespace xingming::cli;

int main(int argc, char** argv)
{
    // Every operand is UTF-8 text; anything else is a usage error, never undefined behaviour.
    for (int i = 1; i < argc; ++i) {
        if (!isValidUtf8(argv[i])) {
            std::cerr << "xingming-cli: argument " << i << " is not valid UTF-8\n"
                      << "usage: xingming-cli COMMAND [OPTIONS] (see --help)\n";
            return kExitUsage;
        }
    }

    CLI::App app{"xingming-cli: name test, lunar calendar and birth chart", "xingming-cli"};
    app.require_subcommand(1);
    app.fallthrough(false);
    CommandContext ctx;
    addScoreCommands(app, ctx);
    addCalendarCommands(app, ctx);
    addNamingCommands(app, ctx);
    addFunCommands(app, ctx);
    addSuggestCommands(app, ctx);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "xingming-cli: " << e.what() << '\n'
                  << "usage: xingming-cli COMMAND [OPTIONS] (see --help)\n";
        return kExitUsage;
    }
    std::fflush(stdout);
    return ctx.exitCode;
}
