// Telling the user about VOB files that the pack reader could not read, or not to the end.
#include "cli/VobFileCheck.h"

#include <cstdio>
#include <memory>

#include "platform/SourceFile.h"

namespace quelm {

bool VobFileCheck::RunEnded(const std::string& file, const SubpictureResult& result) {
  if (file != file_) {
    file_ = file;
    packs_ = 0;
    fromStart_ = !firstFile_ || firstStart_ == 0;
    firstFile_ = false;
  }
  packs_ += result.Packs;
  if (!result.EndOfFile || result.Stopped) return true;
  file_.clear();
  // The run has said why it could not open the file.
  if (result.OpeningFailed) return false;
  if (!result.ReadFault.empty()) {
    cl_.Fail("cannot read '" + file + "' from byte " + std::to_string(result.FilePosition) + ": " +
             result.ReadFault);
    return false;
  }
  if (packs_ == 0 && fromStart_) {
    cl_.Fail("cannot read '" + file +
             "': not one MPEG program stream pack in it; it is no DVD VOB file");
    return false;
  }
  Phrase reason;
  const std::unique_ptr<SourceFile> source = SourceFile::Open(file, reason);
  const std::int64_t size = source ? source->Size() : -1;
  if (result.FilePosition >= 0 && result.FilePosition < size)
    cl_.Fail("warning: reading '" + file + "' stopped at byte " +
             std::to_string(result.FilePosition) + " of " + std::to_string(size) +
             " (a block without a pack header, or a read error); the rest was not read");
  return true;
}

std::string VobFileCheck::NoSubtitle(int stream, const std::vector<std::string>& files) {
  char id[8];
  std::snprintf(id, sizeof id, "0x%02X", stream & 0xFF);
  std::string where = files.empty() ? std::string() : "'" + files.front() + "'";
  if (files.size() > 1) where += " .. '" + files.back() + "'";
  return std::string("no subtitle of stream ") + id + " in " + where;
}

}  // namespace quelm
