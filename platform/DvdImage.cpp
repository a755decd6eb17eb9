// Files of a DVD's VIDEO_TS read from a disc image or a drive through libdvdread. Nothing here
// decrypts: a block that is still scrambled ends the read with a message saying so.
#include "platform/DvdImage.h"

#include <dvdread/dvd_reader.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <optional>

#include "platform/AsciiText.h"

namespace quelm {

namespace {

constexpr std::int64_t Block = DVD_VIDEO_LB_LEN;
// One read of libdvdread at most; larger requests are split.
constexpr std::size_t MaxBlocksPerRead = 512;
// An IFO holds tables of a few kilobytes; anything beyond this is no IFO.
constexpr std::int64_t MaxInfoFileSize = 64 << 20;
constexpr int MaxTitleSet = 99;

void Quiet(void*, dvd_logger_level_t, const char*, va_list) {}
const dvd_logger_cb QuietLogger{Quiet};

struct CloseReader {
  void operator()(dvd_reader_t* dvd) const { DVDClose(dvd); }
};
using Reader = std::unique_ptr<dvd_reader_t, CloseReader>;

// UDF (ECMA-167) fields that bound libdvdread's searches: it reads on, block by block, to the
// end of whatever extent they name, even far beyond the image's end, where every read finds
// nothing and the search goes on.
constexpr std::uint32_t AnchorSector = 256;
constexpr std::uint16_t AnchorTag = 2, PartitionTag = 5, TerminatingTag = 8, FileSetTag = 256;
constexpr std::size_t MainExtent = 16, ReserveExtent = 24;  // length, then location
constexpr std::size_t PartitionStart = 188, PartitionLength = 192;
// Descriptor sequences hold a handful of descriptors; this many blocks past the end of a cut
// image are still read in a moment.
constexpr std::uint64_t Reach = 1024;

std::uint32_t Le32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
         std::uint32_t{p[3]} << 24;
}

unsigned Tag(const std::uint8_t* block) { return block[0] | block[1] << 8; }

// Whether every search libdvdread starts in the image's file system ends soon after the image
// does: the anchor's descriptor sequences, and the partition up to its file set descriptor.
bool SearchesEndInsideImage(int file) {
  const off_t end = ::lseek(file, 0, SEEK_END);
  const std::uint64_t sectors = end > 0 ? static_cast<std::uint64_t>(end) / Block : 0;
  std::uint8_t block[Block];
  const auto read = [&](std::uint64_t sector) {
    return sector < sectors && ::pread(file, block, Block, static_cast<off_t>(sector * Block)) == Block;
  };
  if (!read(AnchorSector) || Tag(block) != AnchorTag) return false;
  std::uint64_t first = 0, last = 0;
  for (const std::size_t at : {ReserveExtent, MainExtent}) {
    const std::uint32_t length = Le32(block + at);
    first = Le32(block + at + 4);
    last = first + (std::uint64_t{length} - 1) / Block;
    if (length == 0 || last >= sectors + Reach) return false;
  }
  // The main sequence's partitions: the search for the file set runs to the partition's end.
  for (std::uint64_t sector = first; sector <= std::min(last, first + Reach) && read(sector);
       ++sector) {
    if (Tag(block) == TerminatingTag) break;
    if (Tag(block) != PartitionTag) continue;
    const std::uint64_t start = Le32(block + PartitionStart);
    const std::uint64_t stop = start + Le32(block + PartitionLength);
    if (stop < sectors + Reach) continue;
    std::uint8_t entry[Block];
    bool ends = false;
    for (std::uint64_t at = start; !ends && at < std::min(stop, start + Reach) && at < sectors; ++at)
      ends = ::pread(file, entry, Block, static_cast<off_t>(at * Block)) == Block &&
             (Tag(entry) == FileSetTag || Tag(entry) == TerminatingTag);
    if (!ends) return false;
  }
  return true;
}

Reader OpenReader(const std::string& image) {
  // A drive is read as it is; only an image file can be measured against its own end.
  struct stat info {};
  if (::stat(image.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
    const int file = ::open(image.c_str(), O_RDONLY | O_CLOEXEC);
    const bool bounded = file >= 0 && SearchesEndInsideImage(file);
    if (file >= 0) ::close(file);
    if (!bounded) return nullptr;
  }
  return Reader(DVDOpen2(nullptr, &QuietLogger, image.c_str()));
}

const char* const NoDvd = "it is no DVD image or drive with a VIDEO_TS directory that can be read";

struct Place {
  int Title = 0;
  dvd_read_domain_t Domain = DVD_READ_INFO_FILE;
  int Part = 0;  // 1..9 for the title VOBs
};

// Where the file a disc names "VIDEO_TS.IFO", "VTS_nn_0.BUP", "VTS_nn_k.VOB" (any case) lies.
std::optional<Place> PlaceOf(const std::string& name) {
  const std::string lower = LowerAscii(name);
  if (lower.size() != 12) return std::nullopt;
  const std::string extension = lower.substr(8);
  Place place;
  std::string stem = lower.substr(0, 8);
  if (stem == "video_ts") {
    place.Title = 0;
  } else {
    const auto digit = [&](std::size_t i) { return std::isdigit(static_cast<unsigned char>(stem[i])) != 0; };
    if (stem.compare(0, 4, "vts_") != 0 || !digit(4) || !digit(5) || stem[6] != '_' || !digit(7))
      return std::nullopt;
    place.Title = (stem[4] - '0') * 10 + (stem[5] - '0');
    place.Part = stem[7] - '0';
    if (place.Title == 0) return std::nullopt;
  }
  if (extension == ".vob") {
    place.Domain = place.Part == 0 ? DVD_READ_MENU_VOBS : DVD_READ_TITLE_VOBS;
  } else if (place.Part == 0 && extension == ".ifo") {
    place.Domain = DVD_READ_INFO_FILE;
  } else if (place.Part == 0 && extension == ".bup") {
    place.Domain = DVD_READ_INFO_BACKUP_FILE;
  } else {
    return std::nullopt;
  }
  return place;
}

std::string NameOf(int title, dvd_read_domain_t domain, int part) {
  static const char* const Extensions[] = {".IFO", ".BUP", ".VOB", ".VOB"};
  char stem[16];
  if (title == 0) {
    std::snprintf(stem, sizeof stem, "VIDEO_TS");
  } else {
    std::snprintf(stem, sizeof stem, "VTS_%02d_%d", title, part);
  }
  return std::string(stem) + Extensions[domain];
}

// The first packet of a pack (after the pack header and its stuffing) is an audio, video or
// private stream 1 packet whose PES scrambling control bits are set: the disc's encryption
// is still on it.
bool Scrambled(const std::uint8_t* block) {
  if (block[0] != 0 || block[1] != 0 || block[2] != 1 || block[3] != 0xBA ||
      (block[4] & 0xC0) != 0x40)
    return false;
  const std::size_t packet = 14 + (block[13] & 7);
  if (block[packet] != 0 || block[packet + 1] != 0 || block[packet + 2] != 1) return false;
  const std::uint8_t id = block[packet + 3];
  if (id != 0xBD && (id < 0xC0 || id > 0xEF)) return false;
  return (block[packet + 6] & 0x30) != 0;
}

class ImageFile final : public SourceFile {
 public:
  static std::unique_ptr<SourceFile> Open(const DiscImage::Inside& inside, std::string& reason) {
    const std::optional<Place> place = PlaceOf(inside.Name);
    const std::string missing = "the disc holds no VIDEO_TS/" + inside.Name;
    if (!place) {
      reason = missing;
      return nullptr;
    }
    struct stat info {};
    if (::stat(inside.Image.c_str(), &info) != 0) {
      reason = std::strerror(errno);
      return nullptr;
    }
    Reader dvd = OpenReader(inside.Image);
    if (!dvd) {
      reason = NoDvd;
      return nullptr;
    }
    dvd_stat_t stat {};
    if (DVDFileStat(dvd.get(), place->Title, place->Domain, &stat) != 0 ||
        (place->Domain == DVD_READ_TITLE_VOBS && place->Part > stat.nr_parts)) {
      reason = missing;
      return nullptr;
    }
    std::unique_ptr<ImageFile> file(new ImageFile());
    file->dvd_ = std::move(dvd);
    file->file_ = DVDOpenFile(file->dvd_.get(), place->Title, place->Domain);
    if (file->file_ == nullptr) {
      reason = "the disc's VIDEO_TS/" + inside.Name + " cannot be opened";
      return nullptr;
    }
    file->size_ = static_cast<std::int64_t>(stat.size);
    if (place->Domain == DVD_READ_TITLE_VOBS) {
      // The parts are read as one file, one after the other, each from a whole block.
      for (int k = 0; k + 1 < place->Part; ++k)
        file->startBlock_ += (static_cast<std::int64_t>(stat.parts_size[k]) + Block - 1) / Block;
      file->size_ = static_cast<std::int64_t>(stat.parts_size[place->Part - 1]);
    }
    if (file->size_ < 0) file->size_ = 0;
    file->identity_ = {static_cast<std::uint64_t>(info.st_dev),
                       static_cast<std::uint64_t>(info.st_ino), file->size_,
                       static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 +
                           info.st_mtim.tv_nsec};
    if (place->Domain == DVD_READ_INFO_FILE || place->Domain == DVD_READ_INFO_BACKUP_FILE) {
      // libdvdread reads an information file by bytes only, so it is read whole here.
      if (file->size_ > MaxInfoFileSize) {
        reason = "the disc's VIDEO_TS/" + inside.Name + " is too large for an IFO";
        return nullptr;
      }
      file->bytes_.resize(static_cast<std::size_t>(file->size_));
      const ssize_t got = DVDReadBytes(file->file_, file->bytes_.data(), file->bytes_.size());
      if (got < 0) {
        reason = "the disc's VIDEO_TS/" + inside.Name + " cannot be read";
        return nullptr;
      }
      file->bytes_.resize(static_cast<std::size_t>(got));
      file->information_ = true;
    }
    return file;
  }

  ~ImageFile() override {
    if (file_ != nullptr) DVDCloseFile(file_);
  }

  std::int64_t ReadAt(std::int64_t offset, std::uint8_t* buffer, std::size_t bytes) override {
    if (offset < 0) {
      fault_ = "a read before the start of the file";
      return -1;
    }
    if (information_) {
      const std::int64_t available = static_cast<std::int64_t>(bytes_.size());
      if (offset >= available) return 0;
      const std::size_t count =
          std::min<std::size_t>(bytes, static_cast<std::size_t>(available - offset));
      std::memcpy(buffer, bytes_.data() + offset, count);
      return static_cast<std::int64_t>(count);
    }
    const std::int64_t end = std::min(size_, offset + static_cast<std::int64_t>(bytes));
    std::int64_t at = offset;
    // What was read before a fault is handed out; the next read starts at the fault and fails.
    const auto readSoFar = [&] { return at > offset ? at - offset : std::int64_t{-1}; };
    while (at < end) {
      const std::int64_t block = at / Block;
      const std::int64_t within = at % Block;
      std::uint8_t* target = buffer + (at - offset);
      if (within == 0 && end - at >= Block) {
        const std::size_t wanted =
            std::min<std::size_t>(MaxBlocksPerRead, static_cast<std::size_t>((end - at) / Block));
        const std::size_t got = ReadBlocks(block, wanted, target);
        at += static_cast<std::int64_t>(got) * Block;
        if (got < wanted) return readSoFar();
      } else {
        if (ReadBlocks(block, 1, scratch_) < 1) return readSoFar();
        const std::int64_t count = std::min(Block - within, end - at);
        std::memcpy(target, scratch_ + within, static_cast<std::size_t>(count));
        at += count;
      }
    }
    return std::max<std::int64_t>(end - offset, 0);
  }

 private:
  ImageFile() = default;

  // Whole blocks of the file from `block` on: how many were read and are clear; fewer than
  // `count` leaves Fault() saying why.
  std::size_t ReadBlocks(std::int64_t block, std::size_t count, std::uint8_t* target) {
    const std::int64_t first = startBlock_ + block;
    const ssize_t got =
        first > INT32_MAX ? -1 : DVDReadBlocks(file_, static_cast<int>(first), count, target);
    const std::size_t read = got > 0 ? std::min(static_cast<std::size_t>(got), count) : 0;
    for (std::size_t i = 0; i < read; ++i) {
      if (Scrambled(target + i * Block)) {
        fault_ = "the disc is encrypted (block " +
                 std::to_string(block + static_cast<std::int64_t>(i)) +
                 " is scrambled) and this program does not decrypt discs";
        return i;
      }
    }
    if (read < count)
      fault_ = "the image or drive gives no block " +
               std::to_string(block + static_cast<std::int64_t>(read)) +
               " (a damaged or cut image, or a drive refusing it, as drives do on an encrypted "
               "disc)";
    return read;
  }

  Reader dvd_;
  dvd_file_t* file_ = nullptr;
  std::int64_t startBlock_ = 0;
  bool information_ = false;
  std::vector<std::uint8_t> bytes_;
  std::uint8_t scratch_[Block];
};

}  // namespace

std::unique_ptr<SourceFile> OpenInImage(const DiscImage::Inside& inside, std::string& reason) {
  return ImageFile::Open(inside, reason);
}

namespace DiscImage {

bool Supported() { return true; }

Status List(const std::string& image, std::vector<Entry>& files) {
  files.clear();
  struct stat info {};
  if (::stat(image.c_str(), &info) != 0) return Status::Failure(std::strerror(errno));
  const Reader dvd = OpenReader(image);
  if (!dvd) return Status::Failure(NoDvd);
  // Every disc names VIDEO_TS.IFO or a first title set; without either the file system is
  // not searched for the other 98, each search as long as a damaged one may be.
  dvd_stat_t probe {};
  if (DVDFileStat(dvd.get(), 0, DVD_READ_INFO_FILE, &probe) != 0 &&
      DVDFileStat(dvd.get(), 1, DVD_READ_INFO_FILE, &probe) != 0 &&
      DVDFileStat(dvd.get(), 1, DVD_READ_TITLE_VOBS, &probe) != 0)
    return Status::Failure(NoDvd);
  for (int title = 0; title <= MaxTitleSet; ++title) {
    dvd_stat_t stat {};
    const bool ifo = DVDFileStat(dvd.get(), title, DVD_READ_INFO_FILE, &stat) == 0;
    if (ifo) files.push_back({NameOf(title, DVD_READ_INFO_FILE, 0), stat.size});
    dvd_stat_t vobs {};
    const bool titleVobs =
        title > 0 && DVDFileStat(dvd.get(), title, DVD_READ_TITLE_VOBS, &vobs) == 0;
    if (!ifo && !titleVobs) continue;
    if (DVDFileStat(dvd.get(), title, DVD_READ_INFO_BACKUP_FILE, &stat) == 0)
      files.push_back({NameOf(title, DVD_READ_INFO_BACKUP_FILE, 0), stat.size});
    if (DVDFileStat(dvd.get(), title, DVD_READ_MENU_VOBS, &stat) == 0)
      files.push_back({NameOf(title, DVD_READ_MENU_VOBS, 0), stat.size});
    for (int k = 0; titleVobs && k < std::min(vobs.nr_parts, 9); ++k)
      files.push_back({NameOf(title, DVD_READ_TITLE_VOBS, k + 1), vobs.parts_size[k]});
  }
  if (files.empty()) return Status::Failure(NoDvd);
  std::sort(files.begin(), files.end(),
            [](const Entry& a, const Entry& b) { return a.Name < b.Name; });
  return Status::Success();
}

}  // namespace DiscImage

}  // namespace quelm
