#include "movie/classes/CLoaderPHP.h"

#include "movie/classes/CLoadErrorEvent.h"
#include "movie/classes/CLoader.h"
#include "runtime/Errors.h"
#include "runtime/Trace.h"
#include "runtime/events/ErrorEvent.h"

namespace classes {

CLoaderPHP::CLoaderPHP(flash::Player& player)
    : loader(std::make_shared<flash::net::URLLoader>(player)), deferred_(player)
{
  loader->addEventListener(flash::events::Event::COMPLETE, [this](flash::events::Event&) {
    last_data = loader->data();
    flash::events::Event completed(CLoader::LOAD_COMPLETED);
    dispatchEvent(completed);
  });
  loader->addTypedListener<flash::events::SecurityErrorEvent>(
      flash::events::SecurityErrorEvent::SECURITY_ERROR, [this](flash::events::SecurityErrorEvent& event) {
        flash::trace(QStringLiteral("securityErrorHandler: ") + event.text());
        sendError(1000);
      });
  loader->addTypedListener<flash::events::IOErrorEvent>(
      flash::events::IOErrorEvent::IO_ERROR, [this](flash::events::IOErrorEvent& event) {
        flash::trace(QStringLiteral("ioErrorHandler: ") + event.text());
        sendError(1001);
      });
}

void CLoaderPHP::load(const QString& url, const QVariantMap& param)
{
  flash::net::URLRequest request(url);
  flash::net::URLVariables variables;
  const QVariantMap vars = param.value(QStringLiteral("vars")).toMap();
  for (auto entry = vars.cbegin(); entry != vars.cend(); ++entry) {
    variables.set(entry.key(), entry.value().toString());
  }
  request.data = variables;
  request.requestHeaders.push_back({QStringLiteral("pragma"), QStringLiteral("no-cache")});
  const QString method = param.value(QStringLiteral("method")).toString();
  request.method = method == flash::net::URLRequestMethod::GET ? flash::net::URLRequestMethod::GET
                                                               : flash::net::URLRequestMethod::POST;
  try {
    loader->load(request);
  } catch (const flash::Error&) {
    flash::trace(QStringLiteral("Unable to load requested document."));
    deferred_.later([this] { sendError(1002); });
  }
}

void CLoaderPHP::sendError(int code)
{
  CLoadErrorEvent failed(CLoader::LOAD_ERROR, code);
  dispatchEvent(failed);
}

}  // namespace classes
