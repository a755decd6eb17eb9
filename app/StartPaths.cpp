// Sorting of the program's path arguments.
#include "app/StartPaths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "disc/VobSubIndex.h"
#include "extraction/UnitSource.h"
#include "platform/AsciiText.h"
#include "platform/SourceFile.h"

namespace quelm {

namespace {

bool HasIfoExtension(const std::filesystem::path& path) {
  return EqualNoCaseAscii(path.extension().string(), ".ifo");
}

}  // namespace

StartPaths StartPaths::Sort(const std::vector<std::string>& arguments,
                            const std::string& currentDirectory) {
  namespace fs = std::filesystem;
  StartPaths paths;
  for (const std::string& argument : arguments) {
    if (argument.empty()) continue;
    fs::path path(argument);
    if (path.is_relative()) path = fs::path(currentDirectory) / path;
    path = path.lexically_normal();
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) {
      paths.Missing.push_back(argument);
    } else if (fs::is_directory(status)) {
      std::string root = path.string();
      // lexically_normal keeps a trailing separator; the root rules add their own.
      if (root.size() > 1 && root.back() == '/') root.pop_back();
      paths.VobRoot = root;
    } else if (DiscImage::IsImage(path.string())) {
      paths.VobRoot = path.string();
    } else if (HasIfoExtension(path)) {
      paths.VobRoot = path.parent_path().string();
    } else {
      // A VobSub pair, by either file, gives its directory as the root (whose info shows the
      // index's streams) and its .sub to the list.
      std::string file = path.string();
      const std::string name = path.filename().string();
      if (VobSubIndex::IsIndexName(name)) {
        if (const std::string sub = VobSubIndex::SubBeside(file); !sub.empty()) {
          file = sub;
          paths.VobRoot = path.parent_path().string();
        }
      } else if ((VobSubIndex::IsSubName(name) && !VobSubIndex::IndexBeside(file).empty()) ||
                 DetectSourceFormat(file) != SourceFormat::PackStream) {
        // A Matroska file likewise: the info shows its tracks.
        paths.VobRoot = path.parent_path().string();
      }
      if (std::find(paths.VobFiles.begin(), paths.VobFiles.end(), file) == paths.VobFiles.end())
        paths.VobFiles.push_back(file);
    }
  }
  return paths;
}

}  // namespace quelm
