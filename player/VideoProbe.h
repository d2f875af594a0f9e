#pragma once

#include <QSize>
#include <QString>

#include <optional>

// The probe's command line: the quoted FFmpeg path, "-i" and the quoted video path.
QString BuildProbeCommand(const QString& ffmpegPath, const QString& videoPath);

// The extension as the file name spells it, from its last dot on ("" when the name has none).
QString FileExtension(const QString& path);

// The video's frame size in FFmpeg's report of a ".flv" or ".mp4" file (exact, case-sensitive
// extensions). Reads the report form of older FFmpeg releases ("Stream #0.0", fields up to "tbn" and
// "tbc") step by step, and otherwise the current form ("Stream #0:0 ... Video: codec, pixel format,
// WxH ..."), where the first video stream's size counts.
std::optional<QSize> FindVideoFrameSize(const QString& report, const QString& extension);

// The older report form alone, read exactly as it was laid out.
std::optional<QSize> FindFrameSizeInLegacyReport(const QString& report, const QString& extension);

// The current report form alone.
std::optional<QSize> FindFrameSizeInCurrentReport(const QString& report);
