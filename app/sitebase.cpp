#include "app/sitebase.h"

#include "app/programplugin.h"
#include "app/sitehost.h"

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

SiteHost* siteHost()
{
    static SiteHost* host = []() -> SiteHost* {
        QString why;
        QObject* plugin = loadProgramPlugin(QStringLiteral("libxingming_sitehost.so"), &why);
        if (auto* h = qobject_cast<SiteHost*>(plugin))
            return h;
        qWarning("the site cannot start: %s", qPrintable(plugin ? QStringLiteral("not the site's plugin") : why));
        return nullptr;
    }();
    return host;
}

QString vendorSiteBase()
{
    if (base().isEmpty()) {
        // The program serves its own pages on a free port of 127.0.0.1, started now.
        // If it cannot start, there is no site: the address stays without a host, the
        // browser views say so and no request leaves for any other address. A later call
        // tries again.
        if (SiteHost* host = siteHost())
            base() = host->ensureStarted();
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

bool isOwnSiteUrl(const QUrl& url)
{
    return url.isValid() && url.scheme() == QLatin1String("http") && url.host() == QLatin1String("127.0.0.1") &&
           url.port() > 0;
}

} // namespace xingming::app
