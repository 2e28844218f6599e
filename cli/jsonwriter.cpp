#include "cli/jsonwriter.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#if defined(__GNUC__) && defined(__x86_64__)
#include <immintrin.h>
#endif
#endif

namespace xingming::cli {

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101u;
constexpr std::uint64_t kHighs = 0x8080808080808080u;
static_assert(std::endian::native == std::endian::little, "the word scan reads the first byte as the lowest");

// The high bit of every byte of w that needs a look: a control character, '"', '\\', or
// any byte of a multi-byte character (which is checked to be well-formed UTF-8). Bytes
// above the lowest one marked may be marked falsely (a borrow runs on); the lowest never is.
constexpr std::uint64_t attention(std::uint64_t w)
{
    const std::uint64_t control = (w - kOnes * 0x20) & ~w;
    const std::uint64_t quote = w ^ (kOnes * '"');
    const std::uint64_t backslash = w ^ (kOnes * '\\');
    return (control | ((quote - kOnes) & ~quote) | ((backslash - kOnes) & ~backslash) | w) & kHighs;
}
static_assert(attention(0x4142434445464748u) == 0);
static_assert(attention(0x41424344454647'22u) == 0x80);
static_assert(attention(0x4142'5c'4445464748u) == 0x80ull << 40);
static_assert(attention(0x1f42434445464748u) == 0x80ull << 56);
static_assert(attention(0x41424344'e4'464748u) == 0x80ull << 24);

// The length of the well-formed UTF-8 character at p (Unicode table 3-7) when it is one;
// otherwise 0, and bad is the length of its maximal well-formed start (at least 1), the
// bytes that one U+FFFD stands for.
std::size_t utf8Length(const unsigned char* p, const unsigned char* end, std::size_t& bad)
{
    const unsigned c = p[0];
    std::size_t n;
    unsigned lo = 0x80, hi = 0xbf; // the range of the second byte
    if (c >= 0xc2 && c <= 0xdf) {
        n = 2;
    } else if (c >= 0xe0 && c <= 0xef) {
        n = 3;
        if (c == 0xe0)
            lo = 0xa0;
        else if (c == 0xed)
            hi = 0x9f;
    } else if (c >= 0xf0 && c <= 0xf4) {
        n = 4;
        if (c == 0xf0)
            lo = 0x90;
        else if (c == 0xf4)
            hi = 0x8f;
    } else {
        bad = 1;
        return 0;
    }
    std::size_t i = 1;
    for (; i < n && p + i < end; ++i) {
        const unsigned b = p[i];
        if (b < lo || b > hi)
            break;
        lo = 0x80;
        hi = 0xbf;
    }
    if (i == n)
        return n;
    bad = i;
    return 0;
}

void appendEscape(std::string& out, unsigned char c, BackspaceFormFeed bf)
{
    static constexpr char kHex[] = "0123456789abcdef";
    char buf[6] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 15]};
    std::size_t n = 2;
    switch (c) {
    case '"':
    case '\\':
        buf[1] = static_cast<char>(c);
        break;
    case '\n':
        buf[1] = 'n';
        break;
    case '\r':
        buf[1] = 'r';
        break;
    case '\t':
        buf[1] = 't';
        break;
    case '\b':
    case '\f':
        if (bf == BackspaceFormFeed::Short) {
            buf[1] = c == '\b' ? 'b' : 'f';
            break;
        }
        [[fallthrough]];
    default:
        n = 6;
    }
    out.append(buf, n);
}

#if defined(__SSE2__)
constexpr bool kSixteenBytes = true;

// The n (below 16) bytes at p followed by blanks, read with loads of the bytes there only,
// none wider than what was stored (a copy to a buffer read back whole would stall).
inline __m128i loadPadded(const unsigned char* p, std::size_t n)
{
    constexpr std::uint64_t kBlanks = kOnes * ' ';
    std::uint64_t lo = 0, hi = kBlanks;
    if (n >= 8) {
        std::uint64_t last = 0; // bytes n − 8 .. n − 1
        std::memcpy(&lo, p, 8);
        std::memcpy(&last, p + n - 8, 8);
        if (n > 8)
            hi = last >> (8 * (16 - n)) | kBlanks << (8 * (n - 8));
    } else if (n >= 4) {
        std::uint32_t first = 0, last = 0; // bytes 0 .. 3 and n − 4 .. n − 1, which overlap
        std::memcpy(&first, p, 4);
        std::memcpy(&last, p + n - 4, 4);
        lo = first | std::uint64_t{last} << (8 * (n - 4)) | kBlanks << (8 * n);
    } else {
        for (std::size_t i = 0; i < n; ++i)
            lo |= std::uint64_t{p[i]} << (8 * i);
        lo |= kBlanks << (8 * n);
    }
    return _mm_set_epi64x(static_cast<long long>(hi), static_cast<long long>(lo));
}

// The number of bytes from p on, a multiple of whole characters, that are copied as they
// stand: printable ASCII but quote and backslash, and well-formed three-byte characters
// whose lead byte takes any continuation byte (E1 .. EC, EE, EF: the Chinese text). Looks
// at sixteen bytes; 0 when the first byte needs a look of its own.
inline std::size_t plainBytes16(__m128i v)
{
    const auto byte = [](int b) { return _mm_set1_epi8(static_cast<char>(b)); };
    // Control characters (at most 0x1F unsigned), quote, backslash.
    const __m128i escaped = _mm_or_si128(_mm_cmpeq_epi8(_mm_min_epu8(v, byte(0x1F)), v),
                                         _mm_or_si128(_mm_cmpeq_epi8(v, byte('"')), _mm_cmpeq_epi8(v, byte('\\'))));
    const auto high = static_cast<unsigned>(_mm_movemask_epi8(v)); // bytes from 0x80 on
    if (_mm_movemask_epi8(escaped) != 0)
        return 0;
    if (high == 0)
        return 16;
    // Leads of three bytes, continuations (0x80 .. 0xBF, below -64 as signed bytes), and
    // the leads E0 and ED, whose second byte is narrower: those go the long way.
    const __m128i lead = _mm_cmpeq_epi8(_mm_and_si128(v, byte(0xF0)), byte(0xE0));
    const __m128i continuation = _mm_cmplt_epi8(v, byte(0xC0));
    const __m128i narrowLead = _mm_or_si128(_mm_cmpeq_epi8(v, byte(0xE0)), _mm_cmpeq_epi8(v, byte(0xED)));
    // Each continuation one of the two bytes after a lead, every other high byte a lead.
    const __m128i expected = _mm_or_si128(_mm_slli_si128(lead, 1), _mm_slli_si128(lead, 2));
    const __m128i other = _mm_andnot_si128(_mm_or_si128(lead, continuation), _mm_cmplt_epi8(v, _mm_setzero_si128()));
    const __m128i bad = _mm_or_si128(_mm_or_si128(narrowLead, other), _mm_xor_si128(expected, continuation));
    if (_mm_movemask_epi8(bad) != 0)
        return 0;
    // A character whose continuation bytes lie past the sixteen is left for the next look.
    const auto leads = static_cast<unsigned>(_mm_movemask_epi8(lead));
    return leads & 0x8000 ? 15 : leads & 0x4000 ? 14 : 16;
}

// The last bytes of a text, in a window of width bytes that ends where the text ends; the
// bytes before lane `from` were looked at already and lane `from` starts a character. True
// when the bytes from there on are plain (as plainBytes16 has it) and no character is cut
// off by the end. The masks have a bit a lane.
inline bool plainTail(unsigned escaped, unsigned high, unsigned lead, unsigned continuation, unsigned narrow,
                      unsigned from, unsigned width)
{
    const unsigned all = width == 32 ? ~0u : (1u << width) - 1;
    const unsigned mine = all & (~0u << from);
    if (((escaped | narrow) & mine) != 0)
        return false;
    high &= mine;
    lead &= mine;
    continuation &= mine;
    const unsigned expected = (lead << 1 | lead << 2) & all;
    return (high & ~(lead | continuation)) == 0 && expected == continuation && (lead >> (width - 2)) == 0;
}

inline bool plainTail16(const unsigned char* window, unsigned from)
{
    const auto byte = [](int b) { return _mm_set1_epi8(static_cast<char>(b)); };
    const auto mask = [](__m128i m) { return static_cast<unsigned>(_mm_movemask_epi8(m)); };
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(window));
    const unsigned escaped =
        mask(_mm_or_si128(_mm_cmpeq_epi8(_mm_min_epu8(v, byte(0x1F)), v),
                          _mm_or_si128(_mm_cmpeq_epi8(v, byte('"')), _mm_cmpeq_epi8(v, byte('\\')))));
    const unsigned lead = mask(_mm_cmpeq_epi8(_mm_and_si128(v, byte(0xF0)), byte(0xE0)));
    const unsigned continuation = mask(_mm_cmplt_epi8(v, byte(0xC0)));
    const unsigned narrow = mask(_mm_or_si128(_mm_cmpeq_epi8(v, byte(0xE0)), _mm_cmpeq_epi8(v, byte(0xED))));
    return plainTail(escaped, mask(v), lead, continuation, narrow, from, 16);
}

