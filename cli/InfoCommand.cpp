#include "cli/InfoCommand.h"

#include <cstdio>
#include <filesystem>

#include "cli/CommandLine.h"
#include "cli/TitleSet.h"
#include "disc/IfoReader.h"
#include "platform/SourceFile.h"

namespace quelm {

namespace {

constexpr const char* Usage =
    "usage: quelm-cli info [--title N] PATH...\n"
    "\n"
    "Shows what a title set holds, as its IFO (VTS_nn_0.IFO) tells it: the subtitle streams\n"
    "with their numbers and language codes (for convert's --stream and --lang), the chapter\n"
    "lengths, and the title VOB files in reading order with their sizes. PATH is a VOB file or\n"
    "a title-set directory, a title set's IFO or a DVD image or drive, as for convert.\n"
    "\n"
    "  --title N           title set N of a directory holding several\n"
    "\n"
    "Exit status: 0 done; 1 no title VOB, no IFO or an IFO that cannot be read; 2 bad options.\n";

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
  if (title.IfoPath.empty()) {
    cl.Fail("no IFO (VTS_nn_0.IFO) beside " + title.Vobs.front());
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
  for (int i = 0; i < streams; ++i) {
    const std::uint16_t code = ifo.StreamAttributes()[static_cast<std::size_t>(i)].LanguageCode;
    const char letters[3] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF), 0};
    const bool printable = letters[0] >= 0x21 && letters[0] <= 0x7E && letters[1] >= 0x21 &&
                           letters[1] <= 0x7E;
    const std::string name = ifo.StreamLanguage(i);
    std::printf("  0x%02X  %s  %s\n", 0x20 + i, printable ? letters : "--",
                name.empty() ? "(unknown language)" : name.c_str());
  }
  std::printf("chapters: %d\n", chapters);
  for (int i = 0; i < chapters; ++i)
    std::printf("  %2d  %s\n", i + 1, ifo.ChapterLengths()[static_cast<std::size_t>(i)].c_str());
  std::printf("title VOB files: %zu\n", title.Vobs.size());
  for (const std::string& vob : title.Vobs) {
    std::string reason;
    const std::unique_ptr<SourceFile> file = SourceFile::Open(vob, reason);
    std::printf("  %s  %llu bytes\n", vob.c_str(),
                file ? static_cast<unsigned long long>(file->Size()) : 0ULL);
  }
  return ExitSuccess;
}

}  // namespace quelm
