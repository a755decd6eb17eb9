// Finding a title set's VOB files and its IFO.
#include "cli/TitleSet.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <system_error>

#include "disc/DiscDirectory.h"
#include "disc/VobSubIndex.h"
#include "platform/AsciiText.h"
#include "platform/SourceFile.h"

namespace quelm {

namespace fs = std::filesystem;

namespace {

std::string TwoDigits(int n) {
  std::string text = std::to_string(n);
  return text.size() < 2 ? "0" + text : text;
}

// The title set number of "VTS_nn_0.IFO" or its backup ".BUP" (any case), or -1.
int IfoTitleNumber(const std::string& lower) {
  if (lower.size() != 12 || lower.compare(0, 4, "vts_") != 0 || lower.compare(6, 2, "_0") != 0 ||
      (lower.compare(8, 4, ".ifo") != 0 && lower.compare(8, 4, ".bup") != 0))
    return -1;
  const auto digit = [&](std::size_t i) {
    return std::isdigit(static_cast<unsigned char>(lower[i]));
  };
  if (!digit(4) || !digit(5)) return -1;
  return (lower[4] - '0') * 10 + (lower[5] - '0');
}

std::string IfoBeside(const fs::path& directory, int title) {
  const DiscDirectory disc(directory.string());
  const auto ifo = disc.Find("vts_" + TwoDigits(title) + "_0.ifo");
  return ifo ? *ifo : std::string();
}

}  // namespace

int TitleSet::TitleNumber(const std::string& fileName, int* part) {
  // vts_NN_K.vob
  if (fileName.size() != 12) return -1;
  const std::string lower = LowerAscii(fileName);
  const auto digit = [&](std::size_t i) { return std::isdigit(static_cast<unsigned char>(lower[i])); };
  if (lower.compare(0, 4, "vts_") != 0 || !digit(4) || !digit(5) || lower[6] != '_' ||
      !digit(7) || lower.compare(8, 4, ".vob") != 0)
    return -1;
  if (part) *part = lower[7] - '0';
  return (lower[4] - '0') * 10 + (lower[5] - '0');
}

TitleSetFiles TitleSet::Resolve(const std::vector<std::string>& paths, int title) {
  TitleSetFiles files;
  for (const std::string& path : paths) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    // A file inside a disc image ("movie.iso/VIDEO_TS/VTS_01_1.VOB") is no file of its own here.
    const bool inImage = DiscImage::Split(path).has_value();
    if (!inImage && (ec || !fs::exists(status))) {
      files.Outcome = Status::Failure("cannot read '" + path + "': no such file or directory");
      return files;
    }
    const bool image = !inImage && DiscImage::IsImage(path);
    const bool regular = inImage || (!image && fs::is_regular_file(status));
    fs::path directory = path;
    int wanted = title;
    const std::string lowerName = LowerAscii(fs::path(path).filename().string());
    const bool ifo =
        lowerName.size() > 4 && (lowerName.compare(lowerName.size() - 4, 4, ".ifo") == 0 ||
                                 lowerName.compare(lowerName.size() - 4, 4, ".bup") == 0);
    if (image) {
      // A disc image or drive stands for the title sets in its VIDEO_TS.
      std::vector<DiscImage::Entry> inside;
      if (const Status listed = DiscImage::List(path, inside); !listed) {
        files.Outcome = Status::Failure("cannot read '" + path + "': " + listed.Message);
        return files;
      }
      directory = fs::path(path) / "VIDEO_TS";
    } else if (regular && ifo) {
      // An IFO stands for its title set's VOB files (the disc's own VIDEO_TS.IFO for the one
      // title set of its directory).
      directory = fs::path(path).parent_path();
      if (directory.empty()) directory = ".";
      if (const int number = IfoTitleNumber(lowerName); number >= 0) {
        if (title != 0 && title != number) {
          files.Outcome =
              Status::Failure("'" + path + "' is the IFO of title set " + TwoDigits(number) +
                              ", not of title set " + TwoDigits(title));
          return files;
        }
        wanted = number;
        if (files.IfoPath.empty()) files.IfoPath = path;
      }
    } else if (!inImage && fs::is_regular_file(status) && VobSubIndex::IsIndexName(lowerName)) {
      const std::string sub = VobSubIndex::SubBeside(path);
      if (sub.empty()) {
        files.Outcome = Status::Failure("'" + path + "' is a VobSub index with no .sub beside it");
        return files;
      }
      if (files.IdxPath.empty()) files.IdxPath = path;
      files.Vobs.push_back(sub);
      continue;
    } else if (!inImage && fs::is_regular_file(status) && VobSubIndex::IsSubName(lowerName)) {
      if (files.IdxPath.empty()) files.IdxPath = VobSubIndex::IndexBeside(path);
      files.Vobs.push_back(path);
      continue;
    } else if (regular) {
      if (files.IfoPath.empty()) {
        const int number = TitleNumber(fs::path(path).filename().string());
        if (number >= 0) files.IfoPath = IfoBeside(fs::path(path).parent_path(), number);
      }
      files.Vobs.push_back(path);
      continue;
    } else if (!fs::is_directory(status)) {
      files.Outcome = Status::Failure("cannot read '" + path + "': not a file or directory");
      return files;
    }
    const std::string where = ifo ? directory.string() : path;
    // A disc's root holds the title sets in VIDEO_TS.
    const DiscDirectory top(directory.string());
    std::vector<DiscFile> listed = top.List({".vob"});
    if (listed.empty()) {
      for (const auto& entry : fs::directory_iterator(directory, ec)) {
        if (entry.is_directory(ec) &&
            DiscDirectory::SameNameIgnoringCase(entry.path().filename().string(), "video_ts")) {
          directory = entry.path();
          listed = DiscDirectory(directory.string()).List({".vob"});
          break;
        }
      }
    }
    std::map<int, std::vector<std::pair<int, std::string>>> titles;
    for (const DiscFile& file : listed) {
      int part = 0;
      const int number = TitleNumber(file.Name, &part);
      if (number < 0 || part < 1) continue;
      titles[number].emplace_back(part, (directory / file.Name).string());
    }
    if (titles.empty() && !ifo) {
      const std::vector<std::string> pairs = VobSubIndex::PairsIn(path);
      if (pairs.size() == 1) {
        if (files.IdxPath.empty()) files.IdxPath = pairs.front();
        files.Vobs.push_back(VobSubIndex::SubBeside(pairs.front()));
        continue;
      }
      if (pairs.size() > 1) {
        std::string list;
        for (const std::string& pair : pairs)
          list += (list.empty() ? "" : ", ") + fs::path(pair).filename().string();
        files.Outcome =
            Status::Failure("'" + path + "' holds VobSub pairs " + list + ": give one of them");
        return files;
      }
    }
    if (titles.empty()) {
      files.Outcome =
          Status::Failure("'" + where + "' holds no title VOB files (VTS_nn_1.VOB ...)");
      return files;
    }
    int chosen = wanted;
    if (chosen == 0) {
      if (titles.size() > 1) {
        std::string list;
        for (const auto& [number, parts] : titles) list += (list.empty() ? "" : ", ") + TwoDigits(number);
        files.Outcome = Status::Failure("'" + where + "' holds title sets " + list +
                                        ": choose one with --title N");
        return files;
      }
      chosen = titles.begin()->first;
    } else if (titles.count(chosen) == 0) {
      files.Outcome = Status::Failure("'" + where + "' holds no title set " + TwoDigits(chosen));
      return files;
    }
    auto& parts = titles[chosen];
    std::sort(parts.begin(), parts.end());
    for (const auto& [part, file] : parts) files.Vobs.push_back(file);
    if (files.IfoPath.empty()) files.IfoPath = IfoBeside(directory, chosen);
  }
  if (files.Vobs.empty()) files.Outcome = Status::Failure("no VOB file or title set directory given");
  return files;
}

}  // namespace quelm
