// Disc images: the file system libdvdread finds in them, the files it names and reads of their
// blocks through SourceFile, and the IFOs read from inside. The input holds only the sectors
// that matter, each behind its number, so that mutations fall on the file system's structures
// rather than on the zeros between them:
//   u16 the image's size in sectors, then records of u16 sector number and up to 2048 bytes.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "disc/IfoReader.h"
#include "fuzz/FuzzSupport.h"
#include "platform/SourceFile.h"

namespace quelm::fuzz {

namespace {

constexpr std::size_t Sector = 2048;
// Reads look at the start of each file and at its end; the middle adds nothing but time.
constexpr std::int64_t ReadSpan = 64 * 1024;

unsigned Be16(const std::uint8_t* p) { return (unsigned{p[0]} << 8) | p[1]; }

std::string WriteImage(const std::uint8_t* data, std::size_t size) {
  const std::string path = WriteScratchFile("fuzz.iso", {});
  if (size < 2) return path;
  const unsigned sectors = Be16(data);
  const int file = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (file < 0) Broken("cannot open the scratch image");
  if (::ftruncate(file, static_cast<off_t>(sectors) * Sector) != 0) Broken("cannot size the image");
  for (std::size_t at = 2; at + 2 <= size;) {
    const unsigned sector = Be16(data + at);
    const std::size_t length = std::min(Sector, size - at - 2);
    if (sector < sectors &&
        ::pwrite(file, data + at + 2, length, static_cast<off_t>(sector) * Sector) < 0)
      Broken("cannot write the image");
    at += 2 + length;
  }
  ::close(file);
  return path;
}

void ReadThrough(SourceFile& file, std::int64_t from, std::int64_t to) {
  std::vector<std::uint8_t> buffer(5000);
  for (std::int64_t at = from; at < to;) {
    const std::int64_t got = file.ReadAt(at, buffer.data(), buffer.size());
    if (got < -1 || got > static_cast<std::int64_t>(buffer.size()))
      Broken("a read gave " + std::to_string(got) + " bytes");
    if (got < 0 && file.Fault().Empty()) Broken("a failed read without a fault");
    if (got <= 0) return;
    if (at + got > file.Size()) Broken("a read beyond the file's size");
    at += got;
  }
}

}  // namespace

void ImageInput(const std::uint8_t* data, std::size_t size) {
  const std::string image = WriteImage(data, size);
  std::vector<DiscImage::Entry> files;
  const Status listed = DiscImage::List(image, files);
  if (!listed && listed.Message.empty()) Broken("a refused image without a reason");
  for (const DiscImage::Entry& entry : files) {
    const std::string path = image + "/VIDEO_TS/" + entry.Name;
    Phrase reason;
    const std::unique_ptr<SourceFile> file = SourceFile::Open(path, reason);
    if (!file) {
      if (reason.Empty()) Broken("a refused file without a reason");
      continue;
    }
    // No size is compared with the list's: on a damaged image libdvdread's caches may find
    // another entry of the same name the second time.
    ReadThrough(*file, 0, std::min(file->Size(), ReadSpan));
    ReadThrough(*file, std::max<std::int64_t>(file->Size() - ReadSpan, ReadSpan), file->Size());
    if (entry.Name.size() > 4 && entry.Name.compare(entry.Name.size() - 4, 4, ".IFO") == 0) {
      IfoReader reader(path);
      reader.ReadLanguages();
      reader.ReadChapters();
    }
  }
}

}  // namespace quelm::fuzz

QUELM_FUZZ_TARGET(ImageInput)
