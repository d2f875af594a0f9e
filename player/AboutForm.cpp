#include "player/AboutForm.h"

#include "shared/ErrorReport.h"
#include "shared/Look.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QString ResourceText(const QString& path)
{
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

QString AboutMemoText()
{
  QString text = ResourceText(QStringLiteral(":/about/notices.txt")) +
                 ResourceText(QStringLiteral(":/about/LGPL-2.1.txt")) + QLatin1Char('\n') +
                 ResourceText(QStringLiteral(":/about/closing.txt"));
  while (text.endsWith(QLatin1Char('\n'))) {
    text.chop(1);
  }
  return text;
}

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent)
{
  setObjectName(QStringLiteral("AboutForm"));
  setWindowTitle(QStringLiteral("Kavo FLV Player 1.0"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setWindowIcon(QIcon(QStringLiteral(":/player/icon.png")));
  setModal(true);
  setFixedSize(307, 181);
  const QFont tahoma = UiFont(QStringLiteral("Tahoma"), PointsToPixels(8));
  setFont(tahoma);

  RzPanel1 = new QWidget(this);
  RzPanel1->setObjectName(QStringLiteral("RzPanel1"));
  RzPanel1->setGeometry(0, 0, 307, 137);
  RzPanel1->setAttribute(Qt::WA_StyledBackground, true);
  RzPanel1->setStyleSheet(QStringLiteral("QWidget#RzPanel1 { background: white; border: none; }"));

  Image1 = new QLabel(RzPanel1);
  Image1->setObjectName(QStringLiteral("Image1"));
  const QPixmap logo(QStringLiteral(":/player/logo.png"));
  Image1->setPixmap(logo);
  Image1->setGeometry(16, 8, logo.width(), logo.height());

  RzLabel1 = new QLabel(QStringLiteral("Kavo FLV Player"), RzPanel1);
  RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
  RzLabel1->setFont(UiFont(QStringLiteral("Tahoma"), PointsToPixels(17), true));
  RzLabel1->move(88, 12);
  RzLabel1->adjustSize();

  RzLabel2 = new QLabel(QStringLiteral("Version 1.0 ( Build 1011 )"), RzPanel1);
  RzLabel2->setObjectName(QStringLiteral("RzLabel2"));
  RzLabel2->move(88, 46);
  RzLabel2->adjustSize();

  RzMemo1 = new QPlainTextEdit(RzPanel1);
  RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
  RzMemo1->setGeometry(0, 65, 307, 72);
  RzMemo1->setReadOnly(true);
  RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RzMemo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  RzMemo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // A right click is answered as handled: no menu appears.
  RzMemo1->setContextMenuPolicy(Qt::PreventContextMenu);
  RzMemo1->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #ffffe1; color: black; border: none; }"));
  RzMemo1->setPlainText(AboutMemoText());

  sLabel1 = new QLabel(kMakerName, this);
  sLabel1->setObjectName(QStringLiteral("sLabel1"));
  sLabel1->setFont(UiFont(QStringLiteral("Tahoma"), PointsToPixels(8), true));
  sLabel1->move(8, 143);
  sLabel1->adjustSize();

  sLabel2 = new QLabel(QStringLiteral("Email Us : ") + kMakerSupportAddress, this);
  sLabel2->setObjectName(QStringLiteral("sLabel2"));
  sLabel2->move(8, 160);
  sLabel2->adjustSize();

  OK = new QPushButton(QStringLiteral("OK"), this);
  OK->setObjectName(QStringLiteral("OK"));
  OK->setGeometry(224, 148, 62, 25);
  connect(OK, &QPushButton::clicked, this, [this] { RunHandler([this] { OKClick(); }); });
}

void TAboutForm::OKClick()
{
  accept();
}
