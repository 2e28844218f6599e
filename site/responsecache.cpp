#include "site/responsecache.h"

namespace xingming::site {

std::size_t ResponseCache::weight(const Entry& e)
{
    std::size_t n = e.first.size() + e.second.body.size() + e.second.contentType.size();
    for (const auto& [name, value] : e.second.headers)
        n += name.size() + value.size();
    return n;
}

std::optional<Response> ResponseCache::find(std::string_view key)
{
    std::lock_guard lock(m_mutex);
    const auto it = m_index.find(key);
    if (it == m_index.end())
        return std::nullopt;
    m_entries.splice(m_entries.begin(), m_entries, it->second);
    return it->second->second;
}

void ResponseCache::insert(std::string key, const Response& response)
{
    std::lock_guard lock(m_mutex);
    if (m_index.count(key) != 0)
        return;
    Entry e{std::move(key), response};
    const std::size_t w = weight(e);
    if (w > m_maxBytes || m_maxEntries == 0)
        return;
    m_entries.push_front(std::move(e));
    m_index.emplace(m_entries.front().first, m_entries.begin());
    m_bytes += w;
    while (m_entries.size() > m_maxEntries || m_bytes > m_maxBytes) {
        const Entry& last = m_entries.back();
        m_bytes -= weight(last);
        m_index.erase(last.first);
        m_entries.pop_back();
    }
}

std::size_t ResponseCache::size() const
{
    std::lock_guard lock(m_mutex);
    return m_entries.size();
}

std::size_t ResponseCache::bytes() const
{
    std::lock_guard lock(m_mutex);
    return m_bytes;
}

} // namespace xingming::site
