#include "converter/OutputName.h"

namespace converter {

QString FileNamePart(const QString& path)
{
  return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString OutputFileFor(const QString& videoPath, const QString& outputFolder)
{
  QString name = FileNamePart(videoPath);
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  if (dot >= 0) {
    name.truncate(dot);
  }
  return outputFolder + QLatin1Char('/') + name + QStringLiteral(".mp3");
}

}  // namespace converter
