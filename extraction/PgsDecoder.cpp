// Presentation graphics: composition, window, palette and object segments, the objects' run-length
// pixels, and the mapping of up to 256 palette entries with opacity onto four colour roles.
#include "extraction/PgsDecoder.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/ByteReader.h"

namespace quelm {

namespace {

// Segments of one object together may hold no more run-length data than this.
constexpr std::size_t MaxObjectData = 16u << 20;
// Objects one composition may place; discs use at most two.
constexpr int MaxPlacements = 64;

// Below this opacity an entry is background; from SolidAlpha on it is solid ink.
constexpr int VisibleAlpha = 64;
constexpr int SolidAlpha = 192;
// Solid tones closer than this in luma are one tone.
constexpr int ToneDistance = 48;

enum Role : std::uint8_t { Background = 0, Fill = 1, Outline = 2, AntiAliasing = 3 };

std::string Hex(int value) {
  static const char* digits = "0123456789ABCDEF";
  return std::string("0x") + digits[(value >> 4) & 15] + digits[value & 15];
}

// Studio-range YCbCr to RGB with 10-bit fixed point factors: BT.601 for standard definition
// frames (576 lines or fewer), BT.709 otherwise, as players show discs.
Color EntryRgb(int y, int cr, int cb, bool standardDefinition) {
  constexpr int Bits = 10;
  constexpr int Half = 1 << (Bits - 1);
  const auto fix = [](double x) { return static_cast<int>(x * (1 << Bits) + 0.5); };
  const int u = cb - 128;
  const int v = cr - 128;
  int rAdd, gAdd, bAdd;
  if (standardDefinition) {
    rAdd = fix(1.40200 * 255.0 / 224.0) * v + Half;
    gAdd = -fix(0.34414 * 255.0 / 224.0) * u - fix(0.71414 * 255.0 / 224.0) * v + Half;
    bAdd = fix(1.77200 * 255.0 / 224.0) * u + Half;
  } else {
    rAdd = fix(1.5747 * 255.0 / 224.0) * v + Half;
    gAdd = -fix(0.1873 * 255.0 / 224.0) * u - fix(0.4682 * 255.0 / 224.0) * v + Half;
    bAdd = fix(1.8556 * 255.0 / 224.0) * u + Half;
  }
  const int luma = (y - 16) * fix(255.0 / 219.0);
  const auto clip = [](int value) { return std::clamp(value >> Bits, 0, 255); };
  return RgbToColor(clip(luma + rAdd), clip(luma + gAdd), clip(luma + bAdd));
}

Color Blend(Color over, Color under, int alpha) {
  const auto mix = [alpha](int a, int b) { return (a * alpha + b * (255 - alpha) + 127) / 255; };
  return RgbToColor(mix(ColorRed(over), ColorRed(under)), mix(ColorGreen(over), ColorGreen(under)),
                    mix(ColorBlue(over), ColorBlue(under)));
}

// An object's pixels as palette indices, row by row; rows the data does not reach are missing.
// Codes: a byte 1..255 is one pixel of that index; 00 00 ends the row; 00 then a byte LLxxxxxx
// is a run: xxxxxx (6 bits) or, with the 0x40 bit, xxxxxx and the next byte (14 bits) long, of
// index 0 or, with the 0x80 bit, of the index in the byte after the length.
std::vector<std::uint8_t> DecodeRuns(std::span<const std::uint8_t> data, int width, int height,
                                     int& rows) {
  const ByteReader reader(data);
  std::vector<std::uint8_t> pixels;
  std::size_t at = 0;
  int x = 0;
  rows = 0;
  const auto startRow = [&] {
    pixels.resize(pixels.size() + static_cast<std::size_t>(width), 0);
    x = 0;
  };
  startRow();
  while (rows < height) {
    const auto first = reader.U8(at);
    if (!first) break;
    ++at;
    int index = *first;
    int run = 1;
    if (index == 0) {
      const auto flags = reader.U8(at);
      if (!flags) break;
      ++at;
      run = *flags & 0x3F;
      if (*flags & 0x40) {
        const auto low = reader.U8(at);
        if (!low) break;
        ++at;
        run = (run << 8) | *low;
      }
      index = 0;
      if (*flags & 0x80) {
        const auto colour = reader.U8(at);
        if (!colour) break;
        ++at;
        index = *colour;
      }
      if (*flags == 0) {  // end of row
        ++rows;
        if (rows < height) startRow();
        continue;
      }
    }
    // A row that runs past the width is cut there; its end code still ends it.
    const int end = std::min(width, x + run);
    std::fill(pixels.end() - width + x, pixels.end() - width + end, static_cast<std::uint8_t>(index));
    x = end;
  }
  // A row the data broke off in is kept: what it holds was drawn.
  if (rows < height && x > 0) ++rows;
  pixels.resize(static_cast<std::size_t>(rows) * static_cast<std::size_t>(width));
  return pixels;
}

struct Usage {
  std::uint8_t Y = 0;
  std::uint8_t Alpha = 0;
  long long Pixels = 0;
};

// Transparent entries are background. Of the solid ones, the most used tone and the most used
// one far from it in luma are the fill (the brighter) and the outline; a solid entry near either
// takes its role. Everything else (half transparent edges, tones between) is anti-aliasing.
std::array<std::uint8_t, 256> AssignRoles(const std::array<Usage, 256>& use) {
  std::array<std::uint8_t, 256> roles{};
  int first = -1;
  for (int i = 0; i < 256; ++i)
    if (use[i].Pixels > 0 && use[i].Alpha >= SolidAlpha &&
        (first < 0 || use[i].Pixels > use[first].Pixels))
      first = i;
  int second = -1;
  if (first >= 0)
    for (int i = 0; i < 256; ++i)
      if (use[i].Pixels > 0 && use[i].Alpha >= SolidAlpha &&
          std::abs(use[i].Y - use[first].Y) >= ToneDistance &&
          (second < 0 || use[i].Pixels > use[second].Pixels))
        second = i;
  int fillY = first >= 0 ? use[first].Y : 0;
  int outlineY = -1;
  if (second >= 0) {
    outlineY = std::min(use[first].Y, use[second].Y);
    fillY = std::max(use[first].Y, use[second].Y);
  }
  // Within a quarter of the distance between the tones (or of one tone step when there is one).
  const int near = outlineY >= 0 ? (fillY - outlineY) / 4 : ToneDistance / 2;
  for (int i = 0; i < 256; ++i) {
    if (use[i].Alpha < VisibleAlpha) {
      roles[i] = Background;
    } else if (use[i].Alpha < SolidAlpha || first < 0) {
      roles[i] = AntiAliasing;
    } else if (std::abs(use[i].Y - fillY) <= near) {
      roles[i] = Fill;
    } else if (outlineY >= 0 && std::abs(use[i].Y - outlineY) <= near) {
      roles[i] = Outline;
    } else {
      roles[i] = AntiAliasing;
    }
  }
  return roles;
}

}  // namespace

void PgsDecoder::Reset() {
  composition_ = Composition();
  open_ = false;
  ended_ = false;
  palettes_.clear();
  objects_.clear();
}

Status PgsDecoder::AddSegments(std::span<const std::uint8_t> bytes) {
  const ByteReader reader(bytes);
  Status first;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const auto type = reader.U8(at);
    const auto size = reader.Be16(at + 1);
    if (!size) return Status::Failure(Phrase::Say("a segment header is cut off after byte %1", at));
    const auto payload = reader.Sub(at + 3, *size);
    if (!payload)
      return Status::Failure(Phrase::Say("segment %1 at byte %2 claims %3 bytes, %4 follow",
                                         Hex(*type), at, *size, bytes.size() - at - 3));
    const Status status = AddSegment(*type, payload->Bytes());
    if (!status && first) first = status;
    at += 3 + *size;
  }
  return first;
}

