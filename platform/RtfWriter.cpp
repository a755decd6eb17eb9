// A minimal RTF writer: a font table, one paragraph per line, unicode escapes for non-ASCII.
#include "platform/RtfWriter.h"

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <system_error>

#include "platform/FileIo.h"

namespace quelm {

namespace {

// Decodes one UTF-8 sequence at text[i]; on a malformed sequence takes the single byte as
// Latin-1. Advances i past what was used.
std::uint32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  std::uint32_t cp = 0;
  std::uint32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, cp = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, cp = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, cp = lead & 0x07, minimum = 0x10000;
  }
  if (length == 0 || i + length > text.size()) {
    ++i;
    return lead;
  }
  for (std::size_t k = 1; k < length; ++k) {
    const unsigned char next = byte(i + k);
    if ((next & 0xC0) != 0x80) {
      ++i;
      return lead;
    }
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
    ++i;
    return lead;
  }
  i += length;
  return cp;
}

void AppendUnicodeUnit(std::string& out, std::uint32_t unit) {
  // \u takes a signed 16-bit number; "?" is the fallback that \uc1 tells readers to skip.
  const int value = unit > 0x7FFF ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit);
  out += "\\u";
  out += std::to_string(value);
  out += '?';
}

}  // namespace

std::string RtfWriter::EscapeText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  std::size_t i = 0;
  while (i < text.size()) {
    const std::uint32_t cp = NextCodePoint(text, i);
    if (cp == '\\' || cp == '{' || cp == '}') {
      out += '\\';
      out += static_cast<char>(cp);
    } else if (cp == '\t') {
      out += "\\tab ";
    } else if (cp >= 0x20 && cp < 0x7F) {
      out += static_cast<char>(cp);
    } else if (cp < 0x20 || cp == 0x7F) {
      // Other control characters have no place in a line of script text.
    } else if (cp <= 0xFFFF) {
      AppendUnicodeUnit(out, cp);
    } else {
      const std::uint32_t v = cp - 0x10000;
      AppendUnicodeUnit(out, 0xD800 + (v >> 10));
      AppendUnicodeUnit(out, 0xDC00 + (v & 0x3FF));
    }
  }
  return out;
}

std::string RtfWriter::Document(const std::vector<std::string>& lines) {
  std::string doc =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
      "{\\fonttbl{\\f0\\fmodern\\fcharset0 Courier New;}}\n"
      "\\pard\\plain\\f0\\fs20\n";
  for (const std::string& line : lines) {
    doc += EscapeText(line);
    doc += "\\par\n";
  }
  doc += "}\n";
  return doc;
}

Status RtfWriter::Write(const std::string& path, const std::vector<std::string>& lines) {
  if (WriteFileAtomically(path, Document(lines), false)) return Status::Success();
  // A file that could be made but not filled (a full disc) is a write error, anything else a
  // file that cannot be created.
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path target(path);
  const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const bool creatable = !path.empty() && !fs::is_directory(target, ec) &&
                         fs::is_directory(dir, ec) && ::access(dir.c_str(), W_OK | X_OK) == 0;
  return Status::Failure(creatable ? Phrase::Say("Stream write error")
                                   : Phrase::Say("Cannot create file %1", path));
}

}  // namespace quelm
