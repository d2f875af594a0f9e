#pragma once

#include <QTransform>

namespace flash::geom {

// An affine matrix with the AS3 field names: x' = a·x + c·y + tx, y' = b·x + d·y + ty.
struct Matrix {
  double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

  // The matrix that maps the gradient square (−819.2 … 819.2 on both axes) onto a box of the given
  // size at (tx, ty), turned by `rotation` radians about the box's centre.
  void createGradientBox(double width, double height, double rotation = 0, double tx = 0, double ty = 0);

  QTransform toTransform() const { return QTransform(a, b, c, d, tx, ty); }
};

}  // namespace flash::geom
