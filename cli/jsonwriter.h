// A small streaming JSON writer for the hot path of `score --batch`: it appends to one
// buffer and escapes as it goes, so a report line costs no tree of nodes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace xingming::cli {

class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : m_out(out) {}

    void beginObject() { open('{'); }
    void endObject() { close('}'); }
    void beginArray() { open('['); }
    void endArray() { close(']'); }

    // Starts the member `name` of the current object.
    void key(std::string_view name);

    void value(std::string_view s);
    void value(const char* s) { value(std::string_view(s)); }
    void value(std::int64_t n);
    void value(int n) { value(static_cast<std::int64_t>(n)); }
    void value(float x);
    void value(bool b);
    void null();
    void value(std::optional<std::uint32_t> n);

    template <typename T> void member(std::string_view name, const T& v)
    {
        key(name);
        value(v);
    }

private:
    void separate();
    void open(char c);
    void close(char c);

    std::string& m_out;
    bool m_first = true; // no member or element yet at this level
    bool m_afterKey = false;
};

// Appends s to out as a JSON string literal.
void appendJsonString(std::string& out, std::string_view s);

} // namespace xingming::cli
