// Decodes Blu-ray presentation graphics (PGS): the segments of a display set into one picture,
// drawn twice: in the four colour roles the recognition works with, and in its true colours.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "platform/Status.h"

namespace quelm {

// What a display set shows. Roles holds only the four colours it was drawn with: entry 0 where
// the picture is transparent (the background), entry 1 the fill, entry 2 the outline, entry 3
// the anti-aliasing, which are the rows a DVD subpicture's background, pattern and two emphasis
// codes are drawn in. TrueColour is the palette's colours laid over colour 0 by their opacity.
struct PgsPicture {
  int FrameWidth = 0;  // the video frame the composition is placed in
  int FrameHeight = 0;
  int X = 0;  // the pictures' top left corner in the frame
  int Y = 0;
  Bitmap Roles;
  Bitmap TrueColour;
  // The composition shows nothing: it ends the subtitle shown before.
  bool Empty = true;
  bool Forced = false;  // an object is shown even when subtitles are off
  int CompositionNumber = 0;
};

class PgsDecoder {
 public:
  // Segment types as the stream names them.
  static constexpr std::uint8_t PaletteSegment = 0x14;
  static constexpr std::uint8_t ObjectSegment = 0x15;
  static constexpr std::uint8_t PresentationSegment = 0x16;
  static constexpr std::uint8_t WindowSegment = 0x17;
  static constexpr std::uint8_t EndSegment = 0x80;

  // One segment's payload. A damaged segment is left out (the display set goes on without it)
  // and named in the failure.
  Status AddSegment(std::uint8_t type, std::span<const std::uint8_t> payload);
  // Segments back to back as Matroska blocks carry them: type (1 byte), size (2, big-endian),
  // payload. Reads all of them; the first failure is returned.
  Status AddSegments(std::span<const std::uint8_t> bytes);

  // An end segment closed a display set that a presentation segment opened; its picture is
  // ready for Picture() until the next presentation segment.
  bool DisplaySetEnded() const { return ended_; }
  PgsPicture Picture(const std::array<Color, 4>& roleColors) const;

  // Forgets the epoch's objects, palettes and windows, as after a seek.
  void Reset();

  // Largest frame and object side accepted; the largest discs are 3840 x 2160.
  static constexpr int MaxSide = 4096;

 private:
  struct PaletteEntry {
    std::uint8_t Y = 16, Cr = 128, Cb = 128, Alpha = 0;  // undefined entries are transparent
  };
  struct Palette {
    int Id = 0;
    std::array<PaletteEntry, 256> Entries{};
  };
  struct Object {
    int Id = 0;
    int Width = 0;
    int Height = 0;
    std::size_t DeclaredLength = 0;  // run-length data still expected
    std::vector<std::uint8_t> Data;  // run-length data of the fragments received
    bool Complete = false;
  };
  struct Placement {
    int ObjectId = 0;
    int X = 0, Y = 0;
    bool Cropped = false;
    int CropX = 0, CropY = 0, CropWidth = 0, CropHeight = 0;
    bool Forced = false;
  };
  struct Composition {
    int Width = 0, Height = 0;
    int Number = 0;
    int PaletteId = 0;
    std::vector<Placement> Objects;
  };

  Status ReadPresentation(std::span<const std::uint8_t> payload);
  Status ReadPalette(std::span<const std::uint8_t> payload);
  Status ReadObject(std::span<const std::uint8_t> payload);
  const Object* FindObject(int id) const;

  Composition composition_;
  bool open_ = false;   // a presentation segment began a display set
  bool ended_ = false;  // and its end segment came
  std::vector<Palette> palettes_;
  std::vector<Object> objects_;
};

}  // namespace quelm
