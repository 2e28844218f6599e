// A blocking HTTP/1.1 client over a loopback socket, for the server and load tests: it
// knows nothing of the server's code, only what goes over the wire.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <cctype>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace sitetest {

struct Reply {
    int status = 0;
    std::map<std::string, std::string> headers; // names in lower case
    std::string body;
    bool closed = false; // the server said Connection: close
};

class Client {
public:
    explicit Client(std::uint16_t port, int timeoutSeconds = 10) : m_port(port), m_timeout(timeoutSeconds) {}
    ~Client() { disconnect(); }
    Client(const Client&) = delete;
    Client& operator=(const Client&) = delete;

    bool connectTo(const char* address = "127.0.0.1")
    {
        disconnect();
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        if (m_fd < 0)
            return false;
        timeval tv{m_timeout, 0};
        ::setsockopt(m_fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
        ::setsockopt(m_fd, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
        int one = 1;
        ::setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        sockaddr_in sa{};
        sa.sin_family = AF_INET;
        sa.sin_port = htons(m_port);
        ::inet_pton(AF_INET, address, &sa.sin_addr);
        if (::connect(m_fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0) {
            disconnect();
            return false;
        }
        m_buffer.clear();
        return true;
    }

    void disconnect()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    bool connected() const { return m_fd >= 0; }

    // Half-closes: the server sees the end of what this client sends.
    void shutdownSending() { ::shutdown(m_fd, SHUT_WR); }

    bool sendRaw(std::string_view bytes)
    {
        while (!bytes.empty()) {
            const ssize_t n = ::send(m_fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            bytes.remove_prefix(static_cast<size_t>(n));
        }
        return true;
    }

    // Reads one response; headOnly when it answers a HEAD request (no body follows).
    std::optional<Reply> readReply(bool headOnly = false)
    {
        size_t end;
        while ((end = m_buffer.find("\r\n\r\n")) == std::string::npos)
            if (!fill())
                return std::nullopt;
        Reply r;
        const std::string head = m_buffer.substr(0, end);
        m_buffer.erase(0, end + 4);
        size_t lineEnd = head.find("\r\n");
        const std::string statusLine = head.substr(0, lineEnd);
        if (statusLine.size() < 12 || statusLine.compare(0, 9, "HTTP/1.1 ") != 0)
            return std::nullopt;
        r.status = std::stoi(statusLine.substr(9, 3));
        while (lineEnd != std::string::npos) {
            const size_t start = lineEnd + 2;
            lineEnd = head.find("\r\n", start);
            const std::string field =
                head.substr(start, lineEnd == std::string::npos ? std::string::npos : lineEnd - start);
            const size_t colon = field.find(':');
            if (colon == std::string::npos)
                continue;
            std::string name = field.substr(0, colon);
            for (char& c : name)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            r.headers[name] = field.substr(field.find_first_not_of(' ', colon + 1));
        }
        r.closed = r.headers["connection"] == "close";
        const size_t length = std::stoul(r.headers.count("content-length") ? r.headers["content-length"] : "0");
        if (!headOnly) {
            while (m_buffer.size() < length)
                if (!fill())
                    return std::nullopt;
            r.body = m_buffer.substr(0, length);
            m_buffer.erase(0, length);
        }
        return r;
    }

    std::optional<Reply> get(const std::string& target, const char* method = "GET")
    {
        const std::string req =
            std::string(method) + " " + target + " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(m_port) + "\r\n\r\n";
        if (!sendRaw(req))
            return std::nullopt;
        return readReply(std::string_view(method) == "HEAD");
    }

    // True when the server closes the connection (end of stream) within the timeout.
    bool waitForClose()
    {
        char c;
        while (true) {
            const ssize_t n = ::recv(m_fd, &c, 1, 0);
            if (n == 0)
                return true;
            if (n < 0)
                return false;
        }
    }

private:
    bool fill()
    {
        char buf[16384];
        const ssize_t n = ::recv(m_fd, buf, sizeof buf, 0);
        if (n <= 0)
            return false;
        m_buffer.append(buf, static_cast<size_t>(n));
        return true;
    }

    std::uint16_t m_port;
    int m_timeout;
    int m_fd = -1;
    std::string m_buffer;
};

// The port of a base address "http://127.0.0.1:PORT".
inline std::uint16_t portOf(const std::string& base)
{
    return static_cast<std::uint16_t>(std::stoi(base.substr(base.rfind(':') + 1)));
}

} // namespace sitetest
