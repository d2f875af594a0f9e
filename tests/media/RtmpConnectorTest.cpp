#include "runtime/media/RtmpConnector.h"

#include "tests/support/NginxServer.h"
#include "tests/support/TestEnvironment.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using media::RtmpConnector;

// The connection's answer, waited for through the event loop.
QString AnswerOf(const QString& address)
{
  RtmpConnector connector;
  QString answer;
  QEventLoop loop;
  QObject::connect(&connector, &RtmpConnector::finished, &loop, [&](const QString& code) {
    answer = code;
    loop.quit();
  });
  QTimer::singleShot(20000, &loop, &QEventLoop::quit);
  connector.connectTo(address);
  loop.exec();
  return answer;
}

TEST(RtmpConnector, AnswersOfARealServer)
{
  QTemporaryDir folder;
  NginxServer server(folder.path(), folder.path());
  ASSERT_TRUE(server.start()) << server.error().toStdString();
  EXPECT_EQ(AnswerOf(server.rtmpBase() + "/vod"), "NetConnection.Connect.Success");
  EXPECT_EQ(AnswerOf(server.rtmpBase() + "/nothing-here"), "NetConnection.Connect.Rejected");
}

TEST(RtmpConnector, NoServerOrNoAddressFails)
{
  EXPECT_EQ(AnswerOf(QString("rtmp://127.0.0.1:%1/vod").arg(NginxServer::UnusedPort())),
            "NetConnection.Connect.Failed");
  EXPECT_EQ(AnswerOf(""), "NetConnection.Connect.Failed");
  EXPECT_EQ(AnswerOf("http://127.0.0.1/vod"), "NetConnection.Connect.Failed");
}

}  // namespace
