#include "player/SettingsStore.h"

#include "shared/ErrorReport.h"
#include "tests/support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

QString ErrorOf(const std::function<void()>& body)
{
  try {
    body();
  } catch (const ApplicationError& error) {
    return error.message();
  }
  return {};
}

void WriteFile(const QString& path, const QByteArray& content)
{
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(content);
}

QByteArray ReadFile(const QString& path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SettingsStore, KeyPathIsTheTwentyFiveCharacterRegistryPath)
{
  EXPECT_EQ(SettingsKeyPath.size(), 25);
  EXPECT_EQ(SettingsKeyPath, QStringLiteral("Software") + "\\\\" + "Kavo FLV Player");
}

TEST(SettingsStore, FileLivesInTheXdgConfigFolder)
{
  ScopedTestHome home;
  EXPECT_EQ(SettingsFilePath(), home.configFolder() + "/kavoflvplayer.ini");
}

TEST(SettingsStore, MissingKeyAndMissingValueReadAsEmptyText)
{
  ScopedTestHome home;
  EXPECT_FALSE(SettingsKeyExists(SettingsKeyPath));
  EXPECT_EQ(ReadSetting(SettingsKeyPath, Mp3QualityValue), "");
  CreateSettingsKey(SettingsKeyPath);
  EXPECT_TRUE(SettingsKeyExists(SettingsKeyPath));
  EXPECT_EQ(ReadSetting(SettingsKeyPath, Mp3QualityValue), "");
  EXPECT_FALSE(SettingsKeyExists("Software\\\\Other"));
}

TEST(SettingsStore, TextsComeBackUnchanged)
{
  ScopedTestHome home;
  CreateSettingsKey(SettingsKeyPath);
  const QString texts[] = {"",
                           "/home/u/Music/",
                           "a, b",
                           "  leading and trailing  ",
                           "x=y;z # not a comment",
                           R"("quoted" and 'single')",
                           "@Variant(not really)",
                           QStringLiteral("naïve/日本/100% & more"),
                           "C:\\Music\\"};
  for (const QString& text : texts) {
    WriteSetting(SettingsKeyPath, DefaultOutputDirectoryValue, text);
    EXPECT_EQ(ReadSetting(SettingsKeyPath, DefaultOutputDirectoryValue), text) << text.toStdString();
  }
}

TEST(SettingsStore, OnlyTheFourValueNamesAreWritten)
{
  ScopedTestHome home;
  CreateSettingsKey(SettingsKeyPath);
  WriteSetting(SettingsKeyPath, "Something Else", "x");
  WriteSetting(SettingsKeyPath, "mp3 quality", "x");
  EXPECT_EQ(ReadSetting(SettingsKeyPath, "Something Else"), "");
  EXPECT_EQ(ReadSetting(SettingsKeyPath, "mp3 quality"), "");
}

TEST(SettingsStore, WriteWithTheKeyGoneFailsWithTheValueName)
{
  ScopedTestHome home;
  EXPECT_EQ(ErrorOf([] { WriteSetting(SettingsKeyPath, DefaultOutputDirectoryValue, "/x"); }),
            "Failed to set data for 'Default Output Directory'");
  CreateSettingsKey(SettingsKeyPath);
  WriteSetting(SettingsKeyPath, Mp3QualityValue, "192k");
  ASSERT_TRUE(QFile::remove(SettingsFilePath()));
  EXPECT_EQ(ErrorOf([] { WriteSetting(SettingsKeyPath, Mp3QualityValue, "256k"); }),
            "Failed to set data for 'MP3 Quality'");
  EXPECT_FALSE(QFile::exists(SettingsFilePath()));
}

TEST(SettingsStore, KeyThatCannotBeCreatedFailsWithThePath)
{
  ScopedTestHome home;
  // The config folder is a file: nothing can be created inside it.
  ASSERT_TRUE(QDir(home.configFolder()).removeRecursively());
  WriteFile(home.configFolder(), "not a folder");
  EXPECT_EQ(ErrorOf([] { CreateSettingsKey(SettingsKeyPath); }), "Failed to create key " + SettingsKeyPath);
}

