#pragma once

#include <QString>

#include <functional>
#include <map>
#include <memory>

namespace flash {

class Player;
namespace display {
class DisplayObject;
}

// The compiled classes a movie file may name as its root, by their full name ("classes.VideoPlayer").
class MovieClassRegistry {
 public:
  using Factory = std::function<std::shared_ptr<display::DisplayObject>(Player&)>;

  void registerClass(const QString& name, Factory factory) { factories_[name] = std::move(factory); }
  bool contains(const QString& name) const { return factories_.count(name) != 0; }
  // Null for a name that is not registered.
  std::shared_ptr<display::DisplayObject> create(const QString& name, Player& player) const
  {
    const auto found = factories_.find(name);
    return found != factories_.end() ? found->second(player) : nullptr;
  }

 private:
  std::map<QString, Factory> factories_;
};

}  // namespace flash
