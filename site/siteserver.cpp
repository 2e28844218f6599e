#include "site/siteserver.h"

#include "site/httpserver.h"
#include "site/pages.h"

#include <QCoreApplication>
#include <QThread>

#include <future>

namespace xingming::site {

// The thread that owns the server: the server is made, listens and is destroyed inside
// it, so that its sockets never cross threads.
struct VendorSite::Runner : QThread {
    std::promise<quint16> port; // 0 when listening failed

    void run() override
    {
        HttpServer server(handleRequest);
        if (!server.listen(0)) {
            port.set_value(0);
            return;
        }
        port.set_value(server.port());
        exec();
    }
};

VendorSite& VendorSite::instance()
{
    static VendorSite site;
    return site;
}

QString VendorSite::ensureStarted()
{
    std::lock_guard lock(m_mutex);
    if (m_runner)
        return m_base;
    auto runner = std::make_unique<Runner>();
    runner->setObjectName(QStringLiteral("xingming-site"));
    std::future<quint16> port = runner->port.get_future();
    runner->start();
    const quint16 p = port.get();
    if (p == 0) {
        runner->wait();
        return {};
    }
    m_runner = std::move(runner);
    m_base = QStringLiteral("http://127.0.0.1:") + QString::number(p);
    if (!m_quitHooked && QCoreApplication::instance()) {
        m_quitHooked = true;
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                         [] { VendorSite::instance().stop(); });
    }
    return m_base;
}

QString VendorSite::base() const
{
    std::lock_guard lock(m_mutex);
    return m_base;
}

void VendorSite::stop()
{
    std::lock_guard lock(m_mutex);
    if (!m_runner)
        return;
    m_runner->quit();
    m_runner->wait();
    m_runner.reset();
    m_base.clear();
}

VendorSite::~VendorSite()
{
    stop();
}

} // namespace xingming::site
