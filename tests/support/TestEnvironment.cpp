#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QWidget>

namespace {

void SetOrUnset(const char* name, const QByteArray& value)
{
  if (value.isNull()) {
    qunsetenv(name);
  } else {
    qputenv(name, value);
  }
}

}  // namespace

ScopedTestHome::ScopedTestHome()
    : oldConfig_(qgetenv("XDG_CONFIG_HOME")), oldHome_(qgetenv("HOME")), oldDocuments_(qgetenv("XDG_DOCUMENTS_DIR"))
{
  QDir().mkpath(configFolder());
  QDir().mkpath(documentsFolder());
  qputenv("XDG_CONFIG_HOME", configFolder().toLocal8Bit());
  qputenv("HOME", path().toLocal8Bit());
  qputenv("XDG_DOCUMENTS_DIR", documentsFolder().toLocal8Bit());
}

ScopedTestHome::~ScopedTestHome()
{
  SetOrUnset("XDG_CONFIG_HOME", oldConfig_);
  SetOrUnset("HOME", oldHome_);
  SetOrUnset("XDG_DOCUMENTS_DIR", oldDocuments_);
}

QString TestHelperPath(const QString& name)
{
  return QStringLiteral(KAVO_TEST_HELPER_DIR) + QLatin1Char('/') + name;
}

void WhenModalOpens(const std::function<void(QWidget*)>& action)
{
  QTimer::singleShot(0, qApp, [action] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      action(modal);
    } else {
      WhenModalOpens(action);
    }
  });
}
