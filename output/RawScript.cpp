// Appending records to the raw script and keeping it in a file.
#include "output/RawScript.h"

#include <atomic>

#include "output/TextLines.h"
#include "platform/FileIo.h"

namespace quelm {

namespace {

// A film has a few thousand subtitles; a raw script near this size is not one.
constexpr std::size_t MaxRawScriptBytes = 256u << 20;

}  // namespace

void RawScript::AppendRecord(const std::string& timeCode, const std::string& chapter,
                             const std::vector<std::string>& textLines) {
  lines_.emplace_back(RecordStartMarker);
  lines_.push_back(timeCode);
  lines_.push_back(chapter);
  lines_.insert(lines_.end(), textLines.begin(), textLines.end());
  lines_.emplace_back(RecordEndMarker);
}

void RawScript::AppendRecord(const std::string& timeCode, const std::string& chapter,
                             const std::vector<std::string>& textLines, const RecordFacts& facts) {
  AppendRecord(TimeCodeLineWithFacts(timeCode, facts), chapter, textLines);
}

std::uint64_t RawScript::NewLineage() {
  static std::atomic<std::uint64_t> next{1};
  return next.fetch_add(1, std::memory_order_relaxed);
}

RawScript& RawScript::operator=(const RawScript& other) {
  if (this != &other) {
    lines_ = other.lines_;
    lineage_ = NewLineage();
  }
  return *this;
}

RawScript& RawScript::operator=(RawScript&& other) noexcept {
  if (this != &other) {
    lines_ = std::move(other.lines_);
    lineage_ = NewLineage();
    other.lineage_ = NewLineage();
  }
  return *this;
}

void RawScript::Clear() {
  lines_.clear();
  lineage_ = NewLineage();
}

void RawScript::StartNew() {
  lines_.clear();
  lineage_ = NewLineage();
  AppendRecord("00:00:00", "0", {VersionRecordLine});
}

RawScript RawScript::Load(const std::string& path, Status* status) {
  std::string content;
  const ReadFileOutcome outcome = ReadFileBytes(path, MaxRawScriptBytes, content);
  if (status) {
    *status = Status::Success();
    if (outcome == ReadFileOutcome::Missing)
      *status = Status::Failure(Phrase::Say("%1 does not exist", path));
    else if (outcome == ReadFileOutcome::TooLarge)
      *status = Status::Failure(Phrase::Say("%1 is too large", path));
    else if (outcome != ReadFileOutcome::Ok)
      *status = Status::Failure(Phrase::Say("Cannot read %1", path));
  }
  if (outcome != ReadFileOutcome::Ok) return RawScript();
  return RawScript(SplitTextLines(content));
}

Status RawScript::Save(const std::string& path) const {
  std::string content = JoinTextLines(lines_);
  if (!lines_.empty()) content += '\n';
  if (!WriteFileAtomically(path, content, false))
    return Status::Failure(Phrase::Say("Cannot create file %1", path));
  return Status::Success();
}

}  // namespace quelm
