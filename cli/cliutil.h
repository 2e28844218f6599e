// Shared plumbing of the xingming-cli commands: exit codes, refusals and JSON output.
#pragma once

#include <nlohmann/json.hpp>

#include <CLI/CLI.hpp>

#include <cstdio>
#include <string>
#include <string_view>

namespace xingming::cli {

// Exit codes of the command line.
enum ExitCode : int {
    kExitOk = 0,
    kExitNoValue = 1,  // a conversion that yields the empty text
    kExitRefused = 2,  // a check of the system refused the input
    kExitUsage = 64,   // the command line itself is wrong
};

// What a command's callback leaves behind for main().
struct CommandContext {
    int exitCode = kExitOk;
};

// Thrown by a callback when an operand is malformed (CLI11 turns it into exit 64).
inline void usageError(const std::string& what)
{
    throw CLI::ValidationError(what);
}

// Prints text followed by a newline on standard output.
void printLine(std::string_view text);

// Prints a JSON value on one line.
void printJson(const nlohmann::json& value);

// A refusal by one of the system's checks: the message on standard error, and with
// --json also {"error": message} on standard output. Returns kExitRefused.
int refuse(std::string_view message, bool json);

// True when text is well-formed UTF-8.
bool isValidUtf8(std::string_view text);

} // namespace xingming::cli
