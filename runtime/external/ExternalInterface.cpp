#include "runtime/external/ExternalInterface.h"

#include "runtime/Trace.h"
#include "runtime/external/ExternalApiXml.h"

#include <exception>

namespace flash::external {

QVariant ExternalInterface::call(const QString& functionName, const QVariantList& arguments)
{
  if (!host_) {
    trace(QStringLiteral("ExternalInterface.call(\"%1\"): no host is listening").arg(functionName));
    return {};
  }
  const HostHandler host = host_;  // the handler may close this interface
  const QString answer = host(xml::encodeInvoke(functionName, arguments));
  if (answer.isEmpty()) {
    return {};
  }
  QString error;
  const auto value = xml::decodeValue(answer, &error);
  if (!value) {
    trace(QStringLiteral("ExternalInterface.call(\"%1\"): the host's answer is unreadable: %2").arg(functionName, error));
    return {};
  }
  return *value;
}

void ExternalInterface::addCallback(const QString& functionName, Callback callback)
{
  if (callback) {
    callbacks_[functionName] = std::move(callback);
  } else {
    callbacks_.erase(functionName);
  }
}

QString ExternalInterface::handleInvoke(const QString& request)
{
  QString error;
  const auto invoke = xml::decodeInvoke(request, &error);
  if (!invoke) {
    trace(QStringLiteral("ExternalInterface: a call from the host is unreadable: %1").arg(error));
    return {};
  }
  const auto found = callbacks_.find(invoke->name);
  if (found == callbacks_.end()) {
    trace(QStringLiteral("ExternalInterface: no callback is registered as \"%1\"").arg(invoke->name));
    return {};
  }
  const Callback callback = found->second;
  try {
    return xml::encodeValue(callback(invoke->arguments));
  } catch (const std::exception& failure) {
    trace(QStringLiteral("ExternalInterface: the callback \"%1\" failed: %2")
              .arg(invoke->name, QString::fromUtf8(failure.what())));
    return {};
  }
}

void ExternalInterface::close()
{
  host_ = {};
  callbacks_.clear();
}

}  // namespace flash::external
