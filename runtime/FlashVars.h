#pragma once

#include <QMap>
#include <QString>

namespace flash {

// The start parameters of a movie: pairs split at "&", each parted into name and value at its first "=",
// with percent escapes decoded as UTF-8 in both ("+" stays a plus sign, a "%" not followed by two hex
// digits stays as it is). A pair without "=" has an empty
// value; empty pairs are skipped; a later pair of the same name wins.
QMap<QString, QString> parseFlashVars(const QString& text);

}  // namespace flash
