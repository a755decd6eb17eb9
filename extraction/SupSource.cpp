// Lists a `.sup` file's display sets from its segment headers, then hands each out as a unit.
#include "extraction/SupSource.h"

#include <algorithm>

#include "extraction/PgsDecoder.h"
#include "platform/ByteReader.h"

namespace quelm {

namespace {

// A composition's payload up to its state, read with the header while listing.
constexpr int CompositionHead = 8;
// An epoch replayed in front of a display set holds at most this many display sets and bytes;
// discs begin one with every subtitle or two.
constexpr int MaxEpochSets = 64;
constexpr std::int64_t MaxUnitBytes = 16 << 20;

}  // namespace

std::unique_ptr<UnitSource> SupSource::Open(std::unique_ptr<SourceFile> file, Phrase& reason) {
  std::unique_ptr<SupSource> source(new SupSource());
  source->size_ = file->Size();
  source->identity_ = file->Identity();
  source->tracks_ = {SourceTrack{UnitKind::PgsDisplaySet, "", "", ""}};
  const std::int64_t size = file->Size();
  std::int64_t at = 0;
  DisplaySet* open = nullptr;  // the display set whose end segment is still to come
  std::vector<DisplaySet>& sets = source->sets_;
  while (at < size) {
    std::uint8_t head[HeaderSize + CompositionHead];
    const std::int64_t got = file->ReadAt(at, head, sizeof head);
    if (got < 0) {
      source->listingFault_ = Phrase::Say("cannot read from byte %1: %2", at, file->Fault());
      break;
    }
    const ByteReader reader(head, static_cast<std::size_t>(got));
    if (got < HeaderSize || head[0] != 'P' || head[1] != 'G') {
      source->listingFault_ = Phrase::Say("no PGS segment at byte %1", at);
      break;
    }
    const std::uint8_t type = head[10];
    const std::int64_t end = at + HeaderSize + *reader.Be16(11);
    if (end > size) {
      source->listingFault_ = Phrase::Say("the file ends inside the segment at byte %1", at);
      break;
    }
    if (type == PgsDecoder::PresentationSegment) {
      DisplaySet set;
      set.Offset = at;
      set.Pts = *reader.Be32(2);
      set.EpochStart = (reader.U8(HeaderSize + 7).value_or(0) & 0x80) != 0;
      sets.push_back(set);
      open = &sets.back();
    }
    // Segments before the first composition belong to no display set and are passed over.
    if (open != nullptr) {
      open->End = end;
      if (type == PgsDecoder::EndSegment) open = nullptr;
    }
    at = end;
  }
  if (sets.empty()) {
    reason = source->listingFault_.Empty() ? Phrase::Say("it holds no PGS composition")
                                           : source->listingFault_;
    return nullptr;
  }
  source->file_ = std::move(file);
  return source;
}

bool SupSource::Append(const DisplaySet& set, std::vector<std::uint8_t>& data) {
  const std::int64_t length = set.End - set.Offset;
  if (length <= 0 || static_cast<std::int64_t>(data.size()) + length > MaxUnitBytes) {
    fault_ = Phrase::Say("the display set at byte %1 has %2 bytes", set.Offset, length);
    return false;
  }
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
  if (file_->ReadAt(set.Offset, bytes.data(), bytes.size()) != length) {
    fault_ = Phrase::Say("cannot read from byte %1: %2", set.Offset, file_->Fault());
    return false;
  }
  // The listing checked every header and size up to End.
  const ByteReader reader(bytes);
  for (std::size_t at = 0; reader.Has(at, HeaderSize);) {
    const std::size_t size = *reader.Be16(at + 11);
    const std::size_t end = std::min(at + HeaderSize + size, bytes.size());
    data.insert(data.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at + 10),
                bytes.begin() + static_cast<std::ptrdiff_t>(end));
    at = end;
  }
  return true;
}

UnitRead SupSource::Read(int track, std::int64_t position, SourceUnit& unit) {
  auto set = std::lower_bound(sets_.begin(), sets_.end(), position,
                              [](const DisplaySet& s, std::int64_t p) { return s.Offset < p; });
  if (track != 0 || set == sets_.end()) {
    if (track != 0 || listingFault_.Empty()) return UnitRead::EndOfFile;
    fault_ = listingFault_;
    return UnitRead::Failed;
  }
  if (Reading && !Reading(set->Offset)) return UnitRead::Stopped;
  auto epoch = set;
  while (epoch != sets_.begin() && !epoch->EpochStart && set - epoch < MaxEpochSets) --epoch;
  unit = SourceUnit();
  unit.Track = 0;
  unit.Position = set->Offset;
  unit.NextPosition = set + 1 != sets_.end() ? (set + 1)->Offset : std::max(set->End, set->Offset + 1);
  unit.HasPts = true;
  unit.Pts = set->Pts;
  for (auto s = epoch; s <= set; ++s)
    if (!Append(*s, unit.Data)) return UnitRead::Failed;
  return UnitRead::Found;
}

}  // namespace quelm
