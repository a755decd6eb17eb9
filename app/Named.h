// A new widget, action or timer with its component name, which tests and translations address.
#pragma once

#include <QString>

namespace quelm {

template <typename T>
T* Named(T* object, const char* name) {
  object->setObjectName(QString::fromLatin1(name));
  return object;
}

}  // namespace quelm
