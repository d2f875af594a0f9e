#include "shared/PanelStatusBar.h"

#include <QPainter>
#include <QStyleOption>

PanelStatusBar::PanelStatusBar(QWidget* parent) : QWidget(parent)
{
  setAttribute(Qt::WA_StyledBackground, true);
}

void PanelStatusBar::addPanel(const QString& text, int width)
{
  panels_.append({text, width});
  update();
}

QRect PanelStatusBar::panelRect(int index) const
{
  int left = 0;
  for (int i = 0; i < index; ++i) {
    left += panels_.at(i).width;
  }
  const bool last = index == panelCount() - 1;
  const int width = last ? qMax(0, this->width() - left) : panels_.at(index).width;
  return QRect(left, 0, width, height());
}

void PanelStatusBar::paintEvent(QPaintEvent*)
{
  QPainter painter(this);
  QStyleOption option;
  option.initFrom(this);
  style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);

  painter.setFont(font());
  for (int i = 0; i < panelCount(); ++i) {
    const QRect rect = panelRect(i);
    if (i > 0) {
      painter.setPen(QColor(0xa8, 0xa8, 0xa8));
      painter.drawLine(rect.left(), 3, rect.left(), height() - 4);
      painter.setPen(QColor(0xfa, 0xfa, 0xfa));
      painter.drawLine(rect.left() + 1, 3, rect.left() + 1, height() - 4);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect.adjusted(2, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                     panels_.at(i).text);
  }
}
