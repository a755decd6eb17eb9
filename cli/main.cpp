// quelm-cli: the headless tools of Quelm, one subcommand each.
#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli/ConvertCommand.h"
#include "cli/DictCommand.h"
#include "cli/ExtractCommand.h"
#include "cli/InfoCommand.h"
#include "cli/RenderCommand.h"
#include "quelm/Version.h"

namespace {

struct Subcommand {
  const char* Name;
  const char* Summary;
  int (*Run)(const std::vector<std::string>& args);
};

const Subcommand Subcommands[] = {
    {"convert", "read, recognise and write a title's subtitles as a script", quelm::RunConvertCommand},
    {"render", "render saved records again through a format", quelm::RunRenderCommand},
    {"dict", "list, show, name and confirm dictionary entries", quelm::RunDictCommand},
    {"extract", "list and save the subtitles of VOB files", quelm::RunExtractCommand},
    {"info", "show a title set's subtitle streams, chapters and files", quelm::RunInfoCommand},
};

void PrintUsage(std::FILE* out) {
  std::fprintf(out, "usage: quelm-cli <command> [options]\n\ncommands:\n");
  for (const Subcommand& sub : Subcommands)
    std::fprintf(out, "  %-10s %s\n", sub.Name, sub.Summary);
  std::fprintf(out, "\n'quelm-cli <command> --help' describes a command's options;\n"
                    "'quelm-cli --version' prints the version.\n");
}

}  // namespace

int main(int argc, char** argv) {
  // Every subtitle allocates and frees bitmaps of a few hundred kilobytes; kept in the heap
  // rather than mapped and unmapped each time, they cost no page faults on reuse.
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  if (argc < 2) {
    PrintUsage(stderr);
    return 2;
  }
  const std::string name = argv[1];
  if (name == "--version" || name == "-V") {
    std::printf("quelm-cli %s\n", quelm::VersionText);
    return 0;
  }
  if (name == "--help" || name == "-h" || name == "help") {
    PrintUsage(stdout);
    // Every command's options, so that one page answers everything.
    for (const Subcommand& sub : Subcommands) {
      std::printf("\n%s\n", std::string(72, '-').c_str());
      std::fflush(stdout);
      sub.Run({"--help"});
    }
    return 0;
  }
  for (const Subcommand& sub : Subcommands) {
    if (name == sub.Name) return sub.Run(std::vector<std::string>(argv + 2, argv + argc));
  }
  std::fprintf(stderr, "quelm-cli: unknown command '%s'\n\n", name.c_str());
  PrintUsage(stderr);
  return 2;
}
