#pragma once

#include "runtime/events/EventDispatcher.h"
#include "runtime/net/NetStream.h"

#include <QVariant>
#include <QVariantMap>

namespace classes {

// The client of a stream: keeps the metadata and cue points the stream delivers and announces them.
class VideoInfo : public flash::events::EventDispatcher, public flash::net::NetStreamClient {
 public:
  static inline const QString ON_META_DATA_VIDEO = QStringLiteral("onMetaDataVideo");
  static inline const QString ON_CUE_POINT_VIDEO = QStringLiteral("onCuePointVideo");

  void onMetaData(const QVariantMap& info) override;
  void onCuePoint(const QVariantMap& info) override;
  void onPlayStatus(const QVariantMap& /*info*/) override {}
  void onBWDone() {}
  double onBWCheck() { return 0; }

  QVariantMap getMetaData() const { return metadata; }
  // Undefined (an invalid QVariant) when the name is not there.
  QVariant getMetaDateInfo(const QString& name) const { return metadata.value(name); }
  QVariantMap getCuePoint() const { return cuepoint; }
  QVariant getCuePointInfo(const QString& name) const { return cuepoint.value(name); }

  QVariantMap metadata;
  QVariantMap cuepoint;
};

}  // namespace classes
