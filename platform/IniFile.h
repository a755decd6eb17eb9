// A private-profile style INI service: every call opens the file, reads or writes what it was
// asked for and closes it again, so the file always holds the current state.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/Status.h"

namespace quelm {

class IniFile {
 public:
  // Which pair of enclosing quotes reading removes: the settings file knows double quotes only;
  // output format files take a pair of single quotes as well. One pair at most, either way.
  enum class Quotes { Double, DoubleOrSingle };

  explicit IniFile(std::string path, Quotes quotes = Quotes::Double)
      : path_(std::move(path)), quotes_(quotes) {}
  const std::string& Path() const { return path_; }

  // Section and key names compare without regard to case. A missing file, section or key yields
  // `fallback`. Values are cut at 2047 characters; one pair of enclosing quotes is removed.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& fallback) const;
  // Decimal, or hexadecimal after "0x"/"0X" when the value is longer than two characters; text
  // that is not a number yields `fallback`.
  int ReadInteger(const std::string& section, const std::string& key, int fallback) const;
  // Any integer other than 0 is true.
  bool ReadBool(const std::string& section, const std::string& key, bool fallback) const;

  // Keys of a section in file order (empty when the section or file is missing).
  std::vector<std::string> ReadSectionKeys(const std::string& section) const;
  // Every key of a section in file order with the value ReadString gives for it, from one read of
  // the file (a repeated key appears once, with its first value).
  std::vector<std::pair<std::string, std::string>> ReadSectionValues(const std::string& section) const;

  // Each write reaches the file at once and atomically (a temporary file in the same directory,
  // flushed, then renamed), keeping every other section, key, comment and the file's line ends.
  // A refused write gives the failure "Unable to write to <path>" and leaves the file as it was.
  Status WriteString(const std::string& section, const std::string& key, const std::string& value);
  Status WriteInteger(const std::string& section, const std::string& key, int value);
  Status WriteBool(const std::string& section, const std::string& key, bool value);
  // Several keys of one section in one write, in the order given.
  Status WriteKeys(const std::string& section,
                   const std::vector<std::pair<std::string, std::string>>& keyValues);
  Status EraseSection(const std::string& section);
  // The section holds exactly `keyValues` afterwards, in that order, and stays where it was
  // (a new one goes last; no keys removes it). One write: a refused one leaves the old list.
  Status ReplaceSection(const std::string& section,
                        const std::vector<std::pair<std::string, std::string>>& keyValues);

  static constexpr std::size_t MaxValueLength = 2047;

 private:
  std::string path_;
  Quotes quotes_;
};

}  // namespace quelm
