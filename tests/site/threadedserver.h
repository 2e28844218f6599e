// A server of its own on a thread of its own, with limits of its own, for the tests of
// the limits that the program-wide site shares with other tests.
#pragma once

#include "site/httpserver.h"

#include <QEventLoop>
#include <QThread>

#include <future>

namespace sitetest {

class ThreadedServer {
public:
    explicit ThreadedServer(xingming::site::RequestHandler handler, xingming::site::ServerLimits limits = {})
    {
        std::promise<quint16> ready;
        m_thread = QThread::create([&ready, handler = std::move(handler), limits] {
            xingming::site::HttpServer server(handler);
            server.setLimits(limits);
            ready.set_value(server.listen(0) ? server.port() : 0);
            QEventLoop loop;
            loop.exec();
        });
        m_thread->start();
        port = ready.get_future().get();
    }
    ~ThreadedServer()
    {
        m_thread->quit();
        m_thread->wait();
        delete m_thread;
    }
    ThreadedServer(const ThreadedServer&) = delete;
    ThreadedServer& operator=(const ThreadedServer&) = delete;

    quint16 port = 0;

private:
    QThread* m_thread = nullptr;
};

} // namespace sitetest
