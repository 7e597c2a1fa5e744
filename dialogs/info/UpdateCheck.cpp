#include "UpdateCheck.h"

#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "info/UpdateInfo.h"

namespace lx {

UpdateCheck::UpdateCheck(const QString& ownVersion, QObject* parent)
    : QObject(parent),
      ownVersion_(ownVersion),
      url_(QUrl(QString::fromUtf8(kProductSite)).resolved(QUrl(QString::fromUtf8(kUpdateFileName)))),
      manager_(new QNetworkAccessManager(this))
{
    manager_->setProxy(QNetworkProxy::NoProxy);
    idle_.setSingleShot(true);
    total_.setSingleShot(true);
    setTimeouts(10'000, 30'000);
    connect(&idle_, &QTimer::timeout, this, [this] { fail(QStringLiteral("Der Server antwortet nicht.")); });
    connect(&total_, &QTimer::timeout, this, [this] { fail(QStringLiteral("Die Antwort dauert zu lange.")); });
}

UpdateCheck::~UpdateCheck()
{
    if (reply_ != nullptr) {
        reply_->disconnect(this);
        reply_->abort();
    }
}

void UpdateCheck::setTimeouts(int idleMs, int totalMs)
{
    idle_.setInterval(idleMs);
    total_.setInterval(totalMs);
}

void UpdateCheck::start()
{
    if (isRunning()) return;
    body_.clear();
    failure_.clear();
    QNetworkRequest request(url_);
    request.setRawHeader("Accept", "text/html, */*");
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/html"));
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("RiVodozazavudidavaz/") + ownVersion_);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    reply_ = manager_->get(request);
    connect(reply_, &QNetworkReply::readyRead, this, &UpdateCheck::onReadyRead);
    connect(reply_, &QNetworkReply::finished, this, &UpdateCheck::onFinished);
    idle_.start();
    total_.start();
}

void UpdateCheck::onReadyRead()
{
    if (reply_ == nullptr) return;
    idle_.start();
    const qint64 announced = reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (announced > maxBytes_ || body_.size() + reply_->bytesAvailable() > maxBytes_) {
        fail(QStringLiteral("Die Antwort ist zu groß."));
        return;
    }
    body_ += reply_->readAll();
}

void UpdateCheck::fail(const QString& reason)
{
    if (reply_ == nullptr) return;
    failure_ = reason;
    reply_->abort();
    // abort() may or may not report the end at once; the check ends here.
    if (reply_ != nullptr) onFinished();
}

void UpdateCheck::onFinished()
{
    if (reply_ == nullptr) return;
    QNetworkReply* reply = reply_;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    QString message;
    if (!failure_.isEmpty()) {
        message = failure_;
    } else if (status.isValid() && status.toInt() != 200) {
        message = QStringLiteral("HTTP %1").arg(status.toInt());
    } else if (reply->error() != QNetworkReply::NoError) {
        message = reply->errorString();
    } else {
        body_ += reply->read(maxBytes_ + 1 - body_.size());
        if (body_.size() > maxBytes_) message = QStringLiteral("Die Antwort ist zu groß.");
    }
    QString result = message.isEmpty()
                         ? QString::fromStdString(LeseUpdateInfo(body_.toStdString(), ownVersion_.toStdString()))
                         : QString::fromUtf8(kUpdateFehler) + QLatin1Char('\n') + message;
    reply_ = nullptr;
    reply->disconnect(this);
    reply->deleteLater();
    finish(result);
}

void UpdateCheck::finish(const QString& message)
{
    idle_.stop();
    total_.stop();
    body_.clear();
    emit finished(message);
}

}  // namespace lx
