// The answers of the naming page kept for their request: the engine's work is done once per
// request, and a page asked for again (a reload, the back button, many clients asking the
// same) is a copy. Bounded in entries and in bytes; the least recently used goes first.
#pragma once

#include "site/http.h"

#include <cstddef>
#include <list>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace xingming::site {

class ResponseCache {
public:
    ResponseCache(std::size_t maxEntries, std::size_t maxBytes) : m_maxEntries(maxEntries), m_maxBytes(maxBytes) {}

    std::optional<Response> find(std::string_view key);
    void insert(std::string key, const Response& response);

    std::size_t size() const;
    std::size_t bytes() const;

private:
    using Entry = std::pair<std::string, Response>;
    static std::size_t weight(const Entry& e);

    const std::size_t m_maxEntries, m_maxBytes;
    mutable std::mutex m_mutex;
    std::list<Entry> m_entries; // most recently used first
    std::unordered_map<std::string_view, std::list<Entry>::iterator> m_index;
    std::size_t m_bytes = 0;
};

} // namespace xingming::site
