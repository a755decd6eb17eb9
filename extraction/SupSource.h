// A `.sup` file: a Blu-ray PGS stream as disc tools write it, every segment behind a header
// "PG", PTS (4 bytes), DTS (4), type (1), size (2). A subtitle is a display set (the segments
// from a composition to its end segment) that shows something; whatever display set comes next
// replaces or clears it, so its PTS is the subtitle's end. Positions are the byte offsets where
// display sets start.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "extraction/PgsDecoder.h"
#include "platform/SourceFile.h"
#include "platform/Status.h"

namespace quelm {

struct SupSubtitle {
  bool Found = false;
  std::int64_t StartPosition = -1;  // the display set that shows it
  std::int64_t NextPosition = 0;    // where the search for the next one starts
  std::uint64_t StartPts = 0;       // 90 kHz
  bool HasEnd = false;
  std::uint64_t EndPts = 0;
  PgsPicture Picture;
  // A damaged segment of its display sets; the picture holds what the rest gave.
  std::string Fault;
};

class SupReader {
 public:
  static constexpr int HeaderSize = 13;

  // Opens the file and lists its display sets. A file whose segments break off is read up to
  // the break; Fault() names it. Fails when the file cannot be read or holds no segment at all.
  Status Open(const std::string& path);

  // The first display set at or after `position` that shows something, drawn in `colors`
  // (background, fill, outline, anti-aliasing). Not found: NextPosition is the file's end.
  SupSubtitle NextSubtitle(std::int64_t position, const std::array<Color, 4>& colors);

  std::int64_t Size() const { return file_ ? file_->Size() : 0; }
  // Where and why the listing stopped before the file's end; empty when it did not.
  const std::string& Fault() const { return fault_; }
  std::size_t DisplaySets() const { return sets_.size(); }

 private:
  struct DisplaySet {
    std::int64_t Offset = 0;
    std::int64_t End = 0;  // just after its last segment
    std::uint64_t Pts = 0;
    bool EpochStart = false;
    bool ShowsObjects = false;
  };
  Status Feed(const DisplaySet& set, PgsDecoder& decoder);

  std::string path_;
  std::unique_ptr<SourceFile> file_;
  std::vector<DisplaySet> sets_;
  std::string fault_;
};

}  // namespace quelm
