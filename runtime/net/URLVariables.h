#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace flash::net {

// Named values sent with a request as form data ("name=value&..."), kept in the order they were set.
class URLVariables {
 public:
  // Sets a value; a name set before keeps its place.
  void set(const QString& name, const QString& value);
  QString value(const QString& name) const;
  bool isEmpty() const { return values_.isEmpty(); }
  const QList<QPair<QString, QString>>& values() const { return values_; }

  // The form-encoded text: names and values percent-encoded, blanks as "+".
  QString toString() const;

 private:
  QList<QPair<QString, QString>> values_;
};

}  // namespace flash::net
