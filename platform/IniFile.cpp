// The INI service: parses the file into lines on every call and rewrites it whole, so that
// comments, blank lines, unknown keys and line ends survive every write untouched.
#include "platform/IniFile.h"

#include "platform/AsciiText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <unordered_set>

#include "platform/FileIo.h"

namespace quelm {

namespace {

// Settings and format files are small; a file beyond this is not read as INI at all.
constexpr std::size_t MaxIniFileBytes = 64u << 20;

struct Line {
  std::string Text;  // without its line end
  std::string End;   // "\r\n", "\n", or "" for a last line without one
};

struct Document {
  std::vector<Line> Lines;
  std::string Eol = "\n";  // used for lines we add
};

std::string_view Trim(std::string_view s) {
  const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; };
  while (!s.empty() && isSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && isSpace(s.back())) s.remove_suffix(1);
  return s;
}

Document Parse(const std::string& content) {
  Document doc;
  std::size_t pos = 0;
  bool eolChosen = false;
  while (pos < content.size()) {
    const std::size_t nl = content.find('\n', pos);
    Line line;
    if (nl == std::string::npos) {
      line.Text = content.substr(pos);
      pos = content.size();
    } else {
      std::size_t textEnd = nl;
      if (textEnd > pos && content[textEnd - 1] == '\r') --textEnd;
      line.Text = content.substr(pos, textEnd - pos);
      line.End = content.substr(textEnd, nl + 1 - textEnd);
      pos = nl + 1;
      if (!eolChosen) {
        doc.Eol = line.End;
        eolChosen = true;
      }
    }
    doc.Lines.push_back(std::move(line));
  }
  return doc;
}

std::string Serialize(const Document& doc) {
  std::string out;
  for (const Line& line : doc.Lines) {
    out += line.Text;
    out += line.End;
  }
  return out;
}

// "[name]" gives name; anything else gives nothing.
std::optional<std::string_view> SectionName(std::string_view text) {
  const std::string_view t = Trim(text);
  if (t.empty() || t.front() != '[') return std::nullopt;
  std::string_view inner = t.substr(1);
  const std::size_t close = inner.find(']');
  if (close != std::string_view::npos) inner = inner.substr(0, close);
  return Trim(inner);
}

struct KeyValue {
  std::string_view Key;
  std::string_view Value;
};

std::optional<KeyValue> ParseKeyLine(std::string_view text) {
  const std::string_view t = Trim(text);
  if (t.empty() || t.front() == ';' || t.front() == '[') return std::nullopt;
  const std::size_t eq = t.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  const std::string_view key = Trim(t.substr(0, eq));
  if (key.empty()) return std::nullopt;
  return KeyValue{key, Trim(t.substr(eq + 1))};
}

// Lines [Begin, End) of a section's body; Header is the index of its "[...]" line.
struct SectionRange {
  std::size_t Header = 0;
  std::size_t Begin = 0;
  std::size_t End = 0;
};

std::vector<SectionRange> FindSections(const Document& doc, std::string_view section) {
  std::vector<SectionRange> found;
  for (std::size_t i = 0; i < doc.Lines.size(); ++i) {
    const auto name = SectionName(doc.Lines[i].Text);
    if (!name || !EqualNoCaseAscii(*name, section)) continue;
    SectionRange r{i, i + 1, i + 1};
    while (r.End < doc.Lines.size() && !SectionName(doc.Lines[r.End].Text)) ++r.End;
    found.push_back(r);
    i = r.End - 1;
  }
  return found;
}

std::optional<Document> Load(const std::string& path, bool& unreadable) {
  std::string content;
  const ReadFileOutcome outcome = ReadFileBytes(path, MaxIniFileBytes, content);
  unreadable = outcome != ReadFileOutcome::Ok && outcome != ReadFileOutcome::Missing;
  if (outcome != ReadFileOutcome::Ok) return std::nullopt;
  return Parse(content);
}

// The frame of every write: load, refuse a file that cannot be read (rewriting it from nothing
// would lose it), let `change` edit the lines, write them back atomically. `change` gets an empty
// document for a missing file and returns false when nothing needs writing.
Status Rewrite(const std::string& path,
               const std::function<bool(Document&, bool existed)>& change) {
  const Status refused = Status::Failure(Phrase::Say("Unable to write to %1", path));
  bool unreadable = false;
  auto loaded = Load(path, unreadable);
  if (unreadable) return refused;
  const bool existed = loaded.has_value();
  Document doc = existed ? std::move(*loaded) : Document{};
  if (!change(doc, existed)) return Status::Success();
  if (!WriteFileAtomically(path, Serialize(doc), true)) return refused;
  return Status::Success();
}

std::optional<std::string> FindValue(const std::string& path, const std::string& section,
                                     const std::string& key) {
  bool unreadable = false;
  const auto doc = Load(path, unreadable);
  if (!doc) return std::nullopt;
  const auto sections = FindSections(*doc, section);
  if (sections.empty()) return std::nullopt;
  const SectionRange& r = sections.front();
  for (std::size_t i = r.Begin; i < r.End; ++i) {
    const auto kv = ParseKeyLine(doc->Lines[i].Text);
    if (kv && EqualNoCaseAscii(kv->Key, key)) return std::string(kv->Value);
  }
  return std::nullopt;
}

// A line end inside a name or value would split the line; it is written as a space.
std::string OneLine(std::string s) {
  std::replace(s.begin(), s.end(), '\n', ' ');
  std::replace(s.begin(), s.end(), '\r', ' ');
  return s;
}

std::optional<int> ParseInteger(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    const std::string_view digits = text.substr(2);
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return static_cast<int>(value);  // 0xFFFFFFFF is -1, as 32-bit hex constants are
  }
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.front() == '+') return std::nullopt;
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// A value as the reader hands it out: one pair of enclosing quotes removed, then cut.
std::string StoredValue(std::string value, IniFile::Quotes quotes) {
  const auto enclosedIn = [&](char quote) {
    return value.size() >= 2 && value.front() == quote && value.back() == quote;
  };
  if (enclosedIn('"') || (quotes == IniFile::Quotes::DoubleOrSingle && enclosedIn('\'')))
    value = value.substr(1, value.size() - 2);
  if (value.size() > IniFile::MaxValueLength) value.resize(IniFile::MaxValueLength);
  return value;
}

}  // namespace

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
  auto value = FindValue(path_, section, key);
  if (!value) return fallback;
  return StoredValue(std::move(*value), quotes_);
}

