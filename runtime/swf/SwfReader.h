#pragma once

#include "runtime/swf/MovieFile.h"

namespace flash::swf {

struct ReadResult {
  std::optional<MovieFile> movie;
  QString error;  // why the file was refused; empty when it was read
};

// Reads a SWF container ("FWS", or "CWS" with a zlib body): the header, FileAttributes,
// SetBackgroundColor and SymbolClass; other tags are kept unread, found by their length.
ReadResult readMovie(const QByteArray& file);

}  // namespace flash::swf
