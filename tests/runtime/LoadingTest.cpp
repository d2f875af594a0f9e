#include "runtime/Errors.h"
#include "runtime/display/Bitmap.h"
#include "runtime/display/Loader.h"
#include "runtime/display/MovieClip.h"
#include "runtime/events/ErrorEvent.h"
#include "runtime/events/ProgressEvent.h"
#include "runtime/net/URLLoader.h"
#include "runtime/xml/XMLDocument.h"

#include "tests/movie/MovieTestSupport.h"
#include "tests/runtime/RuntimeTestSupport.h"
#include "tests/support/NginxServer.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

using flash::display::Loader;
using flash::events::ErrorEvent;
using flash::events::Event;
using flash::events::IOErrorEvent;
using flash::events::ProgressEvent;
using flash::events::SecurityErrorEvent;
using flash::net::URLLoader;
using flash::net::URLRequest;
using movie_test::EventLog;

const QStringList kLoadEvents = {Event::COMPLETE, IOErrorEvent::IO_ERROR, SecurityErrorEvent::SECURITY_ERROR};

class LoadingTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite()
  {
    folder = new QTemporaryDir;
    const QString path = folder->path();
    ASSERT_TRUE(movie_test::WriteImage(path + "/red.png", 4, 3, qRgb(255, 0, 0)));
    ASSERT_TRUE(movie_test::WriteImage(path + "/blue.jpg", 8, 6, qRgb(0, 0, 255)));
    ASSERT_TRUE(movie_test::RunFfmpeg({"-i", path + "/red.png", path + "/red.gif"}));
    ASSERT_TRUE(movie_test::RunFfmpeg({"-f", "lavfi", "-i", "testsrc=size=32x24:rate=5", "-t", "0.6", path + "/anim.gif"}));
    ASSERT_TRUE(movie_test::RunFfmpeg(
        {"-f", "lavfi", "-i", "testsrc=size=32x24:rate=5", "-t", "0.6", "-c:v", "libwebp_anim", "-loop", "0",
         path + "/anim.webp"}));
    ASSERT_TRUE(movie_test::WriteFile(path + "/movie.swf", movie_test::SwfFile(8, QSizeF(320, 200), 24, 0x336699)));
    ASSERT_TRUE(movie_test::WriteFile(path + "/junk.bin", QByteArray("not a picture at all")));
    ASSERT_TRUE(movie_test::WriteFile(path + "/page.txt", QString::fromUtf8("größe").toUtf8()));
    ASSERT_TRUE(movie_test::WriteFile(path + "/big.bin", QByteArray(3 * 1024 * 1024, 'x')));
    server = new NginxServer(path, path);
    ASSERT_TRUE(server->start()) << server->error().toStdString();
  }
  static void TearDownTestSuite()
  {
    delete server;
    delete folder;
  }

  std::shared_ptr<Loader> LoadDisplay(flash::Player& player, const QString& url, EventLog& log)
  {
    auto loader = std::make_shared<Loader>(player);
    log.listen(*loader->contentLoaderInfo(), kLoadEvents);
    loader->load(URLRequest(url));
    EXPECT_TRUE(log.seen.isEmpty()) << "an outcome arrived during the load call";
    return loader;
  }

  static QString Http(const QString& name) { return server->httpBase() + "/" + name; }

  static QTemporaryDir* folder;
  static NginxServer* server;
};
QTemporaryDir* LoadingTest::folder = nullptr;
NginxServer* LoadingTest::server = nullptr;

struct ContentCase {
  const char* file;
  const char* contentType;
  bool animated;
  int width;
  int height;
};
void PrintTo(const ContentCase& item, std::ostream* out)
{
  *out << item.file;
}

class LoadedContentTest : public LoadingTest, public ::testing::WithParamInterface<ContentCase> {};

