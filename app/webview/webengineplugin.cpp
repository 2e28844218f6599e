// The browser engine behind the browser views: Qt WebEngine, in a plugin of its own so
// that it loads only when the first page is requested.
#include "app/webviewbackend.h"

#include <QObject>
#include <QPointer>
#include <QWebEngineView>

namespace xingming::app {

class WebEngineBackend : public QObject, public WebViewBackend {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID XingmingWebViewBackend_iid)
    Q_INTERFACES(xingming::app::WebViewBackend)

public:
    QWidget* createView(QWidget* parent) override { return new QWebEngineView(parent); }

    void load(QWidget* view, const QUrl& url, std::function<void(bool)> done) override
    {
        auto* web = qobject_cast<QWebEngineView*>(view);
        if (!web)
            return;
        // One completion handler at a time: a new request replaces the previous one.
        QObject::disconnect(web, &QWebEngineView::loadFinished, nullptr, nullptr);
        QObject::connect(web, &QWebEngineView::loadFinished, web, [done](bool ok) { done(ok); });
        web->load(url);
    }
};

} // namespace xingming::app

#include "webengineplugin.moc"
