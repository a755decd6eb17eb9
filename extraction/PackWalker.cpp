// Walks the packets of one program stream pack by start codes and packet lengths.
#include "extraction/PackWalker.h"

#include <optional>

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

// 00 00 01 and the id at `at`; nullopt when the four bytes are not all there or no start code.
std::optional<std::uint8_t> StartCodeAt(const ByteReader& in, std::size_t at) {
  const auto code = in.Be32(at);
  if (!code || (*code >> 8) != 0x000001) return std::nullopt;
  return static_cast<std::uint8_t>(*code & 0xFF);
}

// Packets of these streams have no PES header: program stream map, padding, private stream 2,
// ECM, EMM, DSM-CC, H.222.1 type E, program stream directory.
bool HasPesHeader(std::uint8_t id) {
  return id >= 0xBD && id != Padding && id != 0xBF && id != 0xF0 && id != 0xF1 && id != 0xF2 &&
         id != 0xF8 && id != 0xFF;
}

// The 33-bit PTS in MPEG systems layout at `at` (five bytes the caller has checked); the marker
// bits are ignored.
std::uint64_t ReadPts(const ByteReader& in, std::size_t at) {
  const std::uint64_t high = *in.U8(at);
  const std::uint64_t middle = *in.Be16(at + 1);
  const std::uint64_t low = *in.Be16(at + 3);
  return (((high >> 1) & 0x07) << 30) | ((middle >> 1) << 15) | (low >> 1);
}

// MPEG-2 PES header: 10xx xxxx, PTS_DTS flags in the top bits, header data length H, then H
// bytes starting with the PTS. MPEG-1: up to 16 stuffing bytes 0xFF, an optional 2-byte buffer
// size 01xx xxxx, then a PTS (0010), a PTS and DTS (0011) or the byte 0x0F.
void ReadPesHeader(const ByteReader& body, PesPacket& packet) {
  const std::size_t size = body.Size();
  std::size_t payload = 0;
  const auto first = body.U8(0);
  if (!first) return;
  if ((*first & 0xC0) == 0x80) {
    const auto flags = body.U8(1);
    const auto headerLength = body.U8(2);
    if (!flags || !headerLength) return;
    payload = 3 + std::size_t{*headerLength};
    if (payload > size) return;
    if ((*flags & 0x80) != 0 && *headerLength >= 5) {
      packet.HasPts = true;
      packet.Pts = ReadPts(body, 3);
    }
  } else {
    while (payload < MaxMpeg1Stuffing && body.U8(payload) == 0xFF) ++payload;
    if (const auto b = body.U8(payload); b && (*b & 0xC0) == 0x40) payload += 2;
    const auto marker = body.U8(payload);
    if (!marker) return;
    if ((*marker & 0xE0) == 0x20) {
      const std::size_t fields = (*marker & 0x10) != 0 ? 10 : 5;
      if (!body.Has(payload, fields)) return;
      packet.HasPts = true;
      packet.Pts = ReadPts(body, payload);
      payload += fields;
    } else if (*marker == 0x0F) {
      ++payload;
    } else {
      return;
    }
  }
  packet.Payload = body.Bytes().data() + payload;
  packet.PayloadSize = size - payload;
}

}  // namespace

PackWalker::PackWalker(const std::uint8_t* pack, std::size_t length) : pack_(pack, length) {
  isPack_ = StartCodeAt(pack_, 0) == 0xBA;
  const auto mode = pack_.U8(4);
  if (isPack_ && mode && (*mode & 0xF0) == 0x20 && pack_.Has(0, Mpeg1PackHeader)) {
    at_ = Mpeg1PackHeader;
  } else if (const auto stuffing = pack_.U8(13); isPack_ && stuffing) {
    at_ = Mpeg2PackHeader + (*stuffing & 0x07);
  } else {
    at_ = length;
  }
}

bool PackWalker::Next(PesPacket& packet) {
  const std::size_t length = pack_.Size();
  while (pack_.Has(at_, PacketPrefix)) {
    // Below 0xBB: the program end code, another pack header or no packet at all; nothing
    // after it is a packet of this pack.
    const auto id = StartCodeAt(pack_, at_);
    if (!id || *id < SystemHeader) break;
    const std::size_t declared = *pack_.Be16(at_ + 4);
    const std::size_t room = length - at_ - PacketPrefix;
    // A length of 0 (unbounded) or one that runs past the pack ends the packet with the pack.
    const std::size_t size = declared == 0 || declared > room ? room : declared;
    const std::size_t offset = at_;
    at_ += PacketPrefix + size;
    if (*id == SystemHeader || *id == Padding) continue;

    packet = PesPacket();
    packet.StreamId = *id;
    packet.Offset = offset;
    const ByteReader body = *pack_.Sub(offset + PacketPrefix, size);
    if (HasPesHeader(*id)) {
      ReadPesHeader(body, packet);
    } else {
      packet.Payload = body.Bytes().data();
      packet.PayloadSize = size;
    }
    return true;
  }
  at_ = length;
  return false;
}

}  // namespace quelm
