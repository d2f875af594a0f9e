#include "runtime/MovieClassRegistry.h"
#include "runtime/Player.h"
#include "runtime/swf/SwfReader.h"
#include "runtime/swf/SwfWriter.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace flash::swf;

namespace {

MovieFile PlayerMovie()
{
  MovieFile movie;
  movie.compressed = true;
  movie.version = 9;
  movie.frameRect = QRectF(0, 0, 408, 380);
  movie.frameRate = 12;
  movie.frameCount = 1;
  movie.fileAttributes = FileAttribute::UseNetwork | FileAttribute::ActionScript3;
  movie.backgroundColor = 0xFFFFFF;
  movie.symbolClasses[0] = QStringLiteral("classes.VideoPlayer");
  return movie;
}

}  // namespace

TEST(RuntimeSwfReader, ReadsWhatTheWriterWrote)
{
  MovieFile written = PlayerMovie();
  written.otherTags.push_back(Tag{82, QByteArray(300, 'x')});  // long record header
  written.otherTags.push_back(Tag{2, QByteArray("abc")});
  for (bool compressed : {true, false}) {
    written.compressed = compressed;
    const QByteArray file = writeMovie(written);
    EXPECT_EQ(file.left(3), compressed ? QByteArray("CWS") : QByteArray("FWS"));
    const ReadResult read = readMovie(file);
    ASSERT_TRUE(read.movie.has_value()) << read.error.toStdString();
    const MovieFile& movie = *read.movie;
    EXPECT_EQ(movie.compressed, compressed);
    EXPECT_EQ(movie.version, 9);
    EXPECT_EQ(movie.stageSize(), QSize(408, 380));
    EXPECT_EQ(movie.frameRate, 12);
    EXPECT_EQ(movie.frameCount, 1);
    EXPECT_EQ(movie.fileAttributes, std::optional<quint32>(0x09));
    EXPECT_EQ(movie.backgroundColor, std::optional<quint32>(0xFFFFFF));
    EXPECT_EQ(movie.rootClass(), "classes.VideoPlayer");
    ASSERT_EQ(movie.otherTags.size(), 2u);
    EXPECT_EQ(movie.otherTags[0].code, 82);
    EXPECT_EQ(movie.otherTags[0].body.size(), 300);
    EXPECT_EQ(movie.otherTags[1].body, "abc");
  }
}

TEST(RuntimeSwfReader, TheHeaderLengthCountsTheUncompressedFile)
{
  MovieFile movie = PlayerMovie();
  movie.compressed = false;
  const QByteArray plain = writeMovie(movie);
  movie.compressed = true;
  const QByteArray packed = writeMovie(movie);
  const auto length = [](const QByteArray& file) {
    return quint32(quint8(file[4])) | quint32(quint8(file[5])) << 8 | quint32(quint8(file[6])) << 16 |
           quint32(quint8(file[7])) << 24;
  };
  EXPECT_EQ(length(plain), quint32(plain.size()));
  EXPECT_EQ(length(packed), quint32(plain.size()));
}

namespace {

struct BrokenCase {
  const char* label;
  QByteArray (*make)();
  const char* reason;  // a part of the error text
};

void PrintTo(const BrokenCase& c, std::ostream* out)
{
  *out << c.label;
}

QByteArray Good(bool compressed)
{
  MovieFile movie = PlayerMovie();
  movie.compressed = compressed;
  return writeMovie(movie);
}

class RuntimeSwfReaderRefuses : public ::testing::TestWithParam<BrokenCase> {};

}  // namespace

TEST_P(RuntimeSwfReaderRefuses, BrokenFiles)
{
  const ReadResult read = readMovie(GetParam().make());
  EXPECT_FALSE(read.movie.has_value());
  EXPECT_TRUE(read.error.contains(QLatin1String(GetParam().reason))) << read.error.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Table, RuntimeSwfReaderRefuses,
    ::testing::Values(
        BrokenCase{"empty", [] { return QByteArray(); }, "no SWF signature"},
        BrokenCase{"png signature", [] { return QByteArray("\x89PNG\r\n\x1a\n0000000000", 18); }, "no SWF signature"},
        BrokenCase{"lzma", [] { return QByteArray("ZWS").append(Good(false).mid(3)); }, "LZMA"},
        BrokenCase{"header only", [] { return Good(true).left(8); }, "truncated"},
        BrokenCase{"compressed, cut short", [] { return Good(true).chopped(6); }, "truncated"},
        BrokenCase{"plain, cut short", [] { return Good(false).chopped(3); }, "truncated"},
        BrokenCase{"bad zlib data",
                   [] {
                     QByteArray file = Good(true);
                     for (int i = 10; i < file.size(); ++i) {
                       file[i] = static_cast<char>(file[i] ^ 0x5A);
                     }
                     return file;
                   },
                   "compressed data is unreadable"},
        BrokenCase{"impossible length",
                   [] {
                     QByteArray file = Good(false);
                     file[7] = '\x7F';
                     return file;
                   },
                   "impossible length"},
        BrokenCase{"tag longer than the file",
                   [] {
                     MovieFile movie = PlayerMovie();
                     movie.compressed = false;
                     QByteArray file = writeMovie(movie);
                     // The FileAttributes record (code 69, 4 bytes) claims 62 bytes instead.
                     const qsizetype tag = file.indexOf(QByteArray("\x44\x11", 2));
                     file[tag] = static_cast<char>((quint8(file[tag]) & 0xC0) | 0x3E);
                     return file;
                   },
                   "truncated"}));

TEST(RuntimeSwfReader, AMovieWhoseRootClassIsUnknownDoesNotStart)
{
  MovieFile movie = PlayerMovie();
  movie.symbolClasses[0] = QStringLiteral("classes.Nowhere");
  flash::Player player(movie, {}, std::make_shared<flash::utils::Clock>(flash::utils::Clock::Mode::Manual), {});
  EXPECT_EQ(player.start(flash::MovieClassRegistry{}),
            "the movie's root class \"classes.Nowhere\" is not known to this runtime");
  movie.symbolClasses.clear();
  flash::Player nameless(movie, {}, std::make_shared<flash::utils::Clock>(flash::utils::Clock::Mode::Manual), {});
  EXPECT_EQ(nameless.start(flash::MovieClassRegistry{}), "the movie file names no root class");
}
