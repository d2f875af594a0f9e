#include "movie/classes/CXMLToArray.h"

#include "runtime/Errors.h"
#include "runtime/xml/XMLDocument.h"

namespace classes {

namespace {

QVariant FirstText(const flash::xml::XMLNode& node)
{
  const auto first = node.firstChild();
  return first && !first->nodeValue().isNull() ? QVariant(first->nodeValue()) : QVariant();
}

}  // namespace

std::shared_ptr<flash::xml::XMLNode> CXMLToArray::parse(const QString& text)
{
  auto document = std::make_shared<flash::xml::XMLDocument>();
  document->ignoreWhite = true;
  try {
    document->parseXML(text);
  } catch (const flash::ArgumentError&) {
    return nullptr;
  }
  good_parse = true;
  // The root keeps its document alive through the shared owner.
  const auto root = document->firstChild();
  return root ? std::shared_ptr<flash::xml::XMLNode>(document, root.get()) : nullptr;
}

QVariantMap CXMLToArray::getArrayFromXml(const QString& text)
{
  QVariantMap result;
  if (const auto root = parse(text)) {
    for (const auto& child : root->childNodes()) {
      result.insert(child->nodeName(), child->attributes());
    }
  }
  return result;
}

QVariantList CXMLToArray::getArrayFromXml1(const QString& text)
{
  QVariantList result;
  if (const auto root = parse(text)) {
    for (const auto& child : root->childNodes()) {
      result.append(FirstText(*child));
    }
  }
  return result;
}

QVariantMap CXMLToArray::getArrayFromXml2(const QString& text)
{
  QVariantMap result;
  if (const auto root = parse(text)) {
    for (const auto& child : root->childNodes()) {
      result.insert(child->nodeName(), FirstText(*child));
    }
  }
  return result;
}

}  // namespace classes
