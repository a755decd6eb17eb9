// Writing the rendered script for the command line.
#include "cli/ScriptOutput.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/FileIo.h"
#include "platform/RtfWriter.h"

namespace quelm {

std::string ScriptOutput::PlainText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += '\n';
  }
  return text;
}

Status ScriptOutput::Write(const std::vector<std::string>& lines, const std::string& path,
                           bool rtf) {
  if (path.empty()) {
    const std::string text = rtf ? RtfWriter::Document(lines) : PlainText(lines);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
      return Status::Failure(std::string("cannot write the script to standard output: ") +
                             std::strerror(errno));
    return Status::Success();
  }
  if (rtf) return RtfWriter::Write(path, lines);
  Phrase error;
  if (!WriteFileAtomically(path, PlainText(lines), false, &error))
    return Status::Failure("Cannot create file " + path +
                           (error.Empty() ? "" : ": " + error.English()));
  return Status::Success();
}

Status ScriptOutput::CheckWritable(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path target(path);
  if (fs::is_directory(target, ec))
    return Status::Failure("cannot write '" + path + "': it is a directory");
  if (fs::exists(target, ec) && ::access(path.c_str(), W_OK) != 0)
    return Status::Failure("cannot write '" + path + "': " + std::strerror(errno));
  fs::path parent = target.parent_path();
  if (parent.empty()) parent = ".";
  if (!fs::is_directory(parent, ec))
    return Status::Failure("cannot write '" + path + "': its directory does not exist");
  // The file is replaced through a temporary file beside it: the directory must take one.
  if (::access(parent.c_str(), W_OK | X_OK) != 0)
    return Status::Failure("cannot write '" + path + "': " + std::strerror(errno));
  return Status::Success();
}

}  // namespace quelm
