#pragma once

#include "movie/classes/CLoaderPHP.h"
#include "movie/classes/CLoaderSWF.h"
#include "movie/classes/LoadResult.h"
#include "runtime/events/EventDispatcher.h"

#include <QVariantMap>

#include <deque>
#include <memory>
#include <vector>

namespace classes {

// A queue of loads run strictly one after another: text through CLoaderPHP ("php"), display content
// through CLoaderSWF ("flash", "image"). A run ends with LOAD_ALL_COMPLETED once every entry has a result,
// failed ones included; getLoadedData() then holds the results in queue order.
class CLoader : public flash::events::EventDispatcher {
 public:
  static inline const QString LOAD_COMPLETED = QStringLiteral("onLoaderLoadCompleted");
  static inline const QString LOAD_ERROR = QStringLiteral("onLoaderLoadError");
  static inline const QString LOAD_ALL_COMPLETED = QStringLiteral("onLoadAllCompleted");

  const QString TYPE_PHP = QStringLiteral("php");
  const QString TYPE_FLASH = QStringLiteral("flash");
  const QString TYPE_IMAGE = QStringLiteral("image");
  const QString TYPE_MOVIE = QStringLiteral("movie");
  const QString TYPE_SOUND = QStringLiteral("sound");

  // Switches the movie's System.useCodePage on: loaded text is read in the locale's codec.
  explicit CLoader(flash::Player& player);

  // Entries added during a run are loaded in that run.
  void addToLoad(const QString& type, const QString& url, const QVariantMap& param = {});
  // Does nothing while a run is in progress. An empty queue completes within the call; every other run
  // completes after this call has returned.
  void startLoad();
  // The results of the current or last run.
  const std::vector<LoadResult>& getLoadedData() const { return loaded_data; }
  // Percent of all entries ever added that are done; the one being loaded counts as not done.
  double getLoadedPersent() const;

 private:
  struct Entry {
    QString type;
    QString url;
    QVariantMap param;
  };
  void loadNext();
  void onLoadCompleted();
  void onLoadError();

  std::deque<Entry> load_array;
  std::vector<LoadResult> loaded_data;
  int count_for_load = 0;
  bool load_started = false;
  QString loading_type;
  std::shared_ptr<CLoaderPHP> loader_php;
  std::shared_ptr<CLoaderSWF> loader_flash;
};

}  // namespace classes
