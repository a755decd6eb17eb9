// Dictionary files and matching. Matching goes through a hash index, which gives the same
// answer as scanning the list in order (buckets keep list order and every candidate is compared
// pixel by pixel) but does not slow down as the list grows.
#include "ocr/CharDictionary.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/AsciiText.h"
#include "platform/BmpFile.h"
#include "platform/FileIo.h"

namespace quelm {

namespace {

constexpr std::size_t MaxIndexBytes = 256u << 20;

std::string OneLine(std::string s) {
  std::replace(s.begin(), s.end(), '\r', ' ');
  std::replace(s.begin(), s.end(), '\n', ' ');
  return s;
}

std::vector<std::string> SplitLines(const std::string& content) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < content.size()) {
    std::size_t nl = content.find('\n', pos);
    const bool last = nl == std::string::npos;
    if (last) nl = content.size();
    std::size_t end = nl;
    if (end > pos && content[end - 1] == '\r') --end;
    lines.push_back(content.substr(pos, end - pos));
    pos = last ? content.size() : nl + 1;
  }
  return lines;
}

// The unconfirmed file keeps one entry per line in fields split by tabs: file name, text, then
// count and text of each vote. Tabs, line breaks and backslashes inside a field are escaped.
std::string Escaped(const std::string& field) {
  std::string out;
  for (char c : field) {
    if (c == '\\') out += "\\\\";
    else if (c == '\t') out += "\\t";
    else if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else out += c;
  }
  return out;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '\t') {
      fields.emplace_back();
    } else if (c == '\\' && i + 1 < line.size()) {
      const char escaped = line[++i];
      fields.back() += escaped == 't' ? '\t' : escaped == 'r' ? '\r' : escaped == 'n' ? '\n' : escaped;
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

}  // namespace

std::size_t CharDictionary::KeyHash::operator()(const Key& k) const {
  return static_cast<std::size_t>(k.Hash ^ (static_cast<std::uint64_t>(k.Width) << 40) ^
                                  (static_cast<std::uint64_t>(k.Height) << 20));
}

namespace {

// The pixels of a width x height picture outside its last row and column, each taken as one
// bit, 64 to a word, each row starting a new word.
template <typename RowAt, typename BitOf>
void PackBits(int width, int height, RowAt rowAt, BitOf bitOf, std::vector<std::uint64_t>& words) {
  words.clear();
  for (int y = 0; y < height - 1; ++y) {
    const Color* row = rowAt(y);
    for (int x = 0; x < width - 1;) {
      const int end = std::min(width - 1, x + 64);
      std::uint64_t word = 0;
      for (; x < end; ++x) word = (word << 1) | bitOf(row[x]);
      words.push_back(word);
    }
  }
}

std::uint64_t HashWords(const std::vector<std::uint64_t>& words) {
  std::uint64_t h = 1469598103934665603ull;
  for (std::uint64_t word : words) h = (h ^ word) * 1099511628211ull;
  return h ^ (h >> 29);
}

std::uint64_t LowBit(Color c) { return c & 1u; }

std::uint64_t SizeKey(int width, int height) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(width)) << 32) |
         static_cast<std::uint32_t>(height);
}

}  // namespace

// Both forms take a pixel by its lowest bit, which is what tells black from white (all a
// flattened line holds); entries in other colours that share low bits share a bucket, and the
// comparison tells them apart.
CharDictionary::Key CharDictionary::KeyOf(const Bitmap& b, std::vector<std::uint64_t>& words) {
  PackBits(b.Width(), b.Height(), [&](int y) { return b.Row(y); }, LowBit, words);
  return {b.Width(), b.Height(), HashWords(words)};
}

CharDictionary::Key CharDictionary::KeyOf(const InkLine& line, const CutBox& box,
                                          std::vector<std::uint64_t>& words) {
  const int width = box.Right - box.Left + 1;
  const int height = box.Bottom - box.Top + 1;
  const Color ink = line.Ink;
  PackBits(
      width, height, [&](int y) { return line.Row(box.Top + y) + box.Left; },
      [ink](Color c) { return static_cast<std::uint64_t>(c != ink); }, words);
  return {width, height, HashWords(words)};
}

