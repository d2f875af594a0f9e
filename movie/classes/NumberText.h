#pragma once

#include <QString>

namespace classes {

// A text read as a number the way the movie's platform converts it: blanks around it are ignored, an
// empty text is 0, "0x" starts a hexadecimal number, and anything else that is not a number is NaN.
double ToNumber(const QString& text);

// A number as an unsigned 32-bit integer the way the platform converts it: NaN and infinities give 0,
// fractions are cut off, and the value wraps modulo 2^32.
quint32 ToUint32(double number);

}  // namespace classes
