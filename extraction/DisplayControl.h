// When a subpicture unit shows and hides itself: the delays of its start and stop display
// commands, read by walking the chain of control sequences.
#pragma once

#include <cstdint>
#include <span>

namespace quelm {

struct DisplayControl {
  // Delays count in units of 1024/90000 s from the PTS of the unit's first packet.
  static constexpr int DelayTicks = 1024;  // 90 kHz ticks per delay unit

  bool HasStart = false;  // a start display command (0x01) or a forced start (0x00)
  int StartDelay = 0;
  bool HasStop = false;  // a stop display command (0x02) after the start
  int StopDelay = 0;
  bool Forced = false;  // the display was started by 0x00, forced start of display
};

// The display part of ReadControlTable: a damaged command ends the walk with what was found
// so far.
DisplayControl ReadDisplayControl(std::span<const std::uint8_t> unit);

}  // namespace quelm
