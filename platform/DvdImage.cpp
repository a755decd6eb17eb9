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
#include "platform/ByteReader.h"

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
// nothing and the search goes on. These checks walk the same way, within the image.
constexpr std::uint32_t AnchorSector = 256;
constexpr unsigned AnchorTag = 2, PartitionTag = 5, TerminatingTag = 8, FileSetTag = 256,
                   FileIdentifierTag = 257, FileEntryTag = 261;
constexpr std::size_t MainExtent = 16, ReserveExtent = 24;  // length, then location
constexpr std::size_t PartitionStart = 188, PartitionLength = 192, RootIcb = 400;
// Descriptor sequences hold a handful of descriptors; this many blocks past the end of a cut
// image are still searched in a moment.
constexpr std::uint64_t Reach = 1024;
// libdvdread holds a directory whole in memory; a DVD's directories take a few kilobytes.
constexpr std::uint32_t MaxDirectoryBytes = 1 << 20;

std::uint32_t Le32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
         std::uint32_t{p[3]} << 24;
}

class ImageBlocks {
 public:
  explicit ImageBlocks(int file) : file_(file) {
    const off_t end = ::lseek(file, 0, SEEK_END);
    sectors_ = end > 0 ? static_cast<std::uint64_t>(end) / Block : 0;
  }
  std::uint64_t Sectors() const { return sectors_; }
  bool Read(std::uint64_t sector, std::uint8_t* block) const {
    return sector < sectors_ &&
           ::pread(file_, block, Block, static_cast<off_t>(sector * Block)) == Block;
  }
  unsigned TagAt(std::uint64_t sector) const {
    std::uint8_t block[Block];
    return Read(sector, block) ? (block[0] | block[1] << 8) : 0;
  }
  // A search over [first, last] that stops at a block tagged `stop` or `other` ends near the
  // image: its extent does, or such a block lies inside the image where it starts.
  bool SearchEnds(std::uint64_t first, std::uint64_t last, unsigned stop, unsigned other) const {
    if (last < sectors_ + Reach) return true;
    for (std::uint64_t at = first; at < std::min(sectors_, first + Reach); ++at) {
      const unsigned tag = TagAt(at);
      if (tag == stop || tag == other) return true;
    }
    return false;
  }

 private:
  int file_;
  std::uint64_t sectors_ = 0;
};

// libdvdread's own arithmetic: a 32-bit length, minus one, in blocks.
std::uint64_t LastBlock(std::uint64_t first, std::uint32_t length) {
  return first + static_cast<std::uint32_t>(length - 1) / Block;
}

// The file entry an ICB's search finds inside the image, if any, and whether its allocation
// descriptors lie inside its block: libdvdread adds their 32-bit lengths without a care.
bool FindFileEntry(const ImageBlocks& blocks, std::uint64_t first, std::uint32_t length,
                   std::uint8_t* entry, bool& found) {
  const std::uint64_t last = LastBlock(first, length);
  found = false;
  if (!blocks.SearchEnds(first, last, FileEntryTag, FileEntryTag)) return false;
  for (std::uint64_t at = first; !found && at <= last && at < first + Reach; ++at)
    found = blocks.Read(at, entry) && (entry[0] | entry[1] << 8) == FileEntryTag;
  return !found || 176 + std::uint64_t{Le32(entry + 168)} + Le32(entry + 172) <= Block;
}

// The directory an ICB (length, location in the partition) names, as libdvdread maps it; checks
// that the map's search and every entry's ends near the image, descending once into VIDEO_TS.
bool DirectoryEnds(const ImageBlocks& blocks, std::uint64_t partition, std::uint32_t length,
                   std::uint32_t location, bool descend) {
  std::uint8_t entry[Block];
  bool found = false;
  if (!FindFileEntry(blocks, partition + location, length, entry, found)) return false;
  if (!found) return true;  // no entry: the lookup fails at once
  const ByteReader fe(entry, Block);
  const std::uint32_t extendedBytes = *fe.Le32(168), descriptorBytes = *fe.Le32(172);
  const std::uint64_t ad = 176 + std::uint64_t{extendedBytes};
  if (ad + descriptorBytes > Block || descriptorBytes < 8) return true;
  const unsigned kind = *fe.Le16(16 + 18) & 7;
  const std::uint32_t bytes = *fe.Le32(ad) & 0x3FFFFFFF;
  const std::uint32_t start = kind == 2 ? fe.Le32(ad + 12).value_or(0) : *fe.Le32(ad + 4);
  if (fe.U8(16 + 11).value_or(0) != 4) return true;  // a file, not a directory
  if (bytes > MaxDirectoryBytes) return false;
  std::vector<std::uint8_t> directory((bytes + Block - 1) / Block * Block);
  for (std::size_t k = 0; k * Block < directory.size(); ++k)
    if (!blocks.Read(partition + start + k, directory.data() + k * Block)) break;
  const ByteReader in(directory.data(), directory.size());
  for (std::size_t p = 0; p < bytes;) {
    if (in.Le16(p).value_or(0) != FileIdentifierTag || !in.Has(p, 38)) break;
    const std::uint8_t nameBytes = *in.U8(p + 19);
    const std::uint16_t useBytes = *in.Le16(p + 36);
    const std::uint32_t icbLength = *in.Le32(p + 20) & 0x3FFFFFFF, icbLocation = *in.Le32(p + 24);
    // libdvdread reads the identifier's fields wherever its lengths put them.
    if (p + 38 + std::size_t{useBytes} + nameBytes > bytes) return false;
    std::uint8_t fileEntry[Block];
    bool mapped = false;
    if (!FindFileEntry(blocks, partition + icbLocation, icbLength, fileEntry, mapped)) return false;
    // The name: a compression byte (8: one byte a letter, 16: two), then the letters.
    std::string name;
    const std::size_t named = p + 38 + useBytes;
    const unsigned width = in.U8(named).value_or(8) == 16 ? 2 : 1;
    for (std::size_t i = 1; i + width <= nameBytes && in.Has(named + i, width); i += width)
      name += static_cast<char>(*in.U8(named + i + width - 1));
    if (descend && LowerAscii(name) == "video_ts" &&
        !DirectoryEnds(blocks, partition, icbLength, icbLocation, false))
      return false;
    p += 4 * ((38 + std::size_t{nameBytes} + useBytes + 3) / 4);
  }
  return true;
}

