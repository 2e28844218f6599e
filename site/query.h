// Reading the query of a page address: percent-decoding, the choice between GBK and UTF-8
// for the decoded bytes, and HTML escaping of whatever a request brings along.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xingming::site {

// One key and its value, both percent-decoded to bytes ('+' stands for a blank).
struct QueryParam {
    std::string key;
    std::string value;
};

// The pairs of a query (the part after "?"), in their order; a pair without "=" has the
// empty value, empty pairs ("&&") are skipped. nullopt when a "%" is not followed by two
// hexadecimal digits; error then says where.
std::optional<std::vector<QueryParam>> parseQuery(std::string_view query, std::string& error);

// Percent-decoding to bytes; "+" stands for a blank when plusIsBlank (query keys and
// values). nullopt when a "%" is not followed by two hexadecimal digits.
std::optional<std::string> percentDecode(std::string_view text, bool plusIsBlank);

// The value of the first pair with this key, nullptr when there is none.
const std::string* findParam(const std::vector<QueryParam>& params, std::string_view key);

enum class TextEncoding { Ascii, Gbk, Utf8 };

struct DecodedText {
    std::string utf8;
    TextEncoding encoding = TextEncoding::Ascii;
};

// The text of decoded value bytes. The naming request sends its values in GBK, while a
// browser sends the characters of an address it was given as text in UTF-8, so:
//  1. bytes that are all ASCII are the text itself;
//  2. otherwise the bytes are read as GBK (in its GB18030 extent) and as UTF-8, each
//     strictly; when only one reading is well-formed it is taken;
//  3. when both are, the reading whose characters all stand in the character table wins;
//     if that does not decide, the reading with fewer characters (a UTF-8 Chinese text
//     read as GBK falls apart into more, stranger characters); if still even, GBK;
//  4. a text with a control character (C0, DEL or C1) is refused like ill-formed bytes.
// nullopt when neither reading is well-formed or the text holds a control character;
// error (when given) then says which.
std::optional<DecodedText> decodeText(std::string_view bytes, std::string* error = nullptr);

// The GB18030 reading of bytes as UTF-8; nullopt when they are not well-formed GB18030.
std::optional<std::string> gb18030ToUtf8(std::string_view bytes);

// Text for HTML, in element content and in quoted attribute values alike: & < > " '
// become references, and bytes that are no well-formed UTF-8 become U+FFFD.
std::string htmlEscape(std::string_view text);

// Percent-encoding of UTF-8 text for a query value in this site's own links: GBK like
// the naming request, so every link reads back unambiguously.
std::string queryValue(std::string_view utf8);

} // namespace xingming::site
