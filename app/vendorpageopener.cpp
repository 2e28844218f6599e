#include "app/vendorpageopener.h"

#include "app/sitebase.h"
#include "app/webwindows.h"

namespace xingming::app {

std::function<void(QWidget*)>& vendorPageOpener()
{
    static std::function<void(QWidget*)> opener = openVendorPageWindow;
    return opener;
}

void openVendorPage(QWidget* parent, const QString& key)
{
    setWebPageKey(key);
    if (const auto& open = vendorPageOpener())
        open(parent);
}

} // namespace xingming::app
