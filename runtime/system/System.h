#pragma once

#include <QByteArray>
#include <QString>

namespace flash::system {

// Settings of the platform that apply to the whole movie.
class System {
 public:
  // When on, loaded text without a byte-order mark is decoded in the locale's 8-bit codec instead of UTF-8.
  bool useCodePage() const { return useCodePage_; }
  void setUseCodePage(bool on) { useCodePage_ = on; }

  // Loaded bytes as text, by the rule above; a byte-order mark always wins.
  QString decodeText(const QByteArray& bytes) const;

 private:
  bool useCodePage_ = false;
};

}  // namespace flash::system