TEST(SettingsStore, ValueThatIsNotATextIsAnInvalidDataType)
{
  ScopedTestHome home;
  CreateSettingsKey(SettingsKeyPath);
  WriteSetting(SettingsKeyPath, Mp3QualityValue, "192k");
  WriteSetting(SettingsKeyPath, OpenMp3FolderValue, "true");
  // Edited by hand: an unquoted list and a number-typed variant.
  QByteArray content = ReadFile(SettingsFilePath());
  content.replace("MP3%20Quality=192k", "MP3%20Quality=192k, 256k");
  content.replace("Open%20MP3%20Folder=true", "Open%20MP3%20Folder=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x1)");
  WriteFile(SettingsFilePath(), content);
  EXPECT_EQ(ErrorOf([] { ReadSetting(SettingsKeyPath, Mp3QualityValue); }), "Invalid data type for 'MP3 Quality'");
  EXPECT_EQ(ErrorOf([] { ReadSetting(SettingsKeyPath, OpenMp3FolderValue); }),
            "Invalid data type for 'Open MP3 Folder'");
}

TEST(SettingsStore, UnreadableFileIsKeptAsideAndANewOneCanBeStarted)
{
  ScopedTestHome home;
  const QByteArray garbage("[Software%5C%5CKavo%20FLV%20Player\nno equals sign here\n\xff\xfe\n");
  WriteFile(SettingsFilePath(), garbage);
  const auto notice = SetAsideUnreadableSettingsFile();
  ASSERT_TRUE(notice.has_value());
  EXPECT_TRUE(notice->contains("could not be read")) << notice->toStdString();
  const QStringList kept = QDir(home.configFolder()).entryList({"kavoflvplayer.ini.unreadable-*"}, QDir::Files);
  ASSERT_EQ(kept.size(), 1);
  EXPECT_EQ(ReadFile(home.configFolder() + "/" + kept.first()), garbage);
  EXPECT_TRUE(notice->contains(kept.first()));

  CreateSettingsKey(SettingsKeyPath);
  WriteSetting(SettingsKeyPath, Mp3QualityValue, "128k");
  EXPECT_EQ(ReadSetting(SettingsKeyPath, Mp3QualityValue), "128k");
  EXPECT_FALSE(SetAsideUnreadableSettingsFile().has_value());
}

TEST(SettingsStore, FileThatCannotBeOpenedIsKeptAside)
{
  ScopedTestHome home;
  // A folder in the file's place cannot be opened as a file, even by root.
  QDir().mkpath(SettingsFilePath());
  const auto notice = SetAsideUnreadableSettingsFile();
  ASSERT_TRUE(notice.has_value());
  EXPECT_FALSE(QFileInfo::exists(SettingsFilePath()));
}

TEST(SettingsStore, TwoProgramsWritingAtOnceLoseNothing)
{
  ScopedTestHome home;
  CreateSettingsKey(SettingsKeyPath);
  QProcess first;
  QProcess second;
  first.start(TestHelperPath("settings_writer"), {LastOpenDirectoryValue, "/first/", "60"});
  second.start(TestHelperPath("settings_writer"), {DefaultOutputDirectoryValue, "/second/", "60"});
  ASSERT_TRUE(first.waitForFinished(60000));
  ASSERT_TRUE(second.waitForFinished(60000));
  EXPECT_EQ(first.exitCode(), 0);
  EXPECT_EQ(second.exitCode(), 0);
  // A fresh path on the same file: the values as another program would read them.
  QSettings fresh(SettingsFilePath(), QSettings::IniFormat);
  EXPECT_EQ(fresh.value(SettingsKeyPath + "/" + LastOpenDirectoryValue).toString(), "/first/59");
  EXPECT_EQ(fresh.value(SettingsKeyPath + "/" + DefaultOutputDirectoryValue).toString(), "/second/59");
}

}  // namespace
