#include "runtime/FlashPlayerControl.h"

#include <QPainter>

TFlashPlayerControl::TFlashPlayerControl(QWidget* parent) : QWidget(parent)
{
  setObjectName(QStringLiteral("FlashPlayer"));
}

void TFlashPlayerControl::setBGColor(const QString& colour)
{
  const QColor parsed = QColor::fromString(colour);
  if (parsed.isValid()) {
    background_ = parsed;
    update();
  }
}

void TFlashPlayerControl::paintEvent(QPaintEvent*)
{
  if (background_.isValid()) {
    QPainter(this).fillRect(rect(), background_);
  }
}
