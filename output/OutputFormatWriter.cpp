// Output format files as the format editor writes them. The edits are made on a private copy
// beside the file and the copy replaces the file in one step, so a refused write part way
// through leaves the old format whole.
#include "output/OutputFormatWriter.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>
#include <utility>

#include "output/OutputFormat.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"

namespace quelm {

namespace {

constexpr std::size_t MaxFormatFileBytes = 64u * 1024u * 1024u;

// A hidden file beside `target` that nobody else uses; removed again by the destructor.
class ScratchCopy {
 public:
  explicit ScratchCopy(const std::filesystem::path& target) {
    const std::filesystem::path dir =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    std::string name = (dir / ("." + target.filename().string() + ".edit-XXXXXX")).string();
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return;
    ::close(fd);
    path_ = std::move(name);
  }
  ~ScratchCopy() {
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  ScratchCopy(const ScratchCopy&) = delete;
  ScratchCopy& operator=(const ScratchCopy&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

Status WriteTemplate(IniFile& file, const char* section, const std::vector<std::string>& lines) {
  Status erased = file.EraseSection(section);
  if (!erased) return erased;
  if (lines.empty()) return Status::Success();
  std::vector<std::pair<std::string, std::string>> keys;
  keys.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i)
    keys.emplace_back(std::to_string(i), QuotedTemplateLine(lines[i]));
  return file.WriteKeys(section, keys);
}

}  // namespace

std::string QuotedTemplateLine(const std::string& line) { return "\"" + line + "\""; }

OutputFormatText ReadOutputFormatText(const std::string& path) {
  OutputFormatText text;
  text.Name = ReadFormatDisplayName(path, EditorDefaultFormatName);
  OutputFormat format = OutputFormat::Read(path);
  text.Header = std::move(format.Header);
  text.Body = std::move(format.Body);
  text.Footer = std::move(format.Footer);
  return text;
}

Status WriteOutputFormatText(const std::string& path, const OutputFormatText& format) {
  namespace fs = std::filesystem;
  const Status refused = Status::Failure(Phrase::Say("Unable to write to %1", path));
  if (path.empty()) return refused;
  std::error_code ec;
  const fs::path target(path);
  if (fs::is_directory(target, ec)) return refused;
  // A file the user may not change is refused, although its directory would allow a rename.
  if (fs::exists(target, ec) && ::access(path.c_str(), W_OK) != 0) return refused;

  std::string original;
  const ReadFileOutcome read = ReadFileBytes(path, MaxFormatFileBytes, original);
  if (read != ReadFileOutcome::Ok && read != ReadFileOutcome::Missing) return refused;

  ScratchCopy scratch(target);
  if (scratch.Path().empty()) return refused;
  if (!WriteFileAtomically(scratch.Path(), original, false)) return refused;

  IniFile file(scratch.Path());
  if (!file.WriteString("ini_info", "name", format.Name)) return refused;
  if (!WriteTemplate(file, "header", format.Header)) return refused;
  if (!WriteTemplate(file, "body", format.Body)) return refused;
  if (!WriteTemplate(file, "footer", format.Footer)) return refused;

  std::string edited;
  if (ReadFileBytes(scratch.Path(), MaxFormatFileBytes, edited) != ReadFileOutcome::Ok)
    return refused;
  if (!WriteFileAtomically(path, edited, false)) return refused;
  return Status::Success();
}

}  // namespace quelm
