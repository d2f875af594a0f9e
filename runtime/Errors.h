#pragma once

#include <stdexcept>

namespace flash {

// Thrown where the platform raises an error to the movie's code; the runtime catches it at the point
// where it entered that code and reports it through trace.
struct Error : std::runtime_error {
  using std::runtime_error::runtime_error;
};
struct ArgumentError : Error {
  using Error::Error;
};
struct RangeError : Error {
  using Error::Error;
};
struct SecurityError : Error {
  using Error::Error;
};

}  // namespace flash
