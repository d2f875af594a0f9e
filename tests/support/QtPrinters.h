#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>
#include <ostream>

// Readable failure messages for the Qt values the tests compare.
inline void PrintTo(const QString& text, std::ostream* out)
{
  *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QSize& size, std::ostream* out)
{
  *out << size.width() << 'x' << size.height();
}
inline void PrintTo(const QRect& rect, std::ostream* out)
{
  *out << '(' << rect.x() << ',' << rect.y() << ' ' << rect.width() << 'x' << rect.height() << ')';
}
inline void PrintTo(const std::optional<QSize>& size, std::ostream* out)
{
  if (size) {
    PrintTo(*size, out);
  } else {
    *out << "none";
  }
}
inline void PrintTo(const QPoint& point, std::ostream* out)
{
  *out << '(' << point.x() << ',' << point.y() << ')';
}
