#pragma once

#include <QString>
#include <QVariantMap>

#include <memory>
#include <vector>

namespace flash::xml {

enum class XMLNodeType { ELEMENT_NODE = 1, TEXT_NODE = 3 };

// A node of the classic XML tree: an element (name, attributes, children) or a text (its value).
class XMLNode {
 public:
  XMLNode(XMLNodeType type, QString nameOrValue);
  virtual ~XMLNode() = default;

  XMLNodeType nodeType() const { return type_; }
  // The element's name; a null text for a text node.
  const QString& nodeName() const { return name_; }
  // The text of a text node; a null text for an element.
  const QString& nodeValue() const { return value_; }
  // Attribute name → text value.
  const QVariantMap& attributes() const { return attributes_; }
  void setAttribute(const QString& name, const QString& value) { attributes_.insert(name, value); }

  const std::vector<std::shared_ptr<XMLNode>>& childNodes() const { return children_; }
  // Null when there are no children.
  std::shared_ptr<XMLNode> firstChild() const { return children_.empty() ? nullptr : children_.front(); }
  XMLNode* parentNode() const { return parent_; }
  void appendChild(std::shared_ptr<XMLNode> child);

 protected:
  void removeChildren() { children_.clear(); }

 private:
  XMLNodeType type_;
  QString name_;
  QString value_;
  QVariantMap attributes_;
  std::vector<std::shared_ptr<XMLNode>> children_;
  XMLNode* parent_ = nullptr;
};

}  // namespace flash::xml
