#pragma once

#include <QEventLoop>
#include <QTimer>

#include <functional>

// Runs `loop` until `condition` holds or `limitMs` have passed; whatever the test waits for must quit
// the loop when it happens, so that the condition is looked at again. True when the condition held.
inline bool RunLoopUntil(QEventLoop& loop, const std::function<bool()>& condition, int limitMs = 15000)
{
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
  guard.start(limitMs);
  while (!condition() && guard.isActive()) {
    loop.exec();
  }
  return condition();
}
