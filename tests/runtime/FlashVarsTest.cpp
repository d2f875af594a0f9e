#include "runtime/FlashVars.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct FlashVarsCase {
  const char* text;
  QMap<QString, QString> parameters;
};

void PrintTo(const FlashVarsCase& c, std::ostream* out)
{
  *out << '"' << c.text << '"';
}

class RuntimeFlashVars : public ::testing::TestWithParam<FlashVarsCase> {};

}  // namespace

TEST_P(RuntimeFlashVars, ParsesPairs)
{
  EXPECT_EQ(flash::parseFlashVars(QString::fromUtf8(GetParam().text)), GetParam().parameters);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RuntimeFlashVars,
    ::testing::Values(
        FlashVarsCase{"type_video=flv&url=/home/a/clip.flv&auto_play=true",
                      {{"type_video", "flv"}, {"url", "/home/a/clip.flv"}, {"auto_play", "true"}}},
        FlashVarsCase{"url=/v/Tom%26Jerry%25.flv", {{"url", "/v/Tom&Jerry%.flv"}}},
        FlashVarsCase{"url=/v/C++ and 1+1.flv", {{"url", "/v/C++ and 1+1.flv"}}},
        FlashVarsCase{"q=a=b=c", {{"q", "a=b=c"}}},
        FlashVarsCase{"empty=&missing&=nameless", {{"empty", ""}, {"missing", ""}, {"", "nameless"}}},
        FlashVarsCase{"&&a=1&&", {{"a", "1"}}},
        FlashVarsCase{"", {}},
        FlashVarsCase{"name=%C3%A9t%C3%A9%20x", {{"name", "été x"}}},
        FlashVarsCase{"bad=%zz%4", {{"bad", "%zz%4"}}},
        FlashVarsCase{"a=1&a=2", {{"a", "2"}}}));
