// IFO reading through a bounds-checked view of the bytes actually read.
#include "disc/IfoReader.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "disc/LanguageTable.h"
#include "platform/ByteReader.h"
#include "platform/SourceFile.h"

namespace quelm {

namespace {

// Video title set information, offsets from the start of the file, values big-endian:
//   0x0CC  4  sector of the program chain table (VTS_PGCI)
//   0x254  2  number of subpicture streams (a byte suffices: at most 32)
//   0x256  6  per stream: 2 coding bytes, 2 language letters, 1 reserved, 1 code extension
// Program chain table: 0x0C 4 offset of program chain 1 from the table's start.
// Program chain: 0x02 1 number of programs, 0xE8 2 offset of its cell playback table.
// Cell playback entry (24 bytes): 4..7 playback time as BCD hours, minutes, seconds, frames.
constexpr std::size_t StreamCountOffset = 0x255;
constexpr std::size_t StreamTableOffset = 0x256;
constexpr std::size_t StreamEntrySize = 6;
constexpr std::size_t LanguageBytes = 2048;
constexpr std::size_t PgciSectorOffset = 0xCC;
constexpr std::size_t DefaultPgciOffset = 0x1000;
constexpr std::size_t CellEntrySize = 24;
// Everything a chapter read can reach lies below this: a 32-bit sector pointer can point
// further, and then the table is simply outside what was read.
constexpr std::size_t ChapterBytes = 4 * 1024 * 1024;

Phrase Damaged(Phrase what) {
  // Qualified in full: unqualified, lupdate files the pattern under the wrong context here.
  return ::quelm::Phrase::Say("IFO is damaged: %1", std::move(what));
}

// The first `maxBytes` of the file (an ordinary one or one inside a disc image); nullopt when it
// cannot be opened or read.
std::optional<std::string> ReadPrefix(const std::string& path, std::size_t maxBytes) {
  Phrase reason;
  return ReadSourcePrefix(path, maxBytes, reason);
}

std::string TwoHexDigits(std::uint32_t byte) {
  char text[3];
  std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(byte & 0xFF));
  return text;
}

}  // namespace

std::vector<std::string> IfoReader::English(const std::vector<Phrase>& phrases) {
  std::vector<std::string> lines;
  for (const Phrase& phrase : phrases) lines.push_back(phrase.English());
  return lines;
}

int IfoReader::ReadLanguages() {
  streams_.clear();
  languageFaults_.clear();
  const std::optional<std::string> bytes = ReadPrefix(ifoFileName_, LanguageBytes);
  if (!bytes) {
    languageFaults_.push_back(Damaged(Phrase::Say("the file cannot be read")));
    return 0;
  }
  const ByteReader view(bytes->data(), bytes->size());
  const auto count = view.U8(StreamCountOffset);
  if (!count) {
    languageFaults_.push_back(Damaged(Phrase::Say("it ends before the subpicture stream count")));
    return 0;
  }
  std::size_t wanted = *count;
  if (wanted > MaxStreams) {
    languageFaults_.push_back(Damaged(
        Phrase::Say("%1 subpicture streams, at most 32 exist; the first 32 are shown", wanted)));
    wanted = MaxStreams;
  }
  for (std::size_t i = 0; i < wanted; ++i) {
    const std::size_t entry = StreamTableOffset + StreamEntrySize * i;
    if (!view.Has(entry, StreamEntrySize)) {
      languageFaults_.push_back(Damaged(Phrase::Say("it ends inside the subpicture stream list")));
      break;
    }
    StreamAttribute stream;
    stream.LanguageCode = *view.Be16(entry + 2);
    stream.CodeExtension = *view.U8(entry + 5);
    streams_.push_back(stream);
  }
  return StreamCount();
}

int IfoReader::ReadChapters() {
  chapters_.clear();
  chapterFaults_.clear();
  const std::optional<std::string> bytes = ReadPrefix(ifoFileName_, ChapterBytes);
  if (!bytes) {
    chapterFaults_.push_back(Damaged(Phrase::Say("the file cannot be read")));
    return 0;
  }
  const ByteReader view(bytes->data(), bytes->size());
  auto fault = [this](Phrase what) {
    chapterFaults_.push_back(Damaged(std::move(what)));
    return 0;
  };
  // The table's place comes from its pointer; a zero pointer (which would name the header
  // itself) falls back to sector 2, where authoring tools put it.
  const auto sector = view.Be32(PgciSectorOffset);
  if (!sector) return fault(Phrase::Say("it ends before the program chain table pointer"));
  const std::size_t table = *sector == 0 ? DefaultPgciOffset : std::size_t{*sector} * 2048;
  const auto pgcOffset = view.Be32(table + 0x0C);
  if (!pgcOffset) return fault(Phrase::Say("the program chain table lies outside the file"));
  const std::size_t pgc = table + *pgcOffset;
  const auto programs = view.U8(pgc + 2);
  const auto cellTable = view.Be16(pgc + 0xE8);
  if (!programs || !cellTable)
    return fault(Phrase::Say("the first program chain lies outside the file"));
  for (std::size_t k = 0; k < *programs; ++k) {
    const std::size_t entry = pgc + *cellTable + CellEntrySize * k;
    if (!view.Has(entry + 4, 3)) {
      fault(Phrase::Say("the chapter table lies outside the file"));
      break;
    }
    chapters_.push_back(TwoHexDigits(*view.U8(entry + 4)) + ":" +
                        TwoHexDigits(*view.U8(entry + 5)) + ":" +
                        TwoHexDigits(*view.U8(entry + 6)));
  }
  return ChapterCount();
}

std::string IfoReader::StreamLanguage(int index) const {
  if (index < 0 || index >= StreamCount()) return {};
  return LanguageName(streams_[static_cast<std::size_t>(index)].LanguageCode);
}

std::string IfoReader::StreamLanguageCode(int index) const {
  if (index < 0 || index >= StreamCount()) return {};
  const std::uint16_t code = streams_[static_cast<std::size_t>(index)].LanguageCode;
  std::string letters{static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
  for (char& c : letters) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    if (c < 'a' || c > 'z') return {};
  }
  return letters;
}

std::string IfoReader::StreamLanguageCode(const std::string& ifoPath, int index) {
  if (ifoPath.empty()) return {};
  IfoReader reader(ifoPath);
  reader.ReadLanguages();
  return reader.StreamLanguageCode(index);
}

}  // namespace quelm
