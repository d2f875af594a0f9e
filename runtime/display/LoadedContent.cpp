#include "runtime/display/LoadedContent.h"

#include "runtime/display/Bitmap.h"
#include "runtime/display/LoaderInfo.h"
#include "runtime/display/MovieClip.h"
#include "runtime/swf/SwfReader.h"

#include <QBuffer>
#include <QImageReader>

#include <vector>

namespace flash::display {

namespace {

// The frames of an animated image, one per frame of the clip.
class AnimatedImage : public MovieClip {
 public:
  explicit AnimatedImage(std::vector<std::shared_ptr<BitmapData>> frames)
      : MovieClip(static_cast<int>(frames.size())), frames_(std::move(frames)),
        picture_(std::make_shared<Bitmap>(frames_.front()))
  {
    addChild(picture_);
  }

 protected:
  void frameEntered(int frame) override { picture_->setBitmapData(frames_[frame - 1]); }

 private:
  std::vector<std::shared_ptr<BitmapData>> frames_;
  std::shared_ptr<Bitmap> picture_;
};

bool IsSwf(const QByteArray& file)
{
  return file.startsWith("FWS") || file.startsWith("CWS") || file.startsWith("ZWS");
}

LoadedContent MovieContent(const QByteArray& file)
{
  const swf::ReadResult read = swf::readMovie(file);
  if (!read.movie) {
    return {};
  }
  const swf::MovieFile& movie = *read.movie;
  auto clip = std::make_shared<MovieClip>(movie.frameCount);
  clip->graphics().beginFill(movie.backgroundColor.value_or(0xFFFFFF));
  clip->graphics().drawRect(0, 0, movie.frameRect.width(), movie.frameRect.height());
  clip->graphics().endFill();
  const bool script3 = movie.fileAttributes && (*movie.fileAttributes & swf::FileAttribute::ActionScript3) != 0;
  return {clip, ContentType::SWF, movie.stageSize(), movie.version, script3 ? 3 : 2, movie.frameRate};
}

LoadedContent ImageContent(const QByteArray& file)
{
  QBuffer buffer;
  buffer.setData(file);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  if (!reader.canRead()) {
    return {};
  }
  const QString type = QStringLiteral("image/") + QString::fromLatin1(reader.format());
  std::vector<std::shared_ptr<BitmapData>> frames;
  for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
    frames.push_back(std::make_shared<BitmapData>(frame));
    if (!reader.supportsAnimation()) {
      break;
    }
  }
  if (frames.empty()) {
    return {};
  }
  const QSize size(frames.front()->width(), frames.front()->height());
  if (frames.size() > 1) {
    return {std::make_shared<AnimatedImage>(std::move(frames)), type, size};
  }
  return {std::make_shared<Bitmap>(frames.front()), type, size};
}

}  // namespace

LoadedContent makeLoadedContent(const QByteArray& file)
{
  return IsSwf(file) ? MovieContent(file) : ImageContent(file);
}

}  // namespace flash::display
