#include "cli/cliutil.h"

#include "naming/utf8.h"

#include <iostream>

namespace xingming::cli {

void printLine(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

void printJson(const nlohmann::json& value)
{
    printLine(value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
}

int refuse(std::string_view message, bool json)
{
    std::fwrite(message.data(), 1, message.size(), stderr);
    std::fputc('\n', stderr);
    if (json)
        printJson(nlohmann::json{{"error", std::string(message)}});
    return kExitRefused;
}

bool isValidUtf8(std::string_view text)
{
    return naming::isValidUtf8(text);
}

} // namespace xingming::cli