bool CharDictionary::SameOutsideLastRowAndColumn(const Bitmap& a, const Bitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height() - 1; ++y)
    if (!std::equal(a.Row(y), a.Row(y) + (a.Width() - 1), b.Row(y))) return false;
  return true;
}

bool CharDictionary::SameOutsideLastRowAndColumn(const Bitmap& entry, const InkLine& line,
                                                 const CutBox& box) {
  const int width = box.Right - box.Left + 1;
  if (entry.Width() != width || entry.Height() != box.Bottom - box.Top + 1) return false;
  const Color ink = line.Ink;
  for (int y = 0; y < entry.Height() - 1; ++y) {
    const Color* want = entry.Row(y);
    const Color* have = line.Row(box.Top + y) + box.Left;
    for (int x = 0; x < width - 1; ++x)
      if (want[x] != (have[x] == ink ? ColorBlack : ColorWhite)) return false;
  }
  return true;
}

void CharDictionary::Index(std::size_t position) {
  if (packed_.size() <= position) packed_.resize(position + 1);
  const TCharEntry& e = charList_[position];
  if (e.Unloaded || e.Bitmap.IsEmpty()) return;
  Packed& packed = packed_[position];
  index_[KeyOf(e.Bitmap, packed.Words)].push_back(position);
  sizes_.insert(SizeKey(e.Bitmap.Width(), e.Bitmap.Height()));
  widestEntry_ = std::max(widestEntry_, e.Bitmap.Width());
  // Bits stand for pixels only where every compared pixel is black or white.
  packed.BlackWhite = true;
  for (int y = 0; y < e.Bitmap.Height() - 1 && packed.BlackWhite; ++y)
    for (int x = 0; x < e.Bitmap.Width() - 1; ++x) {
      const Color c = e.Bitmap.Row(y)[x];
      if (c != ColorBlack && c != ColorWhite) {
        packed.BlackWhite = false;
        break;
      }
    }
}

void CharDictionary::Clear() {
  ++revision_;
  charList_.clear();
  index_.clear();
  packed_.clear();
  sizes_.clear();
  widestEntry_ = 0;
}

std::optional<std::size_t> CharDictionary::CompareCharacterWithList(const Bitmap& character) const {
  if (character.IsEmpty() || !sizes_.contains(SizeKey(character.Width(), character.Height())))
    return std::nullopt;
  std::vector<std::uint64_t> words;
  const auto it = index_.find(KeyOf(character, words));
  if (it == index_.end()) return std::nullopt;
  for (std::size_t position : it->second)
    if (SameOutsideLastRowAndColumn(charList_[position].Bitmap, character)) return position;
  return std::nullopt;
}

std::optional<std::size_t> CharDictionary::CompareCharacterWithList(const InkLine& line,
                                                                    const CutBox& box) const {
  if (line.Source == nullptr || box.Right < box.Left || box.Bottom < box.Top || box.Left < 0 ||
      box.Top < 0 || box.Right >= line.Width() || box.Bottom >= line.Height() ||
      !line.Source->Contains(line.Box.Left, line.Box.Top) ||
      !line.Source->Contains(line.Box.Right, line.Box.Bottom))
    return std::nullopt;
  if (!sizes_.contains(SizeKey(box.Right - box.Left + 1, box.Bottom - box.Top + 1)))
    return std::nullopt;
  std::vector<std::uint64_t> words;
  const auto it = index_.find(KeyOf(line, box, words));
  if (it == index_.end()) return std::nullopt;
  for (std::size_t position : it->second) {
    // The line read as flattened is black and white, so for such an entry equal bits are equal
    // pixels.
    const Packed& packed = packed_[position];
    if (packed.BlackWhite ? packed.Words == words
                          : SameOutsideLastRowAndColumn(charList_[position].Bitmap, line, box))
      return position;
  }
  return std::nullopt;
}

void CharDictionary::AddCurrentCharacterToList(const Bitmap& character, const std::string& fileName,
                                               const std::string& text) {
  ++revision_;
  charList_.push_back({character, OneLine(fileName), OneLine(text), false, false, {}, 0});
  Index(charList_.size() - 1);
}

