// The index of a VobSub pair (movie.idx beside movie.sub): the frame size, the 16-colour
// palette, the sub-streams with their language codes and the time shift its "delay:" lines give.
// The .sub holds the subpicture packs themselves and reads as a VOB file. A damaged line is
// reported with its number and skipped; the rest of the file still reads.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Phrase.h"

namespace quelm {

struct VobSubEntry {
  std::int64_t TimeMs = 0;        // "timestamp:" as written, without the delay
  std::int64_t FilePosition = 0;  // "filepos:": the unit's first pack in the .sub
  std::int64_t DelayMs = 0;       // the delay in force on its line
};

struct VobSubStream {
  int Index = 0;             // sub-stream 0x20 + Index
  std::string LanguageCode;  // as the "id:" line writes it ("en"); may be empty or longer
  std::int64_t DelayMs = 0;  // the delay in force where its list ends
  std::vector<VobSubEntry> Entries;
};

class VobSubIndex {
 public:
  static constexpr int MaxStreams = 32;  // sub-streams 0x20 .. 0x3F
  // A larger file is no index: what lies beyond is reported, not read.
  static constexpr std::size_t MaxBytes = 16 * 1024 * 1024;
  // Faults beyond this many are counted in one last line.
  static constexpr std::size_t MaxFaults = 20;

  // `name` is the file name the faults start with.
  static VobSubIndex Parse(std::string_view text, const std::string& name);
  // A file that cannot be read gives one fault and nothing else.
  static VobSubIndex Read(const std::string& path);

  // "movie.idx" / "movie.sub" in any case.
  static bool IsIndexName(std::string_view fileName);
  static bool IsSubName(std::string_view fileName);
  // The file of the same name with the other extension beside `path`, in any case; empty when
  // there is none.
  static std::string SubBeside(const std::string& indexPath);
  static std::string IndexBeside(const std::string& subPath);
  // The indexes in `directory` that have their .sub beside them, sorted by name.
  static std::vector<std::string> PairsIn(const std::string& directory);

  // The stream read as sub-stream 0x20 + `index`; null when the index names none.
  const VobSubStream* Stream(int index) const;
  // Its language code in small letters when it is two letters ("en"), else empty.
  std::string StreamLanguageCode(int index) const;
  // The same as the IFO holds it: first letter in the high byte; 0 without two letters.
  std::uint16_t StreamLanguage16(int index) const;
  // The time shift of a unit of stream `index` starting at `filePosition` of the .sub: the
  // delay in force at the last timestamp line at or before it (or the stream's first one).
  std::int64_t DelayMsAt(int index, std::int64_t filePosition) const;

  bool HasSize = false;
  int Width = 0;
  int Height = 0;
  bool HasPalette = false;
  std::array<std::uint32_t, 16> Palette{};  // 0xRRGGBB
  bool HasCustomColors = false;
  bool CustomColorsOn = false;
  int TransparencyIndex = 0;  // "tridx:", one bit per colour, first colour highest
  std::array<std::uint32_t, 4> CustomColors{};
  std::vector<VobSubStream> Streams;  // in the order of their "id:" lines
  std::vector<std::string> Faults;    // "movie.idx line 7: ..."
  // The same, for a window to say in its language.
  std::vector<Phrase> FaultWordings;

  void AddFault(Phrase fault) {
    Faults.push_back(fault.English());
    FaultWordings.push_back(std::move(fault));
  }
};

}  // namespace quelm
