// xingming-site: the pages of the program's own web site, served on 127.0.0.1 for any
// browser. Usage: xingming-site [--port N]   (N = 0 takes a free port; default 8080)
#include "site/httpserver.h"
#include "site/pages.h"

#include <QCoreApplication>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

constexpr int kExitUsage = 64;

int usage(const char* why)
{
    std::fprintf(stderr,
                 "xingming-site: %s\nusage: xingming-site [--port N]   (0 <= N <= 65535, 0 takes a free port)\n", why);
    return kExitUsage;
}

} // namespace

int main(int argc, char** argv)
{
    int port = 8080;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::printf("usage: xingming-site [--port N]\nServes the program's pages on http://127.0.0.1:N/ "
                        "(loopback only). N = 0 takes a free port.\n");
            return 0;
        }
        std::string_view value;
        if (arg == "--port" && i + 1 < argc)
            value = argv[++i];
        else if (arg.substr(0, 7) == "--port=")
            value = arg.substr(7);
        else
            return usage("unknown argument");
        const auto r = std::from_chars(value.data(), value.data() + value.size(), port);
        if (value.empty() || r.ec != std::errc() || r.ptr != value.data() + value.size() || port < 0 || port > 65535)
            return usage("--port takes a number from 0 to 65535");
    }

    QCoreApplication app(argc, argv);
    xingming::site::HttpServer server(xingming::site::handleRequest);
    if (!server.listen(static_cast<quint16>(port))) {
        std::fprintf(stderr, "xingming-site: cannot listen on 127.0.0.1:%d: %s\n", port,
                     server.errorString().toLocal8Bit().constData());
        return 1;
    }
    std::printf("xingming-site: serving http://127.0.0.1:%u/\n", static_cast<unsigned>(server.port()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}