DictionaryLoadResult CharDictionary::Load(const std::string& dictionaryRoot) {
  DictionaryLoadResult result;
  Clear();
  const std::string path = dictionaryRoot + IndexFileName;
  std::string content;
  switch (ReadFileBytes(path, MaxIndexBytes, content)) {
    case ReadFileOutcome::Ok: break;
    case ReadFileOutcome::Missing: return result;
    case ReadFileOutcome::NotAFile:
      result.Outcome =
          Status::Failure(Phrase::Say("Cannot read the dictionary %1: not a file", path));
      return result;
    case ReadFileOutcome::TooLarge:
      result.Outcome =
          Status::Failure(Phrase::Say("Cannot read the dictionary %1: file too large", path));
      return result;
    case ReadFileOutcome::Error:
      result.Outcome = Status::Failure(Phrase::Say("Cannot read the dictionary %1", path));
      return result;
  }
  const std::vector<std::string> lines = SplitLines(content);
  for (std::size_t i = 0; i < lines.size(); i += 2) {
    TCharEntry entry;
    entry.FileName = lines[i];
    entry.Text = i + 1 < lines.size() ? lines[i + 1] : std::string();
    const std::string bitmapPath = BitmapPath(dictionaryRoot, entry.FileName);
    std::error_code ec;
    if (!bitmapPath.empty() && std::filesystem::is_regular_file(bitmapPath, ec)) {
      BmpReadResult bmp = ReadBmp(bitmapPath);
      if (bmp.Outcome.Ok) {
        entry.Bitmap = std::move(bmp.Image);
      } else {
        entry.Unloaded = true;
        result.Warnings.push_back(bmp.Outcome.Message);
        result.WarningWordings.push_back(std::move(bmp.Outcome.Wording));
      }
    } else {
      entry.Unloaded = true;
      ++result.MissingFiles;
    }
    charList_.push_back(std::move(entry));
    Index(charList_.size() - 1);
  }
  LoadUnconfirmed(dictionaryRoot);
  return result;
}

void CharDictionary::LoadUnconfirmed(const std::string& dictionaryRoot) {
  std::string content;
  // Only a record of what is still open: when it cannot be read, every entry counts as named.
  if (ReadFileBytes(dictionaryRoot + UnconfirmedFileName, MaxIndexBytes, content) !=
      ReadFileOutcome::Ok)
    return;
  // A damaged index may name a file twice: each line marks the first entry of its name and text
  // not marked yet.
  std::unordered_map<std::string, std::vector<std::size_t>> byName;
  for (std::size_t k = charList_.size(); k-- > 0;) byName[charList_[k].FileName].push_back(k);
  for (const std::string& line : SplitLines(content)) {
    const std::vector<std::string> fields = Fields(line);
    if (fields.size() < 2) continue;
    const auto found = byName.find(fields[0]);
    if (found == byName.end()) continue;
    // A text changed since (by a version that does not know this file) was the user's word.
    auto& positions = found->second;
    const auto same = std::find_if(positions.rbegin(), positions.rend(),
                                   [&](std::size_t k) { return charList_[k].Text == fields[1]; });
    if (same == positions.rend()) continue;
    TCharEntry& entry = charList_[*same];
    positions.erase(std::next(same).base());
    entry.Unconfirmed = true;
    for (std::size_t f = 2; f + 1 < fields.size(); f += 2) {
      int count = 0;
      for (char c : fields[f]) {
        if (!IsAsciiDigit(c) || count > 100000000) break;
        count = count * 10 + (c - '0');
      }
      if (count > 0) entry.Votes.emplace_back(fields[f + 1], count);
    }
  }
}

void CharDictionary::Vote(std::size_t position, const std::string& text) {
  if (position >= charList_.size()) return;
  auto& votes = charList_[position].Votes;
  const std::string one = OneLine(text);
  const auto it = std::find_if(votes.begin(), votes.end(),
                               [&](const auto& vote) { return vote.first == one; });
  if (it != votes.end()) ++it->second;
  else votes.emplace_back(one, 1);
  ++revision_;
}

std::string CharDictionary::Winner(const std::vector<std::pair<std::string, int>>& votes,
                                   bool* clear) {
  const std::pair<std::string, int>* best = nullptr;
  int total = 0;
  for (const auto& vote : votes) {
    total += vote.second;
    if (!best || vote.second > best->second) best = &vote;
  }
  if (clear) *clear = best && 3 * best->second >= 2 * total;
  return best ? best->first : std::string();
}

