#include "app/vendorsite.h"

#include "site/vendorsite.h"

namespace xingming::app {

namespace {

// Empty until the first browser view needs the site; then the program's own site.
QString& base()
{
    static QString b;
    return b;
}

QString& key()
{
    static QString k;
    return k;
}

} // namespace

QString vendorSiteBase()
{
    if (base().isEmpty()) {
        // The program serves its own pages on a free port of 127.0.0.1, started now.
        const QString started = site::VendorSite::instance().ensureStarted();
        if (started.isEmpty())
            return QStringLiteral("http://127.0.0.1:8080");  // a later call tries again
        base() = started;
    }
    return base();
}

void setVendorSiteBase(const QString& b)
{
    base() = b;
}

QString webPageKey()
{
    return key();
}

void setWebPageKey(const QString& k)
{
    key() = k;
}

QUrl vendorUrl(const QString& pathAndQuery)
{
    return QUrl(vendorSiteBase() + pathAndQuery);
}

} // namespace xingming::app
