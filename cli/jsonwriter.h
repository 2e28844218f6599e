// The one JSON writer of the command line: it appends to one buffer and escapes as it goes,
// so an object costs no tree of nodes. It writes the bytes that nlohmann::json's compact dump()
// with error_handler_t::replace writes: non-ASCII text kept as it is, ill-formed UTF-8 as
// U+FFFD, control characters escaped. Members stand in the order they are written, so an
// object that has always been printed with sorted keys is written with its keys in that order.
#pragma once

#include "naming/utf8.h"

#include <cassert>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace xingming::cli {

// How a backspace and a form feed are written: "\b" and "\f" (as nlohmann::json writes
// them), or "\u0008" and "\u000c" (as the objects of `score` have always had them).
enum class BackspaceFormFeed { Short, Numeric };

// Appends s to out as a JSON string literal.
void appendJsonString(std::string& out, std::string_view s, BackspaceFormFeed bf = BackspaceFormFeed::Short);

// A member name written as it stands in the source: a literal, checked at compile time to
// need no escaping. It is kept where the literal is, so passing one costs two registers.
class JsonKey {
public:
    template <std::size_t N>
    consteval JsonKey(const char (&name)[N]) // NOLINT: a literal converts
        : m_name(name), m_size(N - 1)
    {
        for (std::size_t i = 0; i + 1 < N; ++i) {
            const char c = name[i];
            if (c < 0x20 || c == '"' || c == '\\' || c == 0x7f)
                throw "a member name written as it stands must be printable ASCII without quote or backslash";
        }
    }

    std::string_view name() const { return {m_name, m_size}; }

private:
    const char* m_name;
    std::size_t m_size;
};

// Writes into out, a JSON value after another. While an object or array is open the writer
// writes into room it has made at the end of out and keeps out's size past what it wrote;
// out holds exactly what was written whenever no object or array is open, and when the
// writer is gone.
class JsonWriter {
public:
    explicit JsonWriter(std::string& out, BackspaceFormFeed bf = BackspaceFormFeed::Short) : m_out(out), m_bf(bf) {}
    ~JsonWriter() { settle(); }
    JsonWriter(const JsonWriter&) = delete;
    JsonWriter& operator=(const JsonWriter&) = delete;

    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }

    // Starts the member `name` of the current object.
    void key(JsonKey name)
    {
        // `"name":`, after a comma but for the first member.
        const std::string_view n = name.name();
        room(n.size() + 4);
        if (!m_first)
            *m_pos++ = ',';
        *m_pos++ = '"';
        std::memcpy(m_pos, n.data(), n.size());
        m_pos += n.size();
        *m_pos++ = '"';
        *m_pos++ = ':';
        m_first = false;
        m_afterKey = true;
    }

    void value(std::string_view s);
    // A text known to be plain (naming::isPlainText), such as a text of the constant tables:
    // copied as it stands, without the look for bytes to escape.
    void plainValue(std::string_view s)
    {
        assert(naming::isPlainText(s));
        separate();
        room(s.size() + 2);
        *m_pos++ = '"';
        if (!s.empty())
            std::memcpy(m_pos, s.data(), s.size());
        m_pos += s.size();
        *m_pos++ = '"';
        settleAtTop();
    }
    void plainMember(JsonKey name, std::string_view s)
    {
        key(name);
        plainValue(s);
    }
    void value(const char* s) { value(std::string_view(s)); }
    void value(const std::string& s) { value(std::string_view(s)); }
    template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char>) void value(T n)
    {
        separate();
        if constexpr (std::is_signed_v<T>)
            appendInteger(static_cast<std::int64_t>(n));
        else
            appendInteger(static_cast<std::uint64_t>(n));
        settleAtTop();
    }
    void value(bool b);
    // The shortest text that reads back as the same float: 80.5, 80.
    void value(float x);
    // Doubles are written by realValue, whose form differs from that of floats.
    void value(double) = delete;
    // A double in nlohmann::json's layout of a number_float, always with a decimal point or
    // an exponent (80.0, 80.5, 0.0001, 1e-05, 1e+16); null when it is not finite. The digits
    // are the shortest that read back as x, which are nlohmann's for the scores and other
    // short numbers; for some numbers of 9 and more digits nlohmann's Grisu2 writes more.
    void realValue(double x);
    void null();
    template <typename T> void value(const std::optional<T>& v)
    {
        if (v)
            value(*v);
        else
            null();
    }

    template <typename T> void member(JsonKey name, const T& v)
    {
        key(name);
        value(v);
    }

    // The member name with an array of the items.
    template <typename Range> void arrayMember(JsonKey name, const Range& items)
    {
        key(name);
        beginArray();
        for (const auto& item : items)
            value(item);
        endArray();
    }

    // The bytes written so far.
    std::size_t size() const { return m_pos ? static_cast<std::size_t>(m_pos - m_out.data()) : m_out.size(); }
    // Hands what was written so far to sink and empties the output, whatever is open: for a
    // long text written out as it goes.
    template <typename Sink> void drain(Sink&& sink)
    {
        settle();
        sink(std::string_view(m_out));
        m_out.clear();
    }

private:
    // At least n bytes of room after m_pos.
    void room(std::size_t n)
    {
        if (static_cast<std::size_t>(m_end - m_pos) < n)
            grow(n);
    }
    void grow(std::size_t n);
    // out's size down to what was written; the room is made again by the next write.
    void settle();
    void settleAtTop()
    {
        if (m_depth == 0)
            settle();
    }
    void put(std::string_view s)
    {
        room(s.size());
        if (!s.empty()) // an empty view may hold no pointer at all
            std::memcpy(m_pos, s.data(), s.size());
        m_pos += s.size();
    }
    void separate()
    {
        if (m_afterKey) {
            m_afterKey = false;
        } else if (!m_first) {
            room(1);
            *m_pos++ = ',';
        }
        m_first = false;
    }
    void open(char c)
    {
        separate();
        room(1);
        *m_pos++ = c;
        m_first = true;
        ++m_depth;
    }
    void close(char c)
    {
        room(1);
        *m_pos++ = c;
        m_first = false;
        --m_depth;
        settleAtTop();
    }
    void appendInteger(std::int64_t n);
    void appendInteger(std::uint64_t n);
    void realText(double x);

    std::string& m_out;
    BackspaceFormFeed m_bf;
    char* m_pos = nullptr; // where the next byte goes, in the room at the end of m_out
    char* m_end = nullptr; // the end of that room
    int m_depth = 0;       // objects and arrays open
    bool m_first = true;   // no member or element yet at this level
    bool m_afterKey = false;
};

} // namespace xingming::cli
