#pragma once

#include "runtime/display/DisplayObject.h"
#include "runtime/display/Loader.h"

#include <QString>

#include <memory>
#include <variant>

namespace classes {

// The outcome of one queue entry.
struct LoadResult {
  QString type;
  bool is_loaded = false;
  // "php": the response text; "flash" and "image": the loaded content; null after a failure.
  std::variant<std::nullptr_t, QString, std::shared_ptr<flash::display::DisplayObject>> data = nullptr;
  // "flash" and "image": the loader that holds the content.
  std::shared_ptr<flash::display::Loader> loader;

  bool isNull() const { return std::holds_alternative<std::nullptr_t>(data); }
  QString text() const { return std::holds_alternative<QString>(data) ? std::get<QString>(data) : QString(); }
  std::shared_ptr<flash::display::DisplayObject> content() const
  {
    using Content = std::shared_ptr<flash::display::DisplayObject>;
    return std::holds_alternative<Content>(data) ? std::get<Content>(data) : nullptr;
  }
};

}  // namespace classes
