#pragma once

#include "runtime/display/InteractiveObject.h"
#include "runtime/text/TextFormat.h"

#include <QFont>

namespace flash::text {

namespace TextFieldAutoSize {
inline const QString NONE = QStringLiteral("none");
inline const QString LEFT = QStringLiteral("left");
inline const QString CENTER = QStringLiteral("center");
inline const QString RIGHT = QStringLiteral("right");
}  // namespace TextFieldAutoSize

// A box of text, 100 × 100 unless sized otherwise. Setting width or height sizes the box (the text keeps
// its size); the text is laid out 2 pixels inside the box.
class TextField : public display::InteractiveObject {
 public:
  TextField();

  const QString& text() const { return text_; }
  void setText(const QString& text);
  void appendText(const QString& text) { setText(text_ + text); }

  const TextFormat& defaultTextFormat() const { return format_; }
  // Applies to text set from now on; this field shows one format, so it applies at once.
  void setDefaultTextFormat(const TextFormat& format);
  void setTextFormat(const TextFormat& format);
  quint32 textColor() const { return format_.color.value_or(0); }
  void setTextColor(quint32 color);

  double width() const override { return boxWidth_ * scaleX(); }
  double height() const override { return boxHeight_ * scaleY(); }
  void setWidth(double width) override;
  void setHeight(double height) override;

  bool selectable() const { return selectable_; }
  void setSelectable(bool on) { selectable_ = on; }
  bool multiline() const { return multiline_; }
  void setMultiline(bool on);
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool on);
  bool border() const { return border_; }
  void setBorder(bool on);
  quint32 borderColor() const { return borderColor_; }
  void setBorderColor(quint32 color);
  bool background() const { return background_; }
  void setBackground(bool on);
  quint32 backgroundColor() const { return backgroundColor_; }
  void setBackgroundColor(quint32 color);
  const QString& autoSize() const { return autoSize_; }
  void setAutoSize(const QString& mode);

  // Size of the laid-out text without the gutter.
  double textWidth() const;
  double textHeight() const;
  QFont font() const;

 protected:
  QRectF contentBounds() const override { return QRectF(0, 0, boxWidth_, boxHeight_); }
  bool hitsContent(QPointF local) const override { return contentBounds().contains(local); }
  void paintContent(QPainter& painter) const override;

 private:
  QRectF layoutBox(double width) const;
  int textFlags() const;
  void relayout();

  QString text_;
  TextFormat format_;
  double boxWidth_ = 100;
  double boxHeight_ = 100;
  bool selectable_ = true;
  bool multiline_ = false;
  bool wordWrap_ = false;
  bool border_ = false;
  quint32 borderColor_ = 0x000000;
  bool background_ = false;
  quint32 backgroundColor_ = 0xFFFFFF;
  QString autoSize_ = TextFieldAutoSize::NONE;
};

}  // namespace flash::text
