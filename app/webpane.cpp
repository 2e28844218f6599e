#include "app/webpane.h"

#include "app/fonts.h"
#include "app/sitebase.h"
#include "app/webviewbackend.h"

#include <QLabel>

namespace xingming::app {

namespace {

bool g_engine = true;

} // namespace

void WebPane::setEngineEnabled(bool on)
{
    g_engine = on;
}

bool WebPane::engineEnabled()
{
    return g_engine;
}

WebPane::WebPane(QWidget* parent) : QWidget(parent)
{
    m_cover = new QLabel(QStringLiteral("请稍候．．．"), this);
    m_cover->setObjectName(QStringLiteral("cover"));
    m_cover->setAlignment(Qt::AlignCenter);
    m_cover->setAutoFillBackground(true);
    m_cover->setFont(songFont(12, true));
    m_cover->setFrameShape(QFrame::Box);
    m_cover->setWordWrap(true);
}

void WebPane::navigate(const QUrl& url)
{
    m_url = url;
    ++m_requests;
    m_cover->setText(QStringLiteral("请稍候．．．"));
    m_cover->show();
    m_cover->raise();
    // Only the program's own site is shown: while it cannot start, the view says so and
    // nothing is requested from anywhere else.
    if (!isOwnSiteUrl(url)) {
        m_cover->setText(QStringLiteral("本机网页服务未能启动，此页暂时无法显示。"));
        return;
    }
    if (!g_engine)
        return;
    WebViewBackend* engine = webViewBackend();
    if (!engine) {
        m_cover->setText(QStringLiteral("网页组件未能加载，此页暂时无法显示。"));
        return;
    }
    if (!m_view) {
        m_view = engine->createView(this);
        m_view->setGeometry(rect());
        m_view->show();
    }
    m_cover->raise();
    engine->load(m_view, url, [this](bool ok) {
        m_cover->hide();
        emit completed(ok);
    });
}

bool WebPane::coverVisible() const
{
    return m_cover->isVisibleTo(this);
}

void WebPane::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    m_cover->setGeometry(rect());
    if (m_view)
        m_view->setGeometry(rect());
}

} // namespace xingming::app
