#include "converter/ConverterForm.h"
#include "shared/Look.h"

#include <QApplication>

int main(int argc, char** argv)
{
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Morvex MP3 Converter"));
  QApplication::setQuitOnLastWindowClosed(false);
  ApplyMacMetalLook(application);

  converter::TMainForm mainForm(QApplication::arguments().mid(1));
  QObject::connect(&mainForm, &converter::TMainForm::programEnded,
                   [](converter::RunOutcome outcome) { QApplication::exit(static_cast<int>(outcome)); });
  mainForm.show();
  return QApplication::exec();
}
