#pragma once

#include <QString>
#include <QStringList>

// Splits a command-line text into its items, the way the converter reads its own command line:
//  - characters with a code of 32 or less separate items;
//  - a double quote opens a stretch that runs to the next double quote (or the end); inside it blanks
//    belong to the item; the quotes are dropped; quoted and unquoted stretches that touch form one item;
//  - a backslash is an ordinary character, also in front of a double quote;
//  - an empty quoted item ("") is kept as an empty item in its place.
QStringList SplitCommandLine(const QString& commandLine);
