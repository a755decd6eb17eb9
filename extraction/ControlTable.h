// The control table of a subpicture unit: its chain of control sequences, read once for both the
// decoder (display area, field offsets) and the timing (start and stop delays, forced flag).
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "extraction/DisplayControl.h"

namespace quelm {

struct ControlTable {
  int ControlOffset = 0;  // where the first sequence starts; the pixel data lies before it
  // The display area of the last 0x05 command; zero or negative when there is none.
  int Width = 0;
  int Height = 0;
  std::array<int, 2> FieldOffsets{0, 0};  // top and bottom field, from the last 0x06 command
  DisplayControl Display;
  // A command DVDs do not define ended the walk; what was read before it is kept.
  bool InvalidCommand = false;
};

// Walks the sequences from ControlOffset along their next-sequence offsets, within UnitSize and
// the bytes present. Each sequence must lie after the one before, so a chain that points back
// ends there; a command cut off by the end of the unit ends the walk with what was found.
ControlTable ReadControlTable(std::span<const std::uint8_t> unit);

}  // namespace quelm
