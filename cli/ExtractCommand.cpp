// `quelm-cli extract`: walks every subtitle of the given VOB files in order, prints one line
// per subtitle and can save each bitmap as the desktop program names it.
#include "cli/ExtractCommand.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>

#include "cli/CommandLine.h"
#include "cli/TerminalInteraction.h"
#include "cli/TitleSet.h"
#include "cli/VobFileCheck.h"
#include "disc/VobSubIndex.h"
#include "extraction/SubtitleWalker.h"
#include "platform/BmpFile.h"
#include "platform/SourceFile.h"

namespace quelm {

namespace {

constexpr const char* Usage =
    "usage: quelm-cli extract [--stream 0x20..0x3F] [--interlace 1..4] [--from OFFSET]\n"
    "                         [--title N] [--bitmaps DIR [--bits 1|4]] VOB...\n"
    "\n"
    "A VOB may be the .sub of a VobSub pair, or its .idx for the .sub beside it; the times\n"
    "shown are then shifted by the index's delay. It may be a Matroska file (.mkv, .mks):\n"
    "its VobSub and PGS tracks are the streams from 0x20 on, and the offsets are those of\n"
    "their packets (--from takes any of them).\n"
    "A .sup file (a Blu-ray PGS stream) is read likewise; its offsets are those of its\n"
    "display sets.\n"
    "\n"
    "Walks every subtitle of the VOB files in order, carrying a subtitle that one file ends\n"
    "in the middle of into the next, and prints one line per subtitle:\n"
    "  number  start offset  offset reached  time hh:mm:ss  width x height\n"
    "A subtitle begun in the previous file shows that file's start offset. With several files,\n"
    "a line '# file NAME' marks where each file begins. A title-set directory, a DVD image\n"
    "(.iso) or a drive's device stands for the title VOB files of its one title set, or of the\n"
    "one --title names.\n"
    "\n"
    "  --stream ID     sub-stream id, 0x20 to 0x3F (default 0x20)\n"
    "  --interlace N   row step of the decoder, 1 to 4 (default 1)\n"
    "  --from OFFSET   byte offset in the first file to start at (default 0); inside a pack,\n"
    "                  reading starts at that pack\n"
    "  --title N       title set N of a directory or image holding several\n"
    "  --bitmaps DIR   save each bitmap as DIR/<VOB name minus extension letters>_NNNNN.bmp\n"
    "  --bits 1|4      bits per pixel of the saved bitmaps (default 4)\n";

struct ExtractOptions {
  int Stream = 0x20;
  int Interlace = 1;
  std::int64_t From = 0;
  int Title = 0;  // 0: the one title set there is
  std::string BitmapDir;
  int Bits = 4;
  bool BitsGiven = false;
  std::vector<std::string> Files;
};

bool Fail(const std::string& message) {
  std::fprintf(stderr, "quelm-cli extract: %s\n", message.c_str());
  return false;
}

// Returns false after a message on a bad argument.
bool ParseArguments(const std::vector<std::string>& args, ExtractOptions& options, bool& help) {
  help = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string arg = args[i];
    std::optional<std::string> inlineValue;
    if (arg.rfind("--", 0) == 0) {
      const std::size_t eq = arg.find('=');
      if (eq != std::string::npos) {
        inlineValue = arg.substr(eq + 1);
        arg.resize(eq);
      }
    }
    auto value = [&](std::string& out) {
      if (inlineValue) {
        out = *inlineValue;
        return true;
      }
      if (i + 1 >= args.size()) return Fail(arg + " needs a value");
      out = args[++i];
      return true;
    };
    std::string text;
    if (arg == "--help" || arg == "-h") {
      help = true;
      return true;
    } else if (arg == "--stream") {
      if (!value(text)) return false;
      const auto id = CommandLine::ParseInteger(text);
      if (!id || *id < 0x20 || *id > 0x3F) {
        return Fail("--stream must be a sub-stream id from 0x20 to 0x3F, not '" + text + "'");
      }
      options.Stream = static_cast<int>(*id);
    } else if (arg == "--interlace") {
      if (!value(text)) return false;
      const auto step = CommandLine::ParseInteger(text);
      if (!step || *step < 1 || *step > 4) {
        return Fail("--interlace must be 1, 2, 3 or 4, not '" + text + "'");
      }
      options.Interlace = static_cast<int>(*step);
    } else if (arg == "--from") {
      if (!value(text)) return false;
      const auto offset = CommandLine::ParseInteger(text);
      if (!offset || *offset < 0) {
        return Fail("--from must be a byte offset of 0 or more, not '" + text + "'");
      }
      options.From = *offset;
    } else if (arg == "--title") {
      if (!value(text)) return false;
      const auto title = CommandLine::ParseInteger(text);
      if (!title || *title < 1 || *title > 99)
        return Fail("--title must be a title set number from 1 to 99, not '" + text + "'");
      options.Title = static_cast<int>(*title);
    } else if (arg == "--bitmaps") {
      if (!value(text)) return false;
      if (text.empty()) return Fail("--bitmaps needs a directory");
      options.BitmapDir = text;
    } else if (arg == "--bits") {
      if (!value(text)) return false;
      if (text != "1" && text != "4") return Fail("--bits must be 1 or 4, not '" + text + "'");
      options.Bits = text == "1" ? 1 : 4;
      options.BitsGiven = true;
    } else if (arg == "--") {
      options.Files.insert(options.Files.end(), args.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                           args.end());
      break;
    } else if (arg.size() > 1 && arg[0] == '-') {
      return Fail("unknown option '" + arg + "'");
    } else {
      options.Files.push_back(args[i]);
    }
  }
  if (options.BitsGiven && options.BitmapDir.empty()) return Fail("--bits needs --bitmaps DIR");
  if (options.Files.empty()) return Fail("no VOB file given");
  return true;
}

bool CheckReadable(const std::string& path) {
  Phrase reason;
  if (!SourceFile::Open(path, reason))
    return Fail("cannot read '" + path + "': " + reason.English());
  return true;
}

// A directory, disc image or drive stands for the title VOB files of its one title set, or of
// title set `title` when that is not 0.
bool ExpandTitleSets(std::vector<std::string>& files, int title) {
  std::vector<std::string> expanded;
  bool any = false;
  for (const std::string& file : files) {
    std::error_code error;
    if (!DiscImage::IsImage(file) && !std::filesystem::is_directory(file, error)) {
      expanded.push_back(file);
      continue;
    }
    any = true;
    const TitleSetFiles set = TitleSet::Resolve({file}, title);
    if (!set.Outcome) return Fail(set.Outcome.Message);
    expanded.insert(expanded.end(), set.Vobs.begin(), set.Vobs.end());
  }
  if (title != 0 && !any) return Fail("--title needs a directory or disc image of title sets");
  files = std::move(expanded);
  return true;
}

// The desktop program's name for a saved bitmap: the VOB name without its last three
// characters (the dot stays), "_", the number with at least five digits, ".bmp".
std::string BitmapFileName(const std::string& vobPath, int number) {
  std::string name = std::filesystem::path(vobPath).filename().string();
  name.resize(name.size() >= 3 ? name.size() - 3 : 0);
  char digits[24];
  std::snprintf(digits, sizeof digits, "%05d", number);
  return name + "_" + digits + ".bmp";
}

// `time` moved by `ms`, never before zero.
PresentationTime Shifted(const PresentationTime& time, std::int64_t ms) {
  const std::int64_t seconds =
      std::max<std::int64_t>(0, ((std::int64_t{time.Hours} * 60 + time.Minutes) * 60 +
                                 time.Seconds) * 1000 + ms) / 1000;
  return {static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
          static_cast<int>(seconds % 60)};
}

// A VobSub index stands for the .sub beside it, and a .sub reads with the index beside it;
// each file's index, when it has one, is returned. False after a message.
bool TakeIndexes(std::vector<std::string>& files,
                 std::vector<std::shared_ptr<const VobSubIndex>>& indexes) {
  indexes.assign(files.size(), nullptr);
  for (std::size_t i = 0; i < files.size(); ++i) {
    const std::string name = std::filesystem::path(files[i]).filename().string();
    std::string indexPath;
    if (VobSubIndex::IsIndexName(name)) {
      const std::string sub = VobSubIndex::SubBeside(files[i]);
      if (sub.empty()) return Fail("'" + files[i] + "' is a VobSub index with no .sub beside it");
      indexPath = files[i];
      files[i] = sub;
    } else if (VobSubIndex::IsSubName(name)) {
      indexPath = VobSubIndex::IndexBeside(files[i]);
    }
    if (indexPath.empty()) continue;
    indexes[i] = std::make_shared<const VobSubIndex>(VobSubIndex::Read(indexPath));
    for (const std::string& fault : indexes[i]->Faults) Fail("warning: " + fault);
  }
  return true;
}

}  // namespace

