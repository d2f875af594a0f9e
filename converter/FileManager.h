#pragma once

#include <QString>

#include <functional>

namespace converter {

// Asks the desktop's file manager to show a file selected (org.freedesktop.FileManager1.ShowItems on
// the session bus); where no file manager answers, the file's folder is opened through the desktop.
// `done` is called once the request has been handed over; the file manager itself is not waited for.
void ShowInFileManager(const QString& filePath, const std::function<void()>& done);

}  // namespace converter
