#include "site/httpserver.h"

#include <QHostAddress>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <ctime>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

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

Response hostError(int status)
{
    return framingError(status, status == 400 ? "HTTP/1.1 请求缺少 Host" : "这个请求不是发给本站的（Host 不对）");
}

// How long a closing connection goes on reading (and dropping) what the client still
// sends, so that the answer is not lost to a reset; and how many may do so at once.
constexpr int kLingerMs = 2000;
constexpr int kMaxLingering = 256;
// How long a connection over the limit may take to send its request head before its 503.
constexpr int kRefusedWaitMs = 2000;
// Pending connections the kernel keeps for the server (a burst of clients waits there).
constexpr int kListenBacklog = 1024;

} // namespace

// Hands every accepted socket to the server as a bare descriptor.
class HttpServer::Listener : public QTcpServer {
public:
    explicit Listener(HttpServer* server) : QTcpServer(server), m_server(server) {}

protected:
    void incomingConnection(qintptr fd) override { m_server->adopt(fd); }

private:
    HttpServer* m_server;
};

// One client connection over a non-blocking socket: reads one request at a time into a
// buffer of at most one request, hands it to the server's pool, writes the answers in
// order. A client that stops sending after its request (half-close) is still answered.
class HttpConnection : public QObject {
public:
    enum class State {
        Waiting, // for the first byte of a request
        Head,    // part of a request head is here
        Busy,    // a page is being built
        Closing, // the last answer is written; reading and dropping until the linger ends
    };

    HttpConnection(quint64 id, int fd, bool refused, HttpServer* server)
        : QObject(server), m_id(id), m_fd(fd), m_refused(refused), m_server(server),
          m_readable(fd, QSocketNotifier::Read), m_writable(fd, QSocketNotifier::Write)
    {
        m_writable.setEnabled(false);
        connect(&m_readable, &QSocketNotifier::activated, this, [this] { onReadable(); });
        connect(&m_writable, &QSocketNotifier::activated, this, [this] { flush(); });
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, [this] { onTimeout(); });
        m_sendTimer.setSingleShot(true);
        connect(&m_sendTimer, &QTimer::timeout, this, [this] { close(); });
        m_arrived = server->m_clock.elapsed();
        wait();
    }

    ~HttpConnection() override
    {
        m_readable.setEnabled(false);
        m_writable.setEnabled(false);
        if (m_fd >= 0)
            ::close(m_fd);
    }

    State state() const { return m_state; }
    bool refused() const { return m_refused; }
    void admitted() { m_refused = false; }
    qint64 arrived() const { return m_arrived; }
    bool waitingForRequest() const { return m_state == State::Waiting || m_state == State::Head; }
    // Reads and handles whatever has arrived, even when the notifier has not said so yet.
    void pull() { onReadable(); }
    // Since when the connection waits for a request (Waiting or Head).
    qint64 waitingSince() const { return m_waitingSince; }
    // Idle after an answer, with nothing of a further request: a client loses nothing
    // when it is closed (it connects anew).
    bool idleAfterAnswer() const { return m_state == State::Waiting && m_answers > 0 && m_in.empty(); }

    // The answer of the request in progress.
    void respond(const Response& r)
    {
        if (m_state != State::Busy)
            return;
        // After a half-close the connection ends with the last request sent in full.
        const bool more = !m_peerClosed || parseRequestHead(m_in).status == HeadStatus::Complete;
        send(r, m_headOnly, m_keepAlive && more);
        if (m_state != State::Closing)
            wait();
    }

    // Closes at once, whatever is unsent.
    void close()
    {
        if (m_fd < 0)
            return;
        m_readable.setEnabled(false);
        m_writable.setEnabled(false);
        m_timer.stop();
        m_sendTimer.stop();
        if (m_lingering)
            --m_server->m_lingering;
        else
            m_server->uncount(m_refused);
        ::close(m_fd);
        m_fd = -1;
        m_server->forget(m_id);
        deleteLater();
    }

