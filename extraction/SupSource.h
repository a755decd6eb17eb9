// A `.sup` file: a Blu-ray PGS stream as disc tools write it, every segment behind a header
// "PG", PTS (4 bytes), DTS (4), type (1), size (2). Its one track's units are display sets
// (the segments from a composition to its end segment), each at the byte offset where it
// starts.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "extraction/UnitSource.h"

namespace quelm {

class SupSource : public UnitSource {
 public:
  static constexpr int HeaderSize = 13;

  // Lists the file's display sets. A file whose segments break off is read up to the break and
  // reading there fails with the reason; nullptr with `reason` when not one display set begins.
  static std::unique_ptr<UnitSource> Open(std::unique_ptr<SourceFile> file, Phrase& reason);

  const std::vector<SourceTrack>& Tracks() const override { return tracks_; }
  // A unit's data is its display set's segments without their "PG" headers. Objects and
  // palettes hold through an epoch, so a display set that goes on an epoch begun before carries
  // that epoch's earlier display sets in front and decodes alone.
  UnitRead Read(int track, std::int64_t position, SourceUnit& unit) override;

 private:
  struct DisplaySet {
    std::int64_t Offset = 0;
    std::int64_t End = 0;  // just after its last segment
    std::uint64_t Pts = 0;
    bool EpochStart = false;
  };
  SupSource() = default;
  bool Append(const DisplaySet& set, std::vector<std::uint8_t>& data);

  std::unique_ptr<SourceFile> file_;
  std::vector<SourceTrack> tracks_;
  std::vector<DisplaySet> sets_;
  Phrase listingFault_;  // why the listing stopped short of the file's end
};

}  // namespace quelm
