// The files the readers take bytes from by offset: an ordinary file, or a file of a DVD's
// VIDEO_TS inside a disc image or a drive. A file inside one is named "<image>/VIDEO_TS/<NAME>"
// ("movie.iso/VIDEO_TS/VTS_01_1.VOB", "/dev/sr0/VIDEO_TS/VTS_01_0.IFO"), so file lists,
// messages and the position cache go on naming files by their path.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Status.h"

namespace quelm {

// Names ending so (in any case) are taken for Matroska files.
inline const std::vector<std::string_view> MatroskaFileEndings = {".mkv", ".mks", ".mka", ".webm"};

// What tells two states of a file apart: a changed file must not be served from an old buffer.
struct SourceIdentity {
  std::uint64_t Device = 0, Inode = 0;
  std::int64_t Size = -1, ModifiedNs = 0;
  bool operator==(const SourceIdentity&) const = default;
};

class SourceFile {
 public:
  virtual ~SourceFile() = default;
  SourceFile(const SourceFile&) = delete;
  SourceFile& operator=(const SourceFile&) = delete;

  // The file at `path`; nullptr with `reason` saying why not ("No such file or directory", "this
  // build cannot read disc images", ...), without the path.
  static std::unique_ptr<SourceFile> Open(const std::string& path, Phrase& reason);

  std::int64_t Size() const { return size_; }
  const SourceIdentity& Identity() const { return identity_; }

  // Up to `bytes` bytes from `offset` (fewer only at the end of the file); -1 when they cannot
  // be read, and Fault() says why (an encrypted disc, a damaged image, a read error).
  virtual std::int64_t ReadAt(std::int64_t offset, std::uint8_t* buffer, std::size_t bytes) = 0;
  const Phrase& Fault() const { return fault_; }

 protected:
  SourceFile() = default;
  std::int64_t size_ = 0;
  SourceIdentity identity_;
  Phrase fault_;
};

// The first `maxBytes` of the file at `path`; nullopt with `reason` when it cannot be read.
std::optional<std::string> ReadSourcePrefix(const std::string& path, std::size_t maxBytes,
                                            Phrase& reason);

namespace DiscImage {
QUELM_TRANSLATION_CONTEXT(quelm::core)

constexpr const char* Unsupported = QUELM_MARKED("this build cannot read disc images");

// Whether this build reads disc images and drives (through libdvdread).
bool Supported();

// A regular file named "*.iso" (any case) or a block device: what stands for a whole disc.
bool IsImage(const std::string& path);

struct Inside {
  std::string Image;  // the image file or device
  std::string Name;   // the file's name in VIDEO_TS, as given ("VTS_01_1.VOB")
};
// The image and the name of a path "<image>/VIDEO_TS/<NAME>" whose <image> is a file or a
// block device; nullopt for any other path.
std::optional<Inside> Split(const std::string& path);
// The image of "<image>/VIDEO_TS" (with or without a trailing "/"), else nullopt.
std::optional<std::string> ImageOfVideoTs(const std::string& directory);

// Where files about `root` are written: the root itself, or for a root inside a disc image the
// directory holding the image, since nothing is written into one. A drive's root stays.
std::string WritableRoot(const std::string& root);

struct Entry {
  std::string Name;  // as a disc spells it: "VTS_01_1.VOB"
  std::int64_t Size = 0;
};
// The IFO, BUP and VOB files of the image's VIDEO_TS in name order; a Failure saying why (no
// DVD file system, an unsupported build) without the path.
Status List(const std::string& image, std::vector<Entry>& files);

}  // namespace DiscImage

}  // namespace quelm
