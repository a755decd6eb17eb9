// `quelm-cli dict list|show|name|confirm`.
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
    "usage: quelm-cli dict list [--unnamed] [--unconfirmed] DIR\n"
    "       quelm-cli dict show DIR ENTRY\n"
    "       quelm-cli dict name DIR ENTRY TEXT\n"
    "       quelm-cli dict confirm DIR ENTRY...\n"
    "       quelm-cli dict confirm DIR --all\n"
    "\n"
    "Works on the character dictionary in DIR (chardict.ocr and its char_N.bmp files;\n"
    "chardict.unconfirmed beside them names the entries not yet confirmed).\n"
    "\n"
    "  list     one line per entry, tab-separated: number, bitmap file, width x height, text,\n"
    "           and 'unconfirmed' for an entry named from the OCR engine's readings (convert\n"
    "           --learn auto) that nobody has confirmed yet. With --unnamed only entries\n"
    "           still showing their own reference (learned with --learn after, or by --learn\n"
    "           auto where the engine read nothing); with --unconfirmed only the unconfirmed\n"
    "           ones, each followed by the readings it got and how often (\"e\" 3, \"c\" 1).\n"
    "  show     draws the entry's bitmap ('#' ink) with its file and text\n"
    "  name     gives the entry its text (\"<\" alone is stored as \"<<\", as the learning\n"
    "           dialogue does) and so confirms it; the index is rewritten atomically\n"
    "  confirm  confirms the entries as they read; --all every unconfirmed entry that has a\n"
    "           text (one still showing its own reference needs 'name')\n"
    "\n"
    "ENTRY is the number that 'list' shows (from 1) or the bitmap file name (char_7.bmp).\n"
    "Exit status: 0 done; 1 unreadable or unwritable dictionary, unknown entry; 2 bad options.\n";

bool IsPlaceholder(const TCharEntry& entry) { return entry.Text == "<" + entry.FileName + ">"; }

std::string SizeText(const TCharEntry& entry) {
  if (entry.Unloaded) return "missing";
  return std::to_string(entry.Bitmap.Width()) + "x" + std::to_string(entry.Bitmap.Height());
}

