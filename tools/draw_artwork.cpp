// Draws the programs' artwork (splash, program icon, logo, button glyphs) into a folder as PNG files.
// Run it again after changing a drawing and commit the pictures it writes.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <cstdio>

namespace {

const QColor kAccentLight(0xff, 0x9a, 0x3c);
const QColor kAccentDark(0xd9, 0x3a, 0x1e);

QImage NewImage(int width, int height)
{
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

QPainterPath PlayTriangle(QPointF centre, double size)
{
  QPainterPath path;
  path.moveTo(centre.x() - size * 0.36, centre.y() - size * 0.5);
  path.lineTo(centre.x() + size * 0.52, centre.y());
  path.lineTo(centre.x() - size * 0.36, centre.y() + size * 0.5);
  path.closeSubpath();
  return path;
}

void DrawIconFace(QPainter& p, double size)
{
  const QRectF box(size * 0.04, size * 0.04, size * 0.92, size * 0.92);
  const double radius = size * 0.2;
  QLinearGradient face(box.topLeft(), box.bottomLeft());
  face.setColorAt(0, kAccentLight);
  face.setColorAt(1, kAccentDark);
  p.setPen(QPen(QColor(0x7a, 0x1e, 0x0e), qMax(1.0, size / 48)));
  p.setBrush(face);
  p.drawRoundedRect(box, radius, radius);

  // Film perforations along both sides.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 90));
  const double hole = size * 0.07;
  for (int i = 0; i < 4; ++i) {
    const double y = size * 0.2 + i * size * 0.18;
    p.drawRoundedRect(QRectF(size * 0.1, y, hole, hole * 0.9), hole * 0.2, hole * 0.2);
    p.drawRoundedRect(QRectF(size * 0.9 - hole, y, hole, hole * 0.9), hole * 0.2, hole * 0.2);
  }

  // Gloss on the upper half.
  QLinearGradient gloss(box.topLeft(), QPointF(box.left(), box.center().y()));
  gloss.setColorAt(0, QColor(255, 255, 255, 110));
  gloss.setColorAt(1, QColor(255, 255, 255, 0));
  p.setBrush(gloss);
  p.drawRoundedRect(QRectF(box.left() + 2, box.top() + 2, box.width() - 4, box.height() * 0.5), radius, radius);

  p.setBrush(Qt::white);
  p.setPen(QPen(QColor(0x8a, 0x22, 0x10, 120), qMax(1.0, size / 64)));
  p.drawPath(PlayTriangle(QPointF(size * 0.52, size * 0.5), size * 0.42));
}

QImage Icon(int size)
{
  QImage image = NewImage(size, size);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  DrawIconFace(p, size);
  return image;
}

QImage Splash()
{
  QImage image(320, 240, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  QLinearGradient sky(0, 0, 0, 240);
  sky.setColorAt(0, QColor(0x1b, 0x24, 0x38));
  sky.setColorAt(0.65, QColor(0x0c, 0x10, 0x1a));
  sky.setColorAt(1, QColor(0x05, 0x06, 0x0a));
  p.fillRect(image.rect(), sky);

  QRadialGradient glow(QPointF(160, 92), 120);
  glow.setColorAt(0, QColor(0xff, 0x8a, 0x30, 110));
  glow.setColorAt(1, QColor(0xff, 0x8a, 0x30, 0));
  p.fillRect(image.rect(), glow);

  // A film strip sweeping across the lower part.
  p.save();
  p.translate(160, 200);
  p.rotate(-6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x24, 0x27, 0x30));
  p.drawRect(QRectF(-200, -16, 400, 32));
  p.setBrush(QColor(0x0b, 0x0c, 0x10));
  for (int x = -196; x < 200; x += 14) {
    p.drawRoundedRect(QRectF(x, -13, 7, 5), 1.5, 1.5);
    p.drawRoundedRect(QRectF(x, 8, 7, 5), 1.5, 1.5);
  }
  for (int i = -4; i < 4; ++i) {
    QLinearGradient frame(0, -6, 0, 6);
    frame.setColorAt(0, QColor(0x3a, 0x5f, 0x8f));
    frame.setColorAt(1, QColor(0x1e, 0x33, 0x52));
    p.setBrush(frame);
    p.drawRect(QRectF(i * 50 + 4, -6, 42, 12));
  }
  p.restore();

  p.save();
  p.translate(116, 44);
  DrawIconFace(p, 88);
  p.restore();

  QFont title(QStringLiteral("Liberation Sans"));
  title.setPixelSize(26);
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(0, 0, 0, 140));
  p.drawText(QRectF(1, 139, 320, 32), Qt::AlignHCenter, QStringLiteral("Kavo FLV Player"));
  p.setPen(QColor(0xf4, 0xf6, 0xfa));
  p.drawText(QRectF(0, 138, 320, 32), Qt::AlignHCenter, QStringLiteral("Kavo FLV Player"));

  QFont subtitle(QStringLiteral("Liberation Sans"));
  subtitle.setPixelSize(11);
  subtitle.setLetterSpacing(QFont::AbsoluteSpacing, 2.5);
  p.setFont(subtitle);
  p.setPen(QColor(0xff, 0xb0, 0x70));
  p.drawText(QRectF(0, 168, 320, 16), Qt::AlignHCenter, QStringLiteral("WATCH  \u00b7  REPLAY  \u00b7  EXTRACT MP3"));
  return image;
}

QImage Glyph(const std::function<void(QPainter&)>& draw)
{
  QImage image = NewImage(16, 16);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  return image;
}

QImage OpenGlyph()
{
  return Glyph([](QPainter& p) {
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x10), 1));
    QLinearGradient back(0, 2, 0, 14);
    back.setColorAt(0, QColor(0xf7, 0xd0, 0x6a));
    back.setColorAt(1, QColor(0xe0, 0xa2, 0x2c));
    p.setBrush(back);
    QPainterPath folder;
    folder.moveTo(1.5, 3.5);
    folder.lineTo(6, 3.5);
    folder.lineTo(7.5, 5);
    folder.lineTo(14.5, 5);
    folder.lineTo(14.5, 13.5);
    folder.lineTo(1.5, 13.5);
    folder.closeSubpath();
    p.drawPath(folder);
    QLinearGradient front(0, 7, 0, 14);
    front.setColorAt(0, QColor(0xff, 0xe6, 0x96));
    front.setColorAt(1, QColor(0xf0, 0xb8, 0x40));
    p.setBrush(front);
    QPainterPath flap;
    flap.moveTo(3, 7.5);
    flap.lineTo(15.5, 7.5);
    flap.lineTo(14.5, 13.5);
    flap.lineTo(1.5, 13.5);
    flap.closeSubpath();
    p.drawPath(flap);
  });
}

