#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A private nginx on 127.0.0.1 for one test: HTTP serving a folder (a POST is answered with the
// file, as a plain GET would be; every request is logged as the server received it) and RTMP with the application "vod" playing files from a folder.
// Started on free ports, stopped on destruction. Nothing of the system's nginx is touched.
class NginxServer {
 public:
  NginxServer(const QString& httpRoot, const QString& mediaFolder);
  ~NginxServer();
  NginxServer(const NginxServer&) = delete;
  NginxServer& operator=(const NginxServer&) = delete;

  // False (with the reason in error()) when nginx could not be started.
  bool start();
  QString error() const { return error_; }

  int httpPort() const { return httpPort_; }
  int rtmpPort() const { return rtmpPort_; }
  QString httpBase() const { return QStringLiteral("http://127.0.0.1:%1").arg(httpPort_); }
  QString rtmpBase() const { return QStringLiteral("rtmp://127.0.0.1:%1").arg(rtmpPort_); }

  // The HTTP requests received so far, one line each: "<request line>|pragma=<header>|type=<content
  // type>|body=<body>", with "-" for what is missing. Waits (on the log file's changes) until there are at
  // least `atLeast`, for at most a few seconds.
  QStringList requests(int atLeast = 0) const;

  // A port on 127.0.0.1 that nothing listens on.
  static int UnusedPort();

 private:
  QTemporaryDir prefix_;
  QString httpRoot_;
  QString mediaFolder_;
  QProcess process_;
  int httpPort_ = 0;
  int rtmpPort_ = 0;
  QString error_;
};
