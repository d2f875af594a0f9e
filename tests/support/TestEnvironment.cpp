#include "tests/support/TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QPointer>
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

namespace {

// Waits for the next modal window to be shown, then hands it to the action from the modal's own loop.
class ModalWatcher : public QObject {
 public:
  explicit ModalWatcher(std::function<void(QWidget*)> action) : QObject(qApp), action_(std::move(action))
  {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override
  {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Show && widget != nullptr && widget->isWindow() && widget->isModal()) {
      qApp->removeEventFilter(this);
      QPointer<QWidget> modal(widget);
      QTimer::singleShot(0, qApp, [modal, action = action_] {
        if (modal) {
          action(modal);
        }
      });
      deleteLater();
    }
    return false;
  }

 private:
  std::function<void(QWidget*)> action_;
};

}  // namespace

void WhenModalOpens(const std::function<void(QWidget*)>& action)
{
  new ModalWatcher(action);
}