// Whether every search libdvdread starts in the image's file system, on the way to the files of
// VIDEO_TS, ends soon after the image does.
bool SearchesEndInsideImage(int file) {
  const ImageBlocks blocks(file);
  std::uint8_t block[Block];
  if (!blocks.Read(AnchorSector, block) || (block[0] | block[1] << 8) != AnchorTag) return false;
  std::uint64_t first = 0, last = 0;
  for (const std::size_t at : {ReserveExtent, MainExtent}) {
    const std::uint32_t length = Le32(block + at);
    first = Le32(block + at + 4);
    last = LastBlock(first, length);
    if (length == 0 || last >= blocks.Sectors() + Reach) return false;
  }
  // The main sequence's partitions: the search for the file set runs to the partition's end.
  for (std::uint64_t sector = first; sector <= std::min(last, first + Reach); ++sector) {
    if (!blocks.Read(sector, block)) break;
    const unsigned tag = block[0] | block[1] << 8;
    if (tag == TerminatingTag) break;
    if (tag != PartitionTag) continue;
    const std::uint64_t start = Le32(block + PartitionStart);
    const std::uint32_t length = Le32(block + PartitionLength);
    if (length == 0) continue;
    if (!blocks.SearchEnds(start, start + length - 1, FileSetTag, TerminatingTag)) return false;
    std::uint8_t set[Block];
    for (std::uint64_t at = start; at < std::min(start + length, start + Reach); ++at) {
      if (!blocks.Read(at, set)) break;
      const unsigned found = set[0] | set[1] << 8;
      if (found == TerminatingTag) break;
      if (found != FileSetTag) continue;
      if (!DirectoryEnds(blocks, start, Le32(set + RootIcb) & 0x3FFFFFFF, Le32(set + RootIcb + 4), true))
        return false;
      break;
    }
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

Phrase NoDvd() {
  return Phrase::Say("it is no DVD image or drive with a VIDEO_TS directory that can be read");
}

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
  static std::unique_ptr<SourceFile> Open(const DiscImage::Inside& inside, Phrase& reason) {
    const std::optional<Place> place = PlaceOf(inside.Name);
    const Phrase missing = Phrase::Say("the disc holds no VIDEO_TS/%1", inside.Name);
    if (!place) {
      reason = missing;
      return nullptr;
    }
    struct stat info {};
    if (::stat(inside.Image.c_str(), &info) != 0) {
      reason = Phrase(std::strerror(errno));
      return nullptr;
    }
    Reader dvd = OpenReader(inside.Image);
    if (!dvd) {
      reason = NoDvd();
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
      reason = Phrase::Say("the disc's VIDEO_TS/%1 cannot be opened", inside.Name);
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
        reason = Phrase::Say("the disc's VIDEO_TS/%1 is too large for an IFO", inside.Name);
        return nullptr;
      }
      file->bytes_.resize(static_cast<std::size_t>(file->size_));
      const ssize_t got = DVDReadBytes(file->file_, file->bytes_.data(), file->bytes_.size());
      if (got < 0) {
        reason = Phrase::Say("the disc's VIDEO_TS/%1 cannot be read", inside.Name);
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
      // Qualified in full here: lupdate gives a member defined in its class with a std:: type
      // the wrong context.
      fault_ = ::quelm::Phrase::Say("a read before the start of the file");
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
        fault_ = ::quelm::Phrase::Say(
            "the disc is encrypted (block %1 is scrambled) and this program does "
            "not decrypt discs",
            block + static_cast<std::int64_t>(i));
        return i;
      }
    }
    if (read < count)
      fault_ = ::quelm::Phrase::Say(
          "the image or drive gives no block %1 (a damaged or cut image, or a "
          "drive refusing it, as drives do on an encrypted disc)",
          block + static_cast<std::int64_t>(read));
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

std::unique_ptr<SourceFile> OpenInImage(const DiscImage::Inside& inside, Phrase& reason) {
  return ImageFile::Open(inside, reason);
}

namespace DiscImage {

bool Supported() { return true; }

Status List(const std::string& image, std::vector<Entry>& files) {
  files.clear();
  struct stat info {};
  if (::stat(image.c_str(), &info) != 0) return Status::Failure(std::string(std::strerror(errno)));
  const Reader dvd = OpenReader(image);
  if (!dvd) return Status::Failure(NoDvd());
  // Every disc names VIDEO_TS.IFO or a first title set; without either the file system is
  // not searched for the other 98, each search as long as a damaged one may be.
  dvd_stat_t probe {};
  if (DVDFileStat(dvd.get(), 0, DVD_READ_INFO_FILE, &probe) != 0 &&
      DVDFileStat(dvd.get(), 1, DVD_READ_INFO_FILE, &probe) != 0 &&
      DVDFileStat(dvd.get(), 1, DVD_READ_TITLE_VOBS, &probe) != 0)
    return Status::Failure(NoDvd());
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
  if (files.empty()) return Status::Failure(NoDvd());
  std::sort(files.begin(), files.end(),
            [](const Entry& a, const Entry& b) { return a.Name < b.Name; });
  return Status::Success();
}

}  // namespace DiscImage

}  // namespace quelm
