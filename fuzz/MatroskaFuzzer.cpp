// Matroska files: any bytes through libavformat's demuxer, read from memory as a file would be;
// every track read to its end and a step back to a unit read before. The units are left to the
// decoders' own targets: drawing them took nine tenths of the time here.
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "extraction/UnitSource.h"
#include "fuzz/FuzzSupport.h"

namespace quelm::fuzz {

namespace {

class MemoryFile final : public SourceFile {
 public:
  MemoryFile(const std::uint8_t* data, std::size_t size) : data_(data) {
    size_ = static_cast<std::int64_t>(size);
  }
  std::int64_t ReadAt(std::int64_t offset, std::uint8_t* buffer, std::size_t bytes) override {
    if (offset < 0) return -1;
    if (offset >= size_) return 0;
    const std::size_t count = std::min(bytes, static_cast<std::size_t>(size_ - offset));
    std::memcpy(buffer, data_ + offset, count);
    return static_cast<std::int64_t>(count);
  }

 private:
  const std::uint8_t* data_;
};

constexpr int MaxTracks = 4;
constexpr int MaxUnits = 500;

}  // namespace

void MatroskaInput(const std::uint8_t* data, std::size_t size) {
  Phrase reason;
  const std::unique_ptr<UnitSource> source =
      OpenUnitSource(std::make_unique<MemoryFile>(data, size), SourceFormat::Matroska, reason);
  if (!source) {
    if (reason.Empty()) Broken("refused without a reason");
    return;
  }
  const int tracks = std::min<int>(static_cast<int>(source->Tracks().size()), MaxTracks);
  for (int track = 0; track < tracks; ++track) {
    std::vector<SourceUnit> units;
    std::int64_t position = 0;
    SourceUnit unit;
    while (static_cast<int>(units.size()) < MaxUnits &&
           source->Read(track, position, unit) == UnitRead::Found) {
      if (unit.Track != track) Broken("a unit of another track");
      if (unit.Position < position) Broken("a unit before the position asked for");
      if (unit.NextPosition <= unit.Position) Broken("no progress past a unit");
      position = unit.NextPosition;
      units.push_back(std::move(unit));
    }
    if (units.empty()) continue;
    // "back" to a unit read before returns that unit exactly, from what the source holds and
    // from a source opened afresh (a cached position in a later session).
    const SourceUnit& earlier = units[units.size() / 2];
    if (source->Read(track, earlier.Position, unit) != UnitRead::Found ||
        unit.Position != earlier.Position || unit.Data != earlier.Data)
      Broken("a unit read before is not found again at its position");
    const std::unique_ptr<UnitSource> fresh =
        OpenUnitSource(std::make_unique<MemoryFile>(data, size), SourceFormat::Matroska, reason);
    if (!fresh || fresh->Read(track, earlier.Position, unit) != UnitRead::Found ||
        unit.Position != earlier.Position || unit.Data != earlier.Data)
      Broken("a unit read before is not found at its position by a source opened afresh");
  }
}

}  // namespace quelm::fuzz

QUELM_FUZZ_TARGET(MatroskaInput)
