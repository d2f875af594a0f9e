#include "runtime/Trace.h"

#include <exception>

namespace flash {

Q_LOGGING_CATEGORY(movieTrace, "kavo.movie.trace")

void trace(const QString& text)
{
  qCDebug(movieTrace).noquote() << text;
}

void runGuarded(const QString& where, const std::function<void()>& code)
{
  try {
    code();
  } catch (const std::exception& error) {
    trace(QStringLiteral("Uncaught error in %1: %2").arg(where, QString::fromUtf8(error.what())));
  }
}

}  // namespace flash
