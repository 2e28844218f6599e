// xingming-cli: the command-line front end over the same core as the desktop program.
#include "cli/commands.h"

#include <cstdio>
#include <iostream>
#include <string_view>

#include <fcntl.h>
#include <unistd.h>

using namespace xingming::cli;

namespace {

// A closed standard stream keeps its number taken, by /dev/null opened the wrong way round,
// so that no file opened later takes its place and every read or write on it fails.
void holdClosedStreams()
{
    const int modes[3] = {O_WRONLY, O_RDONLY, O_RDONLY};
    for (int fd = 0; fd < 3; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1)
            continue;
        const int got = ::open("/dev/null", modes[fd] | O_CLOEXEC);
        if (got >= 0 && got != fd) {
            ::dup2(got, fd);
            ::close(got);
        }
    }
}

// Every command and the group that registers it, the groups in the order of the help text.
using Group = void (*)(CLI::App&, CommandContext&);
struct Command {
    std::string_view name;
    Group group;
};
constexpr Command kCommands[] = {
    {"score", addScoreCommands},
    {"char", addScoreCommands},
    {"lunar-to-solar", addCalendarCommands},
    {"solar-to-lunar", addCalendarCommands},
    {"bazi", addCalendarCommands},
    {"naming", addNamingCommands},
    {"detail", addNamingCommands},
    {"child-sex", addFunCommands},
    {"match", addFunCommands},
    {"biorhythm", addFunCommands},
    {"suggest", addSuggestCommands},
};

const Command* commandNamed(std::string_view word)
{
    for (const Command& c : kCommands)
        if (c.name == word)
            return &c;
    return nullptr;
}

// Setting up the options of every command costs a start more than most commands' work, so
// a command line whose first word names a command, and no later word another, sets up that
// command's group alone: nothing else could match its words. Any other command line (help,
// an unknown command, a second command's name) gets every command, but for the version
// alone, which needs none.
void addCommands(CLI::App& app, CommandContext& ctx, int argc, char** argv)
{
    if (argc == 2 && std::string_view(argv[1]) == "--version")
        return;
    const Command* named = argc > 1 ? commandNamed(argv[1]) : nullptr;
    for (int i = 2; named && i < argc; ++i)
        if (commandNamed(argv[i]))
            named = nullptr;
    if (named) {
        named->group(app, ctx);
        return;
    }
    Group last = nullptr;
    for (const Command& c : kCommands) {
        if (c.group != last)
            c.group(app, ctx);
        last = c.group;
    }
}

} // namespace

int main(int argc, char** argv)
{
    holdClosedStreams();
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
    app.set_version_flag("--version", "xingming-cli " XINGMING_VERSION);
    CommandContext ctx;
    addCommands(app, ctx, argc, argv);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "xingming-cli: " << e.what() << '\n' << "usage: xingming-cli COMMAND [OPTIONS] (see --help)\n";
        return kExitUsage;
    }
    // Nothing is reported done that could not be written.
    if (ctx.exitCode != kExitIoError && (std::fflush(stdout) != 0 || std::ferror(stdout)))
        return outputFailed();
    return ctx.exitCode;
}
