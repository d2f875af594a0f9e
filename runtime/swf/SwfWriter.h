#pragma once

#include "runtime/swf/MovieFile.h"

namespace flash::swf {

// The SWF container of `movie`: header, FileAttributes, SetBackgroundColor, the other tags, SymbolClass,
// ShowFrame and End; zlib-compressed after the first 8 bytes when `movie.compressed`.
QByteArray writeMovie(const MovieFile& movie);

}  // namespace flash::swf
