// The text of the "VOB root info" list, line for line.
#include "disc/VobInfo.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "disc/DiscDirectory.h"
#include "disc/IfoReader.h"
#include "disc/LanguageTable.h"
#include "disc/VobSubIndex.h"
#include "platform/SourceFile.h"

namespace quelm {

namespace {

const char* const Rule = "-------------------";  // 19 hyphens

std::string StreamItem(int index, const std::string& language) {
  char id[3];
  std::snprintf(id, sizeof id, "%02X", static_cast<unsigned>(0x20 + index) & 0xFF);
  return std::string("[ 0x") + id + " ]  " + language;
}

bool Same(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error) && !error;
}

void AddFilesFound(const std::string& vobRoot, const std::vector<std::string_view>& extensions,
                   std::vector<Phrase>& lines) {
  lines.insert(lines.end(), {std::string(" "), Phrase::Say("Files found"), std::string(Rule)});
  const DiscDirectory directory(vobRoot);
  if (directory.Exists()) {
    const std::vector<DiscFile> files = directory.List(extensions);
    for (const DiscFile& file : files) {
      lines.push_back(file.Name + "  " + std::to_string(VobInfo::SizeInKb(file.Size)) + " Kb");
    }
    if (files.empty()) lines.push_back(Phrase::Say("none"));
  }
}

std::vector<Phrase> HeadLines(const VobInfoRequest& request) {
  return {Phrase::Say("Directories"),
          std::string(Rule),
          Phrase::Say("VOB        : %1", request.VobRoot),
          Phrase::Say("Output     : %1", request.OutputRoot),
          Phrase::Say("Dictionary : %1", request.DictionaryRoot),
          std::string(" "),
          Phrase::Say("Languages"),
          std::string(Rule)};
}

void Finish(VobInfo& info) {
  for (const Phrase& line : info.LineWordings) info.Lines.push_back(line.English());
}

}  // namespace

std::string VobInfo::FindVobSubIndex(const std::string& vobRoot, const std::string& selectedFile) {
  const std::vector<std::string> pairs = VobSubIndex::PairsIn(vobRoot);
  if (pairs.empty()) return {};
  if (VobSubIndex::IsSubName(selectedFile)) {
    const std::string beside = VobSubIndex::IndexBeside(selectedFile);
    for (const std::string& pair : pairs) {
      if (!beside.empty() && Same(pair, beside)) return pair;
    }
  }
  return pairs.front();
}

std::string VobInfo::FindMatroska(const std::string& vobRoot) {
  const DiscDirectory directory(vobRoot);
  const std::vector<DiscFile> files = directory.List(MatroskaFileEndings);
  if (files.empty()) return {};
  std::string path = vobRoot;
  if (!path.empty() && path.back() != '/') path += '/';
  return path + files.front().Name;
}

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
  std::vector<Phrase>& lines = info.LineWordings;
  info.Timecodes.push_back("00:00:00");
  lines = HeadLines(request);
  if (ifo != nullptr) {
    info.IfoFound = true;
    lines.push_back(Phrase::Say("Streams : %1", ifo->StreamCount()));
    lines.insert(lines.end(), ifo->LanguageFaultWordings().begin(),
                 ifo->LanguageFaultWordings().end());
    lines.push_back(std::string(" "));
    for (int i = 0; i < ifo->StreamCount(); ++i) {
      info.StreamItems.push_back(StreamItem(i, ifo->StreamLanguage(i)));
      info.StreamCodes.push_back(ifo->StreamLanguageCode(i));
    }
    info.SelectedStream =
        ChooseStream(request.LanguageSelection1, static_cast<int>(info.StreamItems.size()));
    lines.push_back(Phrase::Say("Chapter lengths"));
    lines.push_back(std::string(Rule));
    for (int k = 1; k <= ifo->ChapterCount(); ++k) {
      const std::string& length = ifo->ChapterLengths()[static_cast<std::size_t>(k - 1)];
      lines.push_back((k < 10 ? " " : "") + std::to_string(k) + ") " + length);
      info.Timecodes.push_back(length);
    }
    lines.insert(lines.end(), ifo->ChapterFaultWordings().begin(),
                 ifo->ChapterFaultWordings().end());
  } else {
    lines.push_back(Phrase::Say("none; switched to manual selection"));
  }
  AddFilesFound(request.VobRoot, {".ifo", ".bup", ".vob"}, lines);
  Finish(info);
  return info;
}

