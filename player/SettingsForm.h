#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class TAboutForm;

// Lets the user change the output folder, the MP3 quality and whether the folder is shown after a
// conversion; Save writes them to the settings store and to the program-wide copies.
class TSettingsForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSettingsForm(QWidget* parent = nullptr);

  void setAboutForm(TAboutForm* about) { aboutForm_ = about; }

  QGroupBox* sGroupBox1 = nullptr;
  QLineEdit* OutputDirectorySettings = nullptr;
  QPushButton* Browse = nullptr;
  QGroupBox* sGroupBox2 = nullptr;
  QComboBox* MP3Quality_Settings = nullptr;
  QPushButton* SaveSettings = nullptr;
  QPushButton* Cancel = nullptr;
  QCheckBox* OpenMP3FolderCheckBox = nullptr;
  QPushButton* About = nullptr;

  void FormActivate();
  void BrowseClick();
  void SaveSettingsClick();
  void CancelClick();
  void AboutClick();

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  TAboutForm* aboutForm_ = nullptr;
};

// The quality codes by list entry, and the entries' texts (runs of blanks line up the numbers).
QString QualityCodeOfEntry(int index);
int EntryOfQualityCode(const QString& code);
QStringList QualityEntries();
