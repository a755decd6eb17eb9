// Walks the packets of one program stream pack by start codes and packet lengths.
#include "extraction/PackWalker.h"

namespace quelm {

namespace {

// MPEG-2 pack header: 00 00 01 BA, SCR and mux rate (the first byte 01xx xxxx), then a byte
// whose low three bits count the stuffing bytes that follow. MPEG-1: 00 00 01 BA and eight
// bytes, the first 0010 xxxx.
constexpr std::size_t Mpeg2PackHeader = 14;
constexpr std::size_t Mpeg1PackHeader = 12;
// Start code and 16-bit length: what every packet after the pack header begins with.
constexpr std::size_t PacketPrefix = 6;
constexpr std::uint8_t SystemHeader = 0xBB;
constexpr std::uint8_t Padding = 0xBE;
constexpr std::size_t MaxMpeg1Stuffing = 16;

bool IsStartCode(const std::uint8_t* p) {
  return p[0] == 0x00 && p[1] == 0x00 && p[2] == 0x01;
}

// Packets of these streams have no PES header: program stream map, padding, private stream 2,
// ECM, EMM, DSM-CC, H.222.1 type E, program stream directory.
bool HasPesHeader(std::uint8_t id) {
  return id >= 0xBD && id != Padding && id != 0xBF && id != 0xF0 && id != 0xF1 && id != 0xF2 &&
         id != 0xF8 && id != 0xFF;
}

// The 33-bit PTS in MPEG systems layout; the marker bits are ignored.
std::uint64_t ReadPts(const std::uint8_t* p) {
  return (static_cast<std::uint64_t>((p[0] >> 1) & 0x07) << 30) |
         (static_cast<std::uint64_t>(p[1]) << 22) | (static_cast<std::uint64_t>(p[2] >> 1) << 15) |
         (static_cast<std::uint64_t>(p[3]) << 7) | static_cast<std::uint64_t>(p[4] >> 1);
}

// MPEG-2 PES header: 10xx xxxx, PTS_DTS flags in the top bits, header data length H, then H
// bytes starting with the PTS. MPEG-1: up to 16 stuffing bytes 0xFF, an optional 2-byte buffer
// size 01xx xxxx, then a PTS (0010), a PTS and DTS (0011) or the byte 0x0F.
void ReadPesHeader(const std::uint8_t* body, std::size_t size, PesPacket& packet) {
  std::size_t payload = 0;
  if (size >= 3 && (body[0] & 0xC0) == 0x80) {
    const std::size_t headerLength = body[2];
    payload = 3 + headerLength;
    if (payload > size) return;
    if ((body[1] & 0x80) != 0 && headerLength >= 5) {
      packet.HasPts = true;
      packet.Pts = ReadPts(body + 3);
    }
  } else {
    while (payload < size && payload < MaxMpeg1Stuffing && body[payload] == 0xFF) ++payload;
    if (payload < size && (body[payload] & 0xC0) == 0x40) payload += 2;
    if (payload >= size) return;
    if ((body[payload] & 0xE0) == 0x20) {
      const std::size_t fields = (body[payload] & 0x10) != 0 ? 10 : 5;
      if (payload + fields > size) return;
      packet.HasPts = true;
      packet.Pts = ReadPts(body + payload);
      payload += fields;
    } else if (body[payload] == 0x0F) {
      ++payload;
    } else {
      return;
    }
  }
  packet.Payload = body + payload;
  packet.PayloadSize = size - payload;
}

}  // namespace

PackWalker::PackWalker(const std::uint8_t* pack, std::size_t length)
    : pack_(pack), length_(length) {
  isPack_ = length >= 4 && IsStartCode(pack) && pack[3] == 0xBA;
  if (isPack_ && length >= Mpeg1PackHeader && (pack[4] & 0xF0) == 0x20) {
    at_ = Mpeg1PackHeader;
  } else if (isPack_ && length >= Mpeg2PackHeader) {
    at_ = Mpeg2PackHeader + (pack[13] & 0x07);
  } else {
    at_ = length;
  }
}

bool PackWalker::Next(PesPacket& packet) {
  while (at_ + PacketPrefix <= length_) {
    const std::uint8_t* start = pack_ + at_;
    // Below 0xBB: the program end code, another pack header or no packet at all; nothing
    // after it is a packet of this pack.
    if (!IsStartCode(start) || start[3] < SystemHeader) break;
    const std::uint8_t id = start[3];
    const std::size_t declared = (static_cast<std::size_t>(start[4]) << 8) | start[5];
    const std::size_t room = length_ - at_ - PacketPrefix;
    // A length of 0 (unbounded) or one that runs past the pack ends the packet with the pack.
    const std::size_t size = declared == 0 || declared > room ? room : declared;
    const std::size_t offset = at_;
    at_ += PacketPrefix + size;
    if (id == SystemHeader || id == Padding) continue;

    packet = PesPacket();
    packet.StreamId = id;
    packet.Offset = offset;
    const std::uint8_t* body = start + PacketPrefix;
    if (HasPesHeader(id)) {
      ReadPesHeader(body, size, packet);
    } else {
      packet.Payload = body;
      packet.PayloadSize = size;
    }
    return true;
  }
  at_ = length_;
  return false;
}

}  // namespace quelm
