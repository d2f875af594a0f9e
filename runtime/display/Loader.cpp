#include "runtime/display/Loader.h"

#include "runtime/Errors.h"
#include "runtime/Trace.h"
#include "runtime/display/LoadedContent.h"
#include "runtime/events/ErrorEvent.h"
#include "runtime/events/ProgressEvent.h"

namespace flash::display {

Loader::Loader(Player& player) : player_(player), info_(std::make_shared<LoaderInfo>(*this)) {}

Loader::~Loader() = default;

void Loader::load(const net::URLRequest& request)
{
  if (request.url.isEmpty()) {
    throw ArgumentError("Error #2007: Parameter url must be non-null.");
  }
  if (!net::ResourceFetch::isAllowedAddress(request.url)) {
    throw SecurityError(
        QStringLiteral("Error #2148: The movie may not load content from %1.").arg(request.url).toStdString());
  }
  unload();
  info_->url_ = request.url;
  info_->bytesLoaded_ = 0;
  info_->bytesTotal_ = 0;
  fetch_ = std::make_unique<net::ResourceFetch>(
      player_, request,
      [this](qint64 loaded, qint64 total) {
        info_->bytesLoaded_ = loaded;
        info_->bytesTotal_ = total;
        runGuarded(QStringLiteral("a progress listener"), [&] {
          events::ProgressEvent progress(loaded, total);
          info_->dispatchEvent(progress);
        });
      },
      [this](net::ResourceFetch::Outcome outcome) { finished(std::move(outcome)); });
}

void Loader::close()
{
  fetch_.reset();
}

void Loader::unload()
{
  if (info_->content_) {
    removeChild(info_->content_.get());
    info_->content_.reset();
  }
  info_->contentType_.clear();
  info_->width_ = info_->height_ = info_->swfVersion_ = info_->actionScriptVersion_ = 0;
  info_->frameRate_ = 0;
}

void Loader::finished(net::ResourceFetch::Outcome outcome)
{
  const auto keepInfo = info_;
  const auto keep = weak_from_this().lock();
  const QString url = info_->url_;
  LoadedContent content;
  if (outcome.kind == net::ResourceFetch::Outcome::Kind::Loaded) {
    content = makeLoadedContent(outcome.data);
    if (!content.object) {
      outcome.reason = QStringLiteral("the file is of no type that can be shown");
    }
  }
  runGuarded(QStringLiteral("a load listener"), [&] {
    if (!content.object) {
      trace(QStringLiteral("Loader: %1: %2").arg(url, outcome.reason));
      const bool unknownType = outcome.kind == net::ResourceFetch::Outcome::Kind::Loaded;
      events::IOErrorEvent error(unknownType ? QStringLiteral("Error #2124: Loaded file is an unknown type.")
                                             : QStringLiteral("Error #2035: URL Not Found. URL: ") + url);
      keepInfo->dispatchEvent(error);
      return;
    }
    info_->bytesLoaded_ = outcome.data.size();
    info_->bytesTotal_ = std::max(info_->bytesTotal_, info_->bytesLoaded_);
    info_->content_ = content.object;
    info_->contentType_ = content.contentType;
    info_->width_ = content.size.width();
    info_->height_ = content.size.height();
    info_->swfVersion_ = content.swfVersion;
    info_->actionScriptVersion_ = content.actionScriptVersion;
    info_->frameRate_ = content.frameRate;
    addChild(content.object);
    events::Event complete(events::Event::COMPLETE);
    keepInfo->dispatchEvent(complete);
  });
}

}  // namespace flash::display
