#include "movie/classes/CLoadErrorEvent.h"
#include "movie/classes/CLoader.h"
#include "movie/classes/CXMLToArray.h"
#include "movie/classes/LoadedButton.h"
#include "runtime/display/Bitmap.h"

#include "tests/movie/MovieTestSupport.h"
#include "tests/runtime/RuntimeTestSupport.h"
#include "tests/support/NginxServer.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using classes::CLoader;
using classes::CLoadErrorEvent;
using movie_test::EventLog;

const char* const kSkin =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<skin>\n"
    "  <playBtn over=\"play-over.png\" out=\"play-out.png\" width=\"20\"/>\n"
    "  <timeline x=\"5\">first</timeline>\n"
    "  <playBtn over=\"second.png\"/>\n"
    "</skin>\n";

class LoadQueueTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite()
  {
    folder = new QTemporaryDir;
    const QString path = folder->path();
    ASSERT_TRUE(movie_test::WriteImage(path + "/red.png", 4, 3, qRgb(255, 0, 0)));
    ASSERT_TRUE(movie_test::WriteImage(path + "/blue.jpg", 8, 6, qRgb(0, 0, 255)));
    ASSERT_TRUE(movie_test::WriteFile(path + "/skin.xml", kSkin));
    ASSERT_TRUE(movie_test::WriteFile(path + "/movie.swf", movie_test::SwfFile(8, QSizeF(320, 200), 24, 0x336699)));
    server = new NginxServer(path, path);
    ASSERT_TRUE(server->start()) << server->error().toStdString();
  }
  static void TearDownTestSuite()
  {
    delete server;
    delete folder;
  }
  static QString Http(const QString& name) { return server->httpBase() + "/" + name; }

  std::unique_ptr<flash::Player> player = movie_test::MakePlayer();
  static QTemporaryDir* folder;
  static NginxServer* server;
};
QTemporaryDir* LoadQueueTest::folder = nullptr;
NginxServer* LoadQueueTest::server = nullptr;

QVariantMap Post()
{
  return {{"method", "POST"}, {"vars", QVariantMap()}};
}

TEST_F(LoadQueueTest, ARunGivesOneResultPerEntryInQueueOrderAfterStartLoadReturns)
{
  auto queue = std::make_shared<CLoader>(*player);
  EventLog log;
  log.listen(*queue, {CLoader::LOAD_ALL_COMPLETED});
  queue->addToLoad(queue->TYPE_PHP, Http("skin.xml"), Post());
  queue->addToLoad(queue->TYPE_FLASH, Http("red.png"));
  queue->addToLoad(queue->TYPE_FLASH, Http("missing.png"));
  queue->addToLoad(queue->TYPE_IMAGE, Http("blue.jpg"));
  queue->startLoad();
  EXPECT_TRUE(log.seen.isEmpty());
  ASSERT_TRUE(log.waitFor(CLoader::LOAD_ALL_COMPLETED));

  const auto& results = queue->getLoadedData();
  ASSERT_EQ(results.size(), 4u);
  EXPECT_EQ(results[0].type, "php");
  EXPECT_TRUE(results[0].is_loaded);
  EXPECT_EQ(results[0].text(), QString::fromUtf8(kSkin));
  EXPECT_EQ(results[1].type, "flash");
  EXPECT_TRUE(results[1].is_loaded);
  ASSERT_TRUE(std::dynamic_pointer_cast<flash::display::Bitmap>(results[1].content()));
  EXPECT_EQ(results[1].content()->width(), 4);
  EXPECT_EQ(results[1].loader->content(), results[1].content());
  EXPECT_EQ(results[2].type, "flash");
  EXPECT_FALSE(results[2].is_loaded);
  EXPECT_TRUE(results[2].isNull());
  EXPECT_EQ(results[3].type, "image");
  EXPECT_TRUE(results[3].is_loaded);
  EXPECT_EQ(results[3].content()->width(), 8);
  // Each display load has its own loader, so earlier content stays valid.
  EXPECT_NE(results[1].loader, results[3].loader);
  EXPECT_EQ(queue->getLoadedPersent(), 100);

  // A new run drops the old results.
  queue->addToLoad(queue->TYPE_FLASH, Http("red.png"));
  queue->startLoad();
  ASSERT_TRUE(log.waitFor(CLoader::LOAD_ALL_COMPLETED, 2));
  EXPECT_EQ(queue->getLoadedData().size(), 1u);
}

