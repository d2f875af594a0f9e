#include "runtime/system/System.h"

#include <QStringDecoder>

namespace flash::system {

QString System::decodeText(const QByteArray& bytes) const
{
  std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForData(bytes);
  if (!encoding) {
    encoding = useCodePage_ ? QStringConverter::System : QStringConverter::Utf8;
  }
  QStringDecoder decoder(*encoding);
  return decoder.decode(bytes);
}

}  // namespace flash::system
