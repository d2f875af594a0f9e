#include "runtime/media/MpvStream.h"

#include "runtime/media/FlvFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>
#include <QUrl>

#include <mpv/client.h>
#include <mpv/render.h>
#include <mpv/stream_cb.h>

#include <algorithm>
#include <clocale>
#include <cstring>
#include <cstdlib>

namespace media {

namespace {

enum ObservedProperty : uint64_t { EofReached = 1, PausedForCache = 2, VideoParams = 3 };

const QString kStatus = QStringLiteral("status");
const QString kError = QStringLiteral("error");

bool IsAllowedLocation(const QString& location)
{
  const QUrl url(location);
  const QString scheme = url.scheme().toLower();
  // A one-letter scheme is a path on a drive, not an address.
  return url.scheme().isEmpty() || scheme.size() == 1 || scheme == QLatin1String("file") ||
         scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("rtmp");
}

QString LocalPathOf(const QString& location)
{
  const QUrl url(location);
  if (url.scheme() == QLatin1String("file")) {
    return url.toLocalFile();
  }
  return url.scheme().isEmpty() ? location : QString();
}

QVariant ToVariant(const mpv_node& node)
{
  switch (node.format) {
  case MPV_FORMAT_STRING:
    return QString::fromUtf8(node.u.string);
  case MPV_FORMAT_DOUBLE:
    return node.u.double_;
  case MPV_FORMAT_INT64:
    return static_cast<double>(node.u.int64);
  case MPV_FORMAT_FLAG:
    return node.u.flag != 0;
  case MPV_FORMAT_NODE_MAP: {
    QVariantMap map;
    for (int i = 0; i < node.u.list->num; ++i) {
      map.insert(QString::fromUtf8(node.u.list->keys[i]), ToVariant(node.u.list->values[i]));
    }
    return map;
  }
  case MPV_FORMAT_NODE_ARRAY: {
    QVariantList list;
    for (int i = 0; i < node.u.list->num; ++i) {
      list.append(ToVariant(node.u.list->values[i]));
    }
    return list;
  }
  default:
    return {};
  }
}

}  // namespace

bool MpvStream::SoundDeviceAvailable()
{
  const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
  const bool soundServer = qEnvironmentVariableIsSet("PULSE_SERVER") ||
                           (!runtimeDir.isEmpty() && (QFileInfo::exists(runtimeDir + QStringLiteral("/pulse/native")) ||
                                                      QFileInfo::exists(runtimeDir + QStringLiteral("/pipewire-0"))));
  const bool soundCards = !QDir(QStringLiteral("/dev/snd")).entryList({QStringLiteral("pcmC*")}, QDir::System).isEmpty();
  return soundServer || soundCards;
}

MpvStream::MpvStream(QObject* parent) : QObject(parent)
{
  // mpv reads numbers in the C locale; the application may have set another one.
  std::setlocale(LC_NUMERIC, "C");
  handle_ = mpv_create();
  if (handle_ == nullptr) {
    return;
  }
  const std::pair<const char*, const char*> options[] = {
      {"config", "no"},
      {"load-scripts", "no"},
      {"input-default-bindings", "no"},
      {"input-vo-keyboard", "no"},
      {"osc", "no"},
      {"ytdl", "no"},
      {"terminal", "no"},
      {"msg-level", "all=no"},
      {"vo", "libmpv"},
      {"hwdec", "no"},
      {"keep-open", "yes"},
      {"idle", "yes"},
      {"audio-fallback-to-null", "yes"},
      {"ao", SoundDeviceAvailable() ? "pulse,alsa,null" : "null"},
      {"cache-pause-initial", "yes"},
      {"cache-pause-wait", "2"},
      {"demuxer-lavf-o", "protocol_whitelist=[file,http,https,tcp,tls,rtmp,crypto,data]"},
  };
  for (const auto& [name, value] : options) {
    mpv_set_option_string(handle_, name, value);
  }
  if (mpv_initialize(handle_) < 0) {
    mpv_terminate_destroy(handle_);
    handle_ = nullptr;
    return;
  }
  mpv_stream_cb_add_ro(handle_, "kavomemory", this, &MpvStream::OpenMemoryFile);
  mpv_observe_property(handle_, EofReached, "eof-reached", MPV_FORMAT_FLAG);
  mpv_observe_property(handle_, PausedForCache, "paused-for-cache", MPV_FORMAT_FLAG);
  mpv_observe_property(handle_, VideoParams, "video-params", MPV_FORMAT_NODE);
  mpv_set_wakeup_callback(
      handle_,
      [](void* self) {
        QMetaObject::invokeMethod(static_cast<MpvStream*>(self), &MpvStream::drainEvents, Qt::QueuedConnection);
      },
      this);

  mpv_render_param parameters[] = {{MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_SW)},
                                   {MPV_RENDER_PARAM_INVALID, nullptr}};
  if (mpv_render_context_create(&render_, handle_, parameters) < 0) {
    render_ = nullptr;
    return;
  }
  mpv_render_context_set_update_callback(
      render_,
      [](void* self) {
        QMetaObject::invokeMethod(static_cast<MpvStream*>(self), &MpvStream::renderFrame, Qt::QueuedConnection);
      },
      this);
}

