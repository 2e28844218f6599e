// A small HTTP/1.1 server for the site: loopback only, persistent connections, pages built
// on a pool of worker threads, and a bound on every buffer and every wait.
#pragma once

#include "site/http.h"

#include <QElapsedTimer>
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

// What one client may hold of the server. A client that goes beyond a bound is closed;
// what stays bounded is the server's memory and the time a normal client waits.
struct ServerLimits {
    // Connections served at once.
    int maxConnections = 64;
    // Connections beyond that are read to the end of their request head and answered 503
    // with Retry-After; this many at once, further ones are closed at once.
    int maxRefused = 512;
    // A connection that sends no request for this long is closed.
    int idleTimeoutMs = 15000;
    // A request head must arrive whole within this time of its first byte (408 otherwise).
    int headTimeoutMs = 10000;
    // An answer must be taken by the client within this time of being written (else the
    // connection is closed).
    int sendTimeoutMs = 10000;
    // While more than this many bytes of answers are unsent, no further request is read.
    qint64 maxQueuedBytes = 64 * 1024;
};
// When every connection is taken, a newcomer still gets in by closing a connection that
// is idle after its answers, or, once the newcomer's request head is whole, one that came
// earlier and has still not sent a whole head (silent or slow): a slow client loses its
// place to a faster one, so slow heads cannot lock normal clients out.

class HttpConnection;

class HttpServer : public QObject {
public:
    static constexpr int kMaxConnections = ServerLimits{}.maxConnections;
    static constexpr int kIdleTimeoutMs = ServerLimits{}.idleTimeoutMs;

    explicit HttpServer(RequestHandler handler, QObject* parent = nullptr);
    ~HttpServer() override;

    // Listens on 127.0.0.1 only; port 0 takes a free port. False when the port cannot be had.
    bool listen(quint16 port = 0);
    quint16 port() const;
    QString errorString() const;

    // The limits take effect for connections accepted afterwards.
    void setLimits(const ServerLimits& limits) { m_limits = limits; }
    const ServerLimits& limits() const { return m_limits; }
    void setIdleTimeout(int ms) { m_limits.idleTimeoutMs = ms; }
    int idleTimeout() const { return m_limits.idleTimeoutMs; }

    // Requests answered since the start, for the tests and the program's log.
    quint64 requestsAnswered() const { return m_answered; }

private:
    friend class HttpConnection;
    class Listener;

    void adopt(qintptr fd);
    // Closes the connection idle longest after its answers; false when there is none.
    bool reclaimIdle();
    // A slot for a connection over the limit whose request head is whole; false when every
    // slot is held by a client that has done better.
    bool admit(HttpConnection* newcomer);
    // Runs the handler on the pool and hands the answer back to connection id on this thread.
    void build(quint64 id, std::string method, std::string target);
    void deliver(quint64 id, const Response& response);
    // Drops the connection from the counts (it closes, or only lingers after its last answer).
    void uncount(bool refused) { --(refused ? m_refused : m_served); }
    void forget(quint64 id) { m_connections.remove(id); }

    RequestHandler m_handler;
    Listener* m_listener;
    QThreadPool m_pool;
    QHash<quint64, HttpConnection*> m_connections; // open: served, being refused or lingering
    int m_served = 0;
    int m_refused = 0;
    int m_lingering = 0;
    quint64 m_nextId = 1;
    quint64 m_answered = 0;
    ServerLimits m_limits;
    QElapsedTimer m_clock; // started with the server; the times of the connections
};

} // namespace xingming::site
