#pragma once

#include "runtime/MovieClassRegistry.h"
#include "runtime/utils/Clock.h"

#include <QColor>
#include <QIODevice>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <memory>
#include <vector>

namespace flash {
class Player;
namespace display {
class Stage;
}
}  // namespace flash

// The host control that shows a movie inside a window: it loads a movie file, hands it its start
// parameters, carries calls between the movie and the window, serves relative paths through the window
// and lets the movie go full screen when allowed.
class TFlashPlayerControl : public QWidget {
  Q_OBJECT
 public:
  explicit TFlashPlayerControl(QWidget* parent = nullptr);
  ~TFlashPlayerControl() override;

  bool AllowFullscreen() const { return allowFullscreen_; }
  void setAllowFullscreen(bool allow) { allowFullscreen_ = allow; }

  // The stage's background colour as "#rrggbb"; an unreadable text leaves the colour as it was.
  QString BGColor() const { return background_.isValid() ? background_.name() : QString(); }
  void setBGColor(const QString& colour);

  // Start parameters handed to the next movie that is loaded.
  QString FlashVars() const { return flashVars_; }
  void setFlashVars(const QString& vars) { flashVars_ = vars; }

  // The folder or address that relative paths of the movie's content are read from when the window does
  // not serve them itself (the movie's own location); empty for none.
  QString Base() const { return base_; }
  void setBase(const QString& base) { base_ = base; }

  // The classes a movie file may name as its root.
  flash::MovieClassRegistry& classes() { return classes_; }
  // The clock of movies loaded from now on (a manual one lets tests move time by hand).
  void setClockMode(flash::utils::Clock::Mode mode) { clockMode_ = mode; }

  // Reads the whole of `stream` (from where it stands) before returning, so the caller may free it at
  // once. A movie that can be read and started replaces the current one; otherwise the current one stays,
  // the result is false and MovieError() says why.
  bool LoadMovieFromStream(QIODevice* stream);
  QString MovieError() const { return movieError_; }
  // The running movie, or null.
  flash::Player* movie() const { return player_.get(); }

  // Calls a function the movie registered; `request` and the answer are external API XML. Empty text when
  // no movie runs, the request cannot be read or names no function.
  QString CallFunction(const QString& request);
  // During OnFlashCall: the XML value the movie's call returns.
  void SetReturnValue(const QString& answer) { returnValue_ = answer; }

 signals:
  // The movie calls its host; the movie waits until the handlers return.
  void OnFlashCall(const QString& request);
  // Content opens `path` relative to the movie. A handler may give back a readable stream in `*stream`;
  // the control then owns it.
  void OnLoadExternalResourceAsync(const QString& path, QIODevice** stream);
  // Just before the control frees a stream it was given.
  void OnUnloadExternalResourceAsync(QIODevice* stream);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString hostCall(const QString& request);
  // Shows the control on the whole screen or back in its window, and tells `stage`; true when done.
  bool setFullScreen(bool fullScreen, flash::display::Stage& stage);
  void leaveFullScreenWindow();
  QPointF toStage(QPointF viewPoint) const;
  void updateCursor();
  void retire(std::unique_ptr<flash::Player> player);

  bool allowFullscreen_ = false;
  QColor background_;
  QString flashVars_;
  QString base_;
  flash::MovieClassRegistry classes_;
  flash::utils::Clock::Mode clockMode_ = flash::utils::Clock::Mode::Real;
  std::unique_ptr<flash::Player> player_;
  std::vector<std::unique_ptr<flash::Player>> retired_;
  QString movieError_;
  QString returnValue_;
  bool fullScreen_ = false;
  QPointer<QWidget> normalParent_;
  QRect normalGeometry_;
};
