#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <map>

namespace flash::external {

// The movie's line to its host. Calls go out synchronously as external API XML through the host's
// handler, whose answer (XML as well, or empty) becomes the call's result; the host calls into the movie
// through handleInvoke().
class ExternalInterface {
 public:
  using Callback = std::function<QVariant(const QVariantList&)>;
  // Given the request XML, returns the host's answer XML (empty for none).
  using HostHandler = std::function<QString(const QString&)>;

  explicit ExternalInterface(HostHandler host = {}) : host_(std::move(host)) {}

  bool available() const { return static_cast<bool>(host_); }
  // Undefined when no host listens or the host gives no readable answer.
  QVariant call(const QString& functionName, const QVariantList& arguments = {});
  void addCallback(const QString& functionName, Callback callback);

  // Host side: runs the callback that `request` names and returns its result as XML. A request that cannot
  // be read or names no callback gets an empty answer and a trace line.
  QString handleInvoke(const QString& request);
  // The host has gone: no more calls out or in.
  void close();

 private:
  HostHandler host_;
  std::map<QString, Callback> callbacks_;
};

}  // namespace flash::external
