#include "runtime/utils/Clock.h"

#include <algorithm>

namespace flash::utils {

Clock::Clock(Mode mode) : mode_(mode)
{
  if (mode_ == Mode::Real) {
    elapsed_.start();
    wakeUp_ = std::make_unique<QTimer>();
    wakeUp_->setSingleShot(true);
    wakeUp_->setTimerType(Qt::PreciseTimer);
    QObject::connect(wakeUp_.get(), &QTimer::timeout, [this] { runDueTasks(); });
  }
}

Clock::~Clock() = default;

qint64 Clock::now() const
{
  return mode_ == Mode::Real ? elapsed_.elapsed() : manualNow_;
}

Clock::TaskId Clock::schedule(qint64 delayMs, std::function<void()> task)
{
  if (closed_) {
    return 0;
  }
  const TaskId id = nextId_++;
  tasks_.emplace(now() + std::max<qint64>(delayMs, 1), Task{id, std::move(task)});
  arm();
  return id;
}

void Clock::cancel(TaskId id)
{
  const auto found = std::find_if(tasks_.begin(), tasks_.end(), [id](const auto& entry) { return entry.second.id == id; });
  if (found != tasks_.end()) {
    tasks_.erase(found);
    arm();
  }
}

void Clock::advance(qint64 ms)
{
  if (mode_ != Mode::Manual) {
    return;
  }
  const qint64 target = manualNow_ + std::max<qint64>(ms, 0);
  while (runNextDueBy(target)) {
  }
  manualNow_ = std::max(manualNow_, target);
}

void Clock::close()
{
  closed_ = true;
  tasks_.clear();
  if (wakeUp_) {
    wakeUp_->stop();
  }
}

bool Clock::runNextDueBy(qint64 limit)
{
  if (closed_ || tasks_.empty() || tasks_.begin()->first > limit) {
    return false;
  }
  const auto first = tasks_.begin();
  if (mode_ == Mode::Manual) {
    manualNow_ = std::max(manualNow_, first->first);
  }
  std::function<void()> run = std::move(first->second.run);
  tasks_.erase(first);
  run();
  return true;
}

void Clock::runDueTasks()
{
  // Only what is due now runs in this pass; tasks scheduled meanwhile are at least 1 ms later.
  const qint64 limit = now();
  while (runNextDueBy(limit)) {
  }
  arm();
}

void Clock::arm()
{
  if (!wakeUp_) {
    return;
  }
  if (tasks_.empty() || closed_) {
    wakeUp_->stop();
    return;
  }
  const qint64 wait = std::max<qint64>(tasks_.begin()->first - now(), 0);
  wakeUp_->start(static_cast<int>(std::min<qint64>(wait, 1 << 30)));
}

}  // namespace flash::utils