TEST_P(LoadedContentTest, PicturesAndAnimationsBecomeBitmapsAndClips)
{
  const ContentCase& item = GetParam();
  auto player = movie_test::MakePlayer();
  EventLog log;
  auto loader = LoadDisplay(*player, Http(item.file), log);
  ASSERT_TRUE(log.waitFor(Event::COMPLETE)) << log.seen.join(",").toStdString();
  const auto& info = *loader->contentLoaderInfo();
  EXPECT_EQ(info.contentType(), item.contentType);
  EXPECT_EQ(info.width(), item.width);
  EXPECT_EQ(info.height(), item.height);
  EXPECT_EQ(loader->getChildAt(0), loader->content());
  if (item.animated) {
    auto clip = std::dynamic_pointer_cast<flash::display::MovieClip>(loader->content());
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->totalFrames(), 3);
    EXPECT_TRUE(clip->isPlaying());
    const QImage first = runtime_test::Render(*clip, 32, 24);
    clip->advanceFrame();
    EXPECT_NE(runtime_test::Render(*clip, 32, 24), first) << "the second frame shows another picture";
  } else {
    auto bitmap = std::dynamic_pointer_cast<flash::display::Bitmap>(loader->content());
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->width(), item.width);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, LoadedContentTest,
                         ::testing::Values(ContentCase{"red.png", "image/png", false, 4, 3},
                                           ContentCase{"blue.jpg", "image/jpeg", false, 8, 6},
                                           ContentCase{"red.gif", "image/gif", false, 4, 3},
                                           ContentCase{"anim.gif", "image/gif", true, 32, 24},
                                           ContentCase{"anim.webp", "image/webp", true, 32, 24}));

TEST_F(LoadingTest, AMovieFileShowsItsStageInItsBackgroundColourWithItsHeaderFacts)
{
  auto player = movie_test::MakePlayer();
  EventLog log;
  auto loader = LoadDisplay(*player, Http("movie.swf"), log);
  ASSERT_TRUE(log.waitFor(Event::COMPLETE));
  const auto& info = *loader->contentLoaderInfo();
  EXPECT_EQ(info.contentType(), "application/x-shockwave-flash");
  EXPECT_EQ(info.swfVersion(), 8);
  EXPECT_EQ(info.actionScriptVersion(), 3);
  EXPECT_DOUBLE_EQ(info.frameRate(), 24);
  EXPECT_DOUBLE_EQ(loader->content()->width(), 320);
  EXPECT_DOUBLE_EQ(loader->content()->height(), 200);
  const QImage picture = runtime_test::Render(*loader->content(), 330, 210);
  EXPECT_EQ(runtime_test::Hex(picture.pixel(160, 100)), "336699");
  EXPECT_EQ(runtime_test::Hex(picture.pixel(325, 205)), "ffffff");
}

TEST_F(LoadingTest, DisplayLoadsThatFailReportAnIoErrorAfterTheCall)
{
  const struct {
    QString url;
    QString text;
  } cases[] = {
      {Http("missing.png"), "Error #2035: URL Not Found. URL: " + Http("missing.png")},
      {QStringLiteral("http://127.0.0.1:%1/red.png").arg(NginxServer::UnusedPort()),
       QStringLiteral("Error #2035: URL Not Found. URL: http://127.0.0.1:%1/red.png")},
      {Http("junk.bin"), "Error #2124: Loaded file is an unknown type."},
      {folder->path() + "/missing.png", "Error #2035: URL Not Found. URL: " + folder->path() + "/missing.png"},
  };
  auto player = movie_test::MakePlayer();
  for (const auto& item : cases) {
    EventLog log;
    QString text;
    auto loader = std::make_shared<Loader>(*player);
    loader->contentLoaderInfo()->addTypedListener<IOErrorEvent>(IOErrorEvent::IO_ERROR,
                                                                [&](IOErrorEvent& event) { text = event.text(); });
    log.listen(*loader->contentLoaderInfo(), kLoadEvents);
    loader->load(URLRequest(item.url));
    ASSERT_TRUE(log.waitFor(IOErrorEvent::IO_ERROR)) << item.url.toStdString();
    EXPECT_EQ(log.seen, QStringList({IOErrorEvent::IO_ERROR}));
    if (!item.text.contains("%1")) {
      EXPECT_EQ(text, item.text);
    }
    EXPECT_FALSE(loader->content());
  }
}

