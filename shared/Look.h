#pragma once

#include <QFont>
#include <QString>

class QApplication;

// Makes the faces the windows are designed in available (Tahoma and MS Sans Serif from the Wine
// fonts, Segoe UI through a close stand-in) and applies the shared "MacMetal" look.
void ApplyMacMetalLook(QApplication& application);

// A font of the given family at an exact pixel height, as the window layouts give them.
QFont UiFont(const QString& family, int pixelSize, bool bold = false);

// Pixel height of a point size on the 96 dpi grid the layouts were drawn on (8 pt is 11 px).
int PointsToPixels(int points);
