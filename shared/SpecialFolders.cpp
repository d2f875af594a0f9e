#include "shared/SpecialFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {

QString ProgramRootFromRunningProgram()
{
  QDir dir(QCoreApplication::applicationDirPath());
  do {
    if (dir.dirName() == kProgramFolderName) {
      return dir.cleanPath(dir.absoluteFilePath(QStringLiteral("..")));
    }
  } while (dir.cdUp());
  return {};
}

QString WithoutFinalSeparator(QString path)
{
  while (path.size() > 1 && path.endsWith(QLatin1Char('/'))) {
    path.chop(1);
  }
  return path;
}

}  // namespace

QString GetSpecialFolderPath(int folder)
{
  switch (folder) {
  case kFolderProgramFiles: {
    const QString overridden = qEnvironmentVariable(kProgramRootVariable);
    return WithoutFinalSeparator(overridden.isEmpty() ? ProgramRootFromRunningProgram() : overridden);
  }
  case kFolderMyDocuments:
    return WithoutFinalSeparator(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  default:
    return {};
  }
}

QString ToolPathInBin(const QString& programName)
{
  return GetSpecialFolderPath(kFolderProgramFiles) + QLatin1Char('/') + kProgramFolderName + QLatin1Char('/') +
         QStringLiteral("Bin") + QLatin1Char('/') + programName;
}
