// Telling how a file is to be read, and opening the readers of files read unit by unit.
#include "extraction/UnitSource.h"

#include <array>
#include <cstring>

#include "extraction/MatroskaSource.h"
#include "extraction/SupSource.h"
#include "platform/AsciiText.h"
#include "platform/SourceFile.h"

namespace quelm {

SourceFormat DetectSourceFormat(SourceFile& file, const std::string& name) {
  std::array<std::uint8_t, 4> head{};
  const std::int64_t got = file.ReadAt(0, head.data(), head.size());
  if (got == 4) {
    if (head == std::array<std::uint8_t, 4>{0x1A, 0x45, 0xDF, 0xA3}) return SourceFormat::Matroska;
    if (head == std::array<std::uint8_t, 4>{0x00, 0x00, 0x01, 0xBA}) return SourceFormat::PackStream;
  }
  if (got >= 2 && head[0] == 'P' && head[1] == 'G') return SourceFormat::PgsFile;
  for (const std::string_view ending : MatroskaFileEndings) {
    if (EndsWithNoCaseAscii(name, ending)) return SourceFormat::Matroska;
  }
  if (EndsWithNoCaseAscii(name, ".sup")) return SourceFormat::PgsFile;
  return SourceFormat::PackStream;
}

SourceFormat DetectSourceFormat(const std::string& path) {
  Phrase reason;
  const std::unique_ptr<SourceFile> file = SourceFile::Open(path, reason);
  return file ? DetectSourceFormat(*file, path) : SourceFormat::PackStream;
}

std::unique_ptr<UnitSource> OpenUnitSource(std::unique_ptr<SourceFile> file, SourceFormat format,
                                           Phrase& reason) {
  switch (format) {
    case SourceFormat::Matroska:
      return OpenMatroska(std::move(file), reason);
    case SourceFormat::PgsFile:
      return SupSource::Open(std::move(file), reason);
    case SourceFormat::PackStream:
      break;
  }
  reason = Phrase::Say("it is read as packs, not unit by unit");
  return nullptr;
}

std::unique_ptr<UnitSource> OpenUnitSource(const std::string& path, SourceFormat format,
                                           Phrase& reason) {
  std::unique_ptr<SourceFile> file = SourceFile::Open(path, reason);
  if (!file) return nullptr;
  return OpenUnitSource(std::move(file), format, reason);
}

std::vector<SourceTrack> ReadSourceTracks(const std::string& path, Phrase& reason) {
  std::unique_ptr<SourceFile> file = SourceFile::Open(path, reason);
  if (!file) return {};
  const SourceFormat format = DetectSourceFormat(*file, path);
  const std::unique_ptr<UnitSource> source = OpenUnitSource(std::move(file), format, reason);
  return source ? source->Tracks() : std::vector<SourceTrack>();
}

}  // namespace quelm
