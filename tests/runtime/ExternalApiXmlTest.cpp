#include "runtime/external/ExternalApiXml.h"
#include "runtime/external/ExternalInterface.h"
#include "tests/support/QtPrinters.h"

#include <QLoggingCategory>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace xml = flash::external::xml;

namespace {

QVariant Null()
{
  return QVariant::fromValue(nullptr);
}

struct ValueCase {
  const char* label;
  QVariant value;
  QString text;
};

void PrintTo(const ValueCase& c, std::ostream* out)
{
  *out << c.label;
}

class RuntimeExternalApiValues : public ::testing::TestWithParam<ValueCase> {};

}  // namespace

TEST_P(RuntimeExternalApiValues, EncodeAndDecodeBothWays)
{
  EXPECT_EQ(xml::encodeValue(GetParam().value), GetParam().text);
  const auto decoded = xml::decodeValue(GetParam().text);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(xml::encodeValue(*decoded), GetParam().text);
  if (GetParam().value.metaType().id() == QMetaType::Double) {
    EXPECT_EQ(decoded->toDouble(), GetParam().value.toDouble());  // exactly the same double
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, RuntimeExternalApiValues,
    ::testing::Values(
        ValueCase{"string", QStringLiteral("NetStream.Play.Start"), "<string>NetStream.Play.Start</string>"},
        ValueCase{"escaped string", QStringLiteral("a<b & \"c\" > d"), "<string>a&lt;b &amp; &quot;c&quot; &gt; d</string>"},
        ValueCase{"empty string", QString(""), "<string></string>"},
        ValueCase{"blanks only", QStringLiteral("  "), "<string>  </string>"},
        ValueCase{"line breaks", QStringLiteral("a\r\nb\n"), "<string>a&#13;\nb\n</string>"},
        ValueCase{"unicode path", QStringLiteral("/home/zoë/видео 100%.flv"), "<string>/home/zoë/видео 100%.flv</string>"},
        ValueCase{"integer", 42, "<number>42</number>"},
        ValueCase{"negative", -7.5, "<number>-7.5</number>"},
        ValueCase{"decimal that round-trips", 0.1, "<number>0.1</number>"},
        ValueCase{"many digits", 6.268000000000001, "<number>6.268000000000001</number>"},
        ValueCase{"large", 1e21, "<number>1e+21</number>"},
        ValueCase{"true", true, "<true/>"},
        ValueCase{"false", false, "<false/>"},
        ValueCase{"null", Null(), "<null/>"},
        ValueCase{"undefined", QVariant(), "<undefined/>"},
        ValueCase{"object", QVariantMap{{"width", 320}, {"name", "clip"}},
                  "<object><property id=\"name\"><string>clip</string></property>"
                  "<property id=\"width\"><number>320</number></property></object>"},
        ValueCase{"nested", QVariantMap{{"a&b", QVariantList{1, QVariantMap{{"x", Null()}}, QVariantList{}}}},
                  "<object><property id=\"a&amp;b\"><array><property id=\"0\"><number>1</number></property>"
                  "<property id=\"1\"><object><property id=\"x\"><null/></property></object></property>"
                  "<property id=\"2\"><array></array></property></array></property></object>"}));

TEST(RuntimeExternalApiXml, InvokeIsWrittenAndReadBack)
{
  const QString text = xml::encodeInvoke("onVideoStatus", {QStringLiteral("NetStream.Play.Start"), 3.5});
  EXPECT_EQ(text, "<invoke name=\"onVideoStatus\" returntype=\"xml\"><arguments><string>NetStream.Play.Start</string>"
                  "<number>3.5</number></arguments></invoke>");
  const auto invoke = xml::decodeInvoke(text);
  ASSERT_TRUE(invoke.has_value());
  EXPECT_EQ(invoke->name, "onVideoStatus");
  EXPECT_EQ(invoke->arguments, (QVariantList{QStringLiteral("NetStream.Play.Start"), 3.5}));
  EXPECT_EQ(xml::encodeInvoke("getDuration", {}),
            "<invoke name=\"getDuration\" returntype=\"xml\"><arguments></arguments></invoke>");
}

TEST(RuntimeExternalApiXml, SpecialNumbersHaveTheirNames)
{
  EXPECT_EQ(xml::formatNumber(std::numeric_limits<double>::quiet_NaN()), "NaN");
  EXPECT_EQ(xml::formatNumber(-std::numeric_limits<double>::infinity()), "-Infinity");
  EXPECT_TRUE(std::isnan(xml::decodeValue("<number>NaN</number>")->toDouble()));
  EXPECT_EQ(xml::decodeValue("<number>Infinity</number>")->toDouble(), std::numeric_limits<double>::infinity());
}

TEST(RuntimeExternalApiXml, MalformedInputIsRefusedWithAReason)
{
  for (const char* text : {"", "<string>open", "<invoke name=\"f\"><arguments><string>x</arguments></invoke>",
                           "<number>twelve</number>", "<date>today</date>", "<object><item id=\"a\"><true/></item></object>",
                           "<array><property id=\"x\"><true/></property></array>",
                           "<object><property id=\"a\"><true/><false/></property></object>"}) {
    QString error;
    EXPECT_FALSE(xml::decodeValue(text, &error).has_value()) << text;
    EXPECT_FALSE(error.isEmpty()) << text;
  }
  QString error;
  EXPECT_FALSE(xml::decodeInvoke("<call name=\"f\"/>", &error).has_value());
  EXPECT_FALSE(xml::decodeInvoke("<invoke><arguments/></invoke>", &error).has_value());
  EXPECT_FALSE(xml::decodeInvoke("<invoke name=\"f\"><arguments><bogus/></arguments></invoke>", &error).has_value());
}

namespace {

// Collects the movie's trace lines while it lives.
class TraceCapture {
 public:
  TraceCapture()
  {
    current() = this;
    previous_ = qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& text) {
      if (QLatin1String(context.category) == QLatin1String("kavo.movie.trace")) {
        current()->lines << text;
      }
    });
  }
  ~TraceCapture()
  {
    qInstallMessageHandler(previous_);
    current() = nullptr;
  }
  QStringList lines;

 private:
  static TraceCapture*& current()
  {
    static TraceCapture* capture = nullptr;
    return capture;
  }
  QtMessageHandler previous_;
};

}  // namespace

