// Reading a VobSub index: one "key: value" per line, '#' starts a comment.
#include "disc/VobSubIndex.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

#include "disc/DiscDirectory.h"
#include "platform/AsciiText.h"

namespace quelm {

namespace {

namespace fs = std::filesystem;

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// The parts of `text` between commas, trimmed.
std::vector<std::string_view> CommaParts(std::string_view text) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t comma = text.find(',');
    parts.push_back(Trimmed(text.substr(0, comma)));
    if (comma == std::string_view::npos) return parts;
    text.remove_prefix(comma + 1);
  }
}

// Decimal digits only, at most nine of them: no sign, no overflow.
std::optional<std::int64_t> Decimal(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  std::int64_t value = 0;
  for (const char c : text) {
    if (!IsAsciiDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<std::int64_t> Hex(std::string_view text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return std::nullopt;
  std::int64_t value = 0;
  for (const char c : text) {
    const char lower = LowerAscii(c);
    int digit;
    if (IsAsciiDigit(lower)) {
      digit = lower - '0';
    } else if (lower >= 'a' && lower <= 'f') {
      digit = lower - 'a' + 10;
    } else {
      return std::nullopt;
    }
    value = value * 16 + digit;
  }
  return value;
}

// "hh:mm:ss:ms" with an optional leading minus, in milliseconds.
std::optional<std::int64_t> TimeMs(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  std::array<std::int64_t, 4> fields{};
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::size_t colon = i + 1 < fields.size() ? text.find(':') : text.size();
    if (colon == std::string_view::npos) return std::nullopt;
    const auto field = Decimal(text.substr(0, colon));
    if (!field) return std::nullopt;
    fields[i] = *field;
    text.remove_prefix(colon == text.size() ? colon : colon + 1);
  }
  if (fields[1] > 59 || fields[2] > 59 || fields[3] > 999) return std::nullopt;
  const std::int64_t ms = ((fields[0] * 60 + fields[1]) * 60 + fields[2]) * 1000 + fields[3];
  return negative ? -ms : ms;
}

// Colours written as six hex digits, separated by commas.
template <std::size_t N>
bool Colours(std::string_view text, std::array<std::uint32_t, N>& colours) {
  const std::vector<std::string_view> parts = CommaParts(text);
  if (parts.size() != N) return false;
  for (std::size_t i = 0; i < N; ++i) {
    const auto value = Hex(parts[i], 6);
    if (!value) return false;
    colours[i] = static_cast<std::uint32_t>(*value);
  }
  return true;
}

// The value after "name:" in a part such as "index: 0"; nothing when the part names another.
std::optional<std::string_view> Named(std::string_view part, std::string_view name) {
  const std::size_t colon = part.find(':');
  if (colon == std::string_view::npos || !EqualNoCaseAscii(Trimmed(part.substr(0, colon)), name))
    return std::nullopt;
  return Trimmed(part.substr(colon + 1));
}

std::string Beside(const std::string& path, std::string_view extension) {
  const fs::path file(path);
  std::string directory = file.parent_path().string();
  if (directory.empty()) directory = ".";
  const std::string stem = file.stem().string();
  return DiscDirectory(directory).Find(stem + std::string(extension)).value_or(std::string());
}

class IndexParser {
 public:
  IndexParser(VobSubIndex& index, const std::string& name) : index_(index), name_(name) {}

  void Line(std::size_t number, std::string_view line) {
    line = Trimmed(line);
    if (line.empty() || line.front() == '#') return;
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
      return Fault(number, Phrase::Say("not a 'key: value' line"));
    const std::string key = LowerAscii(Trimmed(line.substr(0, colon)));
    const std::string_view value = Trimmed(line.substr(colon + 1));
    if (key == "size") return Size(number, value);
    if (key == "palette") {
      if (!Colours(value, index_.Palette))
        return Fault(number, Phrase::Say("the palette needs 16 colours of six hex digits"));
      index_.HasPalette = true;
      return;
    }
    if (key == "custom colors") return CustomColors(number, value);
    if (key == "id") return Id(number, value);
    if (key == "delay") {
      const auto delay = TimeMs(value);
      if (!delay) return Fault(number, Phrase::Say("the delay is not [-]hh:mm:ss:ms"));
      delay_ = *delay;
      if (stream_ == nullptr) globalDelay_ = *delay;
      return;
    }
    if (key == "timestamp") return Timestamp(number, value);
    // Placement, scaling, fading and the like do not change what is read.
  }

  void Finish(std::size_t lines) {
    if (stream_ != nullptr) stream_->DelayMs = delay_;
    if (faults_ > VobSubIndex::MaxFaults)
      index_.AddFault(Phrase::Say("%1: %2 more damaged lines of %3", name_,
                                  faults_ - VobSubIndex::MaxFaults, lines));
  }

  void Fault(std::size_t number, Phrase what) {
    if (++faults_ <= VobSubIndex::MaxFaults)
      index_.AddFault(
          Phrase::Say("%1 line %2: %3; the line is skipped", name_, number, std::move(what)));
  }

 private:
  void Size(std::size_t number, std::string_view value) {
    const std::size_t x = value.find_first_of("xX");
    const auto width = Decimal(Trimmed(value.substr(0, x)));
    const auto height =
        x == std::string_view::npos ? std::nullopt : Decimal(Trimmed(value.substr(x + 1)));
    if (!width || !height || *width < 1 || *height < 1 || *width > 4096 || *height > 4096)
      return Fault(number, Phrase::Say("the size is not WIDTHxHEIGHT (at most 4096x4096)"));
    index_.HasSize = true;
    index_.Width = static_cast<int>(*width);
    index_.Height = static_cast<int>(*height);
  }

  // "OFF, tridx: 1000, colors: 000000, 444444, 888888, cccccc"
  void CustomColors(std::size_t number, std::string_view value) {
    const std::vector<std::string_view> parts = CommaParts(value);
    const Phrase wrong =
        Phrase::Say("custom colors is not 'ON|OFF, tridx: bbbb, colors: c0, c1, c2, c3'");
    if (parts.size() != 6) return Fault(number, wrong);
    const bool on = EqualNoCaseAscii(parts[0], "on");
    if (!on && !EqualNoCaseAscii(parts[0], "off")) return Fault(number, wrong);
    const auto tridx = Named(parts[1], "tridx");
    const auto first = Named(parts[2], "colors");
    if (!tridx || tridx->size() != 4 || !first) return Fault(number, wrong);
    int bits = 0;
    for (const char c : *tridx) {
      if (c != '0' && c != '1') return Fault(number, wrong);
      bits = bits * 2 + (c - '0');
    }
    std::array<std::uint32_t, 4> colours{};
    std::string list(*first);
    for (std::size_t i = 3; i < parts.size(); ++i) list += "," + std::string(parts[i]);
    if (!Colours(list, colours)) return Fault(number, wrong);
    index_.HasCustomColors = true;
    index_.CustomColorsOn = on;
    index_.TransparencyIndex = bits;
    index_.CustomColors = colours;
  }

  // "en, index: 0"
  void Id(std::size_t number, std::string_view value) {
    const std::vector<std::string_view> parts = CommaParts(value);
    const auto index = parts.size() == 2 ? Named(parts[1], "index") : std::nullopt;
    const auto n = index ? Decimal(*index) : std::nullopt;
    if (!n || *n >= VobSubIndex::MaxStreams)
      return Fault(number, Phrase::Say("the id line is not 'id: LANGUAGE, index: 0..31'"));
    if (index_.Stream(static_cast<int>(*n)) != nullptr)
      return Fault(number, Phrase::Say("stream index %1 is named twice", *n));
    if (parts[0].size() > 8)
      return Fault(number, Phrase::Say("the language code is longer than 8 letters"));
    if (stream_ != nullptr) stream_->DelayMs = delay_;
    VobSubStream stream;
    stream.Index = static_cast<int>(*n);
    stream.LanguageCode = std::string(parts[0]);
    index_.Streams.push_back(std::move(stream));
    stream_ = &index_.Streams.back();
    delay_ = globalDelay_;
  }

  // "00:00:01:000, filepos: 000000000"
  void Timestamp(std::size_t number, std::string_view value) {
    if (stream_ == nullptr) return Fault(number, Phrase::Say("a timestamp before any 'id:' line"));
    const std::vector<std::string_view> parts = CommaParts(value);
    const auto time = TimeMs(parts[0]);
    const auto where = parts.size() == 2 ? Named(parts[1], "filepos") : std::nullopt;
    const auto position = where ? Hex(*where, 15) : std::nullopt;
    if (!time || !position)
      return Fault(number,
                   Phrase::Say("the timestamp line is not 'timestamp: hh:mm:ss:ms, filepos: HEX'"));
    stream_->Entries.push_back({*time, *position, delay_});
  }

  VobSubIndex& index_;
  const std::string& name_;
  VobSubStream* stream_ = nullptr;  // the stream the last "id:" line began
  std::int64_t globalDelay_ = 0;    // a delay before any "id:" line holds for every stream
  std::int64_t delay_ = 0;
  std::size_t faults_ = 0;
};

}  // namespace

VobSubIndex VobSubIndex::Parse(std::string_view text, const std::string& name) {
  VobSubIndex index;
  index.Streams.reserve(MaxStreams);  // the parser keeps a pointer to the last one
  IndexParser parser(index, name);
  std::size_t number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    ++number;
    if (line.find('\0') != std::string_view::npos) {
      parser.Fault(number, Phrase::Say("it holds a zero byte: this is no text"));
    } else {
      parser.Line(number, line);
    }
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  parser.Finish(number);
  return index;
}

VobSubIndex VobSubIndex::Read(const std::string& path) {
  std::error_code error;
  std::ifstream in(path, std::ios::binary);
  const std::uintmax_t size = fs::file_size(path, error);
  if (error || !fs::is_regular_file(path, error) || !in) {
    VobSubIndex index;
    index.AddFault(Phrase::Say("%1: the file cannot be read", path));
    return index;
  }
  // One byte more than read tells a file that is too large.
  std::string bytes(static_cast<std::size_t>(std::min<std::uintmax_t>(size, MaxBytes + 1)), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) {
    VobSubIndex index;
    index.AddFault(Phrase::Say("%1: the file cannot be read", path));
    return index;
  }
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  const bool tooLarge = bytes.size() > MaxBytes;
  if (tooLarge) bytes.resize(MaxBytes);
  VobSubIndex index = Parse(bytes, path);
  if (tooLarge)
    index.AddFault(
        Phrase::Say("%1: larger than %2 MB; the rest is not read", path, MaxBytes / (1024 * 1024)));
  return index;
}

bool VobSubIndex::IsIndexName(std::string_view fileName) {
  return fileName.size() > 4 && EndsWithNoCaseAscii(fileName, ".idx");
}

bool VobSubIndex::IsSubName(std::string_view fileName) {
  return fileName.size() > 4 && EndsWithNoCaseAscii(fileName, ".sub");
}

std::string VobSubIndex::SubBeside(const std::string& indexPath) {
  return Beside(indexPath, ".sub");
}

std::string VobSubIndex::IndexBeside(const std::string& subPath) {
  return Beside(subPath, ".idx");
}

std::vector<std::string> VobSubIndex::PairsIn(const std::string& directory) {
  std::vector<std::string> pairs;
  const DiscDirectory disc(directory);
  std::string root = directory;
  if (!root.empty() && root.back() != '/') root += '/';
  for (const DiscFile& file : disc.List({".idx"})) {
    if (!SubBeside(root + file.Name).empty()) pairs.push_back(root + file.Name);
  }
  return pairs;
}

const VobSubStream* VobSubIndex::Stream(int index) const {
  const auto found = std::find_if(Streams.begin(), Streams.end(),
                                  [index](const VobSubStream& s) { return s.Index == index; });
  return found == Streams.end() ? nullptr : &*found;
}

std::string VobSubIndex::StreamLanguageCode(int index) const {
  const VobSubStream* stream = Stream(index);
  if (stream == nullptr || stream->LanguageCode.size() != 2 ||
      !IsAsciiLetter(stream->LanguageCode[0]) || !IsAsciiLetter(stream->LanguageCode[1]))
    return {};
  return LowerAscii(stream->LanguageCode);
}

std::uint16_t VobSubIndex::StreamLanguage16(int index) const {
  const std::string code = StreamLanguageCode(index);
  if (code.empty()) return 0;
  return static_cast<std::uint16_t>((static_cast<unsigned char>(code[0]) << 8) |
                                    static_cast<unsigned char>(code[1]));
}

std::int64_t VobSubIndex::DelayMsAt(int index, std::int64_t filePosition) const {
  const VobSubStream* stream = Stream(index);
  if (stream == nullptr) return 0;
  if (stream->Entries.empty()) return stream->DelayMs;
  std::int64_t delay = stream->Entries.front().DelayMs;
  for (const VobSubEntry& entry : stream->Entries) {
    if (entry.FilePosition > filePosition) break;
    delay = entry.DelayMs;
  }
  return delay;
}

}  // namespace quelm
