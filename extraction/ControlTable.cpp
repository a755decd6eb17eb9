// Reads the chain of control sequences of a subpicture unit.
#include "extraction/ControlTable.h"

#include <algorithm>
#include <cstddef>

#include "platform/ByteReader.h"

namespace quelm {

// Unit: 0..1 UnitSize, 2..3 ControlOffset. Sequence: 2-byte delay, 2-byte offset of the next
// sequence (its own offset in the last one), then commands up to 0xFF. Parameter bytes: 0x03
// and 0x04 two, 0x05 six (x1, x2, y1, y2 in 12 bits each), 0x06 four (two 16-bit field
// offsets), 0x07 a 16-bit length that counts itself.
ControlTable ReadControlTable(std::span<const std::uint8_t> unit) {
  ControlTable table;
  const ByteReader whole(unit);
  const auto unitSize = whole.Be16(0);
  const auto controlOffset = whole.Be16(2);
  if (!unitSize || !controlOffset) return table;
  table.ControlOffset = *controlOffset;
  const ByteReader in = whole.Prefix(*unitSize);
  DisplayControl& display = table.Display;

  std::size_t sequence = *controlOffset;
  while (in.Has(sequence, 4)) {
    const int delay = *in.Be16(sequence);
    const std::size_t next = *in.Be16(sequence + 2);
    std::size_t i = sequence + 4;
    bool sequenceEnded = false;
    while (i < in.Size() && !sequenceEnded) {
      const std::uint8_t command = *in.U8(i);
      switch (command) {
        case 0x00:  // forced start of display
        case 0x01:
          if (!display.HasStart) {
            display.HasStart = true;
            display.StartDelay = delay;
            display.Forced = command == 0x00;
          }
          i += 1;
          break;
        case 0x02:
          // A stop before any start (a unit that only clears the screen) ends nothing shown.
          if (display.HasStart && !display.HasStop && delay >= display.StartDelay) {
            display.HasStop = true;
            display.StopDelay = delay;
          }
          i += 1;
          break;
        case 0x03:
        case 0x04:
          i += 3;  // palette and contrast: the drawing uses the caller's colours
          break;
        case 0x05: {
          const auto area = in.Sub(i + 1, 6);
          if (!area) return table;
          const int p1 = *area->U8(0), p2 = *area->U8(1), p3 = *area->U8(2);
          const int p4 = *area->U8(3), p5 = *area->U8(4), p6 = *area->U8(5);
          table.Width = ((p2 & 0x0F) * 256 + p3) - (p1 * 16 + (p2 >> 4)) + 1;
          table.Height = ((p5 & 0x0F) * 256 + p6) - (p4 * 16 + (p5 >> 4)) + 1;
          i += 7;
          break;
        }
        case 0x06: {
          const auto top = in.Be16(i + 1);
          const auto bottom = in.Be16(i + 3);
          if (!top || !bottom) return table;
          table.FieldOffsets = {*top, *bottom};
          i += 5;
          break;
        }
        case 0x07: {
          // Colour and contrast changes within the area, skipped by their own length; a length
          // below two would not move on and ends the table.
          const auto length = in.Be16(i + 1);
          if (!length || *length < 2) return table;
          i += 1 + std::size_t{*length};
          break;
        }
        case 0xFF:
          sequenceEnded = true;
          break;
        default:
          table.InvalidCommand = true;
          return table;
      }
    }
    if (!sequenceEnded || next <= sequence) break;
    sequence = next;
  }
  return table;
}

DisplayControl ReadDisplayControl(std::span<const std::uint8_t> unit) {
  return ReadControlTable(unit).Display;
}

}  // namespace quelm