TEST(RuntimeExternalInterface, HostCallsReachCallbacksAndBadCallsGetAnEmptyAnswer)
{
  flash::external::ExternalInterface external([](const QString&) { return QString(); });
  external.addCallback("add", [](const QVariantList& args) { return args.value(0).toDouble() + args.value(1).toDouble(); });
  TraceCapture trace;

  EXPECT_EQ(external.handleInvoke(xml::encodeInvoke("add", {2, 0.5})), "<number>2.5</number>");
  EXPECT_EQ(external.handleInvoke(xml::encodeInvoke("missing", {})), "");
  EXPECT_EQ(external.handleInvoke("<invoke name=\"add\"><arguments><number>"), "");
  ASSERT_EQ(trace.lines.size(), 2);
  EXPECT_TRUE(trace.lines[0].contains("missing"));
  EXPECT_TRUE(trace.lines[1].contains("unreadable"));
}

TEST(RuntimeExternalInterface, CallsSendInvokeXmlAndReadTheAnswer)
{
  QString request;
  QString answer = "<object><property id=\"ok\"><true/></property></object>";
  flash::external::ExternalInterface external([&](const QString& sent) {
    request = sent;
    return answer;
  });
  EXPECT_TRUE(external.available());
  EXPECT_EQ(external.call("onPlayerInitComplete", {QStringLiteral("<&>")}), QVariant(QVariantMap{{"ok", true}}));
  EXPECT_EQ(request, "<invoke name=\"onPlayerInitComplete\" returntype=\"xml\"><arguments><string>&lt;&amp;&gt;</string>"
                     "</arguments></invoke>");
  answer = "";
  EXPECT_FALSE(external.call("f").isValid());
  TraceCapture trace;
  answer = "<number>";
  EXPECT_FALSE(external.call("f").isValid());
  EXPECT_EQ(trace.lines.size(), 1);
  external.close();
  EXPECT_FALSE(external.available());
}
