// The browser engine behind the browser views: Qt WebEngine, in a plugin of its own so
// that it loads only when the first page is requested.
#include "app/webviewbackend.h"

#include <QObject>
#include <QPointer>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

namespace xingming::app {

namespace {

// The views show the program's own site on 127.0.0.1 and nothing else: a request for any
// other host (a link typed into a page, a redirect) is blocked before it leaves.
class LoopbackOnly : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo& info) override
    {
        const QUrl url = info.requestUrl();
        const QString scheme = url.scheme();
        if (scheme == QLatin1String("data") || scheme == QLatin1String("about"))
            return;
        if (url.host() != QLatin1String("127.0.0.1"))
            info.block(true);
    }
};

} // namespace

class WebEngineBackend : public QObject, public WebViewBackend {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID XingmingWebViewBackend_iid)
    Q_INTERFACES(xingming::app::WebViewBackend)

public:
    QWidget* createView(QWidget* parent) override
    {
        QWebEngineProfile* profile = QWebEngineProfile::defaultProfile();
        if (!m_interceptor) {
            m_interceptor = new LoopbackOnly(this);
            profile->setUrlRequestInterceptor(m_interceptor);
        }
        return new QWebEngineView(parent);
    }

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

private:
    QWebEngineUrlRequestInterceptor* m_interceptor = nullptr;
};

} // namespace xingming::app

#include "webengineplugin.moc"
