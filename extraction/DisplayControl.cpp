// The control sequence chain of a subpicture unit, read for its display times.
#include "extraction/DisplayControl.h"

#include <algorithm>
#include <cstddef>

namespace quelm {

namespace {

int BigEndian16(std::span<const std::uint8_t> data, std::size_t at) {
  return (data[at] << 8) | data[at + 1];
}

}  // namespace

// Sequence layout: 2-byte delay, 2-byte offset of the next sequence (its own offset in the last
// one), then commands up to 0xFF. Parameter bytes: 0x03 and 0x04 two, 0x05 six, 0x06 four, 0x07
// a 16-bit length that counts itself.
DisplayControl ReadDisplayControl(std::span<const std::uint8_t> unit) {
  DisplayControl control;
  if (unit.size() < 4) return control;
  const std::size_t end = std::min<std::size_t>(BigEndian16(unit, 0), unit.size());
  std::size_t sequence = static_cast<std::size_t>(BigEndian16(unit, 2));
  while (sequence + 4 <= end) {
    const int delay = BigEndian16(unit, sequence);
    const std::size_t next = static_cast<std::size_t>(BigEndian16(unit, sequence + 2));
    std::size_t i = sequence + 4;
    bool sequenceEnded = false;
    while (i < end && !sequenceEnded) {
      switch (unit[i]) {
        case 0x00:
        case 0x01:
          if (!control.HasStart) {
            control.HasStart = true;
            control.StartDelay = delay;
            control.Forced = unit[i] == 0x00;
          }
          i += 1;
          break;
        case 0x02:
          // A stop before any start (a unit that only clears the screen) ends nothing shown.
          if (control.HasStart && !control.HasStop && delay >= control.StartDelay) {
            control.HasStop = true;
            control.StopDelay = delay;
          }
          i += 1;
          break;
        case 0x03:
        case 0x04:
          i += 3;
          break;
        case 0x05:
          i += 7;
          break;
        case 0x06:
          i += 5;
          break;
        case 0x07: {
          if (i + 2 >= end) return control;
          const std::size_t length = static_cast<std::size_t>(BigEndian16(unit, i + 1));
          if (length < 2) return control;
          i += 1 + length;
          break;
        }
        case 0xFF:
          sequenceEnded = true;
          break;
        default:
          return control;  // the bitmap decoder reports the invalid command
      }
    }
    if (!sequenceEnded || next <= sequence) break;
    sequence = next;
  }
  return control;
}

}  // namespace quelm
