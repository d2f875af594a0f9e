#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// Product name, version and build, acknowledgements and licence texts.
class TAboutForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutForm(QWidget* parent = nullptr);

  QWidget* RzPanel1 = nullptr;
  QLabel* Image1 = nullptr;
  QLabel* RzLabel1 = nullptr;
  QLabel* RzLabel2 = nullptr;
  QPlainTextEdit* RzMemo1 = nullptr;
  QLabel* sLabel1 = nullptr;
  QLabel* sLabel2 = nullptr;
  QPushButton* OK = nullptr;

  void OKClick();
};

inline const QString kMakerName = QStringLiteral("Kavo Labs");
inline const QString kMakerSupportAddress = QStringLiteral("support@kavolabs.example");

// The memo's text: version line, acknowledgements and licence agreement, the LGPL 2.1, the closing line.
QString AboutMemoText();
