#include "movie/classes/VersionDetect.h"

#include "runtime/system/Capabilities.h"
#include "runtime/text/TextField.h"

#include <QDesktopServices>
#include <QLocale>

#include <cmath>
#include <limits>

namespace classes {

namespace {

constexpr double kFieldWidth = 250;
constexpr double kFieldHeight = 100;  // the platform's default text field height

// The text between two positions, as the platform's substring takes them: a negative position counts as
// 0, and the two are swapped when the end comes first.
QString Substring(const QString& text, qsizetype start, qsizetype end)
{
  start = std::clamp<qsizetype>(start, 0, text.size());
  end = std::clamp<qsizetype>(end, 0, text.size());
  if (end < start) {
    std::swap(start, end);
  }
  return text.mid(start, end - start);
}

// A text read as a number, as the platform converts it: blanks around it are ignored, an empty text is 0,
// anything else that is not a number is NaN.
double ToNumber(const QString& text)
{
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) {
    return 0;
  }
  bool ok = false;
  const double number = trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                            ? static_cast<double>(trimmed.mid(2).toLongLong(&ok, 16))
                            : QLocale::c().toDouble(trimmed, &ok);
  return ok ? number : std::numeric_limits<double>::quiet_NaN();
}

std::shared_ptr<flash::text::TextField> NoticeField(const QString& text, quint32 colour, bool multiline, bool underline)
{
  auto field = std::make_shared<flash::text::TextField>();
  field->setWidth(kFieldWidth);
  field->setHeight(kFieldHeight);
  field->setSelectable(false);
  field->setMultiline(multiline);
  flash::text::TextFormat format;
  format.font = QStringLiteral("Times New Roman");
  format.size = 14;
  format.bold = true;
  format.color = colour;
  format.underline = underline;
  format.align = flash::text::TextFormatAlign::CENTER;
  field->setDefaultTextFormat(format);
  field->setText(text);
  return field;
}

}  // namespace

VersionDetect::VersionDetect(const flash::display::Stage& stage)
{
  const double w = stage.stageWidth();
  const double h = stage.stageHeight();

  sp = std::make_shared<flash::display::Sprite>();
  sp->graphics().beginFill(0xFF0000);
  sp->graphics().drawRect(0, 0, w, h);
  sp->graphics().endFill();
  addChild(sp);

  auto message = NoticeField(QStringLiteral("You have old version Flash player.\nPlease install new version"), 0x000000,
                             true, false);
  message->setX((w - kFieldWidth) / 2);
  message->setY((h - kFieldHeight) / 2 - 20);
  addChild(message);

  auto link = std::make_shared<flash::display::Sprite>();
  link->setX((w - kFieldWidth) / 2);
  link->setY((h - kFieldHeight) / 2 + 20);
  auto linkField = link->addChild(NoticeField(QStringLiteral("Install"), 0x0000FF, false, true));
  linkField->addTypedListener<flash::events::MouseEvent>(
      flash::events::MouseEvent::CLICK, [this](flash::events::MouseEvent& event) { onClickInstall(event); });
  addChild(link);
}

bool VersionDetect::checkVersion() const
{
  return checkVersionText(flash::system::Capabilities::version());
}

bool VersionDetect::checkVersionText(const QString& version)
{
  const qsizetype space = version.indexOf(QLatin1Char(' '));
  const qsizetype comma1 = version.indexOf(QLatin1Char(','));
  const qsizetype comma2 = version.indexOf(QLatin1Char(','), comma1 + 1);
  const qsizetype comma3 = version.indexOf(QLatin1Char(','), comma2 + 1);
  const double major = ToNumber(Substring(version, space + 1, comma1));
  const double minor = ToNumber(Substring(version, comma1 + 1, comma2));
  const double revision = ToNumber(Substring(version, comma2 + 1, comma3));
  // Each comparison is false for NaN, so an unreadable part never fails the check.
  if (major < 9) {
    return false;
  }
  if (minor < 0) {
    return false;
  }
  if (revision < 0) {
    return false;
  }
  return true;
}

void VersionDetect::onClickInstall(flash::events::MouseEvent&)
{
  QDesktopServices::openUrl(downloadPage());
}

QUrl VersionDetect::downloadPage()
{
  return QUrl(QStringLiteral("https://www.kavoflvplayer.example/runtime/download"));
}

}  // namespace classes