#if defined(__GNUC__) && defined(__x86_64__)
// The same test as plainBytes16, thirty-two bytes a step where the processor has AVX2:
// returns how far from p the plain bytes reach, at the start of a character. A character
// may straddle two steps: the leads of one step tell the next where its continuations
// must stand, so the step never waits for the one before.
__attribute__((target("avx2"))) const unsigned char* skipPlain32(const unsigned char* p, const unsigned char* end)
{
    const __m256i control = _mm256_set1_epi8(0x1F), quote = _mm256_set1_epi8('"'), backslash = _mm256_set1_epi8('\\');
    const __m256i leadBits = _mm256_set1_epi8(static_cast<char>(0xF0)),
                  leadValue = _mm256_set1_epi8(static_cast<char>(0xE0));
    const __m256i continuationEnd = _mm256_set1_epi8(static_cast<char>(0xC0)),
                  narrow = _mm256_set1_epi8(static_cast<char>(0xED));
    __m256i previousLead = _mm256_setzero_si256();
    while (end - p >= 32) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
        const __m256i escaped =
            _mm256_or_si256(_mm256_cmpeq_epi8(_mm256_min_epu8(v, control), v),
                            _mm256_or_si256(_mm256_cmpeq_epi8(v, quote), _mm256_cmpeq_epi8(v, backslash)));
        const __m256i lead = _mm256_cmpeq_epi8(_mm256_and_si256(v, leadBits), leadValue);
        const __m256i continuation = _mm256_cmpgt_epi8(continuationEnd, v);
        const __m256i narrowLead = _mm256_or_si256(_mm256_cmpeq_epi8(v, leadValue), _mm256_cmpeq_epi8(v, narrow));
        // The leads one and two bytes on, the last two of the step before coming in first.
        const __m256i before = _mm256_permute2x128_si256(previousLead, lead, 0x21);
        const __m256i expected =
            _mm256_or_si256(_mm256_alignr_epi8(lead, before, 15), _mm256_alignr_epi8(lead, before, 14));
        const __m256i other =
            _mm256_andnot_si256(_mm256_or_si256(lead, continuation), _mm256_cmpgt_epi8(_mm256_setzero_si256(), v));
        const __m256i bad = _mm256_or_si256(_mm256_or_si256(escaped, narrowLead),
                                            _mm256_or_si256(other, _mm256_xor_si256(expected, continuation)));
        if (_mm256_movemask_epi8(bad) != 0)
            break;
        previousLead = lead;
        p += 32;
    }
    // Back to the start of a character whose continuations were not looked at.
    const auto leads = static_cast<unsigned>(_mm256_movemask_epi8(previousLead));
    return p - (leads & 0x80000000u ? 1 : leads & 0x40000000u ? 2 : 0);
}

