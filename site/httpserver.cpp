#include "site/httpserver.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#endif

namespace xingming::site {

namespace {

// A bare error answer for the framing faults that come before any page: status and a
// short page saying what is wrong.
Response framingError(int status, const std::string& why)
{
    Response r;
    r.status = status;
    r.body = "<!DOCTYPE html>\n<html lang=\"zh-CN\"><head><meta charset=\"utf-8\"><title>" + std::to_string(status) +
             "</title></head><body style=\"font-family:sans-serif;margin:2em\"><h1>" + std::to_string(status) + " " +
             std::string(reasonPhrase(status)) + "</h1><p>" + why + "</p></body></html>\n";
    return r;
}

// How long a closing connection goes on reading (and dropping) what the client still
// sends, so that the answer is not lost to a reset.
constexpr int kLingerMs = 2000;

} // namespace

// One client connection: reads requests one at a time, hands each to the server's pool,
// writes the answers in order.
class HttpConnection : public QObject {
public:
    HttpConnection(quint64 id, QTcpSocket* socket, HttpServer* server)
        : QObject(server), m_id(id), m_socket(socket), m_server(server)
    {
        m_socket->setParent(this);
        // What Qt buffers for us while a page is being built; beyond it the kernel holds the rest.
        m_socket->setReadBufferSize(static_cast<qint64>(2 * kMaxRequestBytes));
        m_idle.setSingleShot(true);
        m_idle.setInterval(server->idleTimeout());
        connect(&m_idle, &QTimer::timeout, this, [this] { onIdle(); });
        connect(m_socket, &QTcpSocket::readyRead, this, [this] { onReadyRead(); });
        connect(m_socket, &QTcpSocket::bytesWritten, this, [this] { onBytesWritten(); });
        connect(m_socket, &QTcpSocket::disconnected, this, [this] { finish(); });
        connect(m_socket, &QTcpSocket::errorOccurred, this, [this] {
            if (m_socket->state() != QAbstractSocket::ConnectedState)
                finish();
        });
        m_idle.start();
    }

    ~HttpConnection() override { m_server->forget(m_id); }

    // The answer of the request in progress.
    void respond(const Response& r)
    {
        m_busy = false;
        ++m_server->m_answered;
        send(r, m_headOnly, m_keepAlive);
        if (m_keepAlive) {
            m_idle.start();
            // A further request may already wait in the buffer.
            QTimer::singleShot(0, this, [this] { onReadyRead(); });
        }
    }

private:
    void onReadyRead()
    {
        if (m_closing) {
            m_socket->readAll(); // lingering: dropped
            return;
        }
        if (m_busy)
            return; // read on once the answer is out
        m_buffer += m_socket->readAll();
        if (m_buffer.isEmpty())
            return;
        m_idle.start();
        const std::string_view data(m_buffer.constData(), static_cast<size_t>(m_buffer.size()));
        const HeadParse p = parseRequestHead(data);
        if (p.status == HeadStatus::Incomplete)
            return;
        if (p.status == HeadStatus::Error) {
            ++m_server->m_answered;
            send(framingError(p.errorStatus, p.error), false, false);
            return;
        }
        const size_t total = p.headBytes + p.head.contentLength; // at most kMaxRequestBytes
        if (static_cast<size_t>(m_buffer.size()) < total)
            return;                                        // the body is still on its way
        m_buffer.remove(0, static_cast<qsizetype>(total)); // a body of GET or HEAD means nothing here
        m_busy = true;
        m_headOnly = p.head.method == "HEAD";
        m_keepAlive = p.head.keepAlive;
        m_idle.stop();
        m_server->build(m_id, p.head.method, p.head.target);
    }

    void send(const Response& r, bool headOnly, bool keepAlive)
    {
        const std::string bytes = serializeResponse(r, headOnly, keepAlive);
        m_socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
        if (!keepAlive) {
            m_closing = true;
            m_buffer.clear();
            onBytesWritten();
        }
    }

    void onBytesWritten()
    {
        if (!m_closing || m_socket->bytesToWrite() > 0 || m_lingering)
            return;
        m_lingering = true;
        m_socket->flush();
#ifdef Q_OS_UNIX
        // Half-close: the client sees the end of the answer, while whatever it still sends
        // is read and dropped for a moment instead of resetting the connection.
        ::shutdown(static_cast<int>(m_socket->socketDescriptor()), SHUT_WR);
        m_idle.stop();
        QTimer::singleShot(kLingerMs, this, [this] {
            m_socket->abort();
            finish();
        });
#else
        m_socket->disconnectFromHost();
#endif
    }

    void onIdle()
    {
        if (m_busy || m_closing)
            return;
        if (m_buffer.isEmpty()) {
            m_closing = true;
            m_socket->disconnectFromHost();
            return;
        }
        ++m_server->m_answered;
        send(framingError(408, "请求没有在限定时间内发完"), false, false);
    }

    void finish()
    {
        if (m_finished)
            return;
        m_finished = true;
        m_idle.stop();
        deleteLater();
    }

    quint64 m_id;
    QTcpSocket* m_socket;
    HttpServer* m_server;
    QByteArray m_buffer;
    QTimer m_idle;
    bool m_busy = false;     // a page is being built
    bool m_headOnly = false; // the request in progress is HEAD
    bool m_keepAlive = true;
    bool m_closing = false; // the last answer is written; no further request is read
    bool m_lingering = false;
    bool m_finished = false;
};

HttpServer::HttpServer(RequestHandler handler, QObject* parent) : QObject(parent), m_handler(std::move(handler))
{
    m_pool.setMaxThreadCount(std::max(2, QThread::idealThreadCount()));
    connect(&m_server, &QTcpServer::newConnection, this, [this] { acceptConnections(); });
}

HttpServer::~HttpServer()
{
    m_server.close();
    // The pages still being built hand their answers to this object: wait for them first.
    m_pool.waitForDone();
    const auto open = m_connections.values();
    for (HttpConnection* c : open)
        delete c;
}

bool HttpServer::listen(quint16 port)
{
    return m_server.listen(QHostAddress(QHostAddress::LocalHost), port);
}

quint16 HttpServer::port() const
{
    return m_server.serverPort();
}

QString HttpServer::errorString() const
{
    return m_server.errorString();
}

void HttpServer::acceptConnections()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        if (m_connections.size() >= kMaxConnections) {
            const std::string bytes =
                serializeResponse(framingError(503, "同时打开的连接太多，请稍后再试"), false, false);
            socket->write(bytes.data(), static_cast<qint64>(bytes.size()));
            socket->disconnectFromHost();
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            continue;
        }
        const quint64 id = m_nextId++;
        m_connections.insert(id, new HttpConnection(id, socket, this));
    }
}

void HttpServer::build(quint64 id, std::string method, std::string target)
{
    m_pool.start([this, id, method = std::move(method), target = std::move(target)] {
        Response r;
        try {
            r = m_handler(method, target);
        } catch (...) {
            r = framingError(500, "生成页面时出错");
        }
        QMetaObject::invokeMethod(
            this, [this, id, r = std::move(r)] { deliver(id, r); }, Qt::QueuedConnection);
    });
}

void HttpServer::deliver(quint64 id, const Response& response)
{
    if (HttpConnection* c = m_connections.value(id))
        c->respond(response);
}

void HttpServer::forget(quint64 id)
{
    m_connections.remove(id);
}

} // namespace xingming::site
