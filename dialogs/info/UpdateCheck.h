#pragma once
// The about box's update check: one plain HTTP GET of the update file at the
// root of the product's web site, read into memory and handed to
// LeseUpdateInfo. Only a complete 200 answer is read; a redirect, another
// status, a network error, a stall, a slow or an oversized answer end the
// check with kUpdateFehler and the reason on a second line.

#include <QByteArray>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;

namespace lx {

// The product's web site: the about box's link and the update file's home.
inline constexpr const char* kProductSite = "http://www.rivodozazavudidavaz.de/";

class UpdateCheck final : public QObject {
    Q_OBJECT
public:
    explicit UpdateCheck(const QString& ownVersion, QObject* parent = nullptr);
    ~UpdateCheck() override;

    // The update file's address; by default kProductSite + kUpdateFileName.
    void setUrl(const QUrl& url) { url_ = url; }
    const QUrl& url() const { return url_; }
    // Milliseconds without data, and in all (10 s and 30 s).
    void setTimeouts(int idleMs, int totalMs);
    void setMaxBytes(qint64 bytes) { maxBytes_ = bytes; }

    bool isRunning() const { return reply_ != nullptr; }
    // Starts the check; nothing while one runs. finished() follows once.
    void start();

signals:
    void finished(const QString& message);

private:
    void onReadyRead();
    void onFinished();
    void fail(const QString& reason);
    void finish(const QString& message);

    QString ownVersion_;
    QUrl url_;
    qint64 maxBytes_ = 64 * 1024;
    QNetworkAccessManager* manager_;
    QPointer<QNetworkReply> reply_;
    QByteArray body_;
    QTimer idle_;
    QTimer total_;
    QString failure_;
};

}  // namespace lx