MpvStream::~MpvStream()
{
  if (render_ != nullptr) {
    mpv_render_context_set_update_callback(render_, nullptr, nullptr);
  }
  if (handle_ != nullptr) {
    mpv_set_wakeup_callback(handle_, nullptr, nullptr);
  }
  if (render_ != nullptr) {
    mpv_render_context_free(render_);
  }
  if (handle_ != nullptr) {
    mpv_terminate_destroy(handle_);
  }
}

void MpvStream::play(const QString& location)
{
  if (!isValid()) {
    return;
  }
  if (location.isEmpty() || !IsAllowedLocation(location)) {
    close();
    emit status(QStringLiteral("NetStream.Play.StreamNotFound"), kError);
    return;
  }
  {
    const std::lock_guard<std::mutex> lock(memoryMutex_);
    memoryFile_.reset();
  }
  load(location, false);
}

void MpvStream::load(const QString& location, bool fromMemory)
{
  location_ = location;
  memoryLocation_ = fromMemory;
  open_ = true;
  loaded_ = false;
  started_ = false;
  seeking_ = false;
  atEnd_ = false;
  buffering_ = false;
  videoSize_ = {};
  frame_ = {};
  setFlag("pause", false);
  const QByteArray target = location.toUtf8();
  const char* command[] = {"loadfile", target.constData(), "replace", nullptr};
  mpv_command_async(handle_, 0, command);
}

// One opening of the memory file by mpv: its own read position over the shared, unchanging bytes.
struct MpvStream::MemoryFile {
  std::shared_ptr<const QByteArray> bytes;
  int64_t position = 0;
};

int MpvStream::OpenMemoryFile(void* stream, char* /*uri*/, mpv_stream_cb_info* info)
{
  // Called on an mpv thread, while the GUI thread may be replacing the file.
  auto* self = static_cast<MpvStream*>(stream);
  std::shared_ptr<const QByteArray> bytes;
  {
    const std::lock_guard<std::mutex> lock(self->memoryMutex_);
    bytes = self->memoryFile_;
  }
  if (!bytes) {
    return MPV_ERROR_LOADING_FAILED;
  }
  info->cookie = new MemoryFile{bytes, 0};
  info->read_fn = [](void* cookie, char* buffer, uint64_t wanted) -> int64_t {
    auto* file = static_cast<MemoryFile*>(cookie);
    const int64_t available = file->bytes->size() - file->position;
    const int64_t count = std::min<int64_t>(available, static_cast<int64_t>(wanted));
    std::memcpy(buffer, file->bytes->constData() + file->position, static_cast<size_t>(count));
    file->position += count;
    return count;
  };
  info->seek_fn = [](void* cookie, int64_t offset) -> int64_t {
    auto* file = static_cast<MemoryFile*>(cookie);
    if (offset < 0 || offset > file->bytes->size()) {
      return MPV_ERROR_GENERIC;
    }
    file->position = offset;
    return offset;
  };
  info->size_fn = [](void* cookie) -> int64_t { return static_cast<MemoryFile*>(cookie)->bytes->size(); };
  info->close_fn = [](void* cookie) { delete static_cast<MemoryFile*>(cookie); };
  return 0;
}

