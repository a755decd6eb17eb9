// Option parsing for the subcommands of quelm-cli.
#include "cli/CommandLine.h"

#include <charconv>
#include <cstdio>

#include "cli/TerminalText.h"

namespace quelm {

bool CommandLine::Fail(const std::string& message) const {
  PrintMessage("quelm-cli " + command_ + ": " + message);
  return false;
}

int CommandLine::TryHelp() const {
  std::fprintf(stderr, "Try 'quelm-cli %s --help'.\n", command_.c_str());
  return ExitBadOptions;
}

std::optional<ParsedArguments> CommandLine::Parse(const std::vector<std::string>& args) const {
  ParsedArguments parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string arg = args[i];
    if (arg == "--") {
      parsed.Positional.insert(parsed.Positional.end(),
                               args.begin() + static_cast<std::ptrdiff_t>(i) + 1, args.end());
      break;
    }
    if (arg == "--help" || arg == "-h") {
      parsed.Help = true;
      return parsed;
    }
    if (arg.size() < 2 || arg[0] != '-') {
      parsed.Positional.push_back(arg);
      continue;
    }
    std::optional<std::string> inlineValue;
    if (const std::size_t eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
      inlineValue = arg.substr(eq + 1);
      arg.resize(eq);
    }
    if (parsed.Has(arg)) {
      Fail(arg + " is given twice");
      return std::nullopt;
    }
    if (flags_.count(arg) > 0) {
      if (inlineValue) {
        Fail(arg + " takes no value");
        return std::nullopt;
      }
      parsed.Values[arg] = std::string();
    } else if (valued_.count(arg) > 0) {
      if (!inlineValue && i + 1 >= args.size()) {
        Fail(arg + " needs a value");
        return std::nullopt;
      }
      parsed.Values[arg] = inlineValue ? *inlineValue : args[++i];
    } else {
      Fail("unknown option '" + arg + "'");
      return std::nullopt;
    }
  }
  return parsed;
}

std::optional<std::int64_t> CommandLine::ParseInteger(const std::string& text) {
  int base = 10;
  std::size_t start = 0;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    start = 2;
  }
  std::int64_t value = 0;
  const char* first = text.data() + start;
  const char* last = text.data() + text.size();
  if (first == last) return std::nullopt;
  const auto [end, error] = std::from_chars(first, last, value, base);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

}  // namespace quelm
