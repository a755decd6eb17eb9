// Finds the packets of one program stream pack by their start codes, whatever precedes them:
// pack header stuffing, a system header, other streams' packets.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/ByteReader.h"

namespace quelm {

struct PesPacket {
  std::uint8_t StreamId = 0;  // 0xBD private stream 1, 0xBF private stream 2, 0xE0 video, ...
  std::size_t Offset = 0;     // of its start code in the pack
  bool HasPts = false;
  std::uint64_t Pts = 0;  // 33 bits
  // What follows the PES header, up to the packet's end or the pack's, whichever comes first.
  // Private stream 1: the sub-stream id, then its data. Empty when the header is damaged.
  const std::uint8_t* Payload = nullptr;
  std::size_t PayloadSize = 0;
};

class PackWalker {
 public:
  static constexpr std::uint8_t PrivateStream1 = 0xBD;
  static constexpr std::uint8_t PrivateStream2 = 0xBF;
  static constexpr std::uint8_t VideoStream = 0xE0;

  // `length` is the pack's size (2048 in a VOB file); nothing beyond it is read.
  PackWalker(const std::uint8_t* pack, std::size_t length);

  // The pack starts with 00 00 01 BA.
  bool IsPack() const { return isPack_; }
  // The next packet, or false when the pack holds no more.
  bool Next(PesPacket& packet);

 private:
  ByteReader pack_;
  std::size_t at_ = 0;
  bool isPack_ = false;
};

}  // namespace quelm
