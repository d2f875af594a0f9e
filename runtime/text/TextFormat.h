#pragma once

#include <QString>

#include <optional>

namespace flash::text {

namespace TextFormatAlign {
inline const QString LEFT = QStringLiteral("left");
inline const QString CENTER = QStringLiteral("center");
inline const QString RIGHT = QStringLiteral("right");
}  // namespace TextFormatAlign

// Character and paragraph settings; a field left empty keeps the setting it is applied over.
struct TextFormat {
  std::optional<QString> font;
  std::optional<double> size;  // pixels
  std::optional<quint32> color;  // 0xRRGGBB
  std::optional<bool> bold;
  std::optional<bool> italic;
  std::optional<bool> underline;
  std::optional<QString> align;
  std::optional<double> leading;  // extra pixels between lines

  // This format with the set fields of `over` taking precedence.
  TextFormat mergedWith(const TextFormat& over) const;
};

}  // namespace flash::text
