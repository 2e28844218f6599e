#include "app/webpane.h"

#include "app/fonts.h"
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
}

void WebPane::navigate(const QUrl& url)
{
    m_url = url;
    ++m_requests;
    m_cover->show();
    m_cover->raise();
    if (!g_engine)
        return;
    WebViewBackend* engine = webViewBackend();
    if (!engine)
        return;  // the cover stays, as over any page that cannot be shown
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
