// Writes the player movie's file: the SWF container whose root class is classes.VideoPlayer. The
// classes themselves are compiled into the program; the file gives the stage, frame rate, background
// and file attributes, and names the root class.
#include "runtime/swf/SwfWriter.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char** argv)
{
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_movie <output file>\n");
    return 2;
  }
  flash::swf::MovieFile movie;
  movie.compressed = true;
  movie.version = 9;
  movie.frameRect = QRectF(0, 0, 408, 380);
  movie.frameRate = 12;
  movie.frameCount = 1;
  movie.fileAttributes = flash::swf::FileAttribute::UseNetwork | flash::swf::FileAttribute::ActionScript3;
  movie.backgroundColor = 0xFFFFFF;
  movie.symbolClasses[0] = QStringLiteral("classes.VideoPlayer");

  QSaveFile out(QFile::decodeName(argv[1]));
  if (!out.open(QIODevice::WriteOnly) || out.write(flash::swf::writeMovie(movie)) < 0 || !out.commit()) {
    std::fprintf(stderr, "write_movie: cannot write %s: %s\n", argv[1], qPrintable(out.errorString()));
    return 1;
  }
  return 0;
}
