// Files inside disc images and drives: DvdImage.cpp reads them through libdvdread when it is
// found, NoDvdImage.cpp refuses them.
#pragma once

#include <memory>
#include <string>

#include "platform/SourceFile.h"

namespace quelm {

// The file `inside` names; nullptr with `reason` when the image lacks it or cannot be read.
std::unique_ptr<SourceFile> OpenInImage(const DiscImage::Inside& inside, Phrase& reason);

}  // namespace quelm