Status PgsDecoder::AddSegment(std::uint8_t type, std::span<const std::uint8_t> payload) {
  switch (type) {
    case PresentationSegment:
      return ReadPresentation(payload);
    case PaletteSegment:
      return ReadPalette(payload);
    case ObjectSegment:
      return ReadObject(payload);
    case WindowSegment:
      // Windows only bound where objects may be drawn; the placements say where they are.
      if (payload.empty() || payload.size() < 1 + 9u * payload[0])
        return Status::Failure(Phrase::Say("a window segment is shorter than its windows"));
      return Status::Success();
    case EndSegment:
      if (!open_)
        return Status::Failure(Phrase::Say("an end segment without a composition before it"));
      ended_ = true;
      open_ = false;
      return Status::Success();
    default:
      return Status::Failure(Phrase::Say("unknown segment type %1", Hex(type)));
  }
}

// Composition: width (2), height (2), frame rate (1), number (2), state (1: 0x80 epoch start,
// 0x40 acquisition point, 0 normal), palette update flag (1), palette id (1), object count (1),
// then per object: object id (2), window id (1), flags (1: 0x80 cropped, 0x40 forced), x (2),
// y (2), and when cropped x, y, width, height of the part shown (2 each).
Status PgsDecoder::ReadPresentation(std::span<const std::uint8_t> payload) {
  const ByteReader reader(payload);
  if (!reader.Has(0, 11))
    return Status::Failure(Phrase::Say("a composition segment is shorter than 11 bytes"));
  const int state = *reader.U8(7);
  if (state & 0x80) Reset();  // a new epoch brings all its objects and palettes anew
  Composition composition;
  composition.Width = *reader.Be16(0);
  composition.Height = *reader.Be16(2);
  composition.Number = *reader.Be16(5);
  composition.PaletteId = *reader.U8(9);
  const int count = *reader.U8(10);
  ended_ = false;
  open_ = true;
  if (composition.Width > MaxSide || composition.Height > MaxSide) {
    composition_ = Composition();
    return Status::Failure(Phrase::Say("a composition for a frame of %1 x %2 pixels",
                                       composition.Width, composition.Height));
  }
  std::size_t at = 11;
  Status status;
  for (int i = 0; i < count; ++i) {
    if (!reader.Has(at, 8)) {
      status =
          Status::Failure(Phrase::Say("a composition segment ends inside its object %1", i + 1));
      break;
    }
    Placement placement;
    placement.ObjectId = *reader.Be16(at);
    const int flags = *reader.U8(at + 3);
    placement.X = *reader.Be16(at + 4);
    placement.Y = *reader.Be16(at + 6);
    placement.Forced = (flags & 0x40) != 0;
    at += 8;
    if (flags & 0x80) {
      if (!reader.Has(at, 8)) {
        status = Status::Failure(
            Phrase::Say("a composition segment ends inside its object %1's cropping", i + 1));
        break;
      }
      placement.Cropped = true;
      placement.CropX = *reader.Be16(at);
      placement.CropY = *reader.Be16(at + 2);
      placement.CropWidth = *reader.Be16(at + 4);
      placement.CropHeight = *reader.Be16(at + 6);
      at += 8;
    }
    if (static_cast<int>(composition.Objects.size()) < MaxPlacements)
      composition.Objects.push_back(placement);
  }
  composition_ = std::move(composition);
  return status;
}

