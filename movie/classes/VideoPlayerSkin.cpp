#include "movie/classes/VideoPlayer.h"

namespace classes {

// The XML skin's loading and layout come with the skin machinery; until then a skin address leaves the
// movie in its building state, refusing to play, as a skin that never finishes loading does.
void VideoPlayer::startSkinLoading()
{
  loadedState.append(QStringLiteral("xml"));
}

void VideoPlayer::layoutSkin() {}

}  // namespace classes
