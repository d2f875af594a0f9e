#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QVariantMap>

#include <memory>
#include <mutex>

struct mpv_handle;
struct mpv_render_context;
struct mpv_event;
struct mpv_stream_cb_info;

namespace media {

// One media stream played by libmpv: its picture rendered in software for the GUI thread, its status
// reported as the stream status codes of the movie's NetStream. mpv calls back from its own threads;
// those calls only post to this object, which does all its work on the GUI thread.
class MpvStream : public QObject {
  Q_OBJECT
 public:
  explicit MpvStream(QObject* parent = nullptr);
  ~MpvStream() override;
  MpvStream(const MpvStream&) = delete;
  MpvStream& operator=(const MpvStream&) = delete;

  // False when libmpv could not be set up; every operation then does nothing.
  bool isValid() const { return handle_ != nullptr; }

  // Opens a local path or an http, https or rtmp address and plays it from its start. Any other
  // scheme is refused with "NetStream.Play.StreamNotFound".
  void play(const QString& location);
  // Plays a file held in memory (a resource the host served), named for the messages only.
  void playData(const QByteArray& bytes, const QString& name);
  void pause();
  void resume();
  // Exact seek; "NetStream.Seek.Notify" follows when the picture at that time is ready.
  void seek(double seconds);
  void close();

  bool isPaused() const;
  // Current position in seconds; 0 with nothing open.
  double time() const;
  // Sound volume 0 to 1.
  void setVolume(double volume);
  double volume() const;

  // Pictures are rendered at this size; an empty size renders at the video's own size.
  void setTargetSize(QSize size);
  QSize videoSize() const { return videoSize_; }
  // The latest picture, or a null image before the first one.
  QImage latestFrame() const { return frame_; }

  // Whether mpv plays sound through a device here (otherwise it plays silently).
  static bool SoundDeviceAvailable();

 signals:
  // A status code ("NetStream.Play.Start", ...) with its level ("status" or "error").
  void status(const QString& code, const QString& level);
  // The file's metadata: duration, width and height and every other name the file carries.
  void metadata(const QVariantMap& info);
  // A new picture is in latestFrame().
  void frameReady();

 private:
  void load(const QString& location, bool fromMemory);
  void drainEvents();
  void handleEvent(const mpv_event& event);
  void renderFrame();
  void reportLoaded();
  void setFlag(const char* name, bool value);

  struct MemoryFile;
  static int OpenMemoryFile(void* stream, char* uri, ::mpv_stream_cb_info* info);

  mpv_handle* handle_ = nullptr;
  std::mutex memoryMutex_;
  std::shared_ptr<const QByteArray> memoryFile_;
  mpv_render_context* render_ = nullptr;
  QString location_;
  QSize targetSize_;
  QSize videoSize_;
  QImage frame_;
  bool memoryLocation_ = false;
  bool open_ = false;
  bool loaded_ = false;  // the file is open and its metadata reported: pictures may follow
  bool started_ = false;
  bool seeking_ = false;
  bool atEnd_ = false;
  bool buffering_ = false;
};

}  // namespace media
