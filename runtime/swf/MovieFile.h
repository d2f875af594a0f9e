#pragma once

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace flash::swf {

namespace TagCode {
constexpr quint16 End = 0;
constexpr quint16 ShowFrame = 1;
constexpr quint16 SetBackgroundColor = 9;
constexpr quint16 FileAttributes = 69;
constexpr quint16 SymbolClass = 76;
}  // namespace TagCode

namespace FileAttribute {
constexpr quint32 UseNetwork = 0x01;
constexpr quint32 ActionScript3 = 0x08;
}  // namespace FileAttribute

struct Tag {
  quint16 code;
  QByteArray body;
};

// What a SWF container says about its movie: the header and the tags this runtime reads.
struct MovieFile {
  bool compressed = true;
  int version = 9;
  QRectF frameRect;  // pixels
  double frameRate = 12;
  int frameCount = 1;
  std::optional<quint32> fileAttributes;
  std::optional<quint32> backgroundColor;  // 0xRRGGBB
  std::map<quint16, QString> symbolClasses;  // character id → class name; id 0 is the root
  std::vector<Tag> otherTags;  // tags this runtime does not read, kept in file order

  QString rootClass() const
  {
    const auto found = symbolClasses.find(0);
    return found != symbolClasses.end() ? found->second : QString();
  }
  QSize stageSize() const { return frameRect.size().toSize(); }
};

}  // namespace flash::swf
