#include "converter/FileManager.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace converter {

namespace {

void OpenFolderOf(const QString& filePath)
{
  QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(filePath).absolutePath()));
}

}  // namespace

void ShowInFileManager(const QString& filePath, const std::function<void()>& done)
{
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    OpenFolderOf(filePath);
    done();
    return;
  }
  QDBusMessage call = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
  call << QStringList{QUrl::fromLocalFile(QDir::cleanPath(QFileInfo(filePath).absoluteFilePath())).toString()}
       << QString();
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, 5000));
  QObject::connect(watcher, &QDBusPendingCallWatcher::finished, [watcher, filePath, done] {
    if (watcher->isError()) {
      OpenFolderOf(filePath);
    }
    watcher->deleteLater();
    done();
  });
}

}  // namespace converter
