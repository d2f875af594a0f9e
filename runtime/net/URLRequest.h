#pragma once

#include "runtime/net/URLVariables.h"

#include <QString>

#include <optional>
#include <vector>

namespace flash::net {

namespace URLRequestMethod {
inline const QString GET = QStringLiteral("GET");
inline const QString POST = QStringLiteral("POST");
}  // namespace URLRequestMethod

struct URLRequestHeader {
  QString name;
  QString value;
};

// What to load: the address, the method, form data and extra headers. For GET the data goes into the
// address's query, for POST into the body.
struct URLRequest {
  URLRequest() = default;
  explicit URLRequest(QString address) : url(std::move(address)) {}

  QString url;
  QString method = URLRequestMethod::GET;
  std::optional<URLVariables> data;
  std::vector<URLRequestHeader> requestHeaders;
};

}  // namespace flash::net
