#include "app/vendorsite.h"

namespace xingming::app {

namespace {

QString& base()
{
    static QString b = QStringLiteral("http://127.0.0.1:8080");
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
