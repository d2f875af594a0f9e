#pragma once

#include "runtime/media/Amf0.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariantMap>

#include <optional>

class QIODevice;

// The FLV container: a 9-byte header, then tags, each followed by the size of the tag before.
namespace media::flv {

enum TagType : quint8 { Audio = 8, Video = 9, ScriptData = 18 };

struct Tag {
  quint8 type = 0;
  quint32 timestamp = 0;  // milliseconds
  QByteArray data;
};

struct File {
  quint8 flags = 0;  // 0x04 audio present, 0x01 video present
  QList<Tag> tags;
};

// Reads a whole FLV file; nothing (with the reason in `error`) when it is not one or is cut short.
std::optional<File> Read(const QByteArray& bytes, QString* error = nullptr);

// Writes a file with a 9-byte header and correct back-pointers.
QByteArray Write(const File& file);

// A script-data tag's body: the handler name and its argument.
QByteArray ScriptTagData(const QString& name, const amf0::Properties& properties);

// The "onMetaData" object of a stream, read from the tags at its start; nothing when the stream is
// not an FLV file or carries no metadata before its first few media tags.
std::optional<amf0::Properties> ReadMetadata(QIODevice& device);

}  // namespace media::flv
