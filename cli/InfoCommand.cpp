#include "cli/InfoCommand.h"

#include <cstdio>
#include <filesystem>

#include "cli/CommandLine.h"
#include "cli/TitleSet.h"
#include "disc/IfoReader.h"
#include "disc/LanguageTable.h"
#include "disc/VobSubIndex.h"
#include "extraction/UnitSource.h"
#include "platform/SourceFile.h"

namespace quelm {

namespace {

constexpr const char* Usage =
    "usage: quelm-cli info [--title N] PATH...\n"
    "\n"
    "Shows what a title set holds, as its IFO (VTS_nn_0.IFO) tells it: the subtitle streams\n"
    "with their numbers and language codes (for convert's --stream and --lang), the chapter\n"
    "lengths, and the title VOB files in reading order with their sizes. PATH is a VOB file or\n"
    "a title-set directory, a title set's IFO or a DVD image or drive, as for convert. For a\n"
    "VobSub pair (movie.idx or movie.sub) the index tells it: its frame size, palette,\n"
    "streams and delay; it has no chapters. For a Matroska file its VobSub and PGS tracks\n"
    "are the streams, with their languages as the file writes them, their names and what a\n"
    "VobSub track's header tells (frame size, palette).\n"
    "\n"
    "  --title N           title set N of a directory holding several\n"
    "\n"
    "Exit status: 0 done; 1 no title VOB, no IFO (or VobSub index) or one that cannot be\n"
    "read, or a Matroska file that cannot be read; 2 bad options.\n";

void PrintStream(int index, std::uint16_t code, const std::string& name) {
  const char letters[3] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF), 0};
  const bool printable =
      letters[0] >= 0x21 && letters[0] <= 0x7E && letters[1] >= 0x21 && letters[1] <= 0x7E;
  std::printf("  0x%02X  %s  %s\n", 0x20 + index, printable ? letters : "--",
              name.empty() ? "(unknown language)" : name.c_str());
}

void PrintFiles(const char* what, const std::vector<std::string>& files) {
  std::printf("%s: %zu\n", what, files.size());
  for (const std::string& file : files) {
    // A file inside a disc image has its size there.
    Phrase reason;
    const std::unique_ptr<SourceFile> source = SourceFile::Open(file, reason);
    std::printf("  %s  %llu bytes\n", file.c_str(),
                source ? static_cast<unsigned long long>(source->Size()) : 0ULL);
  }
}

// A VobSub pair: what its index says. Damaged lines are told; what remains is shown.
int ShowIndex(const CommandLine& cl, const TitleSetFiles& title) {
  const VobSubIndex index = VobSubIndex::Read(title.IdxPath);
  for (const std::string& fault : index.Faults) cl.Fail(fault);
  std::printf("index: %s\n", title.IdxPath.c_str());
  if (index.HasSize) std::printf("frame: %dx%d\n", index.Width, index.Height);
  if (index.HasPalette) {
    std::printf("palette:");
    for (const std::uint32_t colour : index.Palette) std::printf(" %06x", colour);
    std::printf("\n");
  }
  std::printf("subtitle streams: %zu\n", index.Streams.size());
  for (const VobSubStream& stream : index.Streams) {
    const std::uint16_t code = index.StreamLanguage16(stream.Index);
    if (code != 0) {
      PrintStream(stream.Index, code, LanguageName(code));
    } else {
      std::printf("  0x%02X  %s  (unknown language)\n", 0x20 + stream.Index,
                  stream.LanguageCode.empty() ? "--" : stream.LanguageCode.c_str());
    }
    if (stream.DelayMs != 0)
      std::printf("        delay %lld ms\n", static_cast<long long>(stream.DelayMs));
  }
  std::printf("chapters: 0\n");
  PrintFiles("subtitle files", title.Vobs);
  return ExitSuccess;
}

