// BMP reading and writing. The reader trusts no header field: every size and offset is checked
// against the bytes actually present before a pixel is touched.
#include "platform/BmpFile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <vector>

#include "platform/ByteReader.h"
#include "platform/FileIo.h"

namespace quelm {

namespace {

// A 16384 x 16384 picture at 32 bits is 1 GiB; nothing legitimate comes near it.
constexpr std::size_t MaxBmpFileBytes = std::size_t{1} << 30;

BmpReadResult Fail(const std::string& name, Phrase fault) {
  return {Bitmap(), Status::Failure(Phrase::Say("%1: %2", name, std::move(fault)))};
}

int MaskShift(std::uint32_t mask) {
  int shift = 0;
  while (shift < 32 && !(mask & (1u << shift))) ++shift;
  return shift;
}

void Put16(std::string& out, std::uint32_t v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

int SquaredDistance(Color a, Color b) {
  const int dr = ColorRed(a) - ColorRed(b);
  const int dg = ColorGreen(a) - ColorGreen(b);
  const int db = ColorBlue(a) - ColorBlue(b);
  return dr * dr + dg * dg + db * db;
}

}  // namespace

// File header (14 bytes): "BM", u32 file size, u32 reserved, u32 offset of the pixels.
// Info header: u32 size (12 = OS/2 core, 40 and up = Windows), then
//   core: u16 width, u16 height, u16 planes, u16 bits;
//   Windows: s32 width, s32 height (negative = top-down), u16 planes, u16 bits,
//            u32 compression, u32 image size, s32 x/y resolution, u32 colours used,
//            u32 important colours, [u32 red, green, blue masks from size 52 / after 40 with
//            BITFIELDS].
// Palette: after the info header (and masks), 3 bytes per entry for core, 4 (B,G,R,0) else.
BmpReadResult ReadBmpFromMemory(const unsigned char* data, std::size_t size,
                                const std::string& nameForMessages) {
  const std::string& name = nameForMessages;
  // Every read below lies inside a range checked by Has() before it.
  const ByteReader in(data, size);
  if (!in.Has(0, 18)) return Fail(name, Phrase::Say("file too short for a BMP header"));
  if (*in.U8(0) != 'B' || *in.U8(1) != 'M')
    return Fail(name, Phrase::Say("not a BMP file (no \"BM\" signature)"));
  const std::uint32_t pixelOffset = *in.Le32(10);
  const std::uint32_t infoSize = *in.Le32(14);
  const bool core = infoSize == 12;
  if (!core && (infoSize < 40 || infoSize > 1024))
    return Fail(name, Phrase::Say("unsupported info header size %1", infoSize));
  if (!in.Has(14, infoSize))
    return Fail(name, Phrase::Say("info header runs past the end of the file"));

  std::int64_t width = 0, height = 0;
  std::uint32_t planes = 0, bits = 0, compression = 0, coloursUsed = 0;
  if (core) {
    width = *in.Le16(18);
    height = *in.Le16(20);
    planes = *in.Le16(22);
    bits = *in.Le16(24);
  } else {
    width = static_cast<std::int32_t>(*in.Le32(18));
    height = static_cast<std::int32_t>(*in.Le32(22));
    planes = *in.Le16(26);
    bits = *in.Le16(28);
    compression = *in.Le32(30);
    coloursUsed = *in.Le32(46);
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0)
    return Fail(name, Phrase::Say("invalid size %1 x %2", width, height));
  if (width > Bitmap::MaxSide || height > Bitmap::MaxSide)
    return Fail(
        name, Phrase::Say("size %1 x %2 exceeds the limit of %3", width, height, Bitmap::MaxSide));
  if (planes != 1) return Fail(name, Phrase::Say("plane count %1 is not 1", planes));
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
    return Fail(name, Phrase::Say("unsupported depth of %1 bits per pixel", bits));

  // Masks only for 32 bits with BITFIELDS; they must be the plain 8-bit channels.
  std::uint32_t redMask = 0x00FF0000, greenMask = 0x0000FF00, blueMask = 0x000000FF;
  std::size_t paletteOffset = 14 + static_cast<std::size_t>(infoSize);
  if (compression == 3 && bits == 32) {
    std::size_t maskOffset = 14 + 40;
    if (infoSize == 40) paletteOffset += 12;
    if (!in.Has(maskOffset, 12))
      return Fail(name, Phrase::Say("colour masks run past the end of the file"));
    redMask = *in.Le32(maskOffset);
    greenMask = *in.Le32(maskOffset + 4);
    blueMask = *in.Le32(maskOffset + 8);
    for (std::uint32_t m : {redMask, greenMask, blueMask}) {
      const int shift = MaskShift(m);
      if (shift > 24 || (m >> shift) != 0xFF)
        return Fail(name, Phrase::Say("unsupported colour masks"));
    }
  } else if (compression != 0) {
    return Fail(
        name, Phrase::Say("compressed BMP files (compression %1) are not supported", compression));
  }

  std::vector<Color> palette;
  if (bits <= 8) {
    const std::uint32_t maxEntries = 1u << bits;
    std::uint32_t entries = coloursUsed == 0 ? maxEntries : coloursUsed;
    if (entries > maxEntries)
      return Fail(name,
                  Phrase::Say("palette of %1 colours for %2 bits per pixel", coloursUsed, bits));
    const std::size_t entrySize = core ? 3 : 4;
    if (!in.Has(paletteOffset, entries * entrySize))
      return Fail(name, Phrase::Say("palette runs past the end of the file"));
    if (pixelOffset < paletteOffset + entries * entrySize)
      return Fail(name, Phrase::Say("pixel data offset %1 overlaps the palette", pixelOffset));
    for (std::uint32_t i = 0; i < entries; ++i) {
      const std::size_t o = paletteOffset + i * entrySize;
      palette.push_back(RgbToColor(static_cast<int>(*in.U8(o + 2)), static_cast<int>(*in.U8(o + 1)),
                                   static_cast<int>(*in.U8(o))));
    }
  } else if (pixelOffset < paletteOffset) {
    return Fail(name, Phrase::Say("pixel data offset %1 overlaps the header", pixelOffset));
  }

  const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
  const std::size_t rows = static_cast<std::size_t>(height);
  if (!in.Has(pixelOffset, stride * rows))
    return Fail(name, Phrase::Say("pixel data (%1 bytes at offset %2) runs past the end of the "
                                  "file (%3 bytes)",
                                  stride * rows, pixelOffset, size));

  Bitmap image(static_cast<int>(width), static_cast<int>(height));
  const int w = static_cast<int>(width);
  for (std::size_t row = 0; row < rows; ++row) {
    const std::size_t y = topDown ? row : rows - 1 - row;
    const unsigned char* src = in.Bytes().data() + pixelOffset + row * stride;
    Color* dst = image.Row(static_cast<int>(y));
    for (int x = 0; x < w; ++x) {
      std::uint32_t index = 0;
      switch (bits) {
        case 1: index = (src[x >> 3] >> (7 - (x & 7))) & 1u; break;
        case 4: index = (x & 1) ? (src[x >> 1] & 0x0Fu) : (src[x >> 1] >> 4); break;
        case 8: index = src[x]; break;
        case 24: {
          const unsigned char* p = src + 3 * static_cast<std::size_t>(x);
          dst[x] = RgbToColor(p[2], p[1], p[0]);
          continue;
        }
        default: {
          const unsigned char* p = src + 4 * static_cast<std::size_t>(x);
          const std::uint32_t v = p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24);
          dst[x] = RgbToColor(static_cast<int>((v & redMask) >> MaskShift(redMask)),
                              static_cast<int>((v & greenMask) >> MaskShift(greenMask)),
                              static_cast<int>((v & blueMask) >> MaskShift(blueMask)));
          continue;
        }
      }
      if (index >= palette.size())
        return Fail(name, Phrase::Say("pixel refers to colour %1 of a palette of %2", index,
                                      palette.size()));
      dst[x] = palette[index];
    }
  }
  return {std::move(image), Status::Success()};
}

BmpReadResult ReadBmp(const std::string& path) {
  std::string content;
  switch (ReadFileBytes(path, MaxBmpFileBytes, content)) {
    case ReadFileOutcome::Ok: break;
    case ReadFileOutcome::Missing:
      return Fail(path, Phrase::Say("file not found"));
    case ReadFileOutcome::NotAFile:
      return Fail(path, Phrase::Say("not a regular file"));
    case ReadFileOutcome::TooLarge:
      return Fail(path, Phrase::Say("file too large"));
    case ReadFileOutcome::Error:
      return Fail(path, Phrase::Say("cannot read the file"));
  }
  return ReadBmpFromMemory(reinterpret_cast<const unsigned char*>(content.data()), content.size(),
                           path);
}

Status WriteBmp(const std::string& path, const Bitmap& image, int bitsPerPixel) {
  const Status refused = Status::Failure(Phrase::Say("Cannot create file %1", path));
  if (image.IsEmpty() || (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 24))
    return refused;
  const int w = image.Width();
  const int h = image.Height();

  std::vector<Color> palette;
  if (bitsPerPixel == 1) {
    palette = {ColorBlack, ColorWhite};
  } else if (bitsPerPixel == 4) {
    for (Color c : image.Pixels()) {
      if (palette.size() == 16) break;
      if (std::find(palette.begin(), palette.end(), c) == palette.end()) palette.push_back(c);
    }
    palette.resize(16, ColorBlack);
  }
  const std::size_t stride = ((static_cast<std::size_t>(w) * bitsPerPixel + 31) / 32) * 4;
  const std::size_t pixelOffset = 14 + 40 + 4 * palette.size();
  const std::size_t fileSize = pixelOffset + stride * static_cast<std::size_t>(h);
  if (fileSize > std::numeric_limits<std::uint32_t>::max()) return refused;

  std::string out;
  out.reserve(fileSize);
  out += "BM";
  Put32(out, static_cast<std::uint32_t>(fileSize));
  Put32(out, 0);
  Put32(out, static_cast<std::uint32_t>(pixelOffset));
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(w));
  Put32(out, static_cast<std::uint32_t>(h));  // positive: bottom-up, as every reader expects
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bitsPerPixel));
  Put32(out, 0);  // no compression
  Put32(out, static_cast<std::uint32_t>(stride * static_cast<std::size_t>(h)));
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, static_cast<std::uint32_t>(palette.size()));
  Put32(out, 0);
  for (Color c : palette) {
    out.push_back(static_cast<char>(ColorBlue(c)));
    out.push_back(static_cast<char>(ColorGreen(c)));
    out.push_back(static_cast<char>(ColorRed(c)));
    out.push_back(0);
  }

  // Colours beyond the first sixteen go to the nearest palette entry; a small cache keeps
  // that cheap for the handful of colours a subtitle has.
  std::vector<std::pair<Color, unsigned>> nearestCache;
  auto paletteIndex = [&](Color c) -> unsigned {
    for (unsigned i = 0; i < palette.size(); ++i)
      if (palette[i] == c) return i;
    for (const auto& [colour, index] : nearestCache)
      if (colour == c) return index;
    unsigned best = 0;
    for (unsigned i = 1; i < palette.size(); ++i)
      if (SquaredDistance(palette[i], c) < SquaredDistance(palette[best], c)) best = i;
    if (nearestCache.size() < 4096) nearestCache.emplace_back(c, best);
    return best;
  };

  std::string row(stride, '\0');
  for (int y = h - 1; y >= 0; --y) {
    std::fill(row.begin(), row.end(), '\0');
    const Color* src = image.Row(y);
    for (int x = 0; x < w; ++x) {
      const Color c = src[x];
      if (bitsPerPixel == 24) {
        row[3 * x] = static_cast<char>(ColorBlue(c));
        row[3 * x + 1] = static_cast<char>(ColorGreen(c));
        row[3 * x + 2] = static_cast<char>(ColorRed(c));
      } else if (bitsPerPixel == 4) {
        const unsigned index = paletteIndex(c);
        row[x >> 1] = static_cast<char>(row[x >> 1] | (x & 1 ? index : index << 4));
      } else {
        const int luminance = 299 * ColorRed(c) + 587 * ColorGreen(c) + 114 * ColorBlue(c);
        if (luminance >= 128000) row[x >> 3] = static_cast<char>(row[x >> 3] | (0x80 >> (x & 7)));
      }
    }
    out += row;
  }
  if (!WriteFileAtomically(path, out, false)) return refused;
  return Status::Success();
}

}  // namespace quelm
