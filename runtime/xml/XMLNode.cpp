#include "runtime/xml/XMLNode.h"

namespace flash::xml {

XMLNode::XMLNode(XMLNodeType type, QString nameOrValue) : type_(type)
{
  if (type == XMLNodeType::ELEMENT_NODE) {
    name_ = std::move(nameOrValue);
  } else {
    value_ = std::move(nameOrValue);
  }
}

void XMLNode::appendChild(std::shared_ptr<XMLNode> child)
{
  child->parent_ = this;
  children_.push_back(std::move(child));
}

}  // namespace flash::xml