// A file with its own tracks (Matroska): each with its language as the file writes it, its
// name, and what its VobSub header tells.
int ShowTracks(const CommandLine& cl, const TitleSetFiles& title) {
  const std::string& path = title.Vobs.front();
  Phrase reason;
  const std::vector<SourceTrack> tracks = ReadSourceTracks(path, reason);
  if (!reason.Empty()) {
    cl.Fail("cannot read '" + path + "': " + reason.English());
    return ExitFailure;
  }
  std::printf("file: %s\n", path.c_str());
  std::printf("subtitle streams: %zu\n", tracks.size());
  for (std::size_t i = 0; i < tracks.size() && i < 0x20; ++i) {
    const SourceTrack& track = tracks[i];
    const std::string code = TwoLetterLanguage(track.LanguageCode);
    const std::string name = code.empty()
                                 ? std::string()
                                 : LanguageName(static_cast<std::uint16_t>(code[0] << 8 | code[1]));
    std::printf("  0x%02zX  %s  %s%s%s%s\n", 0x20 + i,
                track.LanguageCode.empty() ? "--" : track.LanguageCode.c_str(),
                name.empty() ? "(unknown language)" : name.c_str(),
                track.Title.empty() ? "" : "  \"", track.Title.c_str(),
                track.Title.empty() ? "" : "\"");
    if (track.Kind == UnitKind::PgsDisplaySet) std::printf("        PGS\n");
    if (track.IndexHeader.empty()) continue;
    const VobSubIndex header = VobSubIndex::Parse(track.IndexHeader, path);
    if (header.HasSize) std::printf("        frame %dx%d\n", header.Width, header.Height);
    if (header.HasPalette) {
      std::printf("        palette");
      for (const std::uint32_t colour : header.Palette) std::printf(" %06x", colour);
      std::printf("\n");
    }
  }
  std::printf("chapters: 0\n");
  PrintFiles("subtitle files", title.Vobs);
  return ExitSuccess;
}

}  // namespace

int RunInfoCommand(const std::vector<std::string>& args) {
  const CommandLine cl("info", {"--title"}, {});
  const auto parsed = cl.Parse(args);
  if (!parsed) return cl.TryHelp();
  if (parsed->Help) {
    std::fputs(Usage, stdout);
    return ExitSuccess;
  }
  int titleNumber = 0;
  if (const auto* text = parsed->Value("--title")) {
    const auto number = CommandLine::ParseInteger(*text);
    if (!number || *number < 1 || *number > 99) {
      cl.Fail("--title needs a title set number from 1 to 99, not '" + *text + "'");
      return cl.TryHelp();
    }
    titleNumber = static_cast<int>(*number);
  }
  if (parsed->Positional.empty()) {
    cl.Fail("no VOB file or title-set directory given");
    return cl.TryHelp();
  }
  const TitleSetFiles title = TitleSet::Resolve(parsed->Positional, titleNumber);
  if (!title.Outcome) {
    cl.Fail(title.Outcome.Message);
    return ExitFailure;
  }
  if (title.IfoPath.empty() && !title.IdxPath.empty()) return ShowIndex(cl, title);
  if (title.IfoPath.empty() && DetectSourceFormat(title.Vobs.front()) != SourceFormat::PackStream)
    return ShowTracks(cl, title);
  if (title.IfoPath.empty()) {
    cl.Fail("no IFO (VTS_nn_0.IFO) or VobSub index (.idx) beside " + title.Vobs.front());
    return ExitFailure;
  }

  IfoReader ifo(title.IfoPath);
  const int streams = ifo.ReadLanguages();
  const int chapters = ifo.ReadChapters();
  for (const std::string& fault : ifo.LanguageFaults()) cl.Fail(fault);
  for (const std::string& fault : ifo.ChapterFaults()) cl.Fail(fault);
  if (!ifo.LanguageFaults().empty() && !ifo.ChapterFaults().empty() && streams == 0 &&
      chapters == 0)
    return ExitFailure;

  std::printf("ifo: %s\n", title.IfoPath.c_str());
  std::printf("subtitle streams: %d\n", streams);
  for (int i = 0; i < streams; ++i)
    PrintStream(i, ifo.StreamAttributes()[static_cast<std::size_t>(i)].LanguageCode,
                ifo.StreamLanguage(i));
  std::printf("chapters: %d\n", chapters);
  for (int i = 0; i < chapters; ++i)
    std::printf("  %2d  %s\n", i + 1, ifo.ChapterLengths()[static_cast<std::size_t>(i)].c_str());
  PrintFiles("title VOB files", title.Vobs);
  return ExitSuccess;
}

}  // namespace quelm
