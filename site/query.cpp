#include "site/query.h"

#include "naming/utf8.h"

#include <iconv.h>

#include <cerrno>

namespace xingming::site {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Percent-decodes one key or value; false at a malformed escape.
bool decodeInto(std::string_view in, std::string& out, bool plusIsBlank)
{
    out.clear();
    out.reserve(in.size());
    for (size_t i = 0; i < in.size(); ++i) {
        const char c = in[i];
        if (c == '+' && plusIsBlank) {
            out.push_back(' ');
        } else if (c == '%') {
            const int hi = i + 1 < in.size() ? hexValue(in[i + 1]) : -1;
            const int lo = i + 2 < in.size() ? hexValue(in[i + 2]) : -1;
            if (hi < 0 || lo < 0)
                return false;
            out.push_back(static_cast<char>(hi * 16 + lo));
            i += 2;
        } else {
            out.push_back(c);
        }
    }
    return true;
}

bool allAscii(std::string_view bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool hasControl(const std::u32string& text)
{
    for (char32_t c : text)
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
            return true;
    return false;
}

// The value of the naming request's button, "到下一步" in GBK: the mark of its GBK address.
constexpr std::string_view kNamingButtonGbk = "\xB5\xBD\xCF\xC2\xD2\xBB\xB2\xBD";

} // namespace

std::optional<std::vector<QueryParam>> parseQuery(std::string_view query, std::string& error)
{
    std::vector<QueryParam> params;
    size_t start = 0;
    while (start <= query.size()) {
        size_t end = query.find('&', start);
        if (end == std::string_view::npos)
            end = query.size();
        const std::string_view pair = query.substr(start, end - start);
        if (!pair.empty()) {
            const size_t eq = pair.find('=');
            QueryParam p;
            const std::string_view rawKey = pair.substr(0, eq);
            const std::string_view rawValue = eq == std::string_view::npos ? std::string_view{} : pair.substr(eq + 1);
            if (!decodeInto(rawKey, p.key, true) || !decodeInto(rawValue, p.value, true)) {
                error = "参数“" + std::string(rawKey) + "”中的百分号编码不完整（“%”后应为两位十六进制数字）";
                return std::nullopt;
            }
            params.push_back(std::move(p));
        }
        start = end + 1;
    }
    return params;
}

std::optional<std::string> percentDecode(std::string_view text, bool plusIsBlank)
{
    std::string out;
    if (!decodeInto(text, out, plusIsBlank))
        return std::nullopt;
    return out;
}

const std::string* findParam(const std::vector<QueryParam>& params, std::string_view key)
{
    for (const QueryParam& p : params)
        if (p.key == key)
            return &p.value;
    return nullptr;
}

std::optional<std::string> gb18030ToUtf8(std::string_view bytes)
{
    iconv_t cd = iconv_open("UTF-8", "GB18030");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string out(bytes.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char* dst = out.data();
    size_t outLeft = out.size();
    const size_t r = iconv(cd, &in, &inLeft, &dst, &outLeft);
    // A sequence cut off at the end is as ill-formed as a wrong one.
    const bool ok = r != static_cast<size_t>(-1) && inLeft == 0;
    iconv_close(cd);
    if (!ok)
        return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

QueryEncoding queryEncoding(const std::vector<QueryParam>& params)
{
    const std::string* button = findParam(params, "btnAdd");
    return button && *button == kNamingButtonGbk ? QueryEncoding::Gbk : QueryEncoding::Unknown;
}

std::optional<DecodedText> decodeText(std::string_view bytes, QueryEncoding declared, std::string* error)
{
    const auto fail = [error](const char* why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    DecodedText t;
    if (allAscii(bytes)) {
        t.utf8 = std::string(bytes);
        t.encoding = TextEncoding::Ascii;
    } else if (declared == QueryEncoding::Unknown && naming::isValidUtf8(bytes)) {
        t.utf8 = std::string(bytes);
        t.encoding = TextEncoding::Utf8;
    } else if (std::optional<std::string> gbk = gb18030ToUtf8(bytes)) {
        t.utf8 = std::move(*gbk);
        t.encoding = TextEncoding::Gbk;
    } else {
        return fail(declared == QueryEncoding::Gbk ? "不是有效的 GBK 编码"
                                                   : "既不是有效的 GBK 编码，也不是有效的 UTF-8 编码");
    }
    if (hasControl(naming::decodeUtf8(t.utf8)))
        return fail("含有控制字符");
    return t;
}

std::string htmlEscape(std::string_view raw)
{
    // Bytes that are no UTF-8 would spoil the page's text; they stand as U+FFFD.
    std::string sanitized;
    std::string_view text = raw;
    if (!naming::isValidUtf8(raw)) {
        for (char32_t c : naming::decodeUtf8(raw))
            sanitized += naming::encodeUtf8(c);
        text = sanitized;
    }
    std::string out;
    out.reserve(text.size() + 16);
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out.push_back(c);
        }
    }
    return out;
}

std::string queryValue(std::string_view utf8)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(utf8.size() * 3);
    for (char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || c == '-' || c == '_' ||
            c == '.' || c == '~') {
            out.push_back(c);
        } else {
            out += '%';
            out += kHex[u >> 4];
            out += kHex[u & 15];
        }
    }
    return out;
}

} // namespace xingming::site
