// A build without libavformat: Matroska files are named and refused.
#include "extraction/MatroskaSource.h"

namespace quelm {

bool Matroska::Supported() {
  return false;
}

std::unique_ptr<UnitSource> OpenMatroska(std::unique_ptr<SourceFile>, Phrase& reason) {
  reason = Phrase::SayMarked(Matroska::Unsupported);
  return nullptr;
}

}  // namespace quelm