TEST_F(LoadingTest, OtherSchemesAreRefused)
{
  auto player = movie_test::MakePlayer();
  Loader loader(*player);
  EXPECT_THROW(loader.load(URLRequest("ftp://127.0.0.1/red.png")), flash::SecurityError);
  EXPECT_THROW(loader.load(URLRequest("data:image/png;base64,AAAA")), flash::SecurityError);

  auto text = std::make_shared<URLLoader>(*player);
  EventLog log;
  log.listen(*text, kLoadEvents);
  text->load(URLRequest("ftp://127.0.0.1/page.txt"));
  EXPECT_TRUE(log.seen.isEmpty());
  ASSERT_TRUE(log.waitFor(SecurityErrorEvent::SECURITY_ERROR));
  EXPECT_EQ(log.seen, QStringList({SecurityErrorEvent::SECURITY_ERROR}));
}

TEST_F(LoadingTest, TextRequestsReachTheServerWithTheirMethodFormDataAndHeaders)
{
  auto player = movie_test::MakePlayer();
  auto loader = std::make_shared<URLLoader>(*player);
  EventLog log;
  log.listen(*loader, kLoadEvents);

  URLRequest post(Http("page.txt"));
  post.method = flash::net::URLRequestMethod::POST;
  post.data.emplace();
  post.data->set("name", "a b&c");
  post.data->set("n", "1");
  post.requestHeaders.push_back({"pragma", "no-cache"});
  loader->load(post);
  ASSERT_TRUE(log.waitFor(Event::COMPLETE));
  EXPECT_EQ(loader->data(), QString::fromUtf8("größe"));

  URLRequest get(Http("page.txt"));
  get.data.emplace();
  get.data->set("q", "x y");
  loader->load(get);
  ASSERT_TRUE(log.waitFor(Event::COMPLETE, 2));

  const QStringList requests = server->requests(2);
  ASSERT_GE(requests.size(), 2);
  EXPECT_EQ(requests[requests.size() - 2],
            "POST /page.txt HTTP/1.1|pragma=no-cache|type=application/x-www-form-urlencoded|body=name=a+b%26c&n=1");
  EXPECT_EQ(requests.last(), "GET /page.txt?q=x+y HTTP/1.1|pragma=-|type=-|body=-");
}

TEST_F(LoadingTest, TextLoadsReportProgressAndFailures)
{
  auto player = movie_test::MakePlayer();
  auto loader = std::make_shared<URLLoader>(*player);
  EventLog log;
  log.listen(*loader, kLoadEvents);
  qint64 lastLoaded = 0;
  qint64 lastTotal = 0;
  loader->addTypedListener<ProgressEvent>(ProgressEvent::PROGRESS, [&](ProgressEvent& event) {
    lastLoaded = event.bytesLoaded();
    lastTotal = event.bytesTotal();
  });
  loader->load(URLRequest(Http("big.bin")));
  ASSERT_TRUE(log.waitFor(Event::COMPLETE));
  EXPECT_EQ(lastTotal, 3 * 1024 * 1024);
  EXPECT_EQ(lastLoaded, lastTotal);
  EXPECT_EQ(loader->bytesLoaded(), 3 * 1024 * 1024);

  loader->load(URLRequest(Http("missing.txt")));
  ASSERT_TRUE(log.waitFor(IOErrorEvent::IO_ERROR));
  EXPECT_THROW(loader->load(URLRequest()), flash::ArgumentError);
}

