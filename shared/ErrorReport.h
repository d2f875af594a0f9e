#pragma once

#include <QString>

#include <functional>
#include <stdexcept>

// An error raised inside an event handler; its message is shown by the application's error report.
class ApplicationError : public std::runtime_error {
 public:
  explicit ApplicationError(const QString& message);
  QString message() const;
};

// The message as the error report shows it: a full stop is appended when its last character comes
// after "." in character order.
QString WithFullStop(const QString& message);

// Shows the application's error report: error icon, the application's title as caption.
void ShowErrorReport(const QString& message);

// Runs an event handler's body; an error escaping it ends the handler and is shown in the error
// report, after which the program goes on.
void RunHandler(const std::function<void()>& body);
