#include "shared/SpecialFolders.h"

#include "tests/support/TestEnvironment.h"

#include <gtest/gtest.h>

namespace {

TEST(SpecialFolders, ProgramFilesComesFromTheOverrideWithoutFinalSlash)
{
  const QByteArray old = qgetenv(kProgramRootVariable);
  qputenv(kProgramRootVariable, "/opt/apps/");
  EXPECT_EQ(GetSpecialFolderPath(kFolderProgramFiles), "/opt/apps");
  EXPECT_EQ(ToolPathInBin("ffmpeg"), "/opt/apps/Kavo FLV Player/Bin/ffmpeg");
  qputenv(kProgramRootVariable, old);
}

TEST(SpecialFolders, DocumentsIsTheUsersDocumentsFolder)
{
  ScopedTestHome home;
  EXPECT_EQ(GetSpecialFolderPath(kFolderMyDocuments), home.documentsFolder());
}

TEST(SpecialFolders, UnknownNumberGivesEmptyText)
{
  EXPECT_EQ(GetSpecialFolderPath(26), QString());
}

}  // namespace