void CharDictionary::SetText(std::size_t position, const std::string& text) {
  if (position >= charList_.size()) return;
  charList_[position].Text = OneLine(text);
  ++revision_;
}

void CharDictionary::SetUnconfirmed(std::size_t position, bool unconfirmed) {
  if (position >= charList_.size()) return;
  charList_[position].Unconfirmed = unconfirmed;
  if (!unconfirmed) charList_[position].Votes.clear();
  ++revision_;
}

void CharDictionary::SetVotes(std::size_t position,
                              std::vector<std::pair<std::string, int>> votes) {
  if (position >= charList_.size()) return;
  for (auto& vote : votes) vote.first = OneLine(vote.first);
  charList_[position].Votes = std::move(votes);
  ++revision_;
}

std::size_t CharDictionary::UnconfirmedCount() const {
  return static_cast<std::size_t>(std::count_if(
      charList_.begin(), charList_.end(), [](const TCharEntry& e) { return e.Unconfirmed; }));
}

std::string CharDictionary::OwnBitmapPath(const std::string& dictionaryRoot,
                                          const std::string& fileName) {
  return dictionaryRoot + std::filesystem::path(fileName).filename().string();
}

std::string CharDictionary::BitmapPath(const std::string& dictionaryRoot,
                                       const std::string& fileName) {
  const std::string own = OwnBitmapPath(dictionaryRoot, fileName);
  std::error_code ec;
  return std::filesystem::is_regular_file(own, ec) ? own : fileName;
}

Status CharDictionary::Save(const std::string& dictionaryRoot) const {
  const std::string path = dictionaryRoot + IndexFileName;
  std::string out;
  for (const TCharEntry& e : charList_) {
    out += e.FileName;
    out += "\r\n";
    out += e.Text;
    out += "\r\n";
  }
  Phrase why;
  if (!WriteFileAtomically(path, out, false, &why))
    return Status::Failure(Phrase::Say("Cannot write the dictionary %1: %2", path, why));
  std::string open;
  for (const TCharEntry& e : charList_) {
    if (!e.Unconfirmed) continue;
    open += Escaped(e.FileName) + "\t" + Escaped(e.Text);
    for (const auto& [text, count] : e.Votes) open += "\t" + std::to_string(count) + "\t" + Escaped(text);
    open += "\n";
  }
  const std::string openPath = dictionaryRoot + UnconfirmedFileName;
  std::error_code ec;
  if (open.empty()) {
    std::filesystem::remove(openPath, ec);
  } else if (!WriteFileAtomically(openPath, open, false, &why)) {
    return Status::Failure(Phrase::Say("Cannot write %1: %2", openPath, why));
  }
  return Status::Success();
}

std::string CharDictionary::CharFileName(const std::string& dictionaryRoot, int number) {
  return dictionaryRoot + "char_" + std::to_string(number) + ".bmp";
}

std::string CharDictionary::NextFreeFileName(const std::string& dictionaryRoot,
                                             int& nextCharFileNumber) const {
  namespace fs = std::filesystem;
  // Compare by the file each name resolves to, so "/d//char_3.bmp" and "/d/char_3.bmp" collide.
  auto normal = [](const std::string& name) {
    return fs::path(name).lexically_normal().string();
  };
  std::vector<std::string> taken;
  taken.reserve(charList_.size() * 2);
  for (const TCharEntry& e : charList_) {
    taken.push_back(normal(e.FileName));
    taken.push_back(normal(OwnBitmapPath(dictionaryRoot, e.FileName)));
  }
  std::sort(taken.begin(), taken.end());
  for (int n = std::max(nextCharFileNumber, 0);; ++n) {
    const std::string name = CharFileName(dictionaryRoot, n);
    std::error_code ec;
    if (std::binary_search(taken.begin(), taken.end(), normal(name))) continue;
    if (fs::exists(name, ec) || fs::is_symlink(name, ec)) continue;
    nextCharFileNumber = n;
    return name;
  }
}

}  // namespace quelm
