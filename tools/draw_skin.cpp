// Draws the sample skin's pictures into a folder: buttons (normal and hover), speaker, volume bars,
// seek-bar pieces, the panel and the frames of the preloader (joined into an animated GIF by
// tools/make_sample_skin.sh). A dark, glassy look with a teal accent.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const QColor kAccent(0x2e, 0xd3, 0xc6);
const QColor kAccentDeep(0x12, 0x8c, 0x85);

QImage Canvas(int width, int height)
{
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

bool Save(const QImage& image, const QDir& folder, const QString& name)
{
  if (!image.save(folder.filePath(name))) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
    return false;
  }
  return true;
}

// A round glass key with a glyph; the hover look glows in the accent colour.
QImage RoundKey(int size, bool hover, const std::function<void(QPainter&, double)>& glyph)
{
  QImage image = Canvas(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF disc(1, 1, size - 2, size - 2);
  QRadialGradient body(disc.center() - QPointF(0, size * 0.2), size * 0.7);
  body.setColorAt(0, hover ? QColor(0x3b, 0x4a, 0x55) : QColor(0x33, 0x38, 0x40));
  body.setColorAt(1, QColor(0x10, 0x12, 0x16));
  p.setPen(QPen(hover ? kAccent : QColor(0x5a, 0x62, 0x6c), 1.5));
  p.setBrush(body);
  p.drawEllipse(disc);
  QLinearGradient gloss(0, 0, 0, size / 2.0);
  gloss.setColorAt(0, QColor(255, 255, 255, 70));
  gloss.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(gloss);
  p.drawEllipse(QRectF(size * 0.18, 3, size * 0.64, size * 0.42));
  p.setBrush(hover ? kAccent : QColor(0xe8, 0xee, 0xf2));
  glyph(p, size);
  return image;
}

void PlayGlyph(QPainter& p, double s)
{
  QPainterPath path;
  path.moveTo(s * 0.40, s * 0.30);
  path.lineTo(s * 0.72, s * 0.50);
  path.lineTo(s * 0.40, s * 0.70);
  path.closeSubpath();
  p.drawPath(path);
}

void PauseGlyph(QPainter& p, double s)
{
  p.drawRoundedRect(QRectF(s * 0.34, s * 0.30, s * 0.11, s * 0.40), 1.5, 1.5);
  p.drawRoundedRect(QRectF(s * 0.55, s * 0.30, s * 0.11, s * 0.40), 1.5, 1.5);
}

void FullGlyph(QPainter& p, double s)
{
  const QPen pen(p.brush().color(), s * 0.07, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  const double a = s * 0.30;
  const double b = s * 0.70;
  const double k = s * 0.12;
  for (const auto& [x, y, dx, dy] : {std::tuple{a, a, 1, 1}, std::tuple{b, a, -1, 1}, std::tuple{a, b, 1, -1},
                                     std::tuple{b, b, -1, -1}}) {
    p.drawLine(QPointF(x, y), QPointF(x + dx * k, y));
    p.drawLine(QPointF(x, y), QPointF(x, y + dy * k));
  }
}

QImage Speaker(int size, bool muted)
{
  QImage image = Canvas(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor colour = muted ? QColor(0x6b, 0x72, 0x7a) : kAccent;
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  QPainterPath cone;
  cone.moveTo(size * 0.12, size * 0.38);
  cone.lineTo(size * 0.30, size * 0.38);
  cone.lineTo(size * 0.52, size * 0.18);
  cone.lineTo(size * 0.52, size * 0.82);
  cone.lineTo(size * 0.30, size * 0.62);
  cone.lineTo(size * 0.12, size * 0.62);
  cone.closeSubpath();
  p.drawPath(cone);
  p.setPen(QPen(colour, size * 0.08, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  if (muted) {
    p.drawLine(QPointF(size * 0.64, size * 0.36), QPointF(size * 0.88, size * 0.64));
    p.drawLine(QPointF(size * 0.88, size * 0.36), QPointF(size * 0.64, size * 0.64));
  } else {
    p.drawArc(QRectF(size * 0.40, size * 0.30, size * 0.30, size * 0.40), -50 * 16, 100 * 16);
    p.drawArc(QRectF(size * 0.36, size * 0.16, size * 0.50, size * 0.68), -50 * 16, 100 * 16);
  }
  return image;
}

QImage Bar(bool lit)
{
  QImage image = Canvas(3, 24);
  QPainter p(&image);
  QLinearGradient fill(0, 0, 0, 24);
  fill.setColorAt(0, lit ? kAccent : QColor(0x4a, 0x50, 0x58));
  fill.setColorAt(1, lit ? kAccentDeep : QColor(0x2a, 0x2e, 0x34));
  p.fillRect(image.rect(), fill);
  return image;
}

QImage TrackPiece(int width, bool fill)
{
  QImage image = Canvas(width, 7);
  QPainter p(&image);
  QLinearGradient g(0, 0, 0, 7);
  if (fill) {
    g.setColorAt(0, kAccent.lighter(120));
    g.setColorAt(1, kAccentDeep);
  } else {
    g.setColorAt(0, QColor(0x14, 0x16, 0x1a));
    g.setColorAt(1, QColor(0x3a, 0x40, 0x48));
  }
  p.fillRect(image.rect(), g);
  return image;
}

QImage Handle()
{
  QImage image = Canvas(7, 7);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kAccentDeep, 1));
  p.setBrush(QColor(0xf2, 0xfb, 0xfa));
  p.drawEllipse(QRectF(0.5, 0.5, 6, 6));
  return image;
}

QImage Panel()
{
  QImage image(400, 70, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&image);
  QLinearGradient g(0, 0, 0, 70);
  g.setColorAt(0, QColor(0x2a, 0x2f, 0x37));
  g.setColorAt(0.5, QColor(0x1b, 0x1f, 0x25));
  g.setColorAt(1, QColor(0x0e, 0x10, 0x13));
  p.fillRect(image.rect(), g);
  p.setPen(QPen(QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 150), 1));
  p.drawLine(0, 0, 400, 0);
  return image;
}

QImage PreloaderFrame(int frame, int frames)
{
  QImage image = Canvas(48, 48);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(255, 255, 255, 40), 4));
  p.drawEllipse(QRectF(8, 8, 32, 32));
  const int start = -frame * 360 / frames;
  QConicalGradient arc(QPointF(24, 24), start);
  arc.setColorAt(0, kAccent);
  arc.setColorAt(0.7, QColor(kAccent.red(), kAccent.green(), kAccent.blue(), 0));
  p.setPen(QPen(QBrush(arc), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawArc(QRectF(8, 8, 32, 32), start * 16, -250 * 16);
  return image;
}

}  // namespace

int main(int argc, char** argv)
{
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: draw_skin <skin folder> <frames folder>\n");
    return 2;
  }
  const QDir skin(QString::fromLocal8Bit(argv[1]));
  const QDir frames(QString::fromLocal8Bit(argv[2]));
  bool ok = true;
  ok = Save(RoundKey(34, false, PlayGlyph), skin, "play.png") && ok;
  ok = Save(RoundKey(34, true, PlayGlyph), skin, "play_over.png") && ok;
  ok = Save(RoundKey(34, false, PauseGlyph), skin, "pause.png") && ok;
  ok = Save(RoundKey(34, true, PauseGlyph), skin, "pause_over.png") && ok;
  ok = Save(RoundKey(26, false, FullGlyph), skin, "full.png") && ok;
  ok = Save(RoundKey(26, true, FullGlyph), skin, "full_over.png") && ok;
  ok = Save(Speaker(16, false), skin, "speaker.png") && ok;
  ok = Save(Speaker(16, true), skin, "speaker_mute.png") && ok;
  ok = Save(Bar(true), skin, "bar.png") && ok;
  ok = Save(Bar(false), skin, "bar_off.png") && ok;
  ok = Save(TrackPiece(6, false), skin, "track_left.png") && ok;
  ok = Save(TrackPiece(6, false), skin, "track_centre.png") && ok;
  ok = Save(TrackPiece(6, false), skin, "track_right.png") && ok;
  ok = Save(TrackPiece(6, true), skin, "track_fill.png") && ok;
  ok = Save(Handle(), skin, "handle.png") && ok;
  ok = Save(Panel(), skin, "panel.png") && ok;
  constexpr int kFrames = 12;
  for (int frame = 0; frame < kFrames; ++frame) {
    ok = Save(PreloaderFrame(frame, kFrames), frames, QStringLiteral("preloader-%1.png").arg(frame, 2, 10, QLatin1Char('0'))) && ok;
  }
  return ok ? 0 : 1;
}
