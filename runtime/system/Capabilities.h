#pragma once

#include <QString>

namespace flash::system {

struct Capabilities {
  // The platform tag, a space, then major, minor, revision and build separated by commas.
  static QString version() { return QStringLiteral("LNX 9,0,0,0"); }
};

}  // namespace flash::system
