#include "movie/classes/VersionDetect.h"
#include "runtime/text/TextField.h"
#include "tests/runtime/RuntimeTestSupport.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include <gtest/gtest.h>

using classes::VersionDetect;

namespace {

struct VersionCase {
  const char* version;
  bool passes;
};

void PrintTo(const VersionCase& c, std::ostream* out)
{
  *out << '"' << c.version << '"';
}

class RuntimeVersionCheck : public ::testing::TestWithParam<VersionCase> {};

}  // namespace

TEST_P(RuntimeVersionCheck, ComparesMajorMinorAndRevisionOneByOne)
{
  EXPECT_EQ(VersionDetect::checkVersionText(QString::fromLatin1(GetParam().version)), GetParam().passes);
}

INSTANTIATE_TEST_SUITE_P(Table, RuntimeVersionCheck,
                         ::testing::Values(VersionCase{"LNX 8,0,24,0", false}, VersionCase{"WIN 8,9,9,9", false},
                                           VersionCase{"LNX 9,0,0,0", true}, VersionCase{"LNX 9,0,124,0", true},
                                           VersionCase{"MAC 10,1,53,64", true}, VersionCase{"LNX x,0,0,0", true},
                                           VersionCase{"LNX 9,-1,0,0", false}, VersionCase{"LNX 9,0,-2,0", false},
                                           VersionCase{"LNX 9,a,b,0", true}, VersionCase{"LNX  8 ,0,0,0", false}));

TEST(RuntimeVersionDetect, ThisRuntimePassesItsOwnCheck)
{
  auto stage = runtime_test::MakeStage(408, 380);
  EXPECT_TRUE(VersionDetect(*stage).checkVersion());
}

namespace {

QStringList FieldTexts(const flash::display::DisplayObjectContainer& container)
{
  QStringList texts;
  for (const auto& child : container.children()) {
    if (auto* field = dynamic_cast<flash::text::TextField*>(child.get())) {
      texts << field->text();
    } else if (auto* inner = dynamic_cast<flash::display::DisplayObjectContainer*>(child.get())) {
      texts << FieldTexts(*inner);
    }
  }
  return texts;
}

// Takes the desktop's requests to open https addresses while it lives.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open"); }
  ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
  QList<QUrl> opened;

 public slots:
  void open(const QUrl& url) { opened << url; }
};

}  // namespace

TEST(RuntimeVersionDetect, TheNoticeIsLaidOutFromTheStageSizeAtConstruction)
{
  auto stage = runtime_test::MakeStage(408, 380);
  stage->setScaleMode(flash::display::StageScaleMode::NO_SCALE);
  stage->setViewSize(QSize(408, 380));
  auto notice = stage->addChild(std::make_shared<VersionDetect>(*stage));
  ASSERT_EQ(notice->numChildren(), 3);
  EXPECT_EQ(notice->getChildAt(0), notice->sp);
  EXPECT_EQ(notice->sp->getBounds(stage.get()), QRectF(0, 0, 408, 380));
  const auto message = notice->getChildAt(1);
  const auto link = notice->getChildAt(2);
  EXPECT_EQ(QPointF(message->x(), message->y()), QPointF(79, 120));
  EXPECT_EQ(QSizeF(message->width(), message->height()), QSizeF(250, 100));
  EXPECT_EQ(QPointF(link->x(), link->y()), QPointF(79, 160));
  EXPECT_EQ(FieldTexts(*notice), (QStringList{"You have old version Flash player.\nPlease install new version", "Install"}));

  stage->setViewSize(QSize(800, 600));
  EXPECT_EQ(QPointF(message->x(), message->y()), QPointF(79, 120));

  const QImage image = runtime_test::Render(*stage, 408, 380);
  EXPECT_EQ(runtime_test::Hex(image.pixel(5, 5)), "ff0000");
  bool blue = false;
  bool black = false;
  for (int y = 160; y < 190; ++y) {
    for (int x = 79; x < 329; ++x) {
      blue = blue || runtime_test::Hex(image.pixel(x, y)) == "0000ff";
    }
  }
  for (int y = 120; y < 160; ++y) {
    for (int x = 79; x < 329; ++x) {
      black = black || runtime_test::Hex(image.pixel(x, y)) == "000000";
    }
  }
  EXPECT_TRUE(blue) << "the Install link is drawn in blue";
  EXPECT_TRUE(black) << "the message is drawn in black";
}

TEST(RuntimeVersionDetect, ClickingTheLinkOpensTheDownloadPage)
{
  auto stage = runtime_test::MakeStage(408, 380);
  stage->addChild(std::make_shared<VersionDetect>(*stage));
  UrlCatcher catcher;
  stage->mouseInput().press(QPointF(204, 170));
  stage->mouseInput().release(QPointF(204, 170));
  EXPECT_EQ(catcher.opened, QList<QUrl>{VersionDetect::downloadPage()});
  stage->mouseInput().press(QPointF(10, 10));
  stage->mouseInput().release(QPointF(10, 10));
  EXPECT_EQ(catcher.opened.size(), 1);
}

#include "VersionDetectTest.moc"
