#pragma once

#include "tests/support/QtPrinters.h"

#include <QString>
#include <QTemporaryDir>

#include <functional>

// A private home for one test: XDG config and documents folders inside a temporary folder, and the
// program root pointing at the build tree's program folder. Everything is put back on destruction.
class ScopedTestHome {
 public:
  ScopedTestHome();
  ~ScopedTestHome();
  ScopedTestHome(const ScopedTestHome&) = delete;
  ScopedTestHome& operator=(const ScopedTestHome&) = delete;

  QString path() const { return dir_.path(); }
  QString configFolder() const { return dir_.path() + QStringLiteral("/config"); }
  QString documentsFolder() const { return dir_.path() + QStringLiteral("/Documents"); }

 private:
  QTemporaryDir dir_;
  QByteArray oldConfig_;
  QByteArray oldHome_;
  QByteArray oldDocuments_;
};

// Folder of the helper programs built with the tests.
QString TestHelperPath(const QString& name);

// Runs `action` once the next modal dialog is open (found through the event loop, never by waiting).
void WhenModalOpens(const std::function<void(class QWidget*)>& action);