int IniFile::ReadInteger(const std::string& section, const std::string& key, int fallback) const {
  const std::string text = ReadString(section, key, std::string());
  return ParseInteger(text).value_or(fallback);
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool fallback) const {
  return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

std::vector<std::string> IniFile::ReadSectionKeys(const std::string& section) const {
  std::vector<std::string> keys;
  bool unreadable = false;
  const auto doc = Load(path_, unreadable);
  if (!doc) return keys;
  const auto sections = FindSections(*doc, section);
  if (sections.empty()) return keys;
  const SectionRange& r = sections.front();
  for (std::size_t i = r.Begin; i < r.End; ++i) {
    const auto kv = ParseKeyLine(doc->Lines[i].Text);
    if (!kv) continue;
    // A repeated key is listed once: reading it gives the first value anyway.
    const bool seen = std::any_of(keys.begin(), keys.end(),
                                  [&](const std::string& k) { return EqualNoCaseAscii(k, kv->Key); });
    if (!seen) keys.emplace_back(kv->Key);
  }
  return keys;
}

std::vector<std::pair<std::string, std::string>> IniFile::ReadSectionValues(
    const std::string& section) const {
  std::vector<std::pair<std::string, std::string>> values;
  bool unreadable = false;
  const auto doc = Load(path_, unreadable);
  if (!doc) return values;
  const auto sections = FindSections(*doc, section);
  if (sections.empty()) return values;
  const SectionRange& r = sections.front();
  std::unordered_set<std::string> seen;
  for (std::size_t i = r.Begin; i < r.End; ++i) {
    const auto kv = ParseKeyLine(doc->Lines[i].Text);
    if (!kv) continue;
    if (!seen.insert(LowerAscii(kv->Key)).second) continue;
    values.emplace_back(std::string(kv->Key), StoredValue(std::string(kv->Value), quotes_));
  }
  return values;
}

Status IniFile::WriteString(const std::string& section, const std::string& key,
                            const std::string& value) {
  return WriteKeys(section, {{key, value}});
}

Status IniFile::WriteInteger(const std::string& section, const std::string& key, int value) {
  return WriteString(section, key, std::to_string(value));
}

Status IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

Status IniFile::WriteKeys(const std::string& section,
                          const std::vector<std::pair<std::string, std::string>>& keyValues) {
  return Rewrite(path_, [&](Document& doc, bool) {
    const std::string sectionName = OneLine(section);
    for (const auto& [rawKey, rawValue] : keyValues) {
      const std::string key = OneLine(rawKey);
      const std::string value = OneLine(rawValue);
      auto sections = FindSections(doc, sectionName);
      if (sections.empty()) {
        if (!doc.Lines.empty() && doc.Lines.back().End.empty()) doc.Lines.back().End = doc.Eol;
        doc.Lines.push_back({"[" + sectionName + "]", doc.Eol});
        doc.Lines.push_back({key + "=" + value, doc.Eol});
        continue;
      }
      const SectionRange& r = sections.front();
      std::size_t insertAt = r.Begin;
      bool replaced = false;
      for (std::size_t i = r.Begin; i < r.End; ++i) {
        const auto kv = ParseKeyLine(doc.Lines[i].Text);
        if (!kv) continue;
        if (EqualNoCaseAscii(kv->Key, key)) {
          doc.Lines[i].Text = std::string(kv->Key) + "=" + value;
          replaced = true;
          break;
        }
        insertAt = i + 1;
      }
      if (replaced) continue;
      // New keys go after the section's last key, ahead of blank lines and comments that follow.
      if (insertAt > 0 && doc.Lines[insertAt - 1].End.empty())
        doc.Lines[insertAt - 1].End = doc.Eol;
      doc.Lines.insert(doc.Lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                       Line{key + "=" + value, doc.Eol});
    }
    return true;
  });
}

Status IniFile::EraseSection(const std::string& section) {
  return Rewrite(path_, [&](Document& doc, bool existed) {
    const auto sections = FindSections(doc, section);
    if (!existed || sections.empty()) return false;  // nothing to erase
    for (auto it = sections.rbegin(); it != sections.rend(); ++it) {
      doc.Lines.erase(doc.Lines.begin() + static_cast<std::ptrdiff_t>(it->Header),
                      doc.Lines.begin() + static_cast<std::ptrdiff_t>(it->End));
    }
    return true;
  });
}

Status IniFile::ReplaceSection(const std::string& section,
                               const std::vector<std::pair<std::string, std::string>>& keyValues) {
  return Rewrite(path_, [&](Document& doc, bool) {
    const auto sections = FindSections(doc, section);
    if (sections.empty() && keyValues.empty()) return false;

    std::vector<Line> replacement;
    if (!keyValues.empty()) {
      replacement.push_back({"[" + OneLine(section) + "]", doc.Eol});
      for (const auto& [key, value] : keyValues)
        replacement.push_back({OneLine(key) + "=" + OneLine(value), doc.Eol});
    }
    std::size_t at = doc.Lines.size();
    if (!sections.empty()) {
      at = sections.front().Header;
      // A repeated section goes too: reading only ever saw the first one.
      for (auto it = sections.rbegin(); it != sections.rend(); ++it) {
        doc.Lines.erase(doc.Lines.begin() + static_cast<std::ptrdiff_t>(it->Header),
                        doc.Lines.begin() + static_cast<std::ptrdiff_t>(it->End));
      }
    }
    if (at > 0 && at == doc.Lines.size() && doc.Lines.back().End.empty())
      doc.Lines.back().End = doc.Eol;
    doc.Lines.insert(doc.Lines.begin() + static_cast<std::ptrdiff_t>(at), replacement.begin(),
                     replacement.end());
    return true;
  });
}

}  // namespace quelm
