#include "runtime/xml/XMLDocument.h"

#include "runtime/Errors.h"

#include <QDomDocument>

namespace flash::xml {

namespace {

bool IsBlank(const QString& text)
{
  return text.trimmed().isEmpty();
}

void CopyChildren(const QDomNode& from, XMLNode& to, bool ignoreWhite)
{
  for (QDomNode node = from.firstChild(); !node.isNull(); node = node.nextSibling()) {
    if (node.isElement()) {
      auto element = std::make_shared<XMLNode>(XMLNodeType::ELEMENT_NODE, node.nodeName());
      const QDomNamedNodeMap attributes = node.attributes();
      for (int i = 0; i < attributes.count(); ++i) {
        const QDomAttr attribute = attributes.item(i).toAttr();
        element->setAttribute(attribute.name(), attribute.value());
      }
      CopyChildren(node, *element, ignoreWhite);
      to.appendChild(element);
    } else if (node.isText() || node.isCDATASection()) {
      const QString text = node.nodeValue();
      if (!(ignoreWhite && IsBlank(text))) {
        to.appendChild(std::make_shared<XMLNode>(XMLNodeType::TEXT_NODE, text));
      }
    }
  }
}

}  // namespace

XMLDocument::XMLDocument(const QString& source) : XMLNode(XMLNodeType::ELEMENT_NODE, QString())
{
  if (!source.isNull()) {
    parseXML(source);
  }
}

void XMLDocument::parseXML(const QString& source)
{
  QDomDocument document;
  QString message;
  int line = 0;
  int column = 0;
  if (!document.setContent(source, &message, &line, &column)) {
    throw ArgumentError(QStringLiteral("Error #1090: XML parser failure: %1 (line %2, column %3).")
                            .arg(message)
                            .arg(line)
                            .arg(column)
                            .toStdString());
  }
  removeChildren();
  CopyChildren(document, *this, ignoreWhite);
}

}  // namespace flash::xml
