#pragma once

namespace flash::media {

// Sound settings of a stream: volume 0 (silent) to 1 (full).
struct SoundTransform {
  double volume = 1;
  double pan = 0;
};

}  // namespace flash::media
