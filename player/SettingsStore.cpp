#include "player/SettingsStore.h"

#include "shared/ErrorReport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

// A key can exist without values, as in a registry; the key's own (unnamed) value marks it.
const QString kKeyMarker = QStringLiteral("@");

bool IsSettingName(const QString& name)
{
  return name == LastOpenDirectoryValue || name == DefaultOutputDirectoryValue || name == Mp3QualityValue ||
         name == OpenMp3FolderValue;
}

QString ValuePath(const QString& keyPath, const QString& name)
{
  return keyPath + QLatin1Char('/') + name;
}

bool EnsureFolderOfFile(const QString& filePath)
{
  return QDir().mkpath(QFileInfo(filePath).absolutePath());
}

}  // namespace

QString SettingsFilePath()
{
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/kavoflvplayer.ini");
}

bool SettingsKeyExists(const QString& keyPath)
{
  QSettings store(SettingsFilePath(), QSettings::IniFormat);
  return store.status() == QSettings::NoError && store.contains(ValuePath(keyPath, kKeyMarker));
}

void CreateSettingsKey(const QString& keyPath)
{
  const QString path = SettingsFilePath();
  const bool folderReady = EnsureFolderOfFile(path);
  QSettings store(path, QSettings::IniFormat);
  if (folderReady && store.status() == QSettings::NoError) {
    if (!store.contains(ValuePath(keyPath, kKeyMarker))) {
      store.setValue(ValuePath(keyPath, kKeyMarker), QString());
    }
    store.sync();
  }
  if (!folderReady || store.status() != QSettings::NoError) {
    throw ApplicationError(QStringLiteral("Failed to create key %1").arg(keyPath));
  }
}

void WriteSetting(const QString& keyPath, const QString& name, const QString& value)
{
  if (!IsSettingName(name)) {
    return;
  }
  QSettings store(SettingsFilePath(), QSettings::IniFormat);
  const bool keyOpened = store.status() == QSettings::NoError && store.contains(ValuePath(keyPath, kKeyMarker));
  if (keyOpened) {
    store.setValue(ValuePath(keyPath, name), value);
    store.sync();
  }
  if (!keyOpened || store.status() != QSettings::NoError) {
    throw ApplicationError(QStringLiteral("Failed to set data for '%1'").arg(name));
  }
}

QString ReadSetting(const QString& keyPath, const QString& name)
{
  QSettings store(SettingsFilePath(), QSettings::IniFormat);
  if (store.status() != QSettings::NoError || !store.contains(ValuePath(keyPath, kKeyMarker))) {
    return {};
  }
  const QVariant value = store.value(ValuePath(keyPath, name));
  if (!value.isValid()) {
    return {};
  }
  if (value.metaType().id() != QMetaType::QString) {
    throw ApplicationError(QStringLiteral("Invalid data type for '%1'").arg(name));
  }
  return value.toString();
}

std::optional<QString> SetAsideUnreadableSettingsFile()
{
  const QString path = SettingsFilePath();
  if (!QFileInfo::exists(path)) {
    return std::nullopt;
  }
  QFile file(path);
  bool readable = file.open(QIODevice::ReadOnly);
  file.close();
  if (readable) {
    QSettings store(path, QSettings::IniFormat);
    readable = store.status() == QSettings::NoError;
  }
  if (readable) {
    return std::nullopt;
  }

  const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
  QString keptPath = path + QStringLiteral(".unreadable-") + stamp;
  for (int n = 2; QFileInfo::exists(keptPath); ++n) {
    keptPath = path + QStringLiteral(".unreadable-") + stamp + QLatin1Char('-') + QString::number(n);
  }
  if (!QFile::rename(path, keptPath)) {
    return QStringLiteral("The settings file %1 cannot be read and cannot be moved aside; the settings are not loaded")
        .arg(path);
  }
  return QStringLiteral("The settings file %1 could not be read. It was kept as %2 and new settings were started")
      .arg(path, keptPath);
}
