#include "converter/ConversionCommand.h"

#include "converter/OutputName.h"
#include "shared/Quoting.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringList>

namespace converter {

QString BuildFFmpegCommand(const ConversionRequest& request, const QString& outputFile)
{
  QStringList items{QuoteArgument(request.ffmpegPath), QStringLiteral("-y"),      QStringLiteral("-i"),
                    QuoteArgument(request.inputFile),  QStringLiteral("-acodec"), QStringLiteral("libmp3lame"),
                    QStringLiteral("-ab"),             request.bitRateCode};
  if (request.secondsToSkip > 0) {
    items << QStringLiteral("-ss") << QString::number(request.secondsToSkip);
  }
  items << QuoteArgument(outputFile);
  return items.join(QLatin1Char(' '));
}

QString PartialOutputPathFor(const QString& outputFile)
{
  const QString name = FileNamePart(outputFile);
  const QString folder = outputFile.left(outputFile.size() - name.size());
  const QString tag = QStringLiteral("%1-%2")
                          .arg(QCoreApplication::applicationPid())
                          .arg(QRandomGenerator::global()->generate() & 0xffffff, 6, 16, QLatin1Char('0'));
  return folder + QLatin1Char('.') + name + QStringLiteral(".partial-") + tag + QStringLiteral(".mp3");
}

QString LastErrorLine(const QString& report)
{
  static const QRegularExpression lineBreaks(QStringLiteral("[\r\n]+"));
  const QStringList lines = report.split(lineBreaks, Qt::SkipEmptyParts);
  for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
    const QString text = line->trimmed();
    if (!text.isEmpty() && !text.startsWith(QStringLiteral("size=")) && !text.contains(QStringLiteral(" time="))) {
      return text;
    }
  }
  return {};
}

}  // namespace converter
