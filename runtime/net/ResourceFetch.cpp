#include "runtime/net/ResourceFetch.h"

#include "runtime/Player.h"

#include <QDir>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrlQuery>

namespace flash::net {

namespace {

QString SchemeOf(const QString& address)
{
  return QUrl(address).scheme().toLower();
}

bool IsNetworkScheme(const QString& scheme)
{
  return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

}  // namespace

ResourceFetch::ResourceFetch(Player& player, URLRequest request, Progress progress, Done done)
    : player_(player), request_(std::move(request)), progress_(std::move(progress)), done_(std::move(done)),
      context_(std::make_unique<QObject>())
{
  QTimer::singleShot(0, context_.get(), [this] { begin(); });
}

ResourceFetch::~ResourceFetch()
{
  if (reply_) {
    reply_->disconnect(context_.get());
    reply_->abort();
    reply_->deleteLater();
  }
}

bool ResourceFetch::isAllowedAddress(const QString& address)
{
  const QString scheme = SchemeOf(address);
  return scheme.isEmpty() || scheme == QLatin1String("file") || IsNetworkScheme(scheme);
}

void ResourceFetch::begin()
{
  if (player_.isShutDown()) {
    return;
  }
  const QString& address = request_.url;
  if (SchemeOf(address).isEmpty()) {
    if (QDir::isAbsolutePath(address)) {
      route(QUrl::fromLocalFile(address));
    } else {
      fromHostOrMovieFolder();
    }
    return;
  }
  route(QUrl(address));
}

void ResourceFetch::route(const QUrl& url)
{
  const QString scheme = url.scheme().toLower();
  if (IsNetworkScheme(scheme) || scheme == QLatin1String("file")) {
    fromNetwork(url);
    return;
  }
  finish({Outcome::Kind::SecurityError, {}, QStringLiteral("the scheme \"%1\" may not be loaded").arg(scheme)});
}

void ResourceFetch::fromHostOrMovieFolder()
{
  if (const std::shared_ptr<QIODevice> served = player_.openExternalResource(request_.url)) {
    finish({Outcome::Kind::Loaded, served->readAll(), {}});
    return;
  }
  const QUrl base = player_.movieBase();
  if (base.isEmpty()) {
    finish({Outcome::Kind::IoError, {}, QStringLiteral("the host has no such resource and the movie has no folder")});
    return;
  }
  route(base.resolved(QUrl(request_.url)));
}

void ResourceFetch::fromNetwork(const QUrl& address)
{
  QNetworkAccessManager* network = player_.networkAccess();
  if (network == nullptr) {
    return;
  }
  QUrl url = address;
  const bool post = request_.method == URLRequestMethod::POST && !url.isLocalFile();
  QByteArray body;
  if (request_.data && !url.isLocalFile()) {
    const QString form = request_.data->toString();
    if (post) {
      body = form.toUtf8();
    } else if (!form.isEmpty()) {
      url.setQuery(url.hasQuery() ? url.query(QUrl::FullyEncoded) + QLatin1Char('&') + form : form, QUrl::StrictMode);
    }
  }
  QNetworkRequest request(url);
  for (const URLRequestHeader& header : request_.requestHeaders) {
    request.setRawHeader(header.name.toUtf8(), header.value.toUtf8());
  }
  if (post) {
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
    reply_ = network->post(request, body);
  } else {
    reply_ = network->get(request);
  }
  QObject::connect(reply_, &QNetworkReply::downloadProgress, context_.get(), [this](qint64 received, qint64 total) {
    if (progress_) {
      progress_(received, std::max<qint64>(total, 0));
    }
  });
  QObject::connect(reply_, &QNetworkReply::finished, context_.get(), [this] {
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->deleteLater();
    if (reply->error() == QNetworkReply::NoError) {
      finish({Outcome::Kind::Loaded, reply->readAll(), {}});
    } else {
      finish({Outcome::Kind::IoError, {}, reply->errorString()});
    }
  });
}

void ResourceFetch::finish(Outcome outcome)
{
  // The listener may drop this fetch: nothing of it is touched after the call.
  const Done done = std::move(done_);
  done_ = nullptr;
  if (done && !player_.isShutDown()) {
    done(std::move(outcome));
  }
}

}  // namespace flash::net
