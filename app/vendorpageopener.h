// The links and shop buttons of the small dialogs open the vendor-page window through
// one replaceable hook, so that a test records the page asked for instead of starting
// a browser view.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace xingming::app {

// Opens the vendor-page window modally over its argument; openVendorPageWindow unless
// replaced.
std::function<void(QWidget*)>& vendorPageOpener();

// Sets WebPageKey to key and opens the vendor-page window over parent.
void openVendorPage(QWidget* parent, const QString& key);

} // namespace xingming::app
