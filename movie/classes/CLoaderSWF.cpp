#include "movie/classes/CLoaderSWF.h"

#include "movie/classes/CLoadErrorEvent.h"
#include "movie/classes/CLoader.h"
#include "runtime/Errors.h"
#include "runtime/Trace.h"
#include "runtime/events/ErrorEvent.h"

namespace classes {

CLoaderSWF::CLoaderSWF(flash::Player& player) : player_(player), deferred_(player) {}

void CLoaderSWF::load(const QString& url, const QVariantMap& /*param*/)
{
  loader = std::make_shared<flash::display::Loader>(player_);
  loaderInfo = loader->contentLoaderInfo();
  // The registrations do not keep this worker alive.
  const std::weak_ptr<CLoaderSWF> self = std::static_pointer_cast<CLoaderSWF>(shared_from_this());
  loaderInfo->addEventListener(flash::events::Event::COMPLETE, [self](flash::events::Event&) {
    const auto worker = self.lock();
    if (!worker) {
      return;
    }
    worker->loaded_object = worker->loaderInfo->content();
    if (worker->loaderInfo->contentType() == flash::display::ContentType::SWF) {
      flash::trace(QStringLiteral(" SWF Version: %1").arg(worker->loaderInfo->swfVersion()));
      flash::trace(QStringLiteral(" AS Version: %1").arg(worker->loaderInfo->actionScriptVersion()));
      flash::trace(QStringLiteral(" Frame Rate: %1").arg(worker->loaderInfo->frameRate()));
    }
    flash::events::Event completed(CLoader::LOAD_COMPLETED);
    worker->dispatchEvent(completed);
  });
  loaderInfo->addTypedListener<flash::events::IOErrorEvent>(
      flash::events::IOErrorEvent::IO_ERROR, [self](flash::events::IOErrorEvent& event) {
        if (const auto worker = self.lock()) {
          flash::trace(QStringLiteral("ioErrorHandler: ") + event.text());
          worker->sendError();
        }
      });
  try {
    loader->load(flash::net::URLRequest(url));
  } catch (const flash::Error& error) {
    flash::trace(QStringLiteral("Unable to load content:\n") + QString::fromUtf8(error.what()));
    // Told once the caller has its call back, as every other outcome.
    deferred_.later([this] { sendError(); });
  }
}

void CLoaderSWF::sendError()
{
  CLoadErrorEvent failed(CLoader::LOAD_ERROR, 1002);
  dispatchEvent(failed);
}

}  // namespace classes
