#include "cli/jsonwriter.h"

#include <charconv>

namespace xingming::cli {

void appendJsonString(std::string& out, std::string_view s)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out.push_back('"');
    size_t run = 0; // start of the pending run of characters that need no escape
    for (size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(s.data() + run, i - run);
        run = i + 1;
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += "\\u00";
            out.push_back(kHex[c >> 4]);
            out.push_back(kHex[c & 15]);
        }
    }
    out.append(s.data() + run, s.size() - run);
    out.push_back('"');
}

void JsonWriter::separate()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (!m_first)
        m_out.push_back(',');
    m_first = false;
}

void JsonWriter::open(char c)
{
    separate();
    m_out.push_back(c);
    m_first = true;
}

void JsonWriter::close(char c)
{
    m_out.push_back(c);
    m_first = false;
}

void JsonWriter::key(std::string_view name)
{
    separate();
    appendJsonString(m_out, name);
    m_out.push_back(':');
    m_afterKey = true;
}

void JsonWriter::value(std::string_view s)
{
    separate();
    appendJsonString(m_out, s);
}

void JsonWriter::value(std::int64_t n)
{
    separate();
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, n);
    m_out.append(buf, r.ptr);
}

void JsonWriter::value(float x)
{
    separate();
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, x);
    m_out.append(buf, r.ptr);
}

void JsonWriter::value(bool b)
{
    separate();
    m_out += b ? "true" : "false";
}

void JsonWriter::null()
{
    separate();
    m_out += "null";
}

void JsonWriter::value(std::optional<std::uint32_t> n)
{
    if (n)
        value(static_cast<std::int64_t>(*n));
    else
        null();
}

} // namespace xingming::cli
