// Option parsing shared by the subcommands: "--name VALUE", "--name=VALUE", flags, "--" and
// positional arguments, with a message naming the subcommand on every fault.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quelm {

struct ParsedArguments {
  std::map<std::string, std::string> Values;  // options with a value, and flags (value "")
  std::vector<std::string> Positional;
  bool Help = false;

  bool Has(const std::string& name) const { return Values.count(name) > 0; }
  const std::string* Value(const std::string& name) const {
    const auto it = Values.find(name);
    return it == Values.end() ? nullptr : &it->second;
  }
};

// Exit codes shared by the subcommands.
inline constexpr int ExitSuccess = 0;
inline constexpr int ExitFailure = 1;     // unreadable input, unwritable output, a failed run
inline constexpr int ExitBadOptions = 2;  // the command line itself is wrong
inline constexpr int ExitStopped = 3;     // stopped by the user; records kept for a resume

class CommandLine {
 public:
  // `command` names the subcommand in messages ("quelm-cli convert: ...").
  CommandLine(std::string command, std::set<std::string> valued, std::set<std::string> flags)
      : command_(std::move(command)), valued_(std::move(valued)), flags_(std::move(flags)) {}

  // Nothing after printing a message on stderr.
  std::optional<ParsedArguments> Parse(const std::vector<std::string>& args) const;

  // Prints "quelm-cli <command>: <message>" on stderr; returns false for chaining.
  bool Fail(const std::string& message) const;
  // Points at the command's help on stderr; returns ExitBadOptions.
  int TryHelp() const;

  // Decimal or "0x" hexadecimal, the whole text.
  static std::optional<std::int64_t> ParseInteger(const std::string& text);

 private:
  std::string command_;
  std::set<std::string> valued_;
  std::set<std::string> flags_;
};

}  // namespace quelm
