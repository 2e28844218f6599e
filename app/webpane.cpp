#include "app/webpane.h"

#include "app/fonts.h"

#include <QLabel>
#include <QWebEngineView>

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
    if (!m_view) {
        m_view = new QWebEngineView(this);
        m_view->setGeometry(rect());
        m_view->show();
        // loadFinished speaks for the top document only, so inner frames that are still
        // loading do not uncover the view early.
        connect(m_view, &QWebEngineView::loadFinished, this, [this](bool ok) {
            m_cover->hide();
            emit completed(ok);
        });
    }
    m_cover->raise();
    m_view->load(url);
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
