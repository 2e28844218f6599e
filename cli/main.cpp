// xingming-cli: the command-line front end over the same core as the desktop program.
#include "cli/commands.h"

#include <cstdio>
#include <iostream>

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
        std::cerr << "xingming-cli: " << e.what() << '\n' << "usage: xingming-cli COMMAND [OPTIONS] (see --help)\n";
        return kExitUsage;
    }
    // Nothing is reported done that could not be written.
    if (ctx.exitCode != kExitIoError && (std::fflush(stdout) != 0 || std::ferror(stdout)))
        return outputFailed();
    return ctx.exitCode;
}
