// Lists a `.sup` file's display sets from its segment headers, then decodes the one asked for
// with the objects and palettes its epoch brought before it.
#include "extraction/SupReader.h"

#include <algorithm>

#include "platform/ByteReader.h"

namespace quelm {

namespace {

// A composition's payload up to its object count, read with the header while listing.
constexpr int CompositionHead = 11;
// A display set larger than this is no display set (objects are a few hundred kilobytes).
constexpr std::int64_t MaxDisplaySet = 64 << 20;

}  // namespace

Status SupReader::Open(const std::string& path) {
  path_ = path;
  sets_.clear();
  fault_.clear();
  std::string reason;
  file_ = SourceFile::Open(path, reason);
  if (!file_) return Status::Failure("cannot open '" + path + "': " + reason);

  const std::int64_t size = file_->Size();
  std::int64_t at = 0;
  DisplaySet* open = nullptr;  // the display set whose end segment is still to come
  while (at < size) {
    std::uint8_t head[HeaderSize + CompositionHead];
    const std::int64_t got = file_->ReadAt(at, head, sizeof head);
    if (got < 0) {
      fault_ = "cannot read '" + path + "' from byte " + std::to_string(at) + ": " + file_->Fault();
      break;
    }
    const ByteReader reader(head, static_cast<std::size_t>(got));
    if (got < HeaderSize || head[0] != 'P' || head[1] != 'G') {
      fault_ = "'" + path + "' has no segment header at byte " + std::to_string(at);
      break;
    }
    const std::uint8_t type = head[10];
    const std::int64_t end = at + HeaderSize + *reader.Be16(11);
    if (end > size) {
      fault_ = "'" + path + "' ends inside the segment at byte " + std::to_string(at);
      break;
    }
    if (type == PgsDecoder::PresentationSegment) {
      DisplaySet set;
      set.Offset = at;
      set.Pts = *reader.Be32(2);
      // State 0x80 begins an epoch; an object count of 0 shows nothing.
      set.EpochStart = (reader.U8(HeaderSize + 7).value_or(0) & 0x80) != 0;
      set.ShowsObjects = reader.U8(HeaderSize + 10).value_or(0) > 0;
      sets_.push_back(set);
      open = &sets_.back();
    }
    // Segments before the first composition belong to no display set and are passed over.
    if (open != nullptr) {
      open->End = end;
      if (type == PgsDecoder::EndSegment) open = nullptr;
    }
    at = end;
  }
  if (sets_.empty() && !fault_.empty()) return Status::Failure(fault_);
  if (sets_.empty() && size > 0)
    return Status::Failure("'" + path + "' holds no PGS composition");
  return Status::Success();
}

Status SupReader::Feed(const DisplaySet& set, PgsDecoder& decoder) {
  const std::int64_t length = set.End - set.Offset;
  if (length > MaxDisplaySet)
    return Status::Failure("the display set at byte " + std::to_string(set.Offset) + " has " +
                           std::to_string(length) + " bytes");
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
  if (file_->ReadAt(set.Offset, bytes.data(), bytes.size()) != length)
    return Status::Failure("cannot read '" + path_ + "' from byte " + std::to_string(set.Offset) +
                           ": " + file_->Fault());
  const ByteReader reader(bytes);
  Status first;
  // The listing checked every header and size up to End.
  for (std::size_t at = 0; reader.Has(at, HeaderSize);) {
    const std::uint16_t size = *reader.Be16(at + 11);
    const auto payload = reader.Sub(at + HeaderSize, size);
    if (!payload) break;
    const Status status = decoder.AddSegment(*reader.U8(at + 10), payload->Bytes());
    if (!status && first)
      first = Status::Failure("'" + path_ + "' byte " + std::to_string(set.Offset + static_cast<std::int64_t>(at)) +
                              ": " + status.Message);
    at += HeaderSize + size;
  }
  return first;
}

SupSubtitle SupReader::NextSubtitle(std::int64_t position, const std::array<Color, 4>& colors) {
  SupSubtitle subtitle;
  subtitle.NextPosition = Size();
  auto set = std::lower_bound(sets_.begin(), sets_.end(), position,
                              [](const DisplaySet& s, std::int64_t p) { return s.Offset < p; });
  for (; set != sets_.end(); ++set) {
    if (!set->ShowsObjects) continue;
    // Objects and palettes stay defined through an epoch: replay it from its start.
    auto epoch = set;
    while (epoch != sets_.begin() && !epoch->EpochStart) --epoch;
    PgsDecoder decoder;
    Status fault;
    for (auto s = epoch; s <= set; ++s) {
      const Status status = Feed(*s, decoder);
      if (!status && fault) fault = status;
    }
    const auto next = set + 1;
    if (!decoder.DisplaySetEnded()) {
      if (fault) fault = Status::Failure("'" + path_ + "' byte " + std::to_string(set->Offset) +
                                         ": the display set has no end segment");
    }
    PgsPicture picture = decoder.Picture(colors);
    if (picture.Empty) {
      if (!fault) subtitle.Fault = fault.Message;
      continue;
    }
    subtitle.Found = true;
    subtitle.StartPosition = set->Offset;
    subtitle.StartPts = set->Pts;
    subtitle.Picture = std::move(picture);
    subtitle.Fault = fault.Message;
    if (next != sets_.end()) {
      subtitle.NextPosition = next->Offset;
      subtitle.HasEnd = true;
      subtitle.EndPts = next->Pts;
    }
    return subtitle;
  }
  return subtitle;
}

}  // namespace quelm
