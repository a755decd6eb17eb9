// The raw script: records of "<SUB_START>", time code, chapter, raw text lines and "<SUB_END>",
// only ever appended to. The shown script is rendered from it.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "output/RecordFacts.h"
#include "platform/Status.h"

namespace quelm {

inline constexpr const char* RecordStartMarker = "<SUB_START>";
inline constexpr const char* RecordEndMarker = "<SUB_END>";
// The text line of the first record of every script.
inline constexpr const char* VersionRecordLine = "Quelm  v1.01 (beta)  -  by Vennor";

class RawScript {
 public:
  RawScript() : lineage_(NewLineage()) {}
  explicit RawScript(std::vector<std::string> lines)
      : lines_(std::move(lines)), lineage_(NewLineage()) {}
  RawScript(const RawScript& other) : lines_(other.lines_), lineage_(NewLineage()) {}
  RawScript(RawScript&& other) noexcept
      : lines_(std::move(other.lines_)), lineage_(NewLineage()) {
    other.lineage_ = NewLineage();
  }
  RawScript& operator=(const RawScript& other);
  RawScript& operator=(RawScript&& other) noexcept;

  // timeCode "hh:mm:ss" and chapter as shown in the main window, without their leading ": ".
  void AppendRecord(const std::string& timeCode, const std::string& chapter,
                    const std::vector<std::string>& textLines);
  // The same with the subtitle's exact times and forced flag on the time code line.
  void AppendRecord(const std::string& timeCode, const std::string& chapter,
                    const std::vector<std::string>& textLines, const RecordFacts& facts);
  // Empties the script and adds the version record, as "clear" and start-up do.
  void StartNew();
  void Clear();

  const std::vector<std::string>& Lines() const { return lines_; }

  // Names the script's history of appends: while it stays the same, every line once present is
  // still there, unchanged, at the same place. Anything but appending gives a new one, and no
  // two scripts share one.
  std::uint64_t Lineage() const { return lineage_; }

  // The raw script as a text file, one line each, for the command line and for tests.
  static RawScript Load(const std::string& path, Status* status = nullptr);
  Status Save(const std::string& path) const;

 private:
  static std::uint64_t NewLineage();

  std::vector<std::string> lines_;
  std::uint64_t lineage_;
};

}  // namespace quelm