void MpvStream::playData(const QByteArray& bytes, const QString& name)
{
  if (!isValid()) {
    return;
  }
  {
    const std::lock_guard<std::mutex> lock(memoryMutex_);
    memoryFile_ = std::make_shared<const QByteArray>(bytes);
  }
  load(QStringLiteral("kavomemory://") + QString::fromLatin1(QUrl::toPercentEncoding(name)), true);
}

void MpvStream::setFlag(const char* name, bool value)
{
  int flag = value ? 1 : 0;
  mpv_set_property(handle_, name, MPV_FORMAT_FLAG, &flag);
}

void MpvStream::pause()
{
  if (isValid() && open_) {
    setFlag("pause", true);
  }
}

void MpvStream::resume()
{
  if (!isValid() || !open_) {
    return;
  }
  if (atEnd_) {
    // Played to its end: play again from the start, as a stream that was stopped does.
    seek(0);
  }
  setFlag("pause", false);
}

bool MpvStream::isPaused() const
{
  int flag = 0;
  return isValid() && mpv_get_property(handle_, "pause", MPV_FORMAT_FLAG, &flag) >= 0 && flag != 0;
}

void MpvStream::seek(double seconds)
{
  if (!isValid() || !open_) {
    return;
  }
  seeking_ = true;
  atEnd_ = false;
  const QByteArray position = QByteArray::number(qMax(0.0, seconds), 'f', 3);
  const char* command[] = {"seek", position.constData(), "absolute+exact", nullptr};
  mpv_command_async(handle_, 0, command);
}

void MpvStream::close()
{
  if (!isValid() || !open_) {
    return;
  }
  open_ = false;
  const char* command[] = {"stop", nullptr};
  mpv_command_async(handle_, 0, command);
}

double MpvStream::time() const
{
  double seconds = 0;
  if (!isValid() || !open_ || mpv_get_property(handle_, "time-pos", MPV_FORMAT_DOUBLE, &seconds) < 0) {
    return 0;
  }
  return seconds;
}

void MpvStream::setVolume(double volume)
{
  if (!isValid()) {
    return;
  }
  double level = qBound(0.0, volume, 1.0) * 100.0;
  mpv_set_property(handle_, "volume", MPV_FORMAT_DOUBLE, &level);
}

double MpvStream::volume() const
{
  double level = 100;
  if (isValid()) {
    mpv_get_property(handle_, "volume", MPV_FORMAT_DOUBLE, &level);
  }
  return level / 100.0;
}

void MpvStream::setTargetSize(QSize size)
{
  if (size == targetSize_) {
    return;
  }
  targetSize_ = size;
  // Asked from inside a paint: the picture at the new size follows from the event loop.
  QMetaObject::invokeMethod(this, &MpvStream::renderFrame, Qt::QueuedConnection);
}

void MpvStream::drainEvents()
{
  while (handle_ != nullptr) {
    mpv_event* event = mpv_wait_event(handle_, 0);
    if (event->event_id == MPV_EVENT_NONE) {
      break;
    }
    handleEvent(*event);
  }
}

void MpvStream::handleEvent(const mpv_event& event)
{
  switch (event.event_id) {
  case MPV_EVENT_FILE_LOADED:
    if (open_) {
      loaded_ = true;
      reportLoaded();
      renderFrame();
    }
    break;
  case MPV_EVENT_PLAYBACK_RESTART:
    if (!open_) {
      break;
    }
    if (seeking_) {
      seeking_ = false;
      emit status(QStringLiteral("NetStream.Seek.Notify"), kStatus);
    }
    if (!started_ || !buffering_) {
      started_ = true;
      emit status(QStringLiteral("NetStream.Buffer.Full"), kStatus);
    }
    break;
  case MPV_EVENT_END_FILE: {
    const auto* end = static_cast<const mpv_event_end_file*>(event.data);
    if (open_ && end->reason == MPV_END_FILE_REASON_ERROR) {
      open_ = false;
      emit status(QStringLiteral("NetStream.Play.StreamNotFound"), kError);
    }
    break;
  }
  case MPV_EVENT_PROPERTY_CHANGE: {
    const auto* property = static_cast<const mpv_event_property*>(event.data);
    if (!open_) {
      break;
    }
    if (event.reply_userdata == EofReached && property->format == MPV_FORMAT_FLAG) {
      const bool reached = *static_cast<int*>(property->data) != 0;
      if (reached && !atEnd_ && started_) {
        atEnd_ = true;
        emit status(QStringLiteral("NetStream.Buffer.Flush"), kStatus);
        emit status(QStringLiteral("NetStream.Play.Stop"), kStatus);
        emit status(QStringLiteral("NetStream.Buffer.Empty"), kStatus);
      }
    } else if (event.reply_userdata == PausedForCache && property->format == MPV_FORMAT_FLAG) {
      const bool waiting = *static_cast<int*>(property->data) != 0;
      if (waiting != buffering_ && started_) {
        buffering_ = waiting;
        emit status(waiting ? QStringLiteral("NetStream.Buffer.Empty") : QStringLiteral("NetStream.Buffer.Full"),
                    kStatus);
      }
    } else if (event.reply_userdata == VideoParams && property->format == MPV_FORMAT_NODE) {
      const QVariantMap params = ToVariant(*static_cast<mpv_node*>(property->data)).toMap();
      videoSize_ = QSize(params.value(QStringLiteral("w")).toInt(), params.value(QStringLiteral("h")).toInt());
    }
    break;
  }
  default:
    break;
  }
}

