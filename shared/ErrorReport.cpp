#include "shared/ErrorReport.h"

#include <QApplication>
#include <QMessageBox>

ApplicationError::ApplicationError(const QString& message) : std::runtime_error(message.toStdString()) {}

QString ApplicationError::message() const
{
  return QString::fromStdString(what());
}

QString WithFullStop(const QString& message)
{
  if (!message.isEmpty() && message.back().unicode() > u'.') {
    return message + QLatin1Char('.');
  }
  return message;
}

void ShowErrorReport(const QString& message)
{
  QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), WithFullStop(message), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.setObjectName(QStringLiteral("ErrorReport"));
  box.exec();
}

void RunHandler(const std::function<void()>& body)
{
  try {
    body();
  } catch (const ApplicationError& error) {
    ShowErrorReport(error.message());
  } catch (const std::exception& error) {
    ShowErrorReport(QString::fromLocal8Bit(error.what()));
  }
}
