#include "player/VideoProbe.h"

#include "shared/Quoting.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// Text operations with 1-based positions: find gives 0 when the marker is absent; slice clamps a
// start below 1 to 1 and gives empty text for a start past the end or a count of 0 or less.
qsizetype Find(const QString& marker, const QString& text)
{
  return text.indexOf(marker) + 1;
}

QString Slice(const QString& text, qsizetype start, qsizetype count)
{
  if (start < 1) {
    start = 1;
  }
  if (start > text.size() || count <= 0) {
    return {};
  }
  return text.mid(start - 1, count);
}

std::optional<int> ToInteger(const QString& text)
{
  bool ok = false;
  const int value = text.toInt(&ok, 10);
  return ok ? std::optional<int>(value) : std::nullopt;
}

// The fields of a stream line, split at commas that are not inside parentheses.
QStringList TopLevelFields(const QString& text)
{
  QStringList fields;
  QString current;
  int depth = 0;
  for (const QChar ch : text) {
    if (ch == QLatin1Char('(')) {
      ++depth;
    } else if (ch == QLatin1Char(')') && depth > 0) {
      --depth;
    } else if (ch == QLatin1Char(',') && depth == 0) {
      fields << current.trimmed();
      current.clear();
      continue;
    }
    current += ch;
  }
  fields << current.trimmed();
  return fields;
}

}  // namespace

QString BuildProbeCommand(const QString& ffmpegPath, const QString& videoPath)
{
  return QuoteArgument(ffmpegPath) + QStringLiteral(" -i ") + QuoteArgument(videoPath);
}

QString FileExtension(const QString& path)
{
  const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  return dot >= 0 ? name.mid(dot) : QString();
}

std::optional<QSize> FindFrameSizeInLegacyReport(const QString& report, const QString& extension)
{
  if (report.isEmpty()) {
    return std::nullopt;
  }
  QString s;
  if (extension == QStringLiteral(".flv")) {
    const qsizetype a = Find(QStringLiteral("Stream #0.0"), report);
    const qsizetype b = Find(QStringLiteral("Stream #0.1"), report);
    s = Slice(report, a, b - a);
  } else if (extension == QStringLiteral(".mp4")) {
    const qsizetype a = Find(QStringLiteral("Stream #0.1"), report);
    const qsizetype b = Find(QStringLiteral("Metadata"), report);
    s = Slice(report, a, b - a);
  } else {
    return std::nullopt;
  }

  qsizetype c = Find(QStringLiteral(","), s);
  const qsizetype t = Find(QStringLiteral("tbc"), s);
  s = Slice(s, c + 2, t - c - 2);

  c = Find(QStringLiteral(","), s);
  const qsizetype n = Find(QStringLiteral("tbn"), s);
  s = Slice(s, c + 2, n - c - 2);

  const qsizetype p = Find(QStringLiteral("[PAR"), s);
  s = p != 0 ? Slice(s, 1, p - 2) : Slice(s, 1, Find(QStringLiteral(","), s) - 1);

  const qsizetype x = Find(QStringLiteral("x"), s);
  const QString widthText = Slice(s, 1, x - 1);
  const QString heightText = Slice(s, x + 1, s.size() - x);

  const auto height = ToInteger(heightText);
  const auto width = ToInteger(widthText);
  if (!height || !width) {
    return std::nullopt;
  }
  return QSize(*width, *height);
}

std::optional<QSize> FindFrameSizeInCurrentReport(const QString& report)
{
  static const QRegularExpression videoLine(QStringLiteral("^\\s*Stream #\\d+:\\d+\\S*: Video: (.*)$"),
                                            QRegularExpression::MultilineOption);
  static const QRegularExpression frameSize(QStringLiteral("^(\\d+)x(\\d+)(?:\\s|$)"));
  const QRegularExpressionMatch line = videoLine.match(report);
  if (!line.hasMatch()) {
    return std::nullopt;
  }
  for (const QString& field : TopLevelFields(line.captured(1))) {
    const QRegularExpressionMatch size = frameSize.match(field);
    if (size.hasMatch()) {
      return QSize(size.captured(1).toInt(), size.captured(2).toInt());
    }
  }
  return std::nullopt;
}

std::optional<QSize> FindVideoFrameSize(const QString& report, const QString& extension)
{
  if (extension != QStringLiteral(".flv") && extension != QStringLiteral(".mp4")) {
    return std::nullopt;
  }
  if (const auto legacy = FindFrameSizeInLegacyReport(report, extension)) {
    return legacy;
  }
  return FindFrameSizeInCurrentReport(report);
}