void MpvStream::reportLoaded()
{
  emit status(QStringLiteral("NetStream.Play.Start"), kStatus);

  QVariantMap info;
  mpv_node tags;
  if (mpv_get_property(handle_, "metadata", MPV_FORMAT_NODE, &tags) >= 0) {
    info = ToVariant(tags).toMap();
    mpv_free_node_contents(&tags);
  }
  double duration = 0;
  if (mpv_get_property(handle_, "duration", MPV_FORMAT_DOUBLE, &duration) >= 0) {
    info.insert(QStringLiteral("duration"), duration);
  }
  int64_t width = 0;
  int64_t height = 0;
  if (mpv_get_property(handle_, "width", MPV_FORMAT_INT64, &width) >= 0 &&
      mpv_get_property(handle_, "height", MPV_FORMAT_INT64, &height) >= 0) {
    info.insert(QStringLiteral("width"), static_cast<double>(width));
    info.insert(QStringLiteral("height"), static_cast<double>(height));
  }
  // An FLV file's own metadata has exact numbers and types, which mpv hides or rounds.
  QBuffer memory;
  QFile local(LocalPathOf(location_));
  QIODevice* file = &local;
  if (memoryLocation_) {
    const std::lock_guard<std::mutex> lock(memoryMutex_);
    memory.setData(memoryFile_ ? *memoryFile_ : QByteArray());
    file = &memory;
  }
  if ((file == &memory || !local.fileName().isEmpty()) && file->open(QIODevice::ReadOnly)) {
    if (const auto stored = flv::ReadMetadata(*file)) {
      info.clear();
      for (const auto& [name, value] : *stored) {
        info.insert(name, value);
      }
    }
  }
  emit metadata(info);
}

void MpvStream::renderFrame()
{
  if (render_ == nullptr) {
    return;
  }
  if ((mpv_render_context_update(render_) & MPV_RENDER_UPDATE_FRAME) == 0 && !frame_.isNull() &&
      (targetSize_.isEmpty() || frame_.size() == targetSize_)) {
    return;
  }
  const QSize size = targetSize_.isEmpty() ? videoSize_ : targetSize_;
  if (size.isEmpty() || !open_ || !loaded_) {
    return;
  }
  QImage image(size, QImage::Format_RGBX8888);
  int dimensions[2] = {size.width(), size.height()};
  size_t stride = static_cast<size_t>(image.bytesPerLine());
  int blockForTargetTime = 0;
  char format[] = "rgb0";
  mpv_render_param parameters[] = {
      {MPV_RENDER_PARAM_SW_SIZE, dimensions},
      {MPV_RENDER_PARAM_SW_FORMAT, format},
      {MPV_RENDER_PARAM_SW_STRIDE, &stride},
      {MPV_RENDER_PARAM_SW_POINTER, image.bits()},
      {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &blockForTargetTime},
      {MPV_RENDER_PARAM_INVALID, nullptr},
  };
  if (mpv_render_context_render(render_, parameters) >= 0) {
    frame_ = image;
    emit frameReady();
  }
}

}  // namespace media
