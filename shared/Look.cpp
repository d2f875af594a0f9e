#include "shared/Look.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>

namespace {

void AddFontIfPresent(const QString& path)
{
  if (QFile::exists(path)) {
    QFontDatabase::addApplicationFont(path);
  }
}

}  // namespace

void ApplyMacMetalLook(QApplication& application)
{
  const QString wineFonts = QStringLiteral("/usr/share/wine/fonts/");
  AddFontIfPresent(wineFonts + QStringLiteral("tahoma.ttf"));
  AddFontIfPresent(wineFonts + QStringLiteral("tahomabd.ttf"));
  AddFontIfPresent(wineFonts + QStringLiteral("ms_sans_serif.ttf"));
  // Nothing here ships Segoe UI; Open Sans has the closest shapes and widths.
  QFont::insertSubstitutions(QStringLiteral("Segoe UI"), {QStringLiteral("Open Sans"), QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(QStringLiteral("Tahoma"), {QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")});

  QFile sheet(QStringLiteral(":/look/macmetal.qss"));
  if (sheet.open(QIODevice::ReadOnly)) {
    application.setStyleSheet(QString::fromUtf8(sheet.readAll()));
  }
}

QFont UiFont(const QString& family, int pixelSize, bool bold)
{
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

int PointsToPixels(int points)
{
  return (points * 96 + 36) / 72;
}
