// The program's own site (site/, over Qt Network) sits in a plugin of its own
// (app/sitehost), loaded the first time an address of the site is asked for: starting the
// program loads no part of the network library.
#pragma once

#include <QString>
#include <QtPlugin>

namespace xingming::app {

class SiteHost {
public:
    virtual ~SiteHost() = default;

    // Starts the site on the first call and returns its base address,
    // "http://127.0.0.1:PORT"; the empty text when it cannot start (a later call tries again).
    virtual QString ensureStarted() = 0;
};

// The site's plugin, loaded on the first call; nullptr where it cannot be loaded (the
// reason is logged once).
SiteHost* siteHost();

} // namespace xingming::app

#define XingmingSiteHost_iid "org.xingming.SiteHost/1"
Q_DECLARE_INTERFACE(xingming::app::SiteHost, XingmingSiteHost_iid)
