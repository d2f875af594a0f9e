#pragma once

#include <QString>

// The movie's start parameters for a file: "type_video=flv&url=<path>&auto_play=true". The movie splits
// them at "&" and decodes "%" escapes, so those two characters of the path are escaped; every other
// character passes as it is.
QString BuildStartParameters(const QString& path);

// The window caption for a file: its name without folder and without its last extension.
QString CaptionFor(const QString& path);

// The folder part of a path, up to and including its last "/".
QString FolderWithSeparator(const QString& path);
