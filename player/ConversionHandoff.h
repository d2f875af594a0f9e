#pragma once

#include <QString>

// The converter's command line for the current file and the program-wide settings: five quoted items
// joined by single blanks.
QString BuildConverterCommandLine(const QString& videoPath);

// Starts the program a command line names, detached from the player, and returns at once. A program
// that cannot be started is passed over silently; the result only says whether it started.
bool LaunchProgram(const QString& commandLine);
