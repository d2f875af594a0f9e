#pragma once

#include "player/ProgramState.h"

// Puts the player's program-wide texts back to their start values.
inline void ResetProgramState()
{
  FFmpegPath.clear();
  ConverterPath.clear();
  OutputDirectorySetting.clear();
  Mp3QualitySetting.clear();
  OpenMp3FolderSetting.clear();
}
