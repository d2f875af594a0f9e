#pragma once

#include "runtime/display/DisplayObject.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <memory>

namespace flash::display {

// A loaded file made into something the display list shows.
struct LoadedContent {
  std::shared_ptr<DisplayObject> object;  // null: the file is of no type the runtime shows
  QString contentType;
  QSize size;
  int swfVersion = 0;
  int actionScriptVersion = 0;
  double frameRate = 0;
};

// A still image (PNG, JPEG, GIF, ...) becomes a Bitmap; an animated GIF or WebP a MovieClip that plays its
// frames; a SWF file a MovieClip showing its stage rectangle in its background colour, since the runtime
// draws no foreign vector content.
LoadedContent makeLoadedContent(const QByteArray& file);

}  // namespace flash::display
