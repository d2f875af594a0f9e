// Draws every library symbol of the player movie through the movie runtime, enlarged, into one PNG file,
// for looking at the built-in look: draw_library <output.png> [zoom]
#include "movie/library/FullBtn.h"
#include "movie/library/MyLoader.h"
#include "movie/library/MyPanel.h"
#include "movie/library/PauseBtn.h"
#include "movie/library/PlayBtn.h"
#include "movie/library/SeekBarBitmaps.h"
#include "movie/library/SpeakerKey.h"
#include "runtime/display/Bitmap.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

using flash::display::DisplayObject;

struct Cell {
  QString label;
  std::shared_ptr<DisplayObject> symbol;
  QPointF origin;  // where the symbol's origin sits in its 60 × 60 cell
};

std::shared_ptr<DisplayObject> LoaderAt(int frame)
{
  auto loader = std::make_shared<MyLoader>();
  loader->gotoAndStop(frame);
  return loader;
}

}  // namespace

int main(int argc, char** argv)
{
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: draw_library <output.png> [zoom]\n");
    return 2;
  }
  const double zoom = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 6;
  const std::vector<Cell> cells{
      {"PlayBtn", std::make_shared<PlayBtn>(), {20, 20}},
      {"PauseBtn", std::make_shared<PauseBtn>(), {20, 20}},
      {"FullBtn", std::make_shared<FullBtn>(), {20, 20}},
      {"Speacer", std::make_shared<Speacer>(), {24, 24}},
      {"SpeacerMute", std::make_shared<SpeacerMute>(), {24, 24}},
      {"MyPanel", std::make_shared<MyPanel>(), {16, 20}},
      {"SlPart", std::make_shared<flash::display::Bitmap>(std::make_shared<SlPart>()), {29, 27}},
      {"CSlDrag", std::make_shared<flash::display::Bitmap>(std::make_shared<CSlDrag>()), {29, 26}},
      {"CSlFill", std::make_shared<flash::display::Bitmap>(std::make_shared<CSlFill>()), {29, 27}},
      {"MyLoader 1", LoaderAt(1), {30, 30}},
      {"MyLoader 3", LoaderAt(3), {30, 30}},
      {"MyLoader 13", LoaderAt(13), {30, 30}},
  };
  const int columns = 6;
  const double cell = 60;
  const int rows = static_cast<int>((cells.size() + columns - 1) / columns);
  const int labelHeight = 18;
  QImage sheet(static_cast<int>(columns * cell * zoom), static_cast<int>(rows * (cell * zoom + labelHeight)),
               QImage::Format_ARGB32);
  sheet.fill(QColor(0xE0, 0xE0, 0xE0));
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::Antialiasing);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(13);
  for (size_t i = 0; i < cells.size(); ++i) {
    const double left = static_cast<double>(i % columns) * cell * zoom;
    const double top = static_cast<double>(i / columns) * (cell * zoom + labelHeight);
    painter.save();
    painter.translate(left, top);
    painter.setPen(Qt::black);
    painter.setFont(font);
    painter.drawText(QRectF(0, 0, cell * zoom, labelHeight), Qt::AlignCenter, cells[i].label);
    painter.translate(0, labelHeight);
    painter.fillRect(QRectF(2, 2, cell * zoom - 4, cell * zoom - 4), Qt::white);
    painter.scale(zoom, zoom);
    painter.translate(cells[i].origin);
    cells[i].symbol->render(painter);
    painter.restore();
  }
  painter.end();
  if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "draw_library: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
