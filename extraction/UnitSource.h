// Files read unit by unit instead of as a VOB pack stream: Matroska through libavformat, PGS
// .sup files. Each unit comes whole, with a position that leads back to it exactly. Positions
// are byte offsets in the file, so the progress display and the position cache keep meaning
// bytes, as for VOB files.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/SourceFile.h"

namespace quelm {

// How a file is read.
enum class SourceFormat {
  PackStream,  // VOB files, a VobSub pair's .sub: ExtractionRun's pack reader
  Matroska,    // .mkv, .mks, .mka, .webm
  PgsFile,     // .sup: PGS segments, each behind its "PG" header
};

// By the first bytes (an EBML header, a "PG" segment header, a pack header), else by the name's
// ending in any case; PackStream when neither tells.
SourceFormat DetectSourceFormat(SourceFile& file, const std::string& name);
// The same for a path; PackStream when the file cannot be opened (its run says why).
SourceFormat DetectSourceFormat(const std::string& path);

enum class UnitKind {
  DvdSubpicture,  // a subpicture unit as a VOB carries it (Matroska S_VOBSUB)
  PgsDisplaySet,  // the segments of one PGS display set, each without its "PG" header
};

struct SourceTrack {
  UnitKind Kind = UnitKind::DvdSubpicture;
  std::string LanguageCode;  // as the file writes it ("eng", "ger", "fr"); empty when unknown
  std::string Title;         // the track's name; may be empty
  std::string IndexHeader;   // VobSub: the .idx text it carries (frame size, palette)
};

struct SourceUnit {
  int Track = 0;                  // index into Tracks()
  std::int64_t Position = -1;     // reading from here returns this unit first
  std::int64_t NextPosition = 0;  // reading from here returns the unit after it
  bool HasPts = false;
  std::uint64_t Pts = 0;  // 90 kHz ticks on the file's own timeline
  std::vector<std::uint8_t> Data;
};

enum class UnitRead {
  Found,
  EndOfFile,  // no unit of the track at or after the position
  Stopped,    // Reading returned false
  Failed,     // Fault() says why; units read before stay valid
};

class UnitSource {
 public:
  virtual ~UnitSource() = default;
  UnitSource(const UnitSource&) = delete;
  UnitSource& operator=(const UnitSource&) = delete;

  // The subtitle tracks in file order: track i is read as sub-stream 0x20 + i.
  virtual const std::vector<SourceTrack>& Tracks() const = 0;
  // The first unit of `track` that starts at or after `position`. Going on from the last unit
  // (its NextPosition) continues where reading stopped; an earlier position returns exactly.
  virtual UnitRead Read(int track, std::int64_t position, SourceUnit& unit) = 0;

  // Called while reading with the byte offset reached, at least every few hundred kilobytes;
  // returning false stops the read (UnitRead::Stopped).
  std::function<bool(std::int64_t offset)> Reading;

  const Phrase& Fault() const { return fault_; }
  std::int64_t Size() const { return size_; }
  const SourceIdentity& Identity() const { return identity_; }

 protected:
  UnitSource() = default;
  Phrase fault_;
  std::int64_t size_ = 0;
  SourceIdentity identity_;
};

// `file` read as `format` (not PackStream); nullptr with `reason` saying why not ("this build
// cannot read Matroska files", "no Matroska header"), without the file's name.
std::unique_ptr<UnitSource> OpenUnitSource(std::unique_ptr<SourceFile> file, SourceFormat format,
                                           Phrase& reason);
// The same by path.
std::unique_ptr<UnitSource> OpenUnitSource(const std::string& path, SourceFormat format,
                                           Phrase& reason);

// The tracks of `path`, a file read unit by unit; empty with `reason` when it cannot be read.
std::vector<SourceTrack> ReadSourceTracks(const std::string& path, Phrase& reason);

// A unit source left open between runs over the same unchanged file, so that "next" goes on
// from where the last run stopped instead of reading the file again. Every run object has one;
// the window, whose run objects live for one subtitle each, hands one from run to run.
struct KeptUnitSource {
  std::string FileName;
  std::unique_ptr<UnitSource> Source;
};

}  // namespace quelm