VobInfo VobInfo::Compose(const VobInfoRequest& request, const VobSubIndex& index,
                         const std::string& indexPath) {
  VobInfo info;
  info.IfoFound = true;
  info.IndexPath = indexPath;
  info.Timecodes.push_back("00:00:00");
  std::vector<Phrase>& lines = info.LineWordings;
  lines = HeadLines(request);
  lines.push_back(Phrase::Say("VobSub : %1", std::filesystem::path(indexPath).filename().string()));
  lines.push_back(Phrase::Say("Streams : %1", index.Streams.size()));
  if (index.HasSize) lines.push_back(Phrase::Say("Frame : %1x%2", index.Width, index.Height));
  lines.insert(lines.end(), index.FaultWordings.begin(), index.FaultWordings.end());
  // The list's places are the sub-stream numbers: an index the file skips stays empty.
  int last = -1;
  for (const VobSubStream& stream : index.Streams) last = std::max(last, stream.Index);
  for (int i = 0; i <= last; ++i) {
    const VobSubStream* stream = index.Stream(i);
    const std::uint16_t code = index.StreamLanguage16(i);
    const std::string name = code != 0 ? LanguageName(code) : std::string();
    info.StreamItems.push_back(
        StreamItem(i, !name.empty() || stream == nullptr ? name : stream->LanguageCode));
    info.StreamCodes.push_back(index.StreamLanguageCode(i));
  }
  info.SelectedStream =
      ChooseStream(request.LanguageSelection1, static_cast<int>(info.StreamItems.size()));
  AddFilesFound(request.VobRoot, {".ifo", ".bup", ".vob", ".idx", ".sub"}, lines);
  Finish(info);
  return info;
}

VobInfo VobInfo::Compose(const VobInfoRequest& request, const std::vector<FileTrack>& tracks,
                         const std::string& file, const Phrase& fault) {
  VobInfo info;
  info.IfoFound = fault.Empty();
  info.TrackFile = file;
  info.Timecodes.push_back("00:00:00");
  std::vector<Phrase>& lines = info.LineWordings;
  lines = HeadLines(request);
  const std::string name = std::filesystem::path(file).filename().string();
  lines.push_back(Phrase::Say("File : %1", name));
  if (!fault.Empty()) lines.push_back(Phrase::Say("%1: %2", name, fault));
  lines.push_back(Phrase::Say("Streams : %1", tracks.size()));
  for (std::size_t i = 0; i < tracks.size() && i < 0x20; ++i) {
    const FileTrack& track = tracks[i];
    const std::string code = TwoLetterLanguage(track.LanguageCode);
    const std::uint16_t code16 =
        code.empty() ? 0 : static_cast<std::uint16_t>((code[0] << 8) | code[1]);
    std::string label = code16 != 0 ? LanguageName(code16) : std::string();
    if (label.empty()) label = track.LanguageCode;
    if (!track.Title.empty()) label += (label.empty() ? "(" : " (") + track.Title + ")";
    if (track.Pgs) label += " PGS";
    info.StreamItems.push_back(StreamItem(static_cast<int>(i), label));
    info.StreamCodes.push_back(code);
    if (track.IndexHeader.empty()) continue;
    const VobSubIndex header = VobSubIndex::Parse(track.IndexHeader, name);
    if (header.HasSize)
      lines.push_back(Phrase::Say("%1Frame : %2x%3", StreamItem(static_cast<int>(i), ""),
                                  header.Width, header.Height));
  }
  info.SelectedStream =
      ChooseStream(request.LanguageSelection1, static_cast<int>(info.StreamItems.size()));
  std::vector<std::string_view> endings = {".ifo", ".bup", ".vob", ".idx", ".sub"};
  endings.insert(endings.end(), MatroskaFileEndings.begin(), MatroskaFileEndings.end());
  AddFilesFound(request.VobRoot, endings, lines);
  Finish(info);
  return info;
}

VobInfo VobInfo::Read(const VobInfoRequest& request) {
  const std::string path = FindIfo(request.VobRoot);
  if (path.empty()) {
    const std::string indexPath = FindVobSubIndex(request.VobRoot, {});
    if (!indexPath.empty()) return Compose(request, VobSubIndex::Read(indexPath), indexPath);
    return Compose(request, nullptr);
  }
  IfoReader reader(path);
  reader.ReadLanguages();
  reader.ReadChapters();
  return Compose(request, &reader);
}

}  // namespace quelm
