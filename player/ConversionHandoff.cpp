#include "player/ConversionHandoff.h"

#include "player/ProgramState.h"
#include "shared/CommandLine.h"
#include "shared/Quoting.h"

#include <QProcess>

QString BuildConverterCommandLine(const QString& videoPath)
{
  return QStringList{QuoteArgument(ConverterPath), QuoteArgument(videoPath), QuoteArgument(OutputDirectorySetting),
                     QuoteArgument(Mp3QualitySetting), QuoteArgument(OpenMp3FolderSetting)}
      .join(QLatin1Char(' '));
}

bool LaunchProgram(const QString& commandLine)
{
  QStringList items = SplitCommandLine(commandLine);
  if (items.isEmpty() || items.first().isEmpty()) {
    return false;
  }
  QProcess process;
  process.setProgram(items.takeFirst());
  process.setArguments(items);
  // A detached child inherits every stream it is not given; the converter needs none of the player's.
  process.setStandardInputFile(QProcess::nullDevice());
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  return process.startDetached();
}
