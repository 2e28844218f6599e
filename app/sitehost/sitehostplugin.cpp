// The program's own site, in a plugin so that the network library loads only when the
// first page is asked for.
#include "app/sitehost.h"

#include "site/siteserver.h"

#include <QObject>

namespace xingming::app {

class SiteHostPlugin : public QObject, public SiteHost {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID XingmingSiteHost_iid)
    Q_INTERFACES(xingming::app::SiteHost)

public:
    QString ensureStarted() override { return site::VendorSite::instance().ensureStarted(); }
};

} // namespace xingming::app

#include "sitehostplugin.moc"
