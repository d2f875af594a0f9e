#include "player/WindowFrame.h"

QSize ClientSizeForOuter(QSize outer)
{
  return outer - kDesignFrame;
}

QSize OuterSizeForClient(QSize client)
{
  return client + kDesignFrame;
}

void SetOuterSizeConstraints(QWidget& window, int maxWidth, int minWidth, int maxHeight, int minHeight)
{
  const auto clientMin = [](int outer, int frame) { return outer > 0 ? qMax(0, outer - frame) : 0; };
  const auto clientMax = [](int outer, int frame) { return outer > 0 ? qMax(0, outer - frame) : QWIDGETSIZE_MAX; };
  window.setMinimumSize(clientMin(minWidth, kDesignFrame.width()), clientMin(minHeight, kDesignFrame.height()));
  window.setMaximumSize(clientMax(maxWidth, kDesignFrame.width()), clientMax(maxHeight, kDesignFrame.height()));
}