TEST_F(LoadQueueTest, AnEmptyQueueCompletesWithinTheCall)
{
  auto queue = std::make_shared<CLoader>(*player);
  EventLog log;
  log.listen(*queue, {CLoader::LOAD_ALL_COMPLETED});
  queue->startLoad();
  EXPECT_EQ(log.count(CLoader::LOAD_ALL_COMPLETED), 1);
  EXPECT_TRUE(queue->getLoadedData().empty());
  EXPECT_EQ(queue->getLoadedPersent(), 100);
}

TEST_F(LoadQueueTest, StartLoadDuringARunChangesNothingButLaterEntriesJoinTheRun)
{
  auto queue = std::make_shared<CLoader>(*player);
  EventLog log;
  log.listen(*queue, {CLoader::LOAD_ALL_COMPLETED});
  queue->addToLoad(queue->TYPE_FLASH, Http("red.png"));
  queue->startLoad();
  queue->addToLoad(queue->TYPE_FLASH, Http("blue.jpg"));
  queue->startLoad();
  ASSERT_TRUE(log.waitFor(CLoader::LOAD_ALL_COMPLETED));
  movie_test::RunQueuedEvents();
  EXPECT_EQ(log.count(CLoader::LOAD_ALL_COMPLETED), 1);
  ASSERT_EQ(queue->getLoadedData().size(), 2u);
  EXPECT_EQ(queue->getLoadedData()[1].content()->width(), 8);
}

TEST_F(LoadQueueTest, AnUnsupportedTypeStopsTheRunWithoutCompletion)
{
  movie_test::TraceCapture traces;
  QStringList asked;
  flash::Player::Host host;
  host.openResource = [&](const QString& path) -> QIODevice* {
    asked << path;
    return nullptr;
  };
  auto served = movie_test::MakePlayer(host);
  auto queue = std::make_shared<CLoader>(*served);
  EventLog log;
  log.listen(*queue, {CLoader::LOAD_ALL_COMPLETED});
  queue->addToLoad(queue->TYPE_MOVIE, "clip.flv");
  queue->addToLoad(queue->TYPE_FLASH, "red.png");
  queue->startLoad();
  movie_test::RunQueuedEvents();
  movie_test::RunQueuedEvents();
  EXPECT_TRUE(traces.lines.contains("Type not supported"));
  EXPECT_TRUE(log.seen.isEmpty());
  EXPECT_TRUE(asked.isEmpty()) << "no later entry is loaded";
  EXPECT_TRUE(queue->getLoadedData().empty());
}

TEST_F(LoadQueueTest, ProgressCountsTheEntryBeingLoadedAsNotDone)
{
  auto queue = std::shared_ptr<CLoader>();
  QList<double> seen;
  flash::Player::Host host;
  host.openResource = [&](const QString&) -> QIODevice* {
    seen << queue->getLoadedPersent();
    auto* buffer = new QBuffer;
    buffer->setData("text");
    return buffer;
  };
  auto served = movie_test::MakePlayer(host);
  queue = std::make_shared<CLoader>(*served);
  EXPECT_EQ(queue->getLoadedPersent(), 100);
  EventLog log;
  log.listen(*queue, {CLoader::LOAD_ALL_COMPLETED});
  for (int i = 0; i < 4; ++i) {
    queue->addToLoad(queue->TYPE_PHP, QStringLiteral("part%1.txt").arg(i), Post());
  }
  EXPECT_EQ(queue->getLoadedPersent(), 0);
  queue->startLoad();
  ASSERT_TRUE(log.waitFor(CLoader::LOAD_ALL_COMPLETED));
  // While entry k loads, 3 − k are pending: entry 1 gives ceil((4 − 2 − 1) / 4 × 100) = 25.
  EXPECT_EQ(seen, QList<double>({0, 25, 50, 75}));
  EXPECT_EQ(queue->getLoadedPersent(), 100);
}

TEST_F(LoadQueueTest, TextRequestsUseGetOnlyForExactlyGetAndAlwaysSayNoCache)
{
  auto queue = std::make_shared<CLoader>(*player);
  EventLog log;
  log.listen(*queue, {CLoader::LOAD_ALL_COMPLETED});
  const QVariantMap vars{{"id", "7"}, {"name", "a b"}};
  queue->addToLoad(queue->TYPE_PHP, Http("skin.xml"), {{"method", "GET"}, {"vars", vars}});
  queue->addToLoad(queue->TYPE_PHP, Http("skin.xml"), {{"method", "get"}, {"vars", vars}});
  queue->addToLoad(queue->TYPE_PHP, Http("skin.xml"), {{"vars", vars}});
  queue->addToLoad(queue->TYPE_PHP, Http("skin.xml"), {{"method", ""}});
  const int before = static_cast<int>(server->requests().size());
  queue->startLoad();
  ASSERT_TRUE(log.waitFor(CLoader::LOAD_ALL_COMPLETED));
  const QStringList requests = server->requests(before + 4).mid(before);
  const QString form = "type=application/x-www-form-urlencoded";
  EXPECT_EQ(requests, QStringList({
                          "GET /skin.xml?id=7&name=a+b HTTP/1.1|pragma=no-cache|type=-|body=-",
                          "POST /skin.xml HTTP/1.1|pragma=no-cache|" + form + "|body=id=7&name=a+b",
                          "POST /skin.xml HTTP/1.1|pragma=no-cache|" + form + "|body=id=7&name=a+b",
                          "POST /skin.xml HTTP/1.1|pragma=no-cache|" + form + "|body=",
                      }));
  for (const auto& result : queue->getLoadedData()) {
    EXPECT_TRUE(result.is_loaded);
  }
}

