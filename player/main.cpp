#include "player/AboutForm.h"
#include "player/MainForm.h"
#include "player/SettingsForm.h"
#include "shared/Look.h"

#include <QApplication>

int main(int argc, char** argv)
{
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kavo FLV Player"));
  ApplyMacMetalLook(application);

  TMainForm mainForm;
  TSettingsForm settingsForm(&mainForm);
  TAboutForm aboutForm(&settingsForm);
  mainForm.setDialogs(&settingsForm, &aboutForm);
  mainForm.show();
  return QApplication::exec();
}
