// Maps the 33-bit PTS of a title's packs onto the title's own timeline: zero at its first video
// frame, running on across the title's VOB files and across PTS discontinuities between cells.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "extraction/PackWalker.h"

namespace quelm {

class TitleTimeline {
 public:
  static constexpr std::uint64_t PtsModulus = 1ull << 33;
  // A VOBU that starts further than this from where the one before ended begins a new PTS base.
  static constexpr std::int64_t JumpTolerance = 3600;  // one frame at 25 fps

  // A title read from somewhere in its middle: its first frame lies at `originPts`.
  static TitleTimeline StartingAt(std::uint64_t originPts);

  bool HasOrigin() const { return hasOrigin_; }
  // The navigation pack's PCI vobu_s_ptm and vobu_e_ptm. The first gives the origin; a VOBU
  // that does not start where the one before ended continues the timeline where that one ended.
  void ObserveVobu(std::uint64_t startPts, std::uint64_t endPts);
  // A video PTS: the origin of a stream whose navigation packs carry no times.
  void ObserveVideoPts(std::uint64_t pts);

  // 90 kHz ticks since the title's first frame (negative before it); the PTS itself while no
  // origin is known.
  std::int64_t TitleTicks(std::uint64_t pts) const;

  // Ticks to milliseconds, rounded to the nearest.
  static std::int64_t TicksToMs(std::int64_t ticks);

  bool operator==(const TitleTimeline&) const = default;

 private:
  bool hasOrigin_ = false;
  std::uint64_t segmentPts_ = 0;   // a PTS of the current segment ...
  std::int64_t segmentTicks_ = 0;  // ... and its place on the title's timeline
  bool hasLastEnd_ = false;
  std::uint64_t lastEndPts_ = 0;  // where the last VOBU seen ended
};

// The VOBU start and end PTS of a navigation pack's PCI packet (private stream 2); nothing for
// any other packet or a PCI that carries no times.
struct VobuTimes {
  std::uint64_t Start = 0;
  std::uint64_t End = 0;
};
std::optional<VobuTimes> ReadPciTimes(const PesPacket& packet);

// The first frame of the title that `firstFile` begins: the first navigation pack's start time,
// else the first video PTS, looked for in the file's first few megabytes.
std::optional<std::uint64_t> ReadTitleOrigin(const std::string& firstFile);

}  // namespace quelm
