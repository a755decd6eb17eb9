// Ordinary files read by offset, and the naming of files inside disc images.
#include "platform/SourceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/AsciiText.h"
#include "platform/DvdImage.h"

namespace quelm {

namespace {

SourceIdentity IdentityOf(const struct stat& info) {
  return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
          static_cast<std::int64_t>(info.st_size),
          static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

class OrdinaryFile final : public SourceFile {
 public:
  OrdinaryFile(int descriptor, const struct stat& info) : descriptor_(descriptor) {
    size_ = static_cast<std::int64_t>(info.st_size);
    identity_ = IdentityOf(info);
  }
  ~OrdinaryFile() override { ::close(descriptor_); }

  std::int64_t ReadAt(std::int64_t offset, std::uint8_t* buffer, std::size_t bytes) override {
    std::size_t done = 0;
    while (done < bytes) {
      const ssize_t got = ::pread(descriptor_, buffer + done, bytes - done,
                                  static_cast<off_t>(offset + static_cast<std::int64_t>(done)));
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) {
        fault_ = Phrase(std::strerror(errno));
        return -1;
      }
      if (got == 0) break;
      done += static_cast<std::size_t>(got);
    }
    return static_cast<std::int64_t>(done);
  }

 private:
  int descriptor_;
};

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// The directory part and the last name of a path without trailing slashes.
std::pair<std::string, std::string> SplitLast(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {std::string(), path};
  return {slash == 0 ? std::string("/") : path.substr(0, slash), path.substr(slash + 1)};
}

// A file that cannot have children (so a path below it can only mean a file inside it).
bool FileOrBlockDevice(const std::string& path) {
  struct stat info {};
  return !path.empty() && ::stat(path.c_str(), &info) == 0 &&
         (S_ISREG(info.st_mode) || S_ISBLK(info.st_mode));
}

}  // namespace

std::unique_ptr<SourceFile> SourceFile::Open(const std::string& path, Phrase& reason) {
  if (const auto inside = DiscImage::Split(path)) {
    if (!DiscImage::Supported()) {
      reason = Phrase::SayMarked(DiscImage::Unsupported);
      return nullptr;
    }
    return OpenInImage(*inside, reason);
  }
  // Not blocking: a named pipe must not hang the open.
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (descriptor < 0) {
    reason = Phrase(std::strerror(errno));
    return nullptr;
  }
  struct stat info {};
  if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
    const int error = errno;
    reason = S_ISDIR(info.st_mode) ? Phrase(std::strerror(EISDIR))
             : error != 0          ? Phrase(std::strerror(error))
                                   : Phrase::Say("not an ordinary file");
    ::close(descriptor);
    return nullptr;
  }
  return std::make_unique<OrdinaryFile>(descriptor, info);
}

std::optional<std::string> ReadSourcePrefix(const std::string& path, std::size_t maxBytes,
                                            Phrase& reason) {
  const std::unique_ptr<SourceFile> file = SourceFile::Open(path, reason);
  if (!file) return std::nullopt;
  std::string bytes(
      static_cast<std::size_t>(std::min<std::int64_t>(file->Size(), static_cast<std::int64_t>(maxBytes))),
      '\0');
  const std::int64_t got =
      file->ReadAt(0, reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size());
  if (got < 0) {
    reason = file->Fault();
    return std::nullopt;
  }
  bytes.resize(static_cast<std::size_t>(got));
  return bytes;
}

namespace DiscImage {

bool IsImage(const std::string& path) {
  struct stat info {};
  if (path.empty() || ::stat(path.c_str(), &info) != 0) return false;
  if (S_ISBLK(info.st_mode)) return true;
  const std::string lower = LowerAscii(path);
  return S_ISREG(info.st_mode) && lower.size() > 4 &&
         lower.compare(lower.size() - 4, 4, ".iso") == 0;
}

std::optional<Inside> Split(const std::string& path) {
  const auto [directory, name] = SplitLast(WithoutTrailingSlashes(path));
  if (name.empty() || directory.empty()) return std::nullopt;
  const auto image = ImageOfVideoTs(directory);
  if (!image) return std::nullopt;
  return Inside{*image, name};
}

std::optional<std::string> ImageOfVideoTs(const std::string& directory) {
  const auto [image, last] = SplitLast(WithoutTrailingSlashes(directory));
  if (LowerAscii(last) != "video_ts" || !FileOrBlockDevice(image)) return std::nullopt;
  return image;
}

std::string WritableRoot(const std::string& root) {
  const auto image = ImageOfVideoTs(root);
  struct stat info {};
  if (!image || ::stat(image->c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return root;
  const std::string directory = SplitLast(*image).first;
  return directory.empty() ? "./" : directory.back() == '/' ? directory : directory + "/";
}

}  // namespace DiscImage

}  // namespace quelm