struct FailureCase {
  bool text;
  QString url;  // "HTTP/" is replaced by the test server's address
  int code;
  QString trace;
};

TEST_F(LoadQueueTest, WorkersReportEachFailureWithItsCodeAndTraceAfterTheCall)
{
  const QString refused = QStringLiteral("http://127.0.0.1:%1/skin.xml").arg(NginxServer::UnusedPort());
  const FailureCase cases[] = {
      {true, Http("missing.xml"), 1001, "ioErrorHandler: Error #2032: Stream Error. URL: " + Http("missing.xml")},
      {true, refused, 1001, "ioErrorHandler: Error #2032: Stream Error. URL: " + refused},
      {true, "ftp://127.0.0.1/skin.xml",
       1000, "securityErrorHandler: Error #2048: Security sandbox violation: cannot load data from ftp://127.0.0.1/skin.xml."},
      {true, "", 1002, "Unable to load requested document."},
      {false, Http("missing.png"), 1002, "ioErrorHandler: Error #2035: URL Not Found. URL: " + Http("missing.png")},
      {false, "ftp://127.0.0.1/red.png", 1002,
       "Unable to load content:\nError #2148: The movie may not load content from ftp://127.0.0.1/red.png."},
  };
  for (const FailureCase& item : cases) {
    movie_test::TraceCapture traces;
    std::shared_ptr<flash::events::EventDispatcher> worker;
    int code = 0;
    EventLog log;
    if (item.text) {
      auto php = std::make_shared<classes::CLoaderPHP>(*player);
      worker = php;
      log.listen(*php, {CLoader::LOAD_ERROR, CLoader::LOAD_COMPLETED});
      php->addTypedListener<CLoadErrorEvent>(CLoader::LOAD_ERROR, [&](CLoadErrorEvent& event) { code = event.error(); });
      php->load(item.url, {});
    } else {
      auto swf = std::make_shared<classes::CLoaderSWF>(*player);
      worker = swf;
      log.listen(*swf, {CLoader::LOAD_ERROR, CLoader::LOAD_COMPLETED});
      swf->addTypedListener<CLoadErrorEvent>(CLoader::LOAD_ERROR, [&](CLoadErrorEvent& event) { code = event.error(); });
      swf->load(item.url, {});
    }
    EXPECT_TRUE(log.seen.isEmpty()) << item.url.toStdString();
    ASSERT_TRUE(log.waitFor(CLoader::LOAD_ERROR)) << item.url.toStdString();
    movie_test::RunQueuedEvents();
    EXPECT_EQ(log.seen, QStringList({CLoader::LOAD_ERROR})) << item.url.toStdString();
    EXPECT_EQ(code, item.code) << item.url.toStdString();
    EXPECT_TRUE(traces.lines.contains(item.trace)) << traces.lines.join(" | ").toStdString();
  }
}

TEST_F(LoadQueueTest, AMovieLoadTracesItsHeaderFacts)
{
  movie_test::TraceCapture traces;
  auto swf = std::make_shared<classes::CLoaderSWF>(*player);
  EventLog log;
  log.listen(*swf, {CLoader::LOAD_COMPLETED, CLoader::LOAD_ERROR});
  swf->load(Http("movie.swf"), {});
  ASSERT_TRUE(log.waitFor(CLoader::LOAD_COMPLETED));
  EXPECT_EQ(traces.lines, QStringList({" SWF Version: 8", " AS Version: 3", " Frame Rate: 24"}));
  EXPECT_EQ(swf->loaded_object, swf->getLoadedObject()->content());
}

