// `quelm-cli dict list|show|name`.
#include "cli/DictCommand.h"

#include <cstdio>
#include <filesystem>
#include <optional>

#include "cli/CommandLine.h"
#include "cli/TextArt.h"
#include "ocr/CharDictionary.h"

namespace quelm {

namespace {

constexpr const char* Usage =
    "usage: quelm-cli dict list [--unnamed] DIR\n"
    "       quelm-cli dict show DIR ENTRY\n"
    "       quelm-cli dict name DIR ENTRY TEXT\n"
    "\n"
    "Works on the character dictionary in DIR (chardict.ocr and its char_N.bmp files).\n"
    "\n"
    "  list    one line per entry: number, bitmap file, width x height, text. With --unnamed\n"
    "          only entries still showing their own reference (learned with --learn after).\n"
    "  show    draws the entry's bitmap ('#' ink) with its file and text\n"
    "  name    gives the entry its text (\"<\" alone is stored as \"<<\", as the learning\n"
    "          dialogue does); the index is rewritten atomically\n"
    "\n"
    "ENTRY is the number that 'list' shows (from 1) or the bitmap file name (char_7.bmp).\n"
    "Exit status: 0 done; 1 unreadable or unwritable dictionary, unknown entry; 2 bad options.\n";

bool IsPlaceholder(const TCharEntry& entry) { return entry.Text == "<" + entry.FileName + ">"; }

std::string SizeText(const TCharEntry& entry) {
  if (entry.Unloaded) return "missing";
  return std::to_string(entry.Bitmap.Width()) + "x" + std::to_string(entry.Bitmap.Height());
}

std::optional<std::size_t> FindEntry(const CharDictionary& dictionary, const std::string& key) {
  if (const auto number = CommandLine::ParseInteger(key)) {
    if (*number >= 1 && static_cast<std::size_t>(*number) <= dictionary.Size())
      return static_cast<std::size_t>(*number - 1);
    return std::nullopt;
  }
  const auto& list = dictionary.CharList();
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (list[i].FileName == key ||
        std::filesystem::path(list[i].FileName).filename().string() == key)
      return i;
  }
  return std::nullopt;
}

}  // namespace

int RunDictCommand(const std::vector<std::string>& args) {
  const CommandLine cl("dict", {}, {"--unnamed"});
  const auto parsed = cl.Parse(args);
  if (!parsed) return cl.TryHelp();
  if (parsed->Help) {
    std::fputs(Usage, stdout);
    return ExitSuccess;
  }
  const std::vector<std::string>& words = parsed->Positional;
  if (words.empty()) {
    cl.Fail("say what to do: list, show or name");
    return cl.TryHelp();
  }
  const std::string& action = words[0];
  const std::size_t wanted = action == "list" ? 2 : action == "show" ? 3 : action == "name" ? 4 : 0;
  if (wanted == 0) {
    cl.Fail("unknown action '" + action + "' (list, show or name)");
    return cl.TryHelp();
  }
  if (words.size() != wanted) {
    cl.Fail(action + " takes " +
            (action == "list" ? "DIR" : action == "show" ? "DIR ENTRY" : "DIR ENTRY TEXT"));
    return cl.TryHelp();
  }
  if (parsed->Has("--unnamed") && action != "list") {
    cl.Fail("--unnamed belongs to list");
    return cl.TryHelp();
  }
  std::string root = words[1];
  if (root.back() != '/') root += '/';
  std::error_code ec;
  if (!std::filesystem::is_directory(root, ec)) {
    cl.Fail("'" + words[1] + "' is not a directory");
    return ExitFailure;
  }
  CharDictionary dictionary;
  const DictionaryLoadResult loaded = dictionary.Load(root);
  if (!loaded.Outcome) {
    cl.Fail(loaded.Outcome.Message);
    return ExitFailure;
  }
  for (const std::string& warning : loaded.Warnings) cl.Fail("warning: " + warning);

  if (action == "list") {
    const bool unnamedOnly = parsed->Has("--unnamed");
    const auto& list = dictionary.CharList();
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (unnamedOnly && !IsPlaceholder(list[i])) continue;
      std::printf("%zu\t%s\t%s\t%s\n", i + 1, list[i].FileName.c_str(), SizeText(list[i]).c_str(),
                  list[i].Text.c_str());
    }
    return std::fflush(stdout) == 0 ? ExitSuccess : ExitFailure;
  }

  const auto index = FindEntry(dictionary, words[2]);
  if (!index) {
    cl.Fail("no entry '" + words[2] + "' in " + root + CharDictionary::IndexFileName + " (" +
            std::to_string(dictionary.Size()) + " entries)");
    return ExitFailure;
  }
  const TCharEntry& entry = dictionary.CharList()[*index];
  if (action == "show") {
    std::printf("entry %zu: %s, %s, text \"%s\"\n", *index + 1, entry.FileName.c_str(),
                SizeText(entry).c_str(), entry.Text.c_str());
    if (!entry.Unloaded) {
      for (const std::string& row : TextArt::Character(entry.Bitmap)) std::printf("%s\n", row.c_str());
    }
    return std::fflush(stdout) == 0 ? ExitSuccess : ExitFailure;
  }

  // name: the dictionary is rebuilt in list order with the one text changed.
  const std::string text = words[3] == "<" ? "<<" : words[3];
  CharDictionary renamed;
  const auto& list = dictionary.CharList();
  for (std::size_t i = 0; i < list.size(); ++i)
    renamed.AddCurrentCharacterToList(list[i].Bitmap, list[i].FileName, i == *index ? text : list[i].Text);
  if (const Status saved = renamed.Save(root); !saved) {
    cl.Fail(saved.Message);
    return ExitFailure;
  }
  return ExitSuccess;
}

}  // namespace quelm
