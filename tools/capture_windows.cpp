// Saves pictures of the programs' windows, drawn by Qt on whatever platform runs it, into a folder:
// the player's main window and dialogs, and the converter before, during and after a run.
//   capture_windows <folder> <video for the converter> <output folder for the converter>
#include "converter/ConverterForm.h"
#include "player/AboutForm.h"
#include "player/MainForm.h"
#include "player/SettingsForm.h"
#include "shared/Look.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

void Save(QWidget& widget, const QString& path)
{
  if (!widget.grab().save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  }
}

}  // namespace

int main(int argc, char** argv)
{
  QApplication application(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: capture_windows <folder> <video> <output folder>\n");
    return 2;
  }
  ApplyMacMetalLook(application);
  const QString folder = QString::fromLocal8Bit(argv[1]);

  TMainForm mainForm;
  TSettingsForm settingsForm(&mainForm);
  TAboutForm aboutForm(&settingsForm);
  mainForm.setDialogs(&settingsForm, &aboutForm);
  mainForm.show();
  Save(mainForm, folder + "/player-main.png");
  settingsForm.show();
  Save(settingsForm, folder + "/player-settings.png");
  settingsForm.hide();
  aboutForm.show();
  Save(aboutForm, folder + "/player-about.png");
  aboutForm.hide();

  converter::TMainForm converterForm({QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), "192k", "false"});
  converterForm.show();
  Save(converterForm, folder + "/converter-before.png");
  QObject::connect(&converterForm, &converter::TMainForm::runStarted, [&] {
    QTimer::singleShot(300, [&] { Save(converterForm, folder + "/converter-running.png"); });
  });
  QObject::connect(qApp, &QApplication::focusChanged, [&](QWidget*, QWidget* now) {
    if (auto* box = qobject_cast<QMessageBox*>(now ? now->window() : nullptr)) {
      QTimer::singleShot(100, box, [box, &folder] {
        Save(*box, folder + "/converter-result.png");
        box->accept();
      });
    }
  });
  QTimer::singleShot(0, converterForm.Start, &QPushButton::click);
  QObject::connect(&converterForm, &converter::TMainForm::programEnded, [] { QApplication::quit(); });
  return QApplication::exec();
}
