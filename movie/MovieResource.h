#pragma once

#include <QString>

// Where the player movie's file is embedded.
inline const QString kPlayerMovieResource = QStringLiteral(":/FLASH/VideoPlayer");
