#include "runtime/geom/Matrix.h"

#include <cmath>

namespace flash::geom {

void Matrix::createGradientBox(double width, double height, double rotation, double x, double y)
{
  constexpr double kGradientSquare = 1638.4;
  const double sx = width / kGradientSquare;
  const double sy = height / kGradientSquare;
  const double cos = std::cos(rotation);
  const double sin = std::sin(rotation);
  a = cos * sx;
  b = sin * sy;
  c = -sin * sx;
  d = cos * sy;
  tx = x + width / 2;
  ty = y + height / 2;
}

}  // namespace flash::geom