private:
    // Ready for the next request; one may already be in the buffer.
    void wait()
    {
        m_state = State::Waiting;
        m_waitingSince = m_server->m_clock.elapsed();
        m_timer.start(m_refused ? std::min(m_server->m_limits.idleTimeoutMs, kRefusedWaitMs)
                                : m_server->m_limits.idleTimeoutMs);
        QTimer::singleShot(0, this, [this] { process(); });
    }

    int headTimeout() const
    {
        return m_refused ? std::min(m_server->m_limits.headTimeoutMs, kRefusedWaitMs)
                         : m_server->m_limits.headTimeoutMs;
    }

    bool tooMuchQueued() const
    {
        return static_cast<qint64>(m_out.size()) - static_cast<qint64>(m_sent) > m_server->m_limits.maxQueuedBytes;
    }

    void onReadable()
    {
        if (m_fd < 0)
            return;
        if (m_state == State::Closing) {
            drop();
            return;
        }
        // At most one request is buffered; the kernel holds the rest until it is wanted.
        const size_t room = kMaxRequestBytes + 1 - std::min(m_in.size(), kMaxRequestBytes + 1);
        if (room == 0 || m_state == State::Busy || tooMuchQueued()) {
            m_readable.setEnabled(false);
            return;
        }
        char buf[kMaxRequestBytes + 1];
        const ssize_t n = ::recv(m_fd, buf, room, 0);
        if (n < 0) {
            if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
                close();
            return;
        }
        if (n == 0) {
            // The client sends no more; what it sent in full is still answered.
            m_peerClosed = true;
            m_readable.setEnabled(false);
        } else {
            m_in.append(buf, static_cast<size_t>(n));
        }
        process();
    }

    // Closes once the answers written so far are taken.
    void finish()
    {
        if (m_sent < m_out.size())
            m_state = State::Closing; // flush() closes when it is done
        else
            close();
    }

    // Reads and drops what a closing connection is still sent.
    void drop()
    {
        char buf[4096];
        ssize_t n;
        while ((n = ::recv(m_fd, buf, sizeof buf, 0)) > 0) {
        }
        if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR))
            close();
    }

    // Takes the next request from the buffer when there is one in full.
    void process()
    {
        if (m_fd < 0 || (m_state != State::Waiting && m_state != State::Head))
            return;
        if (tooMuchQueued()) {
            m_readable.setEnabled(false); // read on once the client has taken its answers
            return;
        }
        const HeadParse p = parseRequestHead(m_in);
        if (p.status == HeadStatus::Incomplete) {
            if (m_peerClosed) {
                finish(); // nothing further to answer
                return;
            }
            if (m_state == State::Waiting && !m_in.empty()) {
                // The whole head must come within the deadline from its first byte.
                m_state = State::Head;
                m_timer.start(headTimeout());
            }
            m_readable.setEnabled(true);
            return;
        }
        if (p.status == HeadStatus::Error) {
            send(framingError(p.errorStatus, p.error), false, false);
            return;
        }
        const size_t total = p.headBytes + p.head.contentLength; // at most kMaxRequestBytes
        if (m_in.size() < total) {
            if (m_peerClosed) {
                finish();
                return;
            }
            // The body is still on its way, under the same deadline.
            if (m_state != State::Head) {
                m_state = State::Head;
                m_timer.start(headTimeout());
            }
            m_readable.setEnabled(true);
            return;
        }
        m_in.erase(0, total); // a body of GET or HEAD means nothing here
        m_timer.stop();
        m_headOnly = p.head.method == "HEAD";
        if (m_refused)
            m_server->admit(this); // a slower client may give way
        m_keepAlive = p.head.keepAlive && !m_refused;
        if (m_refused) {
            Response r = framingError(503, "同时打开的连接太多，请稍后再试");
            r.headers.emplace_back("Retry-After", "1");
            send(r, m_headOnly, false);
            return;
        }
        if (const int status = checkHost(p.head, m_server->port())) {
            send(hostError(status), m_headOnly, false);
            return;
        }
        m_state = State::Busy;
        m_readable.setEnabled(false);
        m_server->build(m_id, p.head.method, p.head.target);
    }

    void send(const Response& r, bool headOnly, bool keepAlive)
    {
        ++m_server->m_answered;
        ++m_answers;
        if (m_sent == m_out.size()) {
            m_out.clear();
            m_sent = 0;
        }
        m_out += serializeResponse(r, headOnly, keepAlive, httpDate(std::time(nullptr)));
        if (!m_sendTimer.isActive())
            m_sendTimer.start(m_server->m_limits.sendTimeoutMs);
        if (!keepAlive) {
            m_state = State::Closing;
            m_timer.stop();
            m_in.clear();
        }
        flush();
    }

    void flush()
    {
        if (m_fd < 0)
            return;
        while (m_sent < m_out.size()) {
            const ssize_t n = ::send(m_fd, m_out.data() + m_sent, m_out.size() - m_sent, MSG_NOSIGNAL);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                if (errno == EAGAIN || errno == EWOULDBLOCK) {
                    m_writable.setEnabled(true);
                    return;
                }
                close();
                return;
            }
            m_sent += static_cast<size_t>(n);
        }
        // All taken by the kernel.
        m_writable.setEnabled(false);
        m_sendTimer.stop();
        m_out.clear();
        m_sent = 0;
        if (m_state == State::Closing) {
            linger();
        } else if (m_state == State::Waiting || m_state == State::Head) {
            process();
            if (m_state == State::Waiting || m_state == State::Head)
                m_readable.setEnabled(!m_peerClosed);
        }
    }

    // Half-closes after the last answer: the client sees its end, while whatever it still
    // sends is read and dropped for a moment instead of resetting the connection.
    void linger()
    {
        ::shutdown(m_fd, SHUT_WR);
        if (m_peerClosed || m_server->m_lingering >= kMaxLingering) {
            close();
            return;
        }
        m_lingering = true; // no longer counted among the open connections
        m_server->uncount(m_refused);
        ++m_server->m_lingering;
        m_readable.setEnabled(true);
        m_timer.start(kLingerMs);
    }

    void onTimeout()
    {
        switch (m_state) {
        case State::Waiting:
            close(); // idle: closed without a word
            break;
        case State::Head:
            send(framingError(408, "请求没有在限定时间内发完"), false, false);
            break;
        case State::Closing:
            close(); // the linger is over
            break;
        case State::Busy:
            break;
        }
    }

    quint64 m_id;
    int m_fd;
    bool m_refused; // over the limit: answered 503 once its head is read
    HttpServer* m_server;
    QSocketNotifier m_readable;
    QSocketNotifier m_writable;
    QTimer m_timer;     // idle, head deadline or linger, by state
    QTimer m_sendTimer; // the answers written must be taken by then
    State m_state = State::Waiting;
    qint64 m_waitingSince = 0;
    qint64 m_arrived = 0;
    std::string m_in;  // at most kMaxRequestBytes + 1 bytes
    std::string m_out; // unsent answers from m_sent on
    size_t m_sent = 0;
    quint64 m_answers = 0;
    bool m_headOnly = false; // the request in progress is HEAD
    bool m_keepAlive = true;
    bool m_peerClosed = false; // the client has half-closed its side
    bool m_lingering = false;
};