__attribute__((target("avx2"))) bool plainTail32(const unsigned char* window, unsigned from)
{
    const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(window));
    const auto mask = [](__m256i m) __attribute__((target("avx2")))
    {
        return static_cast<unsigned>(_mm256_movemask_epi8(m));
    };
    const __m256i escaped = _mm256_or_si256(
        _mm256_cmpeq_epi8(_mm256_min_epu8(v, _mm256_set1_epi8(0x1F)), v),
        _mm256_or_si256(_mm256_cmpeq_epi8(v, _mm256_set1_epi8('"')), _mm256_cmpeq_epi8(v, _mm256_set1_epi8('\\'))));
    const __m256i lead = _mm256_cmpeq_epi8(_mm256_and_si256(v, _mm256_set1_epi8(static_cast<char>(0xF0))),
                                           _mm256_set1_epi8(static_cast<char>(0xE0)));
    const __m256i continuation = _mm256_cmpgt_epi8(_mm256_set1_epi8(static_cast<char>(0xC0)), v);
    const __m256i narrow = _mm256_or_si256(_mm256_cmpeq_epi8(v, _mm256_set1_epi8(static_cast<char>(0xE0))),
                                           _mm256_cmpeq_epi8(v, _mm256_set1_epi8(static_cast<char>(0xED))));
    return plainTail(mask(escaped), mask(v), mask(lead), mask(continuation), mask(narrow), from, 32);
}