TEST_F(LoadingTest, RelativePathsComeFromTheHostFirstThenFromTheMovieFolder)
{
  QStringList asked;
  flash::Player::Host host;
  host.openResource = [&](const QString& path) -> QIODevice* {
    asked << path;
    if (path != "served.txt") {
      return nullptr;
    }
    auto* buffer = new QBuffer;
    buffer->setData("from the host");
    return buffer;
  };
  host.base = QUrl::fromLocalFile(folder->path() + "/");
  auto player = movie_test::MakePlayer(host);
  auto loader = std::make_shared<URLLoader>(*player);
  EventLog log;
  log.listen(*loader, kLoadEvents);

  loader->load(URLRequest("served.txt"));
  ASSERT_TRUE(log.waitFor(Event::COMPLETE, 1));
  EXPECT_EQ(loader->data(), "from the host");
  loader->load(URLRequest("page.txt"));
  ASSERT_TRUE(log.waitFor(Event::COMPLETE, 2));
  EXPECT_EQ(loader->data(), QString::fromUtf8("größe"));
  loader->load(URLRequest(QUrl::fromLocalFile(folder->path() + "/page.txt").toString()));
  ASSERT_TRUE(log.waitFor(Event::COMPLETE, 3));
  EXPECT_EQ(asked, QStringList({"served.txt", "page.txt"}));

  auto homeless = movie_test::MakePlayer();
  auto lost = std::make_shared<URLLoader>(*homeless);
  EventLog lostLog;
  lostLog.listen(*lost, kLoadEvents);
  lost->load(URLRequest("page.txt"));
  EXPECT_TRUE(lostLog.waitFor(IOErrorEvent::IO_ERROR));
}

TEST_F(LoadingTest, TheMovieEndingStopsItsLoads)
{
  auto ended = movie_test::MakePlayer();
  auto stopped = std::make_shared<URLLoader>(*ended);
  EventLog log;
  log.listen(*stopped, kLoadEvents);
  stopped->load(URLRequest(Http("page.txt")));
  ended->shutdown();

  // A load started after it on a running movie still completes, so the first had its chance to report.
  auto running = movie_test::MakePlayer();
  auto witness = std::make_shared<URLLoader>(*running);
  EventLog witnessLog;
  witnessLog.listen(*witness, kLoadEvents);
  witness->load(URLRequest(Http("big.bin")));
  ASSERT_TRUE(witnessLog.waitFor(Event::COMPLETE));
  EXPECT_TRUE(log.seen.isEmpty());
}

TEST(XMLDocumentTest, ReadsElementsAttributesAndTexts)
{
  flash::xml::XMLDocument document;
  document.ignoreWhite = true;
  document.parseXML("<?xml version=\"1.0\"?>\n<!-- skin -->\n<skin>\n  <playBtn over=\"a.png\" out=\"b.png\"/>\n"
                    "  <title>  Hello  </title>\n</skin>");
  const auto root = document.firstChild();
  ASSERT_TRUE(root);
  EXPECT_EQ(root->nodeName(), "skin");
  ASSERT_EQ(root->childNodes().size(), 2u);
  const auto button = root->childNodes()[0];
  EXPECT_EQ(button->nodeName(), "playBtn");
  EXPECT_EQ(button->attributes().value("over"), "a.png");
  EXPECT_EQ(button->attributes().value("out"), "b.png");
  EXPECT_TRUE(button->nodeValue().isNull());
  const auto text = root->childNodes()[1]->firstChild();
  ASSERT_TRUE(text);
  EXPECT_EQ(text->nodeType(), flash::xml::XMLNodeType::TEXT_NODE);
  EXPECT_EQ(text->nodeValue(), "  Hello  ");
  EXPECT_TRUE(text->nodeName().isNull());

  EXPECT_THROW(document.parseXML("<skin><a></skin>"), flash::ArgumentError);
  EXPECT_THROW(document.parseXML(""), flash::ArgumentError);
}

}  // namespace
