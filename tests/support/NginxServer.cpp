#include "tests/support/NginxServer.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QTcpServer>
#include <QTimer>

NginxServer::NginxServer(const QString& httpRoot, const QString& mediaFolder)
    : httpRoot_(httpRoot), mediaFolder_(mediaFolder)
{
}

NginxServer::~NginxServer()
{
  if (process_.state() != QProcess::NotRunning) {
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
      process_.kill();
      process_.waitForFinished(5000);
    }
  }
}

int NginxServer::UnusedPort()
{
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  return probe.serverPort();
}

bool NginxServer::start()
{
  const QString dir = prefix_.path();
  httpPort_ = UnusedPort();
  rtmpPort_ = UnusedPort();
  const QString config = QStringLiteral(
      "load_module /usr/lib/nginx/modules/ngx_rtmp_module.so;\n"
      "worker_processes 1;\n"
      "daemon off;\n"
      "master_process off;\n"
      "pid \"%1/nginx.pid\";\n"
      "error_log \"%1/error.log\" info;\n"
      "events { worker_connections 64; }\n"
      "http {\n"
      "  access_log off;\n"
      "  client_body_temp_path \"%1/body\"; proxy_temp_path \"%1/proxy\"; fastcgi_temp_path \"%1/fastcgi\";\n"
      "  uwsgi_temp_path \"%1/uwsgi\"; scgi_temp_path \"%1/scgi\";\n"
      "  types { text/xml xml; image/png png; image/jpeg jpg; image/gif gif; application/x-shockwave-flash swf;\n"
      "          video/x-flv flv; video/mp4 mp4; }\n"
      "  log_format requests '$request|pragma=$http_pragma|type=$content_type|body=$request_body';\n"
      "  server { listen 127.0.0.1:%2; root \"%4\"; error_page 405 =200 $uri;\n"
      "    access_log \"%1/requests.log\" requests;\n"
      "    location / { mirror /request-body; mirror_request_body on; }\n"
      "    location = /request-body { internal; return 204; } }\n"
      "}\n"
      "rtmp { server { listen 127.0.0.1:%3; application vod { play \"%5\"; } } }\n")
                             .arg(dir)
                             .arg(httpPort_)
                             .arg(rtmpPort_)
                             .arg(httpRoot_, mediaFolder_);
  QFile file(dir + QStringLiteral("/nginx.conf"));
  if (!file.open(QIODevice::WriteOnly) || file.write(config.toUtf8()) < 0) {
    error_ = QStringLiteral("cannot write the nginx configuration");
    return false;
  }
  file.close();

  // nginx writes its pid file once its sockets listen: that file is the sign to go on.
  QFileSystemWatcher watcher({dir});
  QEventLoop loop;
  QObject::connect(&watcher, &QFileSystemWatcher::directoryChanged, &loop, &QEventLoop::quit);
  QObject::connect(&process_, &QProcess::finished, &loop, &QEventLoop::quit);
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
  process_.setProcessChannelMode(QProcess::MergedChannels);
  process_.start(QStringLiteral("nginx"), {QStringLiteral("-c"), file.fileName(), QStringLiteral("-p"), dir,
                                           QStringLiteral("-e"), dir + QStringLiteral("/error.log")});
  guard.start(10000);
  const QString pidFile = dir + QStringLiteral("/nginx.pid");
  while (!QFileInfo::exists(pidFile) && process_.state() != QProcess::NotRunning && guard.isActive()) {
    loop.exec();
  }
  if (!QFileInfo::exists(pidFile)) {
    QFile log(dir + QStringLiteral("/error.log"));
    log.open(QIODevice::ReadOnly);
    error_ = QStringLiteral("nginx did not start: ") + QString::fromUtf8(process_.readAll() + log.readAll());
    return false;
  }
  return true;
}

QStringList NginxServer::requests(int atLeast) const
{
  const QString path = prefix_.path() + QStringLiteral("/requests.log");
  auto read = [&path] {
    QFile log(path);
    log.open(QIODevice::ReadOnly);
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  };
  QStringList lines = read();
  if (lines.size() >= atLeast) {
    return lines;
  }
  // nginx logs a request just after answering it: wait for the log to grow.
  QFileSystemWatcher watcher({path});
  QEventLoop loop;
  QObject::connect(&watcher, &QFileSystemWatcher::fileChanged, &loop, &QEventLoop::quit);
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
  guard.start(5000);
  while ((lines = read()).size() < atLeast && guard.isActive()) {
    loop.exec();
  }
  return lines;
}
