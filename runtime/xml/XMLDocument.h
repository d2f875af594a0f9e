#pragma once

#include "runtime/xml/XMLNode.h"

namespace flash::xml {

// A parsed XML text as a node tree. Its children are the document's top nodes: the root element (the XML
// declaration, comments and processing instructions are not kept as nodes).
class XMLDocument : public XMLNode {
 public:
  // Parses `source` when given (see parseXML).
  explicit XMLDocument(const QString& source = {});

  // Drop text nodes that hold only white space. Qt Xml never keeps such nodes, so they are dropped in
  // either case; the flag is kept for the movie code that sets it.
  bool ignoreWhite = false;

  // Replaces the document's nodes with those of `source`. Throws ArgumentError when the text is not
  // well-formed XML.
  void parseXML(const QString& source);
};

}  // namespace flash::xml
