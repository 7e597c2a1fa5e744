#pragma once
// A loopback web server with one scripted answer, for the update check.

#include <QByteArray>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <functional>

namespace lx::test {

class FakeServer {
public:
    // Gets the socket once the request's head is in.
    using Reply = std::function<void(QTcpSocket*)>;

    explicit FakeServer(Reply reply) : reply_(std::move(reply))
    {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    request += s->readAll();
                    if (request.contains("\r\n\r\n") && !answered_) {
                        answered_ = true;
                        reply_(s);
                    }
                });
            }
        });
    }
    bool listening() const { return server_.isListening(); }
    QUrl url() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/LxUpdateInformationen.txt").arg(server_.serverPort()));
    }

    // Every byte the server received, from every connection.
    QByteArray request;

private:
    QTcpServer server_;
    Reply reply_;
    bool answered_ = false;
};

// A complete answer with status line, length and body; the server closes.
inline FakeServer::Reply Answer(const QByteArray& status, const QByteArray& body, const QByteArray& extra = {})
{
    return [=](QTcpSocket* s) {
        s->write("HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: " +
                 QByteArray::number(body.size()) + "\r\nConnection: close\r\n" + extra + "\r\n" + body);
        s->disconnectFromHost();
    };
}

}  // namespace lx::test