bool hasAvx2()
{
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif
#else
constexpr bool kSixteenBytes = false;
#endif

void appendEscaped(std::string& out, std::string_view s, BackspaceFormFeed bf)
{
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* const end = p + s.size();
    const auto* run = p; // start of the pending bytes that are copied as they stand
    // The wide scans look again only some bytes past where they last stopped, which the
    // byte-wise way below takes meanwhile: sixteen, twice as many after every look that got
    // nowhere (text with an escape every few bytes), up to 256.
    const auto* lookAgain = p;
    std::ptrdiff_t lookAfter = 16;
    out.push_back('"');
    while (true) {
#if defined(__SSE2__)
        if (p >= lookAgain) {
            const auto* const from = p;
#if defined(__GNUC__) && defined(__x86_64__)
            if (end - p >= 32 && hasAvx2())
                p = skipPlain32(p, end);
#endif
            while (end - p >= 16) {
                const std::size_t n = plainBytes16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
                if (n == 0)
                    break;
                p += n;
            }
            // The last bytes, after blanks to sixteen: a character cut off by the end meets a
            // blank and is left to the long way.
            if (end - p > 0 && end - p < 16) {
                const auto rest = static_cast<std::size_t>(end - p);
                const std::size_t n = plainBytes16(loadPadded(p, rest));
                p += n >= rest ? rest : n;
            }
            lookAfter = p == from ? std::min<std::ptrdiff_t>(2 * lookAfter, 256) : 16;
            lookAgain = p + std::min(lookAfter, end - p);
        }
#endif
        // Eight bytes a step while none needs a look.
        while (end - p >= 8) {
            std::uint64_t w;
            std::memcpy(&w, p, 8);
            const std::uint64_t m = attention(w);
            if (m != 0) {
                p += std::countr_zero(m) / 8;
                break;
            }
            p += 8;
        }
        if (p == end)
            break;
        const unsigned char c = *p;
        if (c < 0x80) {
            if (c >= 0x20 && c != '"' && c != '\\') {
                ++p; // the last bytes, taken one at a time
                continue;
            }
            out.append(reinterpret_cast<const char*>(run), static_cast<std::size_t>(p - run));
            appendEscape(out, c, bf);
            run = ++p;
            continue;
        }
        // Multi-byte characters, one after the other as in Chinese text, stay in the run.
        do {
            // Most of the text: three-byte characters whose lead byte takes any continuation
            // bytes (U+1000 to U+FFFF but for the surrogates), Chinese and its punctuation.
            if (end - p >= 3 && *p >= 0xe1 && *p <= 0xef && *p != 0xed && (p[1] & 0xc0) == 0x80 &&
                (p[2] & 0xc0) == 0x80) {
                p += 3;
                continue;
            }
            std::size_t bad = 0;
            const std::size_t n = utf8Length(p, end, bad);
            if (n != 0) {
                p += n;
                continue;
            }
            out.append(reinterpret_cast<const char*>(run), static_cast<std::size_t>(p - run));
            out += "\xEF\xBF\xBD";
            run = p += bad;
        } while (p != end && *p >= 0x80 && !(kSixteenBytes && p >= lookAgain && end - p >= 16));
    }
    out.append(reinterpret_cast<const char*>(run), static_cast<std::size_t>(p - run));
    out.push_back('"');
}

} // namespace

#if defined(__SSE2__)
namespace {

// True when every byte of s is copied as it stands (plainBytes16): the test of most member
// values, which need no escape. The last bytes are looked at in a window that ends with the
// text, the bytes already looked at masked off.
bool plainText(std::string_view s)
{
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* const end = p + s.size();
    if (s.size() < 16)
        return plainBytes16(loadPadded(p, s.size())) >= s.size();
#if defined(__GNUC__) && defined(__x86_64__)
    if (s.size() >= 32 && hasAvx2()) {
        p = skipPlain32(p, end);
        if (p == end)
            return true;
        // A step that needs a look, or the last one after a character was backed off.
        if (end - p >= 32)
            return false;
        return plainTail32(end - 32, static_cast<unsigned>(32 - (end - p)));
    }
#endif
    while (end - p >= 16) {
        const std::size_t n = plainBytes16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
        if (n == 0)
            return false;
        p += n;
    }
    return p == end || plainTail16(end - 16, static_cast<unsigned>(16 - (end - p)));
}

} // namespace
#endif

void appendJsonString(std::string& out, std::string_view s, BackspaceFormFeed bf)
{
#if defined(__SSE2__)
    if (plainText(s)) {
        out.push_back('"');
        out.append(s);
        out.push_back('"');
        return;
    }
#endif
    appendEscaped(out, s, bf);
}

