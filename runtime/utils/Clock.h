#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

namespace flash::utils {

// The one time source of a movie: Timers and the frame clock schedule their wake-ups here. A real clock
// follows the wall clock and arms one single-shot QTimer for the earliest wake-up (none when nothing is
// scheduled); a manual clock moves only when advance() is called.
class Clock {
 public:
  enum class Mode { Real, Manual };
  using TaskId = quint64;

  explicit Clock(Mode mode);
  ~Clock();
  Clock(const Clock&) = delete;
  Clock& operator=(const Clock&) = delete;

  Mode mode() const { return mode_; }
  // Milliseconds since the clock was made.
  qint64 now() const;
  // Runs `task` once, `delayMs` from now (at least 1 ms). A closed clock ignores the request.
  TaskId schedule(qint64 delayMs, std::function<void()> task);
  void cancel(TaskId id);
  bool hasPendingTasks() const { return !tasks_.empty(); }

  // Manual clock only: moves time forward, running every task that falls due on the way in time order.
  void advance(qint64 ms);
  // Drops every task and refuses new ones: the movie that owned the clock has ended.
  void close();
  bool isClosed() const { return closed_; }

 private:
  struct Task {
    TaskId id;
    std::function<void()> run;
  };
  bool runNextDueBy(qint64 limit);
  void runDueTasks();
  void arm();

  Mode mode_;
  bool closed_ = false;
  qint64 manualNow_ = 0;
  QElapsedTimer elapsed_;
  std::unique_ptr<QTimer> wakeUp_;
  std::multimap<qint64, Task> tasks_;
  TaskId nextId_ = 1;
};

}  // namespace flash::utils
