#pragma once

#include "runtime/xml/XMLNode.h"

#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <memory>

namespace classes {

// Reads the children of an XML document's root element into arrays. A text the parser rejects gives an
// empty result; isGoodParse() tells whether any parse by this converter has ever succeeded.
class CXMLToArray {
 public:
  // Child's element name → its attributes (name → text); a later child of the same name wins.
  QVariantMap getArrayFromXml(const QString& text);
  // The text of each child, in document order (undefined for a child that starts with no text).
  QVariantList getArrayFromXml1(const QString& text);
  // Child's element name → its text.
  QVariantMap getArrayFromXml2(const QString& text);
  bool isGoodParse() const { return good_parse; }

 private:
  // The root node, or null when the text is rejected.
  std::shared_ptr<flash::xml::XMLNode> parse(const QString& text);

  bool good_parse = false;
};

}  // namespace classes
