// The browser engine sits in a plugin of its own (app/webview), loaded the first time a
// page is requested: starting the program touches no part of the engine, so it starts
// fast and small, and a machine without a display's GL still shows every window.
#pragma once

#include <QtPlugin>
#include <QUrl>

#include <functional>

class QWidget;

namespace xingming::app {

class WebViewBackend {
public:
    virtual ~WebViewBackend() = default;

    // A new browser view, a child of parent.
    virtual QWidget* createView(QWidget* parent) = 0;

    // Navigates view to url; done(ok) runs once the top document of this request is
    // complete (not for its inner frames).
    virtual void load(QWidget* view, const QUrl& url, std::function<void(bool)> done) = 0;
};

// The engine, loaded on the first call; nullptr where the plugin cannot be loaded (the
// reason is logged once).
WebViewBackend* webViewBackend();

} // namespace xingming::app

#define XingmingWebViewBackend_iid "org.xingming.WebViewBackend/1"
Q_DECLARE_INTERFACE(xingming::app::WebViewBackend, XingmingWebViewBackend_iid)
