#include "runtime/media/RtmpConnector.h"

#include "runtime/media/Amf0.h"

#include <QCoreApplication>
#include <QThread>

#include <librtmp/log.h>
#include <librtmp/rtmp.h>

namespace media {

namespace {

constexpr int kTimeoutSeconds = 5;
constexpr int kPacketsBeforeAnswer = 32;
constexpr uint8_t kInvokePacket = 0x14;

const QString kSuccess = QStringLiteral("NetConnection.Connect.Success");
const QString kRejected = QStringLiteral("NetConnection.Connect.Rejected");
const QString kFailed = QStringLiteral("NetConnection.Connect.Failed");

// Reads packets until the answer to "connect" arrives.
QString AwaitConnectAnswer(RTMP* session)
{
  for (int count = 0; count < kPacketsBeforeAnswer && RTMP_IsConnected(session);) {
    RTMPPacket packet{};
    if (!RTMP_ReadPacket(session, &packet)) {
      break;
    }
    if (!RTMPPacket_IsReady(&packet)) {
      continue;
    }
    ++count;
    QString answer;
    if (packet.m_packetType == kInvokePacket) {
      amf0::Reader reader(QByteArray(packet.m_body, static_cast<qsizetype>(packet.m_nBodySize)));
      const QString command = reader.readValue().value_or(QVariant()).toString();
      if (command == QLatin1String("_result")) {
        answer = kSuccess;
      } else if (command == QLatin1String("_error")) {
        answer = kRejected;
      }
    } else {
      // Chunk size, window size and the like change how the next packets are read.
      RTMP_ClientPacket(session, &packet);
    }
    RTMPPacket_Free(&packet);
    if (!answer.isEmpty()) {
      return answer;
    }
  }
  // A server that hangs up instead of answering did not accept the application.
  return RTMP_IsConnected(session) ? kFailed : kRejected;
}

}  // namespace

RtmpConnector::RtmpConnector(QObject* parent) : QObject(parent), alive_(std::make_shared<bool>(true)) {}

RtmpConnector::~RtmpConnector()
{
  *alive_ = false;
}

QString RtmpConnector::Connect(const QString& address, int timeoutSeconds)
{
  RTMP_LogSetLevel(RTMP_LOGCRIT);
  RTMP* session = RTMP_Alloc();
  if (session == nullptr) {
    return kFailed;
  }
  RTMP_Init(session);
  session->Link.timeout = timeoutSeconds;
  // librtmp keeps pointers into the address text while the session lives.
  QByteArray url = address.toUtf8();
  QString result = kFailed;
  if (address.startsWith(QLatin1String("rtmp://")) && RTMP_SetupURL(session, url.data()) &&
      RTMP_Connect(session, nullptr)) {
    result = AwaitConnectAnswer(session);
  }
  RTMP_Close(session);
  RTMP_Free(session);
  return result;
}

void RtmpConnector::connectTo(const QString& address)
{
  std::shared_ptr<bool> alive = alive_;
  QThread* worker = QThread::create([this, alive, address] {
    const QString code = Connect(address, kTimeoutSeconds);
    // Back on the GUI thread, where this object is deleted too: the check and the use cannot race.
    QMetaObject::invokeMethod(qApp, [this, alive, code] {
      if (*alive) {
        emit finished(code);
      }
    });
  });
  connect(worker, &QThread::finished, worker, &QObject::deleteLater);
  worker->start();
}

}  // namespace media