int RunExtractCommand(const std::vector<std::string>& args) {
  ExtractOptions options;
  bool help = false;
  if (!ParseArguments(args, options, help)) {
    std::fprintf(stderr, "Try 'quelm-cli extract --help'.\n");
    return 2;
  }
  if (help) {
    std::fputs(Usage, stdout);
    return 0;
  }
  if (!ExpandTitleSets(options.Files, options.Title)) return 1;
  std::vector<std::shared_ptr<const VobSubIndex>> indexes;
  if (!TakeIndexes(options.Files, indexes)) return 1;
  for (const std::string& file : options.Files) {
    if (!CheckReadable(file)) return 1;
  }
  Phrase reason;
  const std::unique_ptr<SourceFile> first = SourceFile::Open(options.Files.front(), reason);
  const std::int64_t firstSize = first ? first->Size() : 0;
  if (first && options.From > firstSize) {
    Fail("--from " + std::to_string(options.From) + " lies beyond the end of '" +
         options.Files.front() + "' (" + std::to_string(firstSize) + " bytes)");
    return 2;
  }
  // Packs are read whole: a block from the middle of one would be no pack at all. A file read
  // unit by unit (Matroska) takes any byte offset.
  if (DetectSourceFormat(options.Files.front()) == SourceFormat::PackStream)
    options.From -= options.From % ExtractionRun::PackSize;
  std::filesystem::path bitmapDir;
  if (!options.BitmapDir.empty()) {
    bitmapDir = options.BitmapDir;
    std::error_code error;
    std::filesystem::create_directories(bitmapDir, error);
    if (error || !std::filesystem::is_directory(bitmapDir)) {
      Fail("cannot use '" + options.BitmapDir + "' as bitmap directory" +
           (error ? ": " + error.message() : std::string()));
      return 1;
    }
  }

  TerminalInteraction terminal;
  SubpictureRequest settings;
  settings.SubStreamId = options.Stream;
  settings.InterlaceStep = options.Interlace;
  settings.FilePosition = options.From;
  SubtitleWalker walker(terminal, options.Files, settings);
  const bool severalFiles = options.Files.size() > 1;
  walker.FileStarted = [&](std::size_t index) {
    if (severalFiles) std::printf("# file %s\n", options.Files[index].c_str());
  };

  int failures = 0;
  int subtitles = 0;
  const CommandLine cl("extract", {}, {});
  VobFileCheck check(cl, options.From);
  walker.FileEnded = [&](std::size_t index, const SubpictureResult& last) {
    std::fflush(stdout);
    if (!check.RunEnded(options.Files[index], last)) ++failures;
  };
  while (auto found = walker.Next()) {
    const SubpictureResult& result = found->Result;
    ++subtitles;
    check.RunEnded(options.Files[found->FileIndex], result);
    PresentationTime time = result.Time;
    if (const auto& index = indexes[found->FileIndex])
      time = Shifted(time, index->DelayMsAt(options.Stream - 0x20, result.StartPosition));
    std::printf("%d %" PRId64 " %" PRId64 " %s %dx%d\n", found->Number, result.StartPosition,
                result.FilePosition, FormatPresentationTime(time).c_str(), result.SubTitle.Width(),
                result.SubTitle.Height());
    if (bitmapDir.empty()) continue;
    const std::string path =
        (bitmapDir / BitmapFileName(options.Files[found->FileIndex], found->Number)).string();
    if (result.SubTitle.IsEmpty()) {
      std::fprintf(stderr, "quelm-cli extract: subtitle %d has no picture; %s not written\n",
                   found->Number, path.c_str());
      continue;
    }
    const Status written = WriteBmp(path, result.SubTitle, options.Bits);
    if (!written) {
      std::fflush(stdout);
      std::fprintf(stderr, "quelm-cli extract: %s\n", written.Message.c_str());
      ++failures;
      break;
    }
  }
  std::fflush(stdout);
  // A file that vanished between the check and its run shows "File opening error!".
  if (terminal.Warnings > 0) ++failures;
  if (subtitles == 0 && failures == 0) {
    cl.Fail(VobFileCheck::NoSubtitle(options.Stream, options.Files));
    ++failures;
  }
  return failures > 0 ? 1 : 0;
}

}  // namespace quelm
