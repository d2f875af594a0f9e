#include "player/ConversionHandoff.h"

#include "player/MainForm.h"
#include "tests/player/PlayerTestSupport.h"
#include "player/SettingsForm.h"
#include "player/SettingsStore.h"
#include "shared/CommandLine.h"
#include "tests/support/TestEnvironment.h"

#include <QComboBox>
#include <QEventLoop>
#include <QFile>
#include <QFileSystemWatcher>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// The converter's place is taken by a small program that writes the arguments it received to a file.
class HandoffTest : public ::testing::Test {
 protected:
  void SetUp() override
  {
    ResetProgramState();
    recordFolder = home.path() + "/records";
    QDir().mkpath(recordFolder);
  }

  // Starts the recorder the way the player starts the converter and returns what it received.
  QStringList LaunchAndRecord(const QString& converterArguments, const QString& recordName = "args.txt")
  {
    const QString record = recordFolder + "/" + recordName;
    const QString commandLine = "\"" + TestHelperPath("test_child") + "\" \"args\" \"" + record + "\" " +
                                converterArguments;
    EXPECT_TRUE(LaunchProgram(commandLine));
    return WaitForRecord(record);
  }

  QStringList WaitForRecord(const QString& record)
  {
    QFileSystemWatcher watcher({recordFolder});
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&watcher, &QFileSystemWatcher::directoryChanged, &loop, [&] { loop.quit(); });
    guard.start(10000);
    while (!RecordComplete(record) && guard.isActive()) {
      loop.exec();
    }
    return ReadRecord(record);
  }

  static bool RecordComplete(const QString& record) { return QFile::exists(record + ".done"); }

  static QStringList ReadRecord(const QString& record)
  {
    QFile file(record);
    if (!file.open(QIODevice::ReadOnly)) {
      return {"<no record>"};
    }
    QStringList arguments;
    for (const QByteArray& line : file.readAll().split('\n')) {
      if (!line.isEmpty()) {
        arguments << QString::fromUtf8(line.mid(line.indexOf(':') + 1));
      }
    }
    return arguments;
  }

  ScopedTestHome home;
  QString recordFolder;
};

TEST_F(HandoffTest, CommandLineOfTheFirstRunDefaults)
{
  ConverterPath = "/opt/Kavo FLV Player/Bin/kavomp3converter";
  OutputDirectorySetting = "/home/u/Documents";
  Mp3QualitySetting = "192k";
  OpenMp3FolderSetting = "true";
  EXPECT_EQ(BuildConverterCommandLine("/v/my clip.flv"),
            R"("/opt/Kavo FLV Player/Bin/kavomp3converter" "/v/my clip.flv" "/home/u/Documents" "192k" "true")");
}

TEST_F(HandoffTest, EmptySettingsArriveAsEmptyArgumentsInTheirPlaces)
{
  ConverterPath = "/c";
  const QString line = BuildConverterCommandLine("/v/clip.flv");
  EXPECT_EQ(line, R"("/c" "/v/clip.flv" "" "" "")");
  const QString arguments = line.mid(line.indexOf(' ') + 1);
  EXPECT_EQ(LaunchAndRecord(arguments), QStringList({"/v/clip.flv", "", "", ""}));
}

TEST_F(HandoffTest, FolderEndingInASlashAndStrangeNamesArriveUnchanged)
{
  ConverterPath = "/c";
  OutputDirectorySetting = "/";
  Mp3QualitySetting = "256k";
  OpenMp3FolderSetting = "false";
  const QString video = QStringLiteral("/v/it's 100% naïve, & fun;$HOME.flv");
  const QString line = BuildConverterCommandLine(video);
  EXPECT_EQ(LaunchAndRecord(line.mid(line.indexOf(' ') + 1)), QStringList({video, "/", "256k", "false"}));
}

TEST_F(HandoffTest, MissingConverterIsPassedOverSilently)
{
  EXPECT_FALSE(LaunchProgram(R"("/nonexistent/kavomp3converter" "/v/clip.flv" "/o" "192k" "true")"));
  EXPECT_FALSE(LaunchProgram(""));
}

TEST_F(HandoffTest, ConvertClickStartsOneConverterPerClickWithTheSavedSettings)
{
  TMainForm form;
  TSettingsForm settings(&form);
  form.setDialogs(&settings, nullptr);
  // The "converter" is a script that records its arguments and the number of its start.
  const QString script = home.path() + "/converter.sh";
  {
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QString("#!/bin/sh\nn=$(ls \"%1\" | grep -c '^run[0-9]*$')\nout=\"%1/run$n\"\n"
                       "for a in \"$@\"; do printf '%s:%s\\n' \"${#a}\" \"$a\" >> \"$out\"; done\n"
                       ": > \"$out.done\"\n")
                   .arg(recordFolder)
                   .toUtf8());
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
  }
  ConverterPath = script;
  form.setCurrentFile("/v/clip.flv");

  settings.FormActivate();
  settings.MP3Quality_Settings->setCurrentIndex(0);
  settings.SaveSettingsClick();
  form.ConvertClick();
  const QStringList first = WaitForRecord(recordFolder + "/run0");

  settings.FormActivate();
  settings.MP3Quality_Settings->setCurrentIndex(2);  // changed, not saved
  settings.CancelClick();
  form.ConvertClick();
  const QStringList second = WaitForRecord(recordFolder + "/run1");

  const QString documents = home.documentsFolder();
  EXPECT_EQ(first, QStringList({"/v/clip.flv", documents, "128k", "true"}));
  EXPECT_EQ(second, QStringList({"/v/clip.flv", documents, "128k", "true"}));
}

}  // namespace
