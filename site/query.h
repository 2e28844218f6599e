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

// The encoding a query declares. The program's naming address is written in GBK and says
// so by its fixed button value (btnAdd, "到下一步" in GBK); any other query says nothing,
// and its values are read by the rule of decodeText.
enum class QueryEncoding { Unknown, Gbk };
QueryEncoding queryEncoding(const std::vector<QueryParam>& params);

// The text of decoded value bytes.
//  - In a query declared GBK, the bytes are read as GBK (in its GB18030 extent), strictly.
//  - Otherwise: bytes that are well-formed UTF-8 (all ASCII included) are read as UTF-8,
//    always; only bytes that are not are read as GBK. So no UTF-8 text is ever taken for
//    other characters, whatever GBK would make of its bytes; browsers send the addresses
//    they are given as text in UTF-8, and this site writes its own links so.
//  - A text with a control character (C0, DEL or C1) is refused like ill-formed bytes.
// nullopt when the bytes are no well-formed text or the text holds a control character;
// error (when given) then says which.
std::optional<DecodedText> decodeText(std::string_view bytes, QueryEncoding declared = QueryEncoding::Unknown,
                                      std::string* error = nullptr);

// The GB18030 reading of bytes as UTF-8; nullopt when they are not well-formed GB18030.
std::optional<std::string> gb18030ToUtf8(std::string_view bytes);

// Text for HTML, in element content and in quoted attribute values alike: & < > " '
// become references, and bytes that are no well-formed UTF-8 become U+FFFD.
std::string htmlEscape(std::string_view text);

// Percent-encoding of UTF-8 text for a query value in this site's own links: UTF-8, which
// decodeText always reads back as the same text.
std::string queryValue(std::string_view utf8);

} // namespace xingming::site