void JsonWriter::grow(std::size_t n)
{
    // Room for this write and a whole object of `score` besides, so that one is made once.
    constexpr std::size_t kRoom = 4096;
    const std::size_t used = m_pos ? static_cast<std::size_t>(m_pos - m_out.data()) : m_out.size();
    m_out.resize(used + n + kRoom);
    m_pos = m_out.data() + used;
    m_end = m_out.data() + m_out.size();
}

void JsonWriter::settle()
{
    if (m_pos) {
        m_out.resize(static_cast<std::size_t>(m_pos - m_out.data()));
        m_pos = m_end = nullptr;
    }
}

void JsonWriter::value(std::string_view s)
{
    separate();
#if defined(__SSE2__)
    if (plainText(s)) {
        room(s.size() + 2);
        *m_pos++ = '"';
        if (!s.empty()) // an empty view may hold no pointer at all
            std::memcpy(m_pos, s.data(), s.size());
        m_pos += s.size();
        *m_pos++ = '"';
        settleAtTop();
        return;
    }
#endif
    settle();
    appendJsonString(m_out, s, m_bf);
}

void JsonWriter::appendInteger(std::int64_t n)
{
    room(24);
    m_pos = std::to_chars(m_pos, m_pos + 24, n).ptr;
}

void JsonWriter::appendInteger(std::uint64_t n)
{
    room(24);
    m_pos = std::to_chars(m_pos, m_pos + 24, n).ptr;
}

void JsonWriter::value(bool b)
{
    separate();
    put(b ? "true" : "false");
    settleAtTop();
}

void JsonWriter::value(float x)
{
    separate();
    // The scores are halves: written as the shortest form has them ("80", "80.5").
    if (x >= 0.5f && x < 65536.0f) {
        const float twice = x * 2; // exact below 2^24
        const auto halves = static_cast<std::uint32_t>(twice);
        if (static_cast<float>(halves) == twice) {
            appendInteger(std::uint64_t{halves / 2});
            if (halves % 2 != 0)
                put(".5");
            settleAtTop();
            return;
        }
    }
    room(32);
    m_pos = std::to_chars(m_pos, m_pos + 32, x).ptr;
    settleAtTop();
}

void JsonWriter::realValue(double x)
{
    separate();
    settle(); // written on out itself
    realText(x);
    settleAtTop();
}

void JsonWriter::realText(double x)
{
    if (!std::isfinite(x)) {
        m_out += "null";
        return;
    }
    if (x == 0) {
        m_out += std::signbit(x) ? "-0.0" : "0.0";
        return;
    }
    // The shortest digits, d.ddde±X, laid out again: fixed notation while the decimal
    // point falls within 15 digits of the first and no more than 3 zeros follow it
    // ("0.0001"), else d.ddde±XX.
    char sci[32];
    const auto r = std::to_chars(sci, sci + sizeof sci, x, std::chars_format::scientific);
    const std::string_view text(sci, static_cast<std::size_t>(r.ptr - sci));
    const std::size_t e = text.find('e');
    std::string_view mantissa = text.substr(0, e);
    int exponent = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
    if (mantissa.front() == '-') {
        m_out.push_back('-');
        mantissa.remove_prefix(1);
    }
    char digits[24];
    int k = 0; // [1, 17]
    for (char c : mantissa)
        if (c != '.')
            digits[k++] = c;
    const int n = exponent + 1; // the place of the decimal point after the first digit
    constexpr int kMinExp = -4, kMaxExp = 15;
    if (k <= n && n <= kMaxExp) {
        m_out.append(digits, static_cast<std::size_t>(k));
        m_out.append(static_cast<std::size_t>(n - k), '0');
        m_out += ".0";
    } else if (0 < n && n <= kMaxExp) {
        m_out.append(digits, static_cast<std::size_t>(n));
        m_out.push_back('.');
        m_out.append(digits + n, static_cast<std::size_t>(k - n));
    } else if (kMinExp < n && n <= 0) {
        m_out += "0.";
        m_out.append(static_cast<std::size_t>(-n), '0');
        m_out.append(digits, static_cast<std::size_t>(k));
    } else {
        m_out.push_back(digits[0]);
        if (k > 1) {
            m_out.push_back('.');
            m_out.append(digits + 1, static_cast<std::size_t>(k - 1));
        }
        m_out.push_back('e');
        const int ex = n - 1;
        m_out.push_back(ex < 0 ? '-' : '+');
        const int a = ex < 0 ? -ex : ex; // [0, 324]
        if (a < 10)
            m_out.push_back('0');
        m_out += std::to_string(a);
    }
}

void JsonWriter::null()
{
    separate();
    put("null");
    settleAtTop();
}

} // namespace xingming::cli
