#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// The host control that shows a movie inside a window.
class TFlashPlayerControl : public QWidget {
  Q_OBJECT
 public:
  explicit TFlashPlayerControl(QWidget* parent = nullptr);

  bool AllowFullscreen() const { return allowFullscreen_; }
  void setAllowFullscreen(bool allow) { allowFullscreen_ = allow; }

  // The stage's background colour as "#rrggbb"; an unreadable text leaves the colour as it was.
  QString BGColor() const { return background_.isValid() ? background_.name() : QString(); }
  void setBGColor(const QString& colour);

  // Start parameters handed to the next movie that is loaded.
  QString FlashVars() const { return flashVars_; }
  void setFlashVars(const QString& vars) { flashVars_ = vars; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  bool allowFullscreen_ = false;
  QColor background_;
  QString flashVars_;
};
