#include "runtime/events/EventDispatcher.h"

#include <algorithm>

namespace flash::events {

ListenerId EventDispatcher::addEventListener(const QString& type, Listener listener, bool useCapture, int priority)
{
  auto entry = std::make_shared<Entry>(Entry{nextId_++, std::move(listener), useCapture, priority});
  auto& list = listeners_[type];
  const auto position = std::find_if(list.begin(), list.end(),
                                     [priority](const auto& other) { return other->priority < priority; });
  list.insert(position, entry);
  listenerAdded(type);
  return entry->id;
}

void EventDispatcher::removeEventListener(const QString& type, ListenerId id)
{
  const auto found = listeners_.find(type);
  if (found == listeners_.end()) {
    return;
  }
  auto& list = found->second;
  list.erase(std::remove_if(list.begin(), list.end(), [id](const auto& entry) { return entry->id == id; }),
             list.end());
  if (list.empty()) {
    listeners_.erase(found);
  }
}

bool EventDispatcher::hasEventListener(const QString& type) const
{
  return listeners_.count(type) != 0;
}

bool EventDispatcher::dispatchEvent(Event& event)
{
  // The path is fixed before any listener runs, and every node on it is kept alive until the end.
  std::vector<EventDispatcher*> path{this};
  for (EventDispatcher* node = eventParent(); node != nullptr; node = node->eventParent()) {
    path.push_back(node);
  }
  std::vector<std::shared_ptr<EventDispatcher>> keepAlive;
  for (EventDispatcher* node : path) {
    if (auto owned = node->weak_from_this().lock()) {
      keepAlive.push_back(std::move(owned));
    }
  }

  event.target_ = this;
  event.propagationStopped_ = false;
  event.immediateStopped_ = false;
  event.defaultPrevented_ = false;

  event.phase_ = EventPhase::Capturing;
  for (auto node = path.rbegin(); node + 1 != path.rend() && !event.propagationStopped_; ++node) {
    event.currentTarget_ = *node;
    (*node)->invokeListeners(event, true);
  }
  if (!event.propagationStopped_) {
    event.phase_ = EventPhase::AtTarget;
    event.currentTarget_ = this;
    invokeListeners(event, false);
  }
  if (event.bubbles_) {
    event.phase_ = EventPhase::Bubbling;
    for (auto node = path.begin() + 1; node != path.end() && !event.propagationStopped_; ++node) {
      event.currentTarget_ = *node;
      (*node)->invokeListeners(event, false);
    }
  }
  event.phase_ = EventPhase::None;
  event.currentTarget_ = nullptr;
  return !event.defaultPrevented_;
}

void EventDispatcher::invokeListeners(Event& event, bool capturePhase)
{
  const auto found = listeners_.find(event.type());
  if (found == listeners_.end()) {
    return;
  }
  // A copy: listeners added or removed by a listener take effect from the next dispatch on.
  const std::vector<std::shared_ptr<Entry>> snapshot = found->second;
  for (const auto& entry : snapshot) {
    if (entry->capture != capturePhase) {
      continue;
    }
    entry->listener(event);
    if (event.immediateStopped_) {
      return;
    }
  }
}

}  // namespace flash::events