QImage ReplayGlyph()
{
  return Glyph([](QPainter& p) {
    QPen pen(QColor(0x1f, 0x7a, 0x3a), 2.2);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 2.5, 11, 11), 100 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x7a, 0x3a));
    QPainterPath head;
    head.moveTo(5.2, 0.6);
    head.lineTo(10.2, 2.8);
    head.lineTo(5.6, 6.4);
    head.closeSubpath();
    p.drawPath(head);
    p.setBrush(QColor(0x2f, 0xa8, 0x55));
    p.drawPath(PlayTriangle(QPointF(8.4, 8), 5.2));
  });
}

QImage ConvertGlyph()
{
  return Glyph([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2b, 0x5c, 0xb8));
    p.drawEllipse(QRectF(1.5, 10, 5, 4));
    p.drawEllipse(QRectF(9, 8.5, 5, 4));
    p.drawRect(QRectF(5.2, 3, 1.5, 9));
    p.drawRect(QRectF(12.7, 1.5, 1.5, 9));
    QPainterPath beam;
    beam.moveTo(5.2, 3);
    beam.lineTo(14.2, 1.2);
    beam.lineTo(14.2, 4);
    beam.lineTo(5.2, 5.8);
    beam.closeSubpath();
    p.drawPath(beam);
  });
}

QImage SettingsGlyph()
{
  return Glyph([](QPainter& p) {
    p.setPen(QPen(QColor(0x3c, 0x41, 0x48), 1));
    QRadialGradient metal(QPointF(6.5, 6), 9);
    metal.setColorAt(0, QColor(0xe8, 0xea, 0xee));
    metal.setColorAt(1, QColor(0x86, 0x8c, 0x95));
    p.setBrush(metal);
    QPainterPath gear;
    const QPointF c(8, 8);
    for (int i = 0; i < 16; ++i) {
      const double angle = i * M_PI / 8 - M_PI / 16;
      const double r = (i % 2 == 0) ? 7.2 : 5.4;
      const QPointF a(c.x() + r * std::cos(angle), c.y() + r * std::sin(angle));
      const QPointF b(c.x() + r * std::cos(angle + M_PI / 8), c.y() + r * std::sin(angle + M_PI / 8));
      if (i == 0) {
        gear.moveTo(a);
      } else {
        gear.lineTo(a);
      }
      gear.lineTo(b);
    }
    gear.closeSubpath();
    gear.addEllipse(c, 2.3, 2.3);
    p.drawPath(gear);
  });
}

bool Save(const QImage& image, const QString& path)
{
  if (!image.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv)
{
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: draw_artwork <resources folder>\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  out.mkpath(QStringLiteral("glyphs"));
  bool ok = Save(Splash(), out.filePath(QStringLiteral("splash.png")));
  for (int size : {16, 32, 48, 256}) {
    ok = Save(Icon(size), out.filePath(QStringLiteral("icon-%1.png").arg(size))) && ok;
  }
  ok = Save(Icon(49), out.filePath(QStringLiteral("logo.png"))) && ok;
  ok = Save(OpenGlyph(), out.filePath(QStringLiteral("glyphs/open.png"))) && ok;
  ok = Save(ReplayGlyph(), out.filePath(QStringLiteral("glyphs/replay.png"))) && ok;
  ok = Save(ConvertGlyph(), out.filePath(QStringLiteral("glyphs/convert.png"))) && ok;
  ok = Save(SettingsGlyph(), out.filePath(QStringLiteral("glyphs/settings.png"))) && ok;
  return ok ? 0 : 1;
}
