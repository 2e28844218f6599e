// The vendor web site that the browser views show, and the program-wide page key.
#pragma once

#include <QString>
#include <QUrl>

namespace xingming::app {

// The one place that names the vendor web site: scheme and host (with port) that every
// address of the browser views starts with. It is the program's own site on 127.0.0.1,
// started on a free port the first time an address is asked for; tests point it at a
// server of their own with setVendorSiteBase. Empty while the site cannot start.
QString vendorSiteBase();
void setVendorSiteBase(const QString& base);

// WebPageKey: the vendor page the vendor-page window opens ("lianxi", "taobao",
// "howpay", "softshow", "huodong"); the caller sets it just before opening the window.
QString webPageKey();
void setWebPageKey(const QString& key);

// The full address of a path on the vendor site; an address without a host while the
// site cannot start.
QUrl vendorUrl(const QString& pathAndQuery);

// True for an address the browser views may open: plain HTTP on 127.0.0.1 with a port.
bool isOwnSiteUrl(const QUrl& url);

} // namespace xingming::app
