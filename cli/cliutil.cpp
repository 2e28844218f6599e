#include "cli/cliutil.h"
#include "cli/jsonoutput.h"

#include "naming/utf8.h"

#include <cerrno>
#include <cstring>
#include <iostream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace xingming::cli {

void printLine(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

void printWarning(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
}

int refuse(std::string_view message, bool json)
{
    std::fwrite(message.data(), 1, message.size(), stderr);
    std::fputc('\n', stderr);
    if (json) {
        std::string out;
        writeErrorJson(out, message);
        printLine(out);
    }
    return kExitRefused;
}

bool isValidUtf8(std::string_view text)
{
    return naming::isValidUtf8(text);
}

std::string boxText(std::string_view text)
{
    const std::vector<std::string> chars = naming::splitCharacters(text, 2);
    std::string out;
    for (const std::string& c : chars)
        out += c;
    return out;
}

LineReader::LineReader(const std::string& path) : m_path(path == "-" ? "standard input" : path)
{
    if (path == "-") {
        m_fd = STDIN_FILENO;
    } else {
        m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        m_own = m_fd >= 0;
        if (m_fd < 0)
            m_error = "cannot open " + m_path + ": " + std::strerror(errno);
    }
    struct stat st {};
    if (m_fd >= 0 && ::fstat(m_fd, &st) == 0 && S_ISDIR(st.st_mode))
        m_error = "cannot read " + m_path + ": " + std::strerror(EISDIR);
}

LineReader::~LineReader()
{
    if (m_own)
        ::close(m_fd);
}

bool LineReader::fill()
{
    if (m_pos > 0) {
        m_buffer.erase(0, m_pos);
        m_pos = 0;
    }
    char chunk[kBatchChunk];
    while (true) {
        const ssize_t n = ::read(m_fd, chunk, sizeof chunk);
        if (n > 0) {
            m_buffer.append(chunk, static_cast<size_t>(n));
            return true;
        }
        if (n == 0) {
            m_eof = true;
            return false;
        }
        if (errno != EINTR) {
            m_error = "cannot read " + m_path + ": " + std::strerror(errno);
            return false;
        }
    }
}

bool LineReader::next(std::string& line)
{
    if (!m_error.empty())
        return false;
    size_t end;
    while ((end = m_buffer.find('\n', m_pos)) == std::string::npos) {
        if (m_eof || !fill()) {
            if (!m_error.empty() || m_pos == m_buffer.size())
                return false;
            // The last line without its end.
            line.assign(m_buffer, m_pos);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            m_pos = m_buffer.size();
            return true;
        }
    }
    line.assign(m_buffer, m_pos, end - m_pos);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    m_pos = end + 1;
    return true;
}

int inputFailed(const std::string& what)
{
    std::cerr << "xingming-cli: " << what << '\n';
    return kExitNoInput;
}

bool writeOut(std::string_view bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && !std::ferror(stdout);
}

int outputFailed()
{
    const int e = errno;
    std::cerr << "xingming-cli: cannot write standard output" << (e ? std::string(": ") + std::strerror(e) : "")
              << '\n';
    return kExitIoError;
}

int forEachLine(const std::string& path, const std::function<void(const std::string& line, std::string& out)>& each)
{
    LineReader in(path);
    std::string line, out;
    out.reserve(kBatchChunk);
    while (in.next(line)) {
        each(line, out);
        out.push_back('\n');
        if (out.size() > kBatchChunk - 4096) {
            if (!writeOut(out))
                return outputFailed();
            out.clear();
        }
    }
    if (!writeOut(out))
        return outputFailed();
    if (!in.error().empty())
        return inputFailed(in.error());
    return kExitOk;
}

} // namespace xingming::cli
