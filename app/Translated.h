// A message of the cores in the window's language.
#pragma once

#include <QString>

#include "platform/Phrase.h"

namespace quelm {

// The pattern and every argument that is a phrase looked up in the translation in use, plain
// arguments as they are; a plain phrase is said as it is.
QString Translated(const Phrase& phrase);

}  // namespace quelm
