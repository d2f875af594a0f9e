#pragma once

#include "movie/library/KeyButton.h"

// A 12 × 12 speaker key: a square with a vertical gradient and a speaker glyph in `glyphColour`.
class SpeakerKey : public KeyButton {
 protected:
  explicit SpeakerKey(quint32 glyphColour);
};

// The speaker key with a black glyph.
class Speacer : public SpeakerKey {
 public:
  Speacer() : SpeakerKey(0x000000) {}
};

// The muted speaker key: its glyph is grey.
class SpeacerMute : public SpeakerKey {
 public:
  SpeacerMute() : SpeakerKey(0x999999) {}
};
