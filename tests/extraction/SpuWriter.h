// Test helper: writes subpicture units by the DVD rules and wraps them, with other streams
// interleaved, into 2048-byte program stream packs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Bitmap.h"

namespace quelm::test {

enum class RowEnding {
  Runs,  // every row is written out in runs up to the width
  Code,  // a row whose last run has code 0 ends with a row-end code instead
};

struct SpuOptions {
  int X = 0;  // display area origin
  int Y = 0;
  RowEnding Ending = RowEnding::Runs;
  int RowEndColorBits = 0;  // colour bits put into row-end codes (the decoder ignores them)
  // Commands in the order 0x06, 0x05, 0x03, 0x04, 0x01 instead of 0x03, 0x04, 0x05, 0x06, 0x01.
  bool OffsetsFirst = false;
  bool StopSequence = true;  // a second control sequence 0x02, 0xFF
};

// `codes` holds pixel codes 0..3 as its colour values. Even rows go to the top field, odd rows
// to the bottom field; each row ends on a byte boundary.
std::vector<std::uint8_t> EncodeUnit(const Bitmap& codes, const SpuOptions& options = {});

// The run-length nibbles of one row, already packed into bytes.
std::vector<std::uint8_t> EncodeRow(const Bitmap& codes, int y, const SpuOptions& options);

// Builds a program stream pack by pack.
class PackWriter {
 public:
  static constexpr int PackSize = 2048;

  // Splits `unit` over packets of `subStreamId`; the first one carries `pts`. The last packet is
  // filled up by PES header stuffing when at most 200 bytes are left, otherwise by a padding
  // packet. Returns the offset of the first pack.
  std::int64_t AddUnit(const std::vector<std::uint8_t>& unit, int subStreamId,
                       std::optional<std::uint64_t> pts);

  // One private-stream-1 packet; `payload` is at most the room left (2024 - header length).
  // Extra header stuffing bytes grow the header; the rest of the pack, if any, is a padding
  // packet. Returns the pack's offset.
  std::int64_t AddPrivatePacket(int subStreamId, std::optional<std::uint64_t> pts,
                                const std::vector<std::uint8_t>& payload, int stuffing = 0);
  std::int64_t AddVideoPack(std::optional<std::uint64_t> pts = std::nullopt);
  std::int64_t AddNavPack();
  // A navigation pack laid out as DVD authoring writes it (system header, PCI, DSI) whose PCI
  // gives the VOBU's start and end PTS.
  std::int64_t AddNavPack(std::uint32_t vobuStartPts, std::uint32_t vobuEndPts);
  std::int64_t AddAc3Pack(std::uint64_t pts);
  // Any bytes, for damaged files.
  void AddRaw(const std::vector<std::uint8_t>& bytes);

  std::int64_t Size() const { return static_cast<std::int64_t>(bytes_.size()); }
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
  std::vector<std::uint8_t>& Bytes() { return bytes_; }
  bool WriteFile(const std::string& path) const;

  // Room for payload in one private-stream-1 packet with a header of `headerLength` bytes.
  static int PayloadRoom(int headerLength) { return PackSize - 24 - headerLength; }

 private:
  void PackHeader();
  std::vector<std::uint8_t> bytes_;
  std::uint32_t noise_ = 12345;
};

bool WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace quelm::test
