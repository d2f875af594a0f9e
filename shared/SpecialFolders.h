#pragma once

#include <QString>

// Shell folder numbers used by the programs.
inline constexpr int kFolderProgramFiles = 38;
inline constexpr int kFolderMyDocuments = 5;

// Name of the environment variable that replaces the Program Files folder (used by tests and
// by anyone running the programs from somewhere other than their program folder).
inline constexpr const char* kProgramRootVariable = "KAVO_PROGRAM_ROOT";

inline const QString kProgramFolderName = QStringLiteral("Kavo FLV Player");

// The path of a special folder, with no separator at its end; empty text when the folder
// cannot be resolved or the number is not one this system knows.
//  38: the folder that holds the program folder "Kavo FLV Player" of the running program.
//   5: the user's documents folder.
QString GetSpecialFolderPath(int folder);

// <Program Files>/Kavo FLV Player/Bin/<programName>, joined without checking that it exists.
QString ToolPathInBin(const QString& programName);
