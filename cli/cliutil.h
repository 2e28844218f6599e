// Shared plumbing of the xingming-cli commands: exit codes, refusals, input and output.
#pragma once

#include <CLI/CLI.hpp>

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace xingming::cli {

// Exit codes of the command line.
enum ExitCode : int {
    kExitOk = 0,
    kExitNoValue = 1,  // a conversion that yields the empty text
    kExitRefused = 2,  // a check of the system refused the input
    kExitUsage = 64,   // the command line itself is wrong
    kExitNoInput = 66, // an input file that cannot be opened or read to its end
    kExitIoError = 74, // output that cannot be written in full
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

// Prints text followed by a newline on standard error: a warning beside a result.
void printWarning(std::string_view text);

// A refusal by one of the system's checks: the message on standard error, and with
// --json also {"error": message} on standard output. Returns kExitRefused.
int refuse(std::string_view message, bool json);

// True when text is well-formed UTF-8.
bool isValidUtf8(std::string_view text);

// The first two characters of text, as a name box keeps them.
std::string boxText(std::string_view text);

// The lines of an input file ("-" is standard input), read with plain reads so that a
// directory, a read error or a closed standard input is told apart from the end.
class LineReader {
public:
    explicit LineReader(const std::string& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line without its end ("\n" or "\r\n"); false at the end or at an error.
    bool next(std::string& line);
    // After next() returned false: the empty text at the end, else what failed.
    const std::string& error() const { return m_error; }

private:
    bool fill();

    std::string m_path;
    int m_fd = -1;
    bool m_own = false;
    bool m_eof = false;
    std::string m_error;
    std::string m_buffer;
    size_t m_pos = 0;
};

// Reports an input that could not be read to its end; returns kExitNoInput.
int inputFailed(const std::string& what);

// Writes bytes to standard output through its buffer; false once anything could not be
// written (a full disk, a closed standard output).
bool writeOut(std::string_view bytes);

// Reports output that could not be written in full; returns kExitIoError.
int outputFailed();

// The batch commands write their output in pieces of about this size.
inline constexpr size_t kBatchChunk = 1 << 16;

// A batch: each(line, out) appends the output of one input line to out, which is written
// in pieces as it goes. The exit status: 0, kExitNoInput or kExitIoError (reported).
int forEachLine(const std::string& path, const std::function<void(const std::string& line, std::string& out)>& each);

} // namespace xingming::cli
