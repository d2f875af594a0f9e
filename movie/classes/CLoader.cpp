#include "movie/classes/CLoader.h"

#include "runtime/Player.h"
#include "runtime/Trace.h"

#include <cmath>

namespace classes {

CLoader::CLoader(flash::Player& player)
    : loader_php(std::make_shared<CLoaderPHP>(player)), loader_flash(std::make_shared<CLoaderSWF>(player))
{
  for (flash::events::EventDispatcher* worker : {static_cast<flash::events::EventDispatcher*>(loader_php.get()),
                                                 static_cast<flash::events::EventDispatcher*>(loader_flash.get())}) {
    worker->addEventListener(LOAD_COMPLETED, [this](flash::events::Event&) { onLoadCompleted(); });
    worker->addEventListener(LOAD_ERROR, [this](flash::events::Event&) { onLoadError(); });
  }
  player.system().setUseCodePage(true);
}

void CLoader::addToLoad(const QString& type, const QString& url, const QVariantMap& param)
{
  load_array.push_back({type, url, param});
  ++count_for_load;
}

void CLoader::startLoad()
{
  if (load_started) {
    return;
  }
  loaded_data.clear();
  load_started = true;
  loadNext();
}

void CLoader::loadNext()
{
  if (load_array.empty()) {
    load_started = false;
    flash::events::Event done(LOAD_ALL_COMPLETED);
    dispatchEvent(done);
    return;
  }
  const Entry entry = load_array.front();
  load_array.pop_front();
  loading_type = entry.type;
  if (entry.type == TYPE_PHP) {
    loader_php->load(entry.url, entry.param);
  } else if (entry.type == TYPE_FLASH || entry.type == TYPE_IMAGE) {
    loader_flash->load(entry.url, entry.param);
  } else {
    flash::trace(QStringLiteral("Type not supported"));
  }
}

void CLoader::onLoadCompleted()
{
  LoadResult result;
  result.type = loading_type;
  result.is_loaded = true;
  if (loading_type == TYPE_PHP) {
    result.data = loader_php->getLastData();
  } else {
    result.loader = loader_flash->getLoadedObject();
    result.data = result.loader->content();
  }
  loaded_data.push_back(std::move(result));
  loadNext();
}

void CLoader::onLoadError()
{
  LoadResult result;
  result.type = loading_type;
  loaded_data.push_back(std::move(result));
  loadNext();
}

double CLoader::getLoadedPersent() const
{
  if (count_for_load == 0) {
    return 100;
  }
  const double pending = static_cast<double>(load_array.size());
  const double done = count_for_load - pending - (load_started ? 1 : 0);
  return std::ceil(done / count_for_load * 100);
}

}  // namespace classes
