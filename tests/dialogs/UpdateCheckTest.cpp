#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTimer>

#include "FakeServer.h"
#include "GuiTest.h"
#include "UpdateCheck.h"
#include "info/UpdateInfo.h"

namespace {

using lx::test::Answer;
using lx::test::FakeServer;

QString Check(lx::UpdateCheck& check)
{
    QSignalSpy spy(&check, &lx::UpdateCheck::finished);
    check.start();
    EXPECT_TRUE(check.isRunning());
    if (!spy.wait(10000)) return QStringLiteral("(no answer)");
    EXPECT_EQ(spy.count(), 1);
    EXPECT_FALSE(check.isRunning());
    return spy.at(0).at(0).toString();
}

const QString kFehler = QString::fromUtf8(lx::kUpdateFehler);
const QString kTempFile = QDir::temp().filePath(QString::fromUtf8(lx::kUpdateFileName));

TEST(UpdateCheck, Answers)
{
    const bool tempFileBefore = QFileInfo::exists(kTempFile);
    const QByteArray big = "Kopf\r\nRiVodozazavudidavaz 1.1.2.0\r\n" + QByteArray(70 * 1024, 'x');
    const struct {
        const char* name;
        FakeServer::Reply reply;
        QString message;
    } cases[] = {
        {"200 CRLF", Answer("200 OK", "Kopf\r\nRiVodozazavudidavaz 1.1.1.1\r\n"),
         QString::fromUtf8("Aktuell ist kein Update verfügber")},
        {"200 LF", Answer("200 OK", "Kopf\nRiVodozazavudidavaz 1.1.1.1\n"),
         QString::fromUtf8("Aktuell ist kein Update verfügber")},
        {"200 update", Answer("200 OK", "Kopf\r\nRiVodozazavudidavaz 1.1.2.0\r\n"),
         "Im Internet liegt ein Update auf Version 1.1.2.0 vor"},
        {"404 page", Answer("404 Not Found", "<p>Kopf</p>\nRiVodozazavudidavaz 9.9.9.9\n"), kFehler + "\nHTTP 404"},
        {"500", Answer("500 Internal Server Error", ""), kFehler + "\nHTTP 500"},
        {"301", Answer("301 Moved Permanently", "", "Location: /anders.txt\r\n"), kFehler + "\nHTTP 301"},
        {"empty 200", Answer("200 OK", ""), kFehler},
        {"70 KiB", Answer("200 OK", big), kFehler + QString::fromUtf8("\nDie Antwort ist zu groß.")},
        {"70 KiB without a length",
         [&big](QTcpSocket* s) {
             s->write("HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + big);
             s->disconnectFromHost();
         },
         kFehler + QString::fromUtf8("\nDie Antwort ist zu groß.")},
    };
    for (const auto& c : cases) {
        FakeServer server(c.reply);
        lx::UpdateCheck check("1.1.1.1");
        check.setUrl(server.url());
        EXPECT_EQ(Check(check), c.message) << c.name;
        // A redirect is not followed.
        EXPECT_EQ(server.request.count("GET "), 1) << c.name;
    }
    if (!tempFileBefore) {
        EXPECT_FALSE(QFileInfo::exists(kTempFile));
    }
}

TEST(UpdateCheck, TheRequest)
{
    // A proxy from the environment must not be used.
    const QByteArray proxy = qgetenv("http_proxy");
    qputenv("http_proxy", "http://127.0.0.1:1");
    FakeServer server(Answer("200 OK", "Kopf\nRiVodozazavudidavaz 1.1.1.1\n"));
    lx::UpdateCheck check("1.1.1.1");
    check.setUrl(server.url());
    Check(check);
    if (proxy.isNull()) {
        qunsetenv("http_proxy");
    } else {
        qputenv("http_proxy", proxy);
    }
    const QList<QByteArray> head = server.request.split('\n');
    ASSERT_FALSE(head.isEmpty());
    EXPECT_EQ(head[0].trimmed(), "GET /LxUpdateInformationen.txt HTTP/1.1");
    EXPECT_TRUE(server.request.contains("\r\nAccept: text/html, */*\r\n")) << server.request.toStdString();
    EXPECT_TRUE(server.request.contains("\r\nContent-Type: text/html\r\n"));
    EXPECT_TRUE(server.request.contains("\r\nUser-Agent: RiVodozazavudidavaz/1.1.1.1\r\n"));
}

TEST(UpdateCheck, TheDefaultAddressIsTheSitesRoot)
{
    lx::UpdateCheck check("1.1.1.1");
    EXPECT_EQ(check.url().toString(), QString::fromUtf8(lx::kProductSite) + "LxUpdateInformationen.txt");
}

TEST(UpdateCheck, AStalledServer)
{
    FakeServer server([](QTcpSocket* s) { s->write("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nKopf\r\n"); });
    lx::UpdateCheck check("1.1.1.1");
    check.setUrl(server.url());
    check.setTimeouts(200, 5000);
    EXPECT_EQ(Check(check), kFehler + "\nDer Server antwortet nicht.");
}

TEST(UpdateCheck, ASlowServer)
{
    QTimer drip;
    FakeServer server([&drip](QTcpSocket* s) {
        s->write("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n");
        QObject::connect(&drip, &QTimer::timeout, s, [s] { s->write("x"); });
        drip.start(20);
    });
    lx::UpdateCheck check("1.1.1.1");
    check.setUrl(server.url());
    check.setTimeouts(200, 600);
    EXPECT_EQ(Check(check), kFehler + "\nDie Antwort dauert zu lange.");
}

TEST(UpdateCheck, AClosedPort)
{
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();
    lx::UpdateCheck check("1.1.1.1");
    check.setUrl(QUrl(QStringLiteral("http://127.0.0.1:%1/LxUpdateInformationen.txt").arg(port)));
    const QString message = Check(check);
    EXPECT_TRUE(message.startsWith(kFehler + "\n")) << message.toStdString();
    EXPECT_GT(message.size(), kFehler.size() + 1);
    // A second check runs again.
    EXPECT_EQ(Check(check).left(kFehler.size()), kFehler);
}

}  // namespace
