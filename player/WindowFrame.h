#pragma once

#include <QSize>
#include <QWidget>

// Window sizes in this program are given as outer sizes on the frame the layouts were drawn for:
// 8 pixels on each side and a 28-pixel caption (16 x 36 in all). The client area is what the layouts
// fix, so it stays the same whatever frame the desktop draws.
inline constexpr QSize kDesignFrame(16, 36);

QSize ClientSizeForOuter(QSize outer);
QSize OuterSizeForClient(QSize client);

// Size constraints of a top-level window in outer-size terms; 0 means no constraint.
void SetOuterSizeConstraints(QWidget& window, int maxWidth, int minWidth, int maxHeight, int minHeight);
