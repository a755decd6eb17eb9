// The inputs and outputs of one extraction run: find the next subpicture unit of one sub-stream
// from a start offset and decode it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "extraction/TitleTimeline.h"
#include "platform/Bitmap.h"

namespace quelm {

struct PresentationTime {
  int Hours = 0;  // 24 and up for long streams; never wrapped
  int Minutes = 0;
  int Seconds = 0;

  bool operator==(const PresentationTime&) const = default;
};

// 90 kHz ticks to whole hours, minutes and seconds (rounded down).
PresentationTime PresentationTimeFromPts(std::uint64_t pts);
// "hh:mm:ss", hours with two digits or more.
std::string FormatPresentationTime(const PresentationTime& time);

// When a subtitle is shown, in milliseconds on the title's timeline (from its first video frame):
// the unit's PTS plus the delay of its start display command, and of its stop display command.
// A unit without a stop command has no end of its own: the next subtitle's start ends it, which
// only a walk over the whole sequence knows (the script renderer applies it).
struct SubtitleTiming {
  bool Known = false;  // the unit carried a PTS
  std::int64_t StartMs = 0;
  bool HasEnd = false;
  std::int64_t EndMs = 0;
  bool Forced = false;  // shown by the forced start command 0x00

  bool operator==(const SubtitleTiming&) const = default;
};

struct SubpictureRequest {
  std::string VobFileName;
  int SubStreamId = 0x20;
  std::int64_t FilePosition = 0;  // 64-bit: concatenated title VOBs pass 2 GiB
  std::array<Color, 4> BitmapColors{ColorBlack, 0xC8C8C8, 0x686868, ColorWhite};
  int InterlaceStep = 1;
  // The head of a unit that the previous file of a title ended in the middle of; the run
  // completes it with the first packets of this file.
  std::vector<std::uint8_t> CarriedUnit;
  std::int64_t CarriedStartPosition = -1;
  // The carried unit's first PTS (SubpictureResult::UnitPts of the run that began it).
  std::uint64_t CarriedUnitPts = 0;
  bool HasCarriedUnitPts = false;
  // The title's timeline as the previous run of the title left it (SubpictureResult::Timeline);
  // a fresh one takes its origin from the first navigation or video pack the run meets.
  TitleTimeline Timeline;
};

struct SubpictureResult {
  Bitmap SubTitle;
  // The picture in the stream's own colours, for display, when it has more than the four that
  // SubTitle is drawn in (PGS); empty otherwise.
  Bitmap TrueColour;
  std::int64_t StartPosition = -1;
  std::int64_t FilePosition = 0;
  PresentationTime Time;
  bool EndOfFile = false;
  bool Stopped = false;
  bool Decoded = false;  // the unit's control data was valid and its pixels were drawn
  bool OpeningFailed = false;  // the file could not be opened; nothing of it was read
  // Packs this run read that began with a pack header. A file that is no program stream ends
  // its first run with none; a run ended short of the file's end met a block without one.
  // A file read unit by unit (Matroska) counts 1 once it opened as what it is.
  std::int64_t Packs = 0;
  // Why reading stopped before the end when the file could not be read further (an encrypted
  // disc, a cut image, a read error); empty otherwise.
  std::string ReadFault;

  // The unit came from the tail of the previous file; StartPosition is then that file's offset.
  bool StartedInPreviousFile = false;
  // A unit begun but not complete when this file ended; hand it on as the next file's
  // SubpictureRequest::CarriedUnit.
  std::vector<std::uint8_t> UnfinishedUnit;
  std::int64_t UnfinishedStartPosition = -1;
  std::uint64_t UnfinishedUnitPts = 0;
  bool HasUnfinishedUnitPts = false;

  // Raw 33-bit PTS of the first packet of the unit (valid when HasUnitPts).
  std::uint64_t UnitPts = 0;
  bool HasUnitPts = false;

  // Display times and the forced flag of the found unit.
  SubtitleTiming Timing;
  // The timeline after this run, to hand to the next run of the same title.
  TitleTimeline Timeline;
};

}  // namespace quelm
