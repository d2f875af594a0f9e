#pragma once

#include <QString>

#include <optional>

// The player's settings live in one key of the user's settings file (an INI file in the XDG config
// folder); the key path is kept as the section name.
inline const QString SettingsKeyPath = QStringLiteral("Software\\\\Kavo FLV Player");

inline const QString LastOpenDirectoryValue = QStringLiteral("Last Open Directory");
inline const QString DefaultOutputDirectoryValue = QStringLiteral("Default Output Directory");
inline const QString Mp3QualityValue = QStringLiteral("MP3 Quality");
inline const QString OpenMp3FolderValue = QStringLiteral("Open MP3 Folder");

// Full path of the settings file: <XDG config folder>/kavoflvplayer.ini.
QString SettingsFilePath();

// True when the key exists in the settings file.
bool SettingsKeyExists(const QString& keyPath);

// Creates the key; raises "Failed to create key <path>" when the file cannot be written.
void CreateSettingsKey(const QString& keyPath);

// Writes one of the four value names into an existing key (any other name is ignored); raises
// "Failed to set data for '<name>'" when the key is missing or the file cannot be written.
void WriteSetting(const QString& keyPath, const QString& name, const QString& value);

// Reads a value as text; a missing key or value reads as empty text. Raises
// "Invalid data type for '<name>'" for a value that is not a plain text.
QString ReadSetting(const QString& keyPath, const QString& name);

// Checks that the settings file can be read. A file that cannot be read or parsed is moved aside
// (never overwritten) so that a new one can be started; the result then tells the user where the old
// one was kept. Empty when the file is fine or absent.
std::optional<QString> SetAsideUnreadableSettingsFile();
