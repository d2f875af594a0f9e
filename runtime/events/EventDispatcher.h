#pragma once

#include "runtime/events/Event.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace flash::events {

using Listener = std::function<void(Event&)>;
using ListenerId = quint64;

// Keeps listeners by event type and sends events through capture, target and bubble phases along the
// chain given by eventParent().
class EventDispatcher : public std::enable_shared_from_this<EventDispatcher> {
 public:
  EventDispatcher() = default;
  virtual ~EventDispatcher() = default;
  EventDispatcher(const EventDispatcher&) = delete;
  EventDispatcher& operator=(const EventDispatcher&) = delete;

  // Listeners of higher priority run first; equal priorities run in the order they were added.
  ListenerId addEventListener(const QString& type, Listener listener, bool useCapture = false, int priority = 0);
  // Adds a listener that receives the event as E (the type's event class).
  template <class E>
  ListenerId addTypedListener(const QString& type, std::function<void(E&)> listener, bool useCapture = false)
  {
    return addEventListener(
        type, [listener = std::move(listener)](Event& event) { listener(static_cast<E&>(event)); }, useCapture);
  }
  void removeEventListener(const QString& type, ListenerId id);
  bool hasEventListener(const QString& type) const;

  // Returns false when a listener prevented the event's default action.
  bool dispatchEvent(Event& event);

 protected:
  // The next node on the way to the root of the event flow; none for a dispatcher on its own.
  virtual EventDispatcher* eventParent() const { return nullptr; }
  // Told after a listener of the type was added.
  virtual void listenerAdded(const QString& /*type*/) {}

 private:
  struct Entry {
    ListenerId id;
    Listener listener;
    bool capture;
    int priority;
  };
  void invokeListeners(Event& event, bool capturePhase);

  std::map<QString, std::vector<std::shared_ptr<Entry>>> listeners_;
  ListenerId nextId_ = 1;
};

}  // namespace flash::events
