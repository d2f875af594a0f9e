#include "movie/MovieResource.h"
#include "runtime/swf/SwfReader.h"
#include "tests/support/QtPrinters.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(RuntimeMovieFile, TheEmbeddedPlayerMovieIsACompressedVersion9Movie)
{
  QFile file(kPlayerMovieResource);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_EQ(bytes.left(3), "CWS");
  const flash::swf::ReadResult read = flash::swf::readMovie(bytes);
  ASSERT_TRUE(read.movie.has_value()) << read.error.toStdString();
  EXPECT_TRUE(read.movie->compressed);
  EXPECT_EQ(read.movie->version, 9);
  EXPECT_EQ(read.movie->frameRect, QRectF(0, 0, 408, 380));
  EXPECT_EQ(read.movie->frameRate, 12);
  EXPECT_EQ(read.movie->frameCount, 1);
  EXPECT_EQ(read.movie->backgroundColor, std::optional<quint32>(0xFFFFFF));
  EXPECT_EQ(read.movie->fileAttributes, std::optional<quint32>(0x09));
  EXPECT_EQ(read.movie->rootClass(), "classes.VideoPlayer");
}
