#include "shared/CommandLine.h"
#include "shared/Quoting.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
  const char* name;
  QString commandLine;
  QStringList items;
};

class SplitCommandLineTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommandLineTest, ReadsItems)
{
  EXPECT_EQ(SplitCommandLine(GetParam().commandLine), GetParam().items) << GetParam().name;
}

const SplitCase kSplitCases[] = {
    {"player's converter line", R"("/opt/Kavo FLV Player/Bin/kavomp3converter" "/v/my clip.flv" "/home/u/Music" "192k" "true")",
     {"/opt/Kavo FLV Player/Bin/kavomp3converter", "/v/my clip.flv", "/home/u/Music", "192k", "true"}},
    {"ffmpeg line", R"("/p/ffmpeg" -y -i "/v/clip.flv" -acodec libmp3lame -ab 192k -ss 15 "/m/clip.mp3")",
     {"/p/ffmpeg", "-y", "-i", "/v/clip.flv", "-acodec", "libmp3lame", "-ab", "192k", "-ss", "15", "/m/clip.mp3"}},
    {"backslash before closing quote stays", R"("C:\" "next")", {R"(C:\)", "next"}},
    {"root folder with slash", R"("/" "x")", {"/", "x"}},
    {"quoted and unquoted touching", R"(ab"c d"e)", {"abc de"}},
    {"quotes in the middle of an item", R"(x""y)", {"xy"}},
    {"tabs, newlines and control characters separate", QStringLiteral("a\tb\nc\x01" "d"), {"a", "b", "c", "d"}},
    {"runs of blanks", "  a   b  ", {"a", "b"}},
    {"empty quoted item kept in its place", R"("a" "" "b")", {"a", "", "b"}},
    {"only an empty quoted item", R"("")", {""}},
    {"empty items at the end", R"("a" "" "")", {"a", "", ""}},
    {"nothing", "", {}},
    {"blanks only", "   ", {}},
    {"unterminated quote runs to the end", R"("open stretch   here)", {"open stretch   here"}},
    {"non-ASCII and specials", R"("/v/naïve & 100% 'x'.flv" a=b)", {"/v/naïve & 100% 'x'.flv", "a=b"}},
    {"doubled slash survives", R"("/m//clip.mp3")", {"/m//clip.mp3"}},
};

INSTANTIATE_TEST_SUITE_P(Table, SplitCommandLineTest, ::testing::ValuesIn(kSplitCases));

TEST(QuoteArgument, WrapsWithoutEscaping)
{
  EXPECT_EQ(QuoteArgument(""), R"("")");
  EXPECT_EQ(QuoteArgument("my clip.flv"), R"("my clip.flv")");
  EXPECT_EQ(QuoteArgument(R"(C:\)"), R"("C:\")");
  EXPECT_EQ(QuoteArgument(R"(a"b)"), R"("a"b")");
}

TEST(QuoteArgument, QuotedItemsJoinedByBlanksSplitBackToThemselves)
{
  const QStringList items{"/opt/Kavo FLV Player/Bin/x", "", "/music/", "sp ace", "", "true"};
  QStringList quoted;
  for (const QString& item : items) {
    quoted << QuoteArgument(item);
  }
  EXPECT_EQ(SplitCommandLine(quoted.join(' ')), items);
}

}  // namespace
