// The vendor web site inside the program: the site's pages served on a free port of
// 127.0.0.1 by a thread of their own, started on first use.
#pragma once

#include <QString>

#include <memory>
#include <mutex>

namespace xingming::site {

class VendorSite {
public:
    static VendorSite& instance();

    // Starts the site on the first call and returns its base address,
    // "http://127.0.0.1:PORT" (no slash at the end); later calls return the same base.
    // The empty text when no port of 127.0.0.1 could be opened (a later call tries again).
    // Safe to call from any thread; the pages never wait for the caller's event loop.
    QString ensureStarted();

    // The base address, or the empty text before the site runs.
    QString base() const;

    // Stops the site and its thread; a later ensureStarted starts it anew on a new port.
    // Called by itself when the application quits.
    void stop();

    ~VendorSite();
    VendorSite(const VendorSite&) = delete;
    VendorSite& operator=(const VendorSite&) = delete;

private:
    VendorSite() = default;
    struct Runner;

    mutable std::mutex m_mutex;
    std::unique_ptr<Runner> m_runner;
    QString m_base;
    bool m_quitHooked = false;
};

} // namespace xingming::site
