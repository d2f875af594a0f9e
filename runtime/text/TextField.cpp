#include "runtime/text/TextField.h"

#include <QFontMetricsF>
#include <QPainter>

namespace flash::text {

namespace {

constexpr double kGutter = 2;

const TextFormat& Defaults()
{
  static const TextFormat defaults{QStringLiteral("Times New Roman"), 12, 0x000000, false, false, false,
                                   TextFormatAlign::LEFT, 0};
  return defaults;
}

QString FamilyOf(const QString& font)
{
  if (font == QLatin1String("_sans")) {
    return QStringLiteral("Liberation Sans");
  }
  if (font == QLatin1String("_serif")) {
    return QStringLiteral("Liberation Serif");
  }
  if (font == QLatin1String("_typewriter")) {
    return QStringLiteral("Liberation Mono");
  }
  return font;
}

}  // namespace

TextFormat TextFormat::mergedWith(const TextFormat& over) const
{
  TextFormat result = *this;
  auto take = [](auto& field, const auto& value) {
    if (value) {
      field = value;
    }
  };
  take(result.font, over.font);
  take(result.size, over.size);
  take(result.color, over.color);
  take(result.bold, over.bold);
  take(result.italic, over.italic);
  take(result.underline, over.underline);
  take(result.align, over.align);
  take(result.leading, over.leading);
  return result;
}

TextField::TextField() : format_(Defaults()) {}

void TextField::setText(const QString& text)
{
  if (text == text_) {
    return;
  }
  text_ = text;
  relayout();
}

void TextField::setDefaultTextFormat(const TextFormat& format)
{
  format_ = format_.mergedWith(format);
  relayout();
}

void TextField::setTextFormat(const TextFormat& format)
{
  setDefaultTextFormat(format);
}

void TextField::setTextColor(quint32 color)
{
  format_.color = color;
  invalidate();
}

void TextField::setWidth(double width)
{
  invalidate();
  boxWidth_ = qMax(width, 0.0);
  relayout();
}

void TextField::setHeight(double height)
{
  invalidate();
  boxHeight_ = qMax(height, 0.0);
  relayout();
}

void TextField::setMultiline(bool on)
{
  multiline_ = on;
  relayout();
}

void TextField::setWordWrap(bool on)
{
  wordWrap_ = on;
  relayout();
}

void TextField::setBorder(bool on)
{
  border_ = on;
  invalidate();
}

void TextField::setBorderColor(quint32 color)
{
  borderColor_ = color;
  invalidate();
}

void TextField::setBackground(bool on)
{
  background_ = on;
  invalidate();
}

void TextField::setBackgroundColor(quint32 color)
{
  backgroundColor_ = color;
  invalidate();
}

void TextField::setAutoSize(const QString& mode)
{
  autoSize_ = mode;
  relayout();
}

QFont TextField::font() const
{
  QFont font(FamilyOf(format_.font.value_or(QStringLiteral("Times New Roman"))));
  font.setPixelSize(qMax(1, qRound(format_.size.value_or(12))));
  font.setBold(format_.bold.value_or(false));
  font.setItalic(format_.italic.value_or(false));
  font.setUnderline(format_.underline.value_or(false));
  return font;
}

int TextField::textFlags() const
{
  const QString align = format_.align.value_or(TextFormatAlign::LEFT);
  int flags = Qt::AlignTop;
  flags |= align == TextFormatAlign::CENTER ? Qt::AlignHCenter : align == TextFormatAlign::RIGHT ? Qt::AlignRight : Qt::AlignLeft;
  if (wordWrap_) {
    flags |= Qt::TextWordWrap;
  }
  return flags;
}

QRectF TextField::layoutBox(double width) const
{
  return QFontMetricsF(font()).boundingRect(QRectF(0, 0, qMax(width, 1.0), 1e6), textFlags(), text_);
}

double TextField::textWidth() const
{
  return text_.isEmpty() ? 0 : layoutBox(wordWrap_ ? boxWidth_ - 2 * kGutter : 1e6).width();
}

double TextField::textHeight() const
{
  return text_.isEmpty() ? 0 : layoutBox(wordWrap_ ? boxWidth_ - 2 * kGutter : 1e6).height();
}

void TextField::relayout()
{
  invalidate();
  if (autoSize_ != TextFieldAutoSize::NONE) {
    const double oldWidth = boxWidth_;
    if (!wordWrap_) {
      boxWidth_ = textWidth() + 2 * kGutter;
    }
    boxHeight_ = textHeight() + 2 * kGutter;
    if (autoSize_ == TextFieldAutoSize::CENTER) {
      setX(x() + (oldWidth - boxWidth_) * scaleX() / 2);
    } else if (autoSize_ == TextFieldAutoSize::RIGHT) {
      setX(x() + (oldWidth - boxWidth_) * scaleX());
    }
  }
  invalidate();
}

void TextField::paintContent(QPainter& painter) const
{
  const QRectF box = contentBounds();
  if (background_) {
    painter.fillRect(box, QColor(QRgb(backgroundColor_)));
  }
  if (border_) {
    painter.setPen(QPen(QColor(QRgb(borderColor_)), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
  }
  if (text_.isEmpty()) {
    return;
  }
  painter.save();
  painter.setClipRect(box);
  painter.setFont(font());
  painter.setPen(QColor(QRgb(format_.color.value_or(0) & 0xFFFFFF)));
  const QRectF inner = box.adjusted(kGutter, kGutter, -kGutter, -kGutter);
  const double leading = format_.leading.value_or(0);
  if (leading == 0) {
    painter.drawText(inner, textFlags(), text_);
  } else {
    // Lines one by one, each `leading` pixels below the last.
    const QFontMetricsF metrics(font());
    double top = inner.top();
    for (const QString& line : text_.split(QLatin1Char('\n'))) {
      painter.drawText(QRectF(inner.left(), top, inner.width(), metrics.height()), textFlags(), line);
      top += metrics.height() + leading;
    }
  }
  painter.restore();
}

}  // namespace flash::text
