#include "player/SettingsForm.h"

#include "player/AboutForm.h"
#include "player/ProgramState.h"
#include "player/SettingsStore.h"
#include "shared/ErrorReport.h"
#include "shared/Look.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QStringList kQualityCodes{QStringLiteral("128k"), QStringLiteral("192k"), QStringLiteral("256k")};

}  // namespace

QString QualityCodeOfEntry(int index)
{
  return index >= 0 && index < kQualityCodes.size() ? kQualityCodes.at(index) : QString();
}

int EntryOfQualityCode(const QString& code)
{
  return static_cast<int>(kQualityCodes.indexOf(code));
}

QStringList QualityEntries()
{
  return {QStringLiteral("GOOD         128 Kbps"), QStringLiteral("EXCELLENT 192 Kbps"),
          QStringLiteral("BEST           256 Kbps")};
}

TSettingsForm::TSettingsForm(QWidget* parent) : QDialog(parent)
{
  setObjectName(QStringLiteral("SettingsForm"));
  setWindowTitle(QStringLiteral("Settings"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setModal(true);
  setFixedSize(307, 181);
  const QFont tahoma = UiFont(QStringLiteral("Tahoma"), PointsToPixels(8));
  setFont(tahoma);

  sGroupBox1 = new QGroupBox(QStringLiteral("Default Output Folder"), this);
  sGroupBox1->setObjectName(QStringLiteral("sGroupBox1"));
  sGroupBox1->setGeometry(8, 8, 289, 65);
  OutputDirectorySettings = new QLineEdit(sGroupBox1);
  OutputDirectorySettings->setObjectName(QStringLiteral("OutputDirectorySettings"));
  OutputDirectorySettings->setGeometry(16, 24, 209, 21);
  OutputDirectorySettings->setReadOnly(true);
  OutputDirectorySettings->setEnabled(false);
  OutputDirectorySettings->setFont(tahoma);
  Browse = new QPushButton(QStringLiteral("Browse"), sGroupBox1);
  Browse->setObjectName(QStringLiteral("Browse"));
  Browse->setGeometry(231, 22, 46, 25);

  sGroupBox2 = new QGroupBox(QStringLiteral("Default MP3 Quality"), this);
  sGroupBox2->setObjectName(QStringLiteral("sGroupBox2"));
  sGroupBox2->setGeometry(8, 72, 177, 65);
  MP3Quality_Settings = new QComboBox(sGroupBox2);
  MP3Quality_Settings->setObjectName(QStringLiteral("MP3Quality_Settings"));
  MP3Quality_Settings->setGeometry(16, 24, 129, 21);
  MP3Quality_Settings->addItems(QualityEntries());
  MP3Quality_Settings->setCurrentIndex(-1);
  MP3Quality_Settings->setFont(tahoma);

  SaveSettings = new QPushButton(QStringLiteral("Save"), this);
  SaveSettings->setObjectName(QStringLiteral("SaveSettings"));
  SaveSettings->setGeometry(220, 79, 75, 25);
  Cancel = new QPushButton(QStringLiteral("Cancel"), this);
  Cancel->setObjectName(QStringLiteral("Cancel"));
  Cancel->setGeometry(220, 110, 75, 25);
  OpenMP3FolderCheckBox = new QCheckBox(QStringLiteral("Open Output Folder After Conversion"), this);
  OpenMP3FolderCheckBox->setObjectName(QStringLiteral("OpenMP3FolderCheckBox"));
  OpenMP3FolderCheckBox->setGeometry(8, 143, 201, 29);
  About = new QPushButton(QStringLiteral("About"), this);
  About->setObjectName(QStringLiteral("About"));
  About->setGeometry(220, 141, 75, 25);

  for (QPushButton* button : {Browse, SaveSettings, Cancel, About}) {
    button->setAutoDefault(false);
  }
  setTabOrder(Cancel, Browse);
  setTabOrder(Browse, SaveSettings);
  setTabOrder(SaveSettings, MP3Quality_Settings);
  setTabOrder(MP3Quality_Settings, OpenMP3FolderCheckBox);
  setTabOrder(OpenMP3FolderCheckBox, About);

  connect(Browse, &QPushButton::clicked, this, [this] { RunHandler([this] { BrowseClick(); }); });
  connect(SaveSettings, &QPushButton::clicked, this, [this] { RunHandler([this] { SaveSettingsClick(); }); });
  connect(Cancel, &QPushButton::clicked, this, [this] { RunHandler([this] { CancelClick(); }); });
  connect(About, &QPushButton::clicked, this, [this] { RunHandler([this] { AboutClick(); }); });
}

bool TSettingsForm::event(QEvent* event)
{
  if (event->type() == QEvent::WindowActivate) {
    RunHandler([this] { FormActivate(); });
  }
  return QDialog::event(event);
}

void TSettingsForm::showEvent(QShowEvent* event)
{
  QDialog::showEvent(event);
  // Activation is up to the desktop; the controls must show the saved values from the first paint on.
  RunHandler([this] { FormActivate(); });
}

void TSettingsForm::FormActivate()
{
  const int entry = EntryOfQualityCode(Mp3QualitySetting);
  if (entry >= 0) {
    MP3Quality_Settings->setCurrentIndex(entry);
  }
  if (OpenMp3FolderSetting == QStringLiteral("true")) {
    OpenMP3FolderCheckBox->setChecked(true);
  } else if (OpenMp3FolderSetting == QStringLiteral("false")) {
    OpenMP3FolderCheckBox->setChecked(false);
  }
  OutputDirectorySettings->setText(OutputDirectorySetting);
  update();
}

void TSettingsForm::BrowseClick()
{
  const QString folder = QFileDialog::getExistingDirectory(
      this, QStringLiteral("Select Directory"), OutputDirectorySettings->text(),
      QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
  if (!folder.isEmpty()) {
    OutputDirectorySettings->setText(folder);
  }
}

void TSettingsForm::SaveSettingsClick()
{
  WriteSetting(SettingsKeyPath, DefaultOutputDirectoryValue, OutputDirectorySettings->text());
  OutputDirectorySetting = OutputDirectorySettings->text();

  const QString quality = QualityCodeOfEntry(MP3Quality_Settings->currentIndex());
  if (!quality.isEmpty()) {
    WriteSetting(SettingsKeyPath, Mp3QualityValue, quality);
    Mp3QualitySetting = quality;
  }

  const QString flag = OpenMP3FolderCheckBox->isChecked() ? QStringLiteral("true") : QStringLiteral("false");
  WriteSetting(SettingsKeyPath, OpenMp3FolderValue, flag);
  OpenMp3FolderSetting = flag;
  accept();
}

void TSettingsForm::CancelClick()
{
  reject();
}

void TSettingsForm::AboutClick()
{
  if (aboutForm_ != nullptr) {
    aboutForm_->exec();
  }
}
