#include "movie/classes/LoadedButton.h"

#include "runtime/display/Shape.h"
#include "runtime/display/Sprite.h"

namespace classes {

namespace {

std::shared_ptr<flash::display::Shape> Placeholder(quint32 colour)
{
  auto shape = std::make_shared<flash::display::Shape>();
  shape->graphics().beginFill(colour, 1.0);
  shape->graphics().drawRoundRect(0, 0, 50, 30, 3, 3);
  shape->graphics().endFill();
  return shape;
}

std::shared_ptr<flash::display::Sprite> Wrapped(const std::shared_ptr<flash::display::DisplayObject>& content)
{
  auto holder = std::make_shared<flash::display::Sprite>();
  holder->addChild(content);
  return holder;
}

}  // namespace

LoadedButton::LoadedButton(flash::Player& player, const QString& first, const QString& second)
    : loader(std::make_shared<CLoader>(player))
{
  loader->addToLoad(loader->TYPE_FLASH, first);
  loader->addToLoad(loader->TYPE_FLASH, second);
  loader->startLoad();
  loader->addEventListener(CLoader::LOAD_ALL_COMPLETED, [this](flash::events::Event&) { onLoadAllCompleted(); });
  setUseHandCursor(true);

  const auto idle = Placeholder(0xFFFFFF);
  const auto pointed = Placeholder(0xFF0000);
  setUpState(idle);
  setHitTestState(idle);
  setOverState(pointed);
  setDownState(pointed);
}

void LoadedButton::onLoadAllCompleted()
{
  const auto& results = loader->getLoadedData();
  if (results.size() < 2 || !results[0].content() || !results[1].content()) {
    return;
  }
  const auto idle = Wrapped(results[0].content());
  const auto pointed = Wrapped(results[1].content());
  setOverState(pointed);
  setDownState(pointed);
  setUpState(idle);
  setHitTestState(idle);
  flash::events::Event loaded(ON_BUTTON_LOAD);
  dispatchEvent(loaded);
}

}  // namespace classes
