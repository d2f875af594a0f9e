#pragma once

#include <QString>

// The player's program-wide texts: tool paths worked out at start and the copies of the settings that
// conversions use. Filled at start; the settings copies change only through Save in the settings dialog.
inline QString FFmpegPath;
inline QString ConverterPath;
inline QString OutputDirectorySetting;
inline QString Mp3QualitySetting;
inline QString OpenMp3FolderSetting;
