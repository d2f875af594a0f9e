#include "movie/classes/VideoInfo.h"

namespace classes {

void VideoInfo::onMetaData(const QVariantMap& info)
{
  metadata = info;
  flash::events::Event event(ON_META_DATA_VIDEO);
  dispatchEvent(event);
}

void VideoInfo::onCuePoint(const QVariantMap& info)
{
  cuepoint = info;
  flash::events::Event event(ON_CUE_POINT_VIDEO);
  dispatchEvent(event);
}

}  // namespace classes
