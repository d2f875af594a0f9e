#include "movie/MovieClasses.h"

#include "movie/classes/VideoPlayer.h"
#include "runtime/MovieClassRegistry.h"

void RegisterPlayerMovieClasses(flash::MovieClassRegistry& registry)
{
  registry.registerClass(QStringLiteral("classes.VideoPlayer"),
                         [](flash::Player& player) { return std::make_shared<classes::VideoPlayer>(player); });
}
