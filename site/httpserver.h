// A small HTTP/1.1 server over QTcpServer for the site: loopback only, persistent
// connections, bounded requests, pages built on a pool of worker threads.
#pragma once

#include "site/http.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QThreadPool>

#include <functional>
#include <string_view>

namespace xingming::site {

// Builds the answer to one request (method, target); called on a worker thread, so it
// must be safe to call from several threads at once.
using RequestHandler = std::function<Response(std::string_view method, std::string_view target)>;

class HttpConnection;

class HttpServer : public QObject {
public:
    // Connections open at once; one more is answered 503 and closed.
    static constexpr int kMaxConnections = 64;
    // A connection that sends nothing for this long is closed (408 when a request is half sent).
    static constexpr int kIdleTimeoutMs = 15000;

    explicit HttpServer(RequestHandler handler, QObject* parent = nullptr);
    ~HttpServer() override;

    // Listens on 127.0.0.1 only; port 0 takes a free port. False when the port cannot be had.
    bool listen(quint16 port = 0);
    quint16 port() const;
    QString errorString() const;

    // The idle time after which a connection is closed (kIdleTimeoutMs unless set).
    void setIdleTimeout(int ms) { m_idleTimeoutMs = ms; }
    int idleTimeout() const { return m_idleTimeoutMs; }

    // Requests answered since the start, for the tests and the program's log.
    quint64 requestsAnswered() const { return m_answered; }

private:
    friend class HttpConnection;

    void acceptConnections();
    // Runs the handler on the pool and hands the answer back to connection id on this thread.
    void build(quint64 id, std::string method, std::string target);
    void deliver(quint64 id, const Response& response);
    void forget(quint64 id);

    RequestHandler m_handler;
    QTcpServer m_server;
    QThreadPool m_pool;
    QHash<quint64, HttpConnection*> m_connections;
    quint64 m_nextId = 1;
    quint64 m_answered = 0;
    int m_idleTimeoutMs = kIdleTimeoutMs;
};

} // namespace xingming::site
