// Writes one settings value many times, each write through its own store connection, so that two of
// these running at once show whether concurrent writers lose each other's values.
//   settings_writer <value name> <prefix> <count>
#include "player/SettingsStore.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
  QCoreApplication application(argc, argv);
  if (argc != 4) {
    return 2;
  }
  const QString name = QString::fromLocal8Bit(argv[1]);
  const QString prefix = QString::fromLocal8Bit(argv[2]);
  const int count = QString::fromLocal8Bit(argv[3]).toInt();
  for (int i = 0; i < count; ++i) {
    WriteSetting(SettingsKeyPath, name, prefix + QString::number(i));
  }
  return 0;
}