TEST(CXMLToArrayTest, ReadsTheRootsChildrenInThreeForms)
{
  classes::CXMLToArray reader;
  const QVariantMap attributes = reader.getArrayFromXml(kSkin);
  EXPECT_TRUE(reader.isGoodParse());
  EXPECT_EQ(attributes.keys(), QStringList({"playBtn", "timeline"}));
  // The later playBtn wins, whole.
  EXPECT_EQ(attributes.value("playBtn").toMap(), QVariantMap({{"over", "second.png"}}));
  EXPECT_EQ(attributes.value("timeline").toMap(), QVariantMap({{"x", "5"}}));

  const QVariantList texts = reader.getArrayFromXml1(kSkin);
  ASSERT_EQ(texts.size(), 3);
  EXPECT_FALSE(texts[0].isValid());
  EXPECT_EQ(texts[1], "first");
  EXPECT_FALSE(texts[2].isValid());

  const QVariantMap named = reader.getArrayFromXml2("<r><a>one</a><b>two</b><a>three</a></r>");
  EXPECT_EQ(named, QVariantMap({{"a", "three"}, {"b", "two"}}));
}

TEST(CXMLToArrayTest, MalformedTextGivesNothingAndAGoodParseIsNeverForgotten)
{
  classes::CXMLToArray reader;
  for (const char* bad : {"<skin><playBtn></skin>", "", "not xml", "<a/><b/>"}) {
    EXPECT_TRUE(reader.getArrayFromXml(bad).isEmpty()) << bad;
    EXPECT_TRUE(reader.getArrayFromXml1(bad).isEmpty()) << bad;
    EXPECT_FALSE(reader.isGoodParse()) << bad;
  }
  reader.getArrayFromXml("<skin/>");
  EXPECT_TRUE(reader.isGoodParse());
  EXPECT_TRUE(reader.getArrayFromXml("<skin>").isEmpty());
  EXPECT_TRUE(reader.isGoodParse());
}

QString ColourAt(const flash::display::DisplayObject& state, int x, int y)
{
  return runtime_test::Hex(runtime_test::Render(state, 60, 40).pixel(x, y));
}

TEST_F(LoadQueueTest, LoadedButtonShowsAPlaceholderUntilBothImagesAreIn)
{
  auto button = std::make_shared<classes::LoadedButton>(*player, Http("red.png"), Http("blue.jpg"));
  EventLog log;
  log.listen(*button, {classes::LoadedButton::ON_BUTTON_LOAD});
  EXPECT_TRUE(button->useHandCursor());
  ASSERT_TRUE(button->upState());
  EXPECT_EQ(button->upState(), button->hitTestState());
  EXPECT_EQ(button->overState(), button->downState());
  EXPECT_DOUBLE_EQ(button->upState()->width(), 50);
  EXPECT_DOUBLE_EQ(button->upState()->height(), 30);
  EXPECT_EQ(ColourAt(*button->upState(), 25, 15), "ffffff");
  EXPECT_EQ(ColourAt(*button->overState(), 25, 15), "ff0000");

  ASSERT_TRUE(log.waitFor(classes::LoadedButton::ON_BUTTON_LOAD));
  EXPECT_EQ(button->upState(), button->hitTestState());
  EXPECT_EQ(button->overState(), button->downState());
  EXPECT_DOUBLE_EQ(button->upState()->width(), 4);
  EXPECT_EQ(ColourAt(*button->upState(), 1, 1), "ff0000");
  EXPECT_DOUBLE_EQ(button->overState()->width(), 8);
  EXPECT_EQ(ColourAt(*button->overState(), 2, 2).left(2), "00");
  EXPECT_TRUE(button->hitsShape(QPointF(2, 2)));
  EXPECT_FALSE(button->hitsShape(QPointF(6, 2)));
}

TEST_F(LoadQueueTest, LoadedButtonWithAFailedImageKeepsItsPlaceholderAndNeverReportsLoaded)
{
  auto button = std::make_shared<classes::LoadedButton>(*player, Http("red.png"), Http("missing.png"));
  EventLog log;
  log.listen(*button, {classes::LoadedButton::ON_BUTTON_LOAD});
  log.listen(*button->loader, {CLoader::LOAD_ALL_COMPLETED});
  ASSERT_TRUE(log.waitFor(CLoader::LOAD_ALL_COMPLETED));
  movie_test::RunQueuedEvents();
  EXPECT_EQ(log.count(classes::LoadedButton::ON_BUTTON_LOAD), 0);
  EXPECT_DOUBLE_EQ(button->upState()->width(), 50);
  EXPECT_EQ(ColourAt(*button->upState(), 25, 15), "ffffff");
  EXPECT_EQ(ColourAt(*button->overState(), 25, 15), "ff0000");
}

}  // namespace
