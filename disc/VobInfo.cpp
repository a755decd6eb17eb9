// The text of the "VOB root info" list, line for line.
#include "disc/VobInfo.h"

#include <cstdio>

#include "disc/DiscDirectory.h"
#include "disc/IfoReader.h"

namespace quelm {

namespace {

const char* const Rule = "-------------------";  // 19 hyphens

std::string StreamItem(int index, const std::string& language) {
  char id[3];
  std::snprintf(id, sizeof id, "%02X", static_cast<unsigned>(0x20 + index) & 0xFF);
  return std::string("[ 0x") + id + " ]  " + language;
}

}  // namespace

std::string VobInfo::FindIfo(const std::string& vobRoot) {
  return DiscDirectory(vobRoot).Find(IfoName).value_or(std::string());
}

int VobInfo::ChooseStream(int stored, int itemCount) {
  if (itemCount <= 0) return -1;
  return (stored < 0 || stored > itemCount - 1) ? 0 : stored;
}

unsigned long long VobInfo::SizeInKb(unsigned long long bytes) {
  return bytes < 1024 ? 1 : bytes / 1024;
}

VobInfo VobInfo::Compose(const VobInfoRequest& request, const IfoReader* ifo) {
  VobInfo info;
  std::vector<std::string>& lines = info.Lines;
  info.Timecodes.push_back("00:00:00");
  lines.insert(lines.end(), {"Directories", Rule, "VOB        : " + request.VobRoot,
                             "Output     : " + request.OutputRoot,
                             "Dictionary : " + request.DictionaryRoot, " ", "Languages", Rule});
  if (ifo != nullptr) {
    info.IfoFound = true;
    lines.push_back("Streams : " + std::to_string(ifo->StreamCount()));
    lines.insert(lines.end(), ifo->LanguageFaults().begin(), ifo->LanguageFaults().end());
    lines.push_back(" ");
    for (int i = 0; i < ifo->StreamCount(); ++i) {
      info.StreamItems.push_back(StreamItem(i, ifo->StreamLanguage(i)));
      info.StreamCodes.push_back(ifo->StreamLanguageCode(i));
    }
    info.SelectedStream =
        ChooseStream(request.LanguageSelection1, static_cast<int>(info.StreamItems.size()));
    lines.push_back("Chapter lengths");
    lines.push_back(Rule);
    for (int k = 1; k <= ifo->ChapterCount(); ++k) {
      const std::string& length = ifo->ChapterLengths()[static_cast<std::size_t>(k - 1)];
      lines.push_back((k < 10 ? " " : "") + std::to_string(k) + ") " + length);
      info.Timecodes.push_back(length);
    }
    lines.insert(lines.end(), ifo->ChapterFaults().begin(), ifo->ChapterFaults().end());
  } else {
    lines.push_back("none; switched to manual selection");
  }
  lines.insert(lines.end(), {" ", "Files found", Rule});
  const DiscDirectory directory(request.VobRoot);
  if (directory.Exists()) {
    const std::vector<DiscFile> files = directory.List({".ifo", ".bup", ".vob"});
    for (const DiscFile& file : files) {
      lines.push_back(file.Name + "  " + std::to_string(SizeInKb(file.Size)) + " Kb");
    }
    if (files.empty()) lines.push_back("none");
  }
  return info;
}

VobInfo VobInfo::Read(const VobInfoRequest& request) {
  const std::string path = FindIfo(request.VobRoot);
  if (path.empty()) return Compose(request, nullptr);
  IfoReader reader(path);
  reader.ReadLanguages();
  reader.ReadChapters();
  return Compose(request, &reader);
}

}  // namespace quelm