// Palette: id (1), version (1), then entries of five bytes: index, Y, Cr, Cb, alpha. An update
// changes only the entries it names.
Status PgsDecoder::ReadPalette(std::span<const std::uint8_t> payload) {
  const ByteReader reader(payload);
  if (!reader.Has(0, 2))
    return Status::Failure(Phrase::Say("a palette segment is shorter than 2 bytes"));
  const int id = *reader.U8(0);
  auto palette = std::find_if(palettes_.begin(), palettes_.end(),
                              [id](const Palette& p) { return p.Id == id; });
  if (palette == palettes_.end()) {
    palettes_.push_back(Palette{id, {}});
    palette = palettes_.end() - 1;
  }
  std::size_t at = 2;
  for (; reader.Has(at, 5); at += 5) {
    PaletteEntry& entry = palette->Entries[*reader.U8(at)];
    entry.Y = *reader.U8(at + 1);
    entry.Cr = *reader.U8(at + 2);
    entry.Cb = *reader.U8(at + 3);
    entry.Alpha = *reader.U8(at + 4);
  }
  if (at != payload.size())
    return Status::Failure(Phrase::Say("a palette segment ends inside an entry"));
  return Status::Success();
}

// Object: id (2), version (1), sequence flags (1: 0x80 first fragment, 0x40 last); the first
// fragment goes on with the data length (3, counting the next four bytes), width (2), height (2);
// every fragment then carries run-length data.
Status PgsDecoder::ReadObject(std::span<const std::uint8_t> payload) {
  const ByteReader reader(payload);
  if (!reader.Has(0, 4))
    return Status::Failure(Phrase::Say("an object segment is shorter than 4 bytes"));
  const int id = *reader.Be16(0);
  const int sequence = *reader.U8(3);
  auto object = std::find_if(objects_.begin(), objects_.end(),
                             [id](const Object& o) { return o.Id == id; });
  std::size_t at = 4;
  if (sequence & 0x80) {
    if (!reader.Has(at, 7))
      return Status::Failure(Phrase::Say("object %1's first segment is shorter than 11 bytes", id));
    const std::size_t length = (std::size_t{*reader.U8(at)} << 16) | *reader.Be16(at + 1);
    const int width = *reader.Be16(at + 3);
    const int height = *reader.Be16(at + 5);
    at += 7;
    if (object == objects_.end()) {
      objects_.push_back(Object{});
      object = objects_.end() - 1;
    }
    *object = Object{};
    object->Id = id;
    if (width > MaxSide || height > MaxSide || length < 4) {
      objects_.erase(object);
      return Status::Failure(
          Phrase::Say("object %1 of %2 x %3 pixels and %4 bytes", id, width, height, length));
    }
    object->Width = width;
    object->Height = height;
    object->DeclaredLength = length - 4;
  } else if (object == objects_.end() || object->Complete) {
    return Status::Failure(
        Phrase::Say("a continuation of object %1 without its first segment", id));
  }
  const std::span<const std::uint8_t> data = payload.subspan(at);
  Status status;
  std::size_t take = data.size();
  if (object->Data.size() + take > object->DeclaredLength) {
    take = object->DeclaredLength - object->Data.size();
    status = Status::Failure(
        Phrase::Say("object %1 has more data than its %2 bytes", id, object->DeclaredLength));
  }
  if (object->Data.size() + take > MaxObjectData) {
    objects_.erase(object);
    return Status::Failure(Phrase::Say("object %1 has more than %2 bytes", id, MaxObjectData));
  }
  object->Data.insert(object->Data.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(take));
  // The last fragment completes the object; a stream that never flags it is still drawn.
  if ((sequence & 0x40) || object->Data.size() == object->DeclaredLength) object->Complete = true;
  return status;
}

