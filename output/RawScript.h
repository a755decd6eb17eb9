// The raw script: records of "<SUB_START>", time code, chapter, raw text lines and "<SUB_END>",
// only ever appended to. The shown script is rendered from it.
#pragma once

#include <string>
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
  RawScript() = default;
  explicit RawScript(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  // timeCode "hh:mm:ss" and chapter as shown in the main window, without their leading ": ".
  void AppendRecord(const std::string& timeCode, const std::string& chapter,
                    const std::vector<std::string>& textLines);
  // The same with the subtitle's exact times and forced flag on the time code line.
  void AppendRecord(const std::string& timeCode, const std::string& chapter,
                    const std::vector<std::string>& textLines, const RecordFacts& facts);
  // Empties the script and adds the version record, as "clear" and start-up do.
  void StartNew();
  void Clear() { lines_.clear(); }

  const std::vector<std::string>& Lines() const { return lines_; }

  // The raw script as a text file, one line each, for the command line and for tests.
  static RawScript Load(const std::string& path, Status* status = nullptr);
  Status Save(const std::string& path) const;

 private:
  std::vector<std::string> lines_;
};

}  // namespace quelm
