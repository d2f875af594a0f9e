#include "converter/ConverterForm.h"
#include "converter/FileManager.h"

#include "tests/support/Media.h"
#include "tests/support/TestEnvironment.h"

#include <QDBusConnection>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

// Stands in for the desktop's file manager on a private session bus and records what it is asked.
class FileManagerStandIn : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
 public:
  QStringList shown;
 public slots:
  void ShowItems(const QStringList& uris, const QString&) { shown << uris; }
};

// Receives what would be opened through the desktop.
class DesktopRecorder : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void open(const QUrl& url) { opened << url; }
};

namespace {

class FileManagerTest : public ::testing::Test {
 protected:
  void SetUp() override
  {
    // A private session bus for this test process only.
    bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
    ASSERT_TRUE(bus.waitForReadyRead(10000));
    address = QString::fromUtf8(bus.readLine()).trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address.toUtf8());
    QDesktopServices::setUrlHandler("file", &desktop, "open");
  }

  void TearDown() override
  {
    QDesktopServices::unsetUrlHandler("file");
    bus.kill();
    bus.waitForFinished();
  }

  void OfferStandIn()
  {
    QDBusConnection connection = QDBusConnection::connectToBus(address, "standin");
    ASSERT_TRUE(connection.registerObject("/org/freedesktop/FileManager1", &standIn, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(connection.registerService("org.freedesktop.FileManager1"));
  }

  // Runs the event loop until `done` says the awaited moment came (or ten seconds have passed).
  struct Awaited {
    QEventLoop loop;
    bool happened = false;
    void done()
    {
      happened = true;
      loop.quit();
    }
    void wait()
    {
      if (!happened) {
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
      }
    }
  };

  ScopedTestHome home;
  QProcess bus;
  QString address;
  FileManagerStandIn standIn;
  DesktopRecorder desktop;
};

TEST_F(FileManagerTest, AskTheFileManagerToSelectTheFile)
{
  OfferStandIn();
  Awaited shown;
  converter::ShowInFileManager("/music//my clip.mp3", [&] { shown.done(); });
  shown.wait();
  ASSERT_TRUE(shown.happened);
  EXPECT_EQ(standIn.shown, QStringList({"file:///music/my clip.mp3"}));
  EXPECT_TRUE(desktop.opened.isEmpty());
}

TEST_F(FileManagerTest, WithoutAFileManagerTheFolderOpensThroughTheDesktop)
{
  Awaited handedOver;
  converter::ShowInFileManager("/music/my clip.mp3", [&] { handedOver.done(); });
  handedOver.wait();
  ASSERT_TRUE(handedOver.happened);
  EXPECT_EQ(desktop.opened, QList<QUrl>({QUrl::fromLocalFile("/music")}));
}

TEST_F(FileManagerTest, ConverterShowsTheNewFileOnlyForExactlyTrue)
{
  OfferStandIn();
  const QString video = home.path() + "/clip.flv";
  ASSERT_TRUE(MakeMedia(MediaKind::FlvWithMp3, video, 1));
  for (const QString flag : {"True", "true"}) {
    QFile::remove(home.path() + "/clip.mp3");
    converter::TMainForm form({video, home.path(), "128k", flag});
    Awaited ended;
    QObject::connect(&form, &converter::TMainForm::programEnded, [&](converter::RunOutcome outcome) {
      EXPECT_EQ(outcome, converter::RunOutcome::Created);
      ended.done();
    });
    WhenModalOpens([](QWidget* modal) { qobject_cast<QMessageBox*>(modal)->accept(); });
    form.Start->click();
    ended.wait();
    EXPECT_TRUE(ended.happened);
  }
  EXPECT_EQ(standIn.shown, QStringList({QUrl::fromLocalFile(home.path() + "/clip.mp3").toString()}));
  EXPECT_TRUE(desktop.opened.isEmpty());
}

}  // namespace

#include "FileManagerTest.moc"