const PgsDecoder::Object* PgsDecoder::FindObject(int id) const {
  for (const Object& object : objects_)
    if (object.Id == id) return &object;
  return nullptr;
}

PgsPicture PgsDecoder::Picture(const std::array<Color, 4>& roleColors) const {
  PgsPicture picture;
  picture.FrameWidth = composition_.Width;
  picture.FrameHeight = composition_.Height;
  picture.CompositionNumber = composition_.Number;

  // Each placement's part of its object, and where that lands in the frame.
  struct Piece {
    const Object* Source;
    std::vector<std::uint8_t> Pixels;
    int Rows;
    int SourceX, SourceY, Width, Height;
    int X, Y;
  };
  std::vector<Piece> pieces;
  const int frameWidth = picture.FrameWidth > 0 ? picture.FrameWidth : MaxSide;
  const int frameHeight = picture.FrameHeight > 0 ? picture.FrameHeight : MaxSide;
  int left = MaxSide * 2, top = MaxSide * 2, right = 0, bottom = 0;
  for (const Placement& placement : composition_.Objects) {
    const Object* object = FindObject(placement.ObjectId);
    if (object == nullptr || object->Width == 0 || object->Height == 0) continue;
    Piece piece{object, {}, 0, 0, 0, object->Width, object->Height, placement.X, placement.Y};
    if (placement.Cropped) {
      piece.SourceX = std::min(placement.CropX, object->Width);
      piece.SourceY = std::min(placement.CropY, object->Height);
      piece.Width = std::min(placement.CropWidth, object->Width - piece.SourceX);
      piece.Height = std::min(placement.CropHeight, object->Height - piece.SourceY);
    }
    // Nothing is drawn outside the frame, nor below the rows the data reaches.
    piece.Width = std::min(piece.Width, frameWidth - piece.X);
    piece.Height = std::min(piece.Height, frameHeight - piece.Y);
    if (piece.Width <= 0 || piece.Height <= 0) continue;
    piece.Pixels = DecodeRuns(object->Data, object->Width, object->Height, piece.Rows);
    piece.Height = std::min(piece.Height, piece.Rows - piece.SourceY);
    if (piece.Height <= 0) continue;
    picture.Forced = picture.Forced || placement.Forced;
    left = std::min(left, piece.X);
    top = std::min(top, piece.Y);
    right = std::max(right, piece.X + piece.Width);
    bottom = std::max(bottom, piece.Y + piece.Height);
    pieces.push_back(std::move(piece));
  }
  if (pieces.empty()) return picture;
  picture.Empty = false;
  picture.X = left;
  picture.Y = top;
  const int width = right - left;
  const int height = bottom - top;

  // Palette indices of the picture; -1 where no object lies (later objects cover earlier ones).
  std::vector<int> indices(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), -1);
  std::array<Usage, 256> use{};
  for (const Piece& piece : pieces) {
    for (int y = 0; y < piece.Height; ++y) {
      const int sourceRow = piece.SourceY + y;
      int* row = indices.data() + static_cast<std::size_t>(piece.Y - top + y) * width + (piece.X - left);
      const std::uint8_t* source = piece.Pixels.data() +
                                   static_cast<std::size_t>(sourceRow) * piece.Source->Width +
                                   piece.SourceX;
      std::copy(source, source + piece.Width, row);
    }
  }
  static const Palette Undefined{};
  const Palette* palette = &Undefined;
  for (const Palette& p : palettes_)
    if (p.Id == composition_.PaletteId) palette = &p;
  for (const int index : indices)
    if (index >= 0) ++use[static_cast<std::size_t>(index)].Pixels;
  for (int i = 0; i < 256; ++i) {
    use[i].Y = palette->Entries[i].Y;
    use[i].Alpha = palette->Entries[i].Alpha;
  }
  const std::array<std::uint8_t, 256> roles = AssignRoles(use);
  const bool standardDefinition = picture.FrameHeight > 0 && picture.FrameHeight <= 576;
  std::array<Color, 256> trueColours{};
  for (int i = 0; i < 256; ++i) {
    const PaletteEntry& e = palette->Entries[i];
    trueColours[i] = Blend(EntryRgb(e.Y, e.Cr, e.Cb, standardDefinition), roleColors[0], e.Alpha);
  }
  std::vector<Color> rolePixels(indices.size());
  std::vector<Color> truePixels(indices.size());
  for (std::size_t i = 0; i < indices.size(); ++i) {
    if (indices[i] < 0) {
      rolePixels[i] = roleColors[0];
      truePixels[i] = roleColors[0];
    } else {
      rolePixels[i] = roleColors[roles[static_cast<std::size_t>(indices[i])]];
      truePixels[i] = trueColours[static_cast<std::size_t>(indices[i])];
    }
  }
  picture.Roles = Bitmap(width, height, std::move(rolePixels));
  picture.TrueColour = Bitmap(width, height, std::move(truePixels));
  return picture;
}

}  // namespace quelm