// "unconfirmed" and, when asked for, the votes: "e" 3, "c" 1.
std::string ConfirmationColumns(const TCharEntry& entry, bool votes) {
  if (!entry.Unconfirmed) return std::string();
  std::string columns = "\tunconfirmed";
  if (!votes) return columns;
  columns += "\t";
  for (std::size_t v = 0; v < entry.Votes.size(); ++v)
    columns += (v > 0 ? ", \"" : "\"") + entry.Votes[v].first + "\" " +
               std::to_string(entry.Votes[v].second);
  return columns;
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
  const CommandLine cl("dict", {}, {"--unnamed", "--unconfirmed", "--all"});
  const auto parsed = cl.Parse(args);
  if (!parsed) return cl.TryHelp();
  if (parsed->Help) {
    std::fputs(Usage, stdout);
    return ExitSuccess;
  }
  const std::vector<std::string>& words = parsed->Positional;
  if (words.empty()) {
    cl.Fail("say what to do: list, show, name or confirm");
    return cl.TryHelp();
  }
  const std::string& action = words[0];
  const bool all = parsed->Has("--all");
  const std::size_t wanted = action == "list"      ? 2
                             : action == "show"    ? 3
                             : action == "name"    ? 4
                             : action == "confirm" ? (all ? 2 : 3)
                                                   : 0;
  if (wanted == 0) {
    cl.Fail("unknown action '" + action + "' (list, show, name or confirm)");
    return cl.TryHelp();
  }
  if (action == "confirm" ? words.size() < wanted || (all && words.size() != wanted)
                          : words.size() != wanted) {
    cl.Fail(action + " takes " +
            (action == "list"   ? "DIR"
             : action == "show" ? "DIR ENTRY"
             : action == "name" ? "DIR ENTRY TEXT"
             : all              ? "DIR and --all, no ENTRY"
                                : "DIR ENTRY... or DIR --all"));
    return cl.TryHelp();
  }
  for (const char* flag : {"--unnamed", "--unconfirmed"}) {
    if (parsed->Has(flag) && action != "list") {
      cl.Fail(std::string(flag) + " belongs to list");
      return cl.TryHelp();
    }
  }
  if (all && action != "confirm") {
    cl.Fail("--all belongs to confirm");
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
    const bool unconfirmedOnly = parsed->Has("--unconfirmed");
    const auto& list = dictionary.CharList();
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (unnamedOnly && !IsPlaceholder(list[i])) continue;
      if (unconfirmedOnly && !list[i].Unconfirmed) continue;
      std::printf("%zu\t%s\t%s\t%s%s\n", i + 1, list[i].FileName.c_str(), SizeText(list[i]).c_str(),
                  list[i].Text.c_str(), ConfirmationColumns(list[i], unconfirmedOnly).c_str());
    }
    return std::fflush(stdout) == 0 ? ExitSuccess : ExitFailure;
  }

  if (action == "confirm") {
    // Every entry is found before anything is written: a mistyped one changes nothing.
    std::vector<std::size_t> chosen;
    for (std::size_t w = 2; w < words.size(); ++w) {
      const auto index = FindEntry(dictionary, words[w]);
      if (!index) {
        cl.Fail("no entry '" + words[w] + "' in " + root + CharDictionary::IndexFileName + " (" +
                std::to_string(dictionary.Size()) + " entries)");
        return ExitFailure;
      }
      if (IsPlaceholder(dictionary.CharList()[*index])) {
        cl.Fail("entry '" + words[w] + "' has no text yet: give it one with 'dict name'");
        return ExitFailure;
      }
      chosen.push_back(*index);
    }
    int unnamed = 0;
    for (std::size_t i = 0; all && i < dictionary.Size(); ++i) {
      if (!dictionary.CharList()[i].Unconfirmed) continue;
      if (IsPlaceholder(dictionary.CharList()[i]))
        ++unnamed;
      else
        chosen.push_back(i);
    }
    for (const std::size_t i : chosen) dictionary.SetUnconfirmed(i, false);
    if (const Status saved = chosen.empty() ? Status::Success() : dictionary.Save(root); !saved) {
      cl.Fail(saved.Message);
      return ExitFailure;
    }
    if (unnamed > 0)
      cl.Fail("note: " + std::to_string(unnamed) +
              " unconfirmed entries without a text stay so (see 'dict list --unnamed')");
    return ExitSuccess;
  }

  const auto index = FindEntry(dictionary, words[2]);
  if (!index) {
    cl.Fail("no entry '" + words[2] + "' in " + root + CharDictionary::IndexFileName + " (" +
            std::to_string(dictionary.Size()) + " entries)");
    return ExitFailure;
  }
  const TCharEntry& entry = dictionary.CharList()[*index];
  if (action == "show") {
    std::printf("entry %zu: %s, %s, text \"%s\"%s\n", *index + 1, entry.FileName.c_str(),
                SizeText(entry).c_str(), entry.Text.c_str(),
                entry.Unconfirmed ? ", unconfirmed" : "");
    if (!entry.Unloaded) {
      for (const std::string& row : TextArt::Character(entry.Bitmap)) std::printf("%s\n", row.c_str());
    }
    return std::fflush(stdout) == 0 ? ExitSuccess : ExitFailure;
  }

  // name: the user's word, so the entry is confirmed; the others keep their state.
  dictionary.SetText(*index, words[3] == "<" ? "<<" : words[3]);
  dictionary.SetUnconfirmed(*index, false);
  if (const Status saved = dictionary.Save(root); !saved) {
    cl.Fail(saved.Message);
    return ExitFailure;
  }
  return ExitSuccess;
}

}  // namespace quelm
