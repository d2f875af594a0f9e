#pragma once

#include <QLoggingCategory>
#include <QString>

#include <functional>

namespace flash {

Q_DECLARE_LOGGING_CATEGORY(movieTrace)

// The movie's diagnostic output: one line on the debug output, category "kavo.movie.trace".
void trace(const QString& text);

// Runs `code` of the movie; an error it throws ends that code and is traced, never passed on.
void runGuarded(const QString& where, const std::function<void()>& code);

}  // namespace flash
