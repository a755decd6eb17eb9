// A build without libdvdread: disc images are named, listed as unreadable and never opened.
#include "platform/DvdImage.h"

namespace quelm {

std::unique_ptr<SourceFile> OpenInImage(const DiscImage::Inside&, Phrase& reason) {
  reason = Phrase::SayMarked(DiscImage::Unsupported);
  return nullptr;
}

namespace DiscImage {

bool Supported() { return false; }

Status List(const std::string&, std::vector<Entry>& files) {
  files.clear();
  return Status::Failure(Phrase::SayMarked(Unsupported));
}

}  // namespace DiscImage

}  // namespace quelm