HttpServer::HttpServer(RequestHandler handler, QObject* parent)
    : QObject(parent), m_handler(std::move(handler)), m_listener(new Listener(this))
{
    m_pool.setMaxThreadCount(std::max(2, QThread::idealThreadCount()));
    m_clock.start();
}

HttpServer::~HttpServer()
{
    m_listener->close();
    // The pages still being built hand their answers to this object: wait for them first.
    m_pool.waitForDone();
    const auto open = m_connections.values();
    for (HttpConnection* c : open)
        delete c;
}

bool HttpServer::listen(quint16 port)
{
    m_listener->setListenBacklogSize(kListenBacklog);
    return m_listener->listen(QHostAddress(QHostAddress::LocalHost), port);
}

quint16 HttpServer::port() const
{
    return m_listener->serverPort();
}

QString HttpServer::errorString() const
{
    return m_listener->errorString();
}

void HttpServer::adopt(qintptr descriptor)
{
    const int fd = static_cast<int>(descriptor);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    bool refused = false;
    if (m_served >= m_limits.maxConnections && !reclaimIdle()) {
        if (m_refused >= m_limits.maxRefused) {
            ::close(fd);
            return;
        }
        refused = true; // it may still get in once its head is whole (admit)
    }
    const quint64 id = m_nextId++;
    ++(refused ? m_refused : m_served);
    m_connections.insert(id, new HttpConnection(id, fd, refused, this));
}

bool HttpServer::reclaimIdle()
{
    HttpConnection* oldest = nullptr;
    for (HttpConnection* c : std::as_const(m_connections))
        if (!c->refused() && c->idleAfterAnswer() && (!oldest || c->waitingSince() < oldest->waitingSince()))
            oldest = c;
    if (!oldest)
        return false;
    oldest->close();
    return true;
}

bool HttpServer::admit(HttpConnection* newcomer)
{
    if (m_served >= m_limits.maxConnections && !reclaimIdle()) {
        // Those that came before the newcomer and still have no whole head, oldest first.
        std::vector<HttpConnection*> slower;
        for (HttpConnection* c : std::as_const(m_connections))
            if (!c->refused() && c->waitingForRequest() && c->arrived() <= newcomer->arrived())
                slower.push_back(c);
        std::sort(slower.begin(), slower.end(), [](const HttpConnection* a, const HttpConnection* b) {
            return a->waitingSince() < b->waitingSince();
        });
        for (HttpConnection* c : slower) {
            if (m_served < m_limits.maxConnections)
                break;
            c->pull(); // what it has sent may only wait to be read
            if (c->waitingForRequest() && !c->idleAfterAnswer())
                c->close();
        }
        if (m_served >= m_limits.maxConnections)
            return false;
    }
    --m_refused;
    ++m_served;
    newcomer->admitted();
    return true;
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

} // namespace xingming::site
