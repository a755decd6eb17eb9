// Test helper: subpicture units and program stream packs written by the DVD rules.
#include "SpuWriter.h"

#include <algorithm>
#include <cstdio>

namespace quelm::test {

namespace {

class NibbleWriter {
 public:
  void Put(int nibble) {
    if (high_) {
      bytes_.push_back(static_cast<std::uint8_t>((nibble & 0xF) << 4));
    } else {
      bytes_.back() = static_cast<std::uint8_t>(bytes_.back() | (nibble & 0xF));
    }
    high_ = !high_;
  }
  void PutValue(int value, int nibbles) {
    for (int i = nibbles - 1; i >= 0; --i) Put((value >> (4 * i)) & 0xF);
  }
  // Run of 1..255 pixels of one code, in the shortest form.
  void Run(int length, int code) {
    const int value = (length << 2) | code;
    const int nibbles = length < 4 ? 1 : length < 16 ? 2 : length < 64 ? 3 : 4;
    PutValue(value, nibbles);
  }
  void Align() { high_ = true; }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
  bool high_ = true;
};

void PutPts(std::vector<std::uint8_t>& out, std::uint64_t pts) {
  out.push_back(static_cast<std::uint8_t>(0x21 | (((pts >> 30) & 0x07) << 1)));
  out.push_back(static_cast<std::uint8_t>((pts >> 22) & 0xFF));
  out.push_back(static_cast<std::uint8_t>((((pts >> 15) & 0x7F) << 1) | 1));
  out.push_back(static_cast<std::uint8_t>((pts >> 7) & 0xFF));
  out.push_back(static_cast<std::uint8_t>(((pts & 0x7F) << 1) | 1));
}

void Put16(std::vector<std::uint8_t>& out, int value) {
  out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
  out.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

void Set16(std::vector<std::uint8_t>& out, std::size_t at, int value) {
  out[at] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
  out[at + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

}  // namespace

std::vector<std::uint8_t> EncodeRow(const Bitmap& codes, int y, const SpuOptions& options) {
  NibbleWriter writer;
  const int width = codes.Width();
  int x = 0;
  while (x < width) {
    const int code = static_cast<int>(codes.Pixel(x, y) & 3);
    int end = x;
    while (end < width && static_cast<int>(codes.Pixel(end, y) & 3) == code) ++end;
    if (end == width && code == 0 && options.Ending == RowEnding::Code) {
      writer.PutValue(options.RowEndColorBits & 3, 4);  // 00 00 0c: to the end of the row
      x = width;
      break;
    }
    for (int left = end - x; left > 0;) {
      const int length = std::min(left, 255);
      writer.Run(length, code);
      left -= length;
    }
    x = end;
  }
  writer.Align();
  return writer.Take();
}

std::vector<std::uint8_t> EncodeUnit(const Bitmap& codes, const SpuOptions& options) {
  std::vector<std::uint8_t> top;
  std::vector<std::uint8_t> bottom;
  for (int y = 0; y < codes.Height(); ++y) {
    const std::vector<std::uint8_t> row = EncodeRow(codes, y, options);
    std::vector<std::uint8_t>& field = (y % 2 == 0) ? top : bottom;
    field.insert(field.end(), row.begin(), row.end());
  }

  std::vector<std::uint8_t> unit = {0, 0, 0, 0};
  const int topOffset = 4;
  unit.insert(unit.end(), top.begin(), top.end());
  const int bottomOffset = static_cast<int>(unit.size());
  unit.insert(unit.end(), bottom.begin(), bottom.end());
  const int controlOffset = static_cast<int>(unit.size());
  Set16(unit, 2, controlOffset);

  const int x1 = options.X;
  const int x2 = options.X + codes.Width() - 1;
  const int y1 = options.Y;
  const int y2 = options.Y + codes.Height() - 1;
  const std::vector<std::uint8_t> area = {
      0x05,
      static_cast<std::uint8_t>(x1 >> 4),
      static_cast<std::uint8_t>(((x1 & 0xF) << 4) | ((x2 >> 8) & 0xF)),
      static_cast<std::uint8_t>(x2 & 0xFF),
      static_cast<std::uint8_t>(y1 >> 4),
      static_cast<std::uint8_t>(((y1 & 0xF) << 4) | ((y2 >> 8) & 0xF)),
      static_cast<std::uint8_t>(y2 & 0xFF)};
  std::vector<std::uint8_t> offsets = {0x06};
  Put16(offsets, topOffset);
  Put16(offsets, bottomOffset);
  const std::vector<std::uint8_t> palette = {0x03, 0x01, 0x23};
  const std::vector<std::uint8_t> contrast = {0x04, 0xFF, 0xF0};

  Put16(unit, 0);  // delay
  const std::size_t nextAt = unit.size();
  Put16(unit, 0);  // next sequence, patched below
  auto append = [&unit](const std::vector<std::uint8_t>& bytes) {
    unit.insert(unit.end(), bytes.begin(), bytes.end());
  };
  if (options.OffsetsFirst) {
    append(offsets);
    append(area);
    append(palette);
    append(contrast);
  } else {
    append(palette);
    append(contrast);
    append(area);
    append(offsets);
  }
  unit.push_back(0x01);
  unit.push_back(0xFF);
  if (options.StopSequence) {
    const int second = static_cast<int>(unit.size());
    Set16(unit, nextAt, second);
    Put16(unit, 100);
    Put16(unit, second);
    unit.push_back(0x02);
    unit.push_back(0xFF);
  } else {
    Set16(unit, nextAt, controlOffset);
  }
  Set16(unit, 0, static_cast<int>(unit.size()));
  return unit;
}

void PackWriter::PackHeader() {
  // MPEG-2 pack header: SCR with marker bits, mux rate, no stuffing.
  const std::uint8_t header[14] = {0x00, 0x00, 0x01, 0xBA, 0x44, 0x00, 0x04,
                                   0x00, 0x04, 0x01, 0x01, 0x89, 0xC3, 0xF8};
  bytes_.insert(bytes_.end(), header, header + 14);
}

std::int64_t PackWriter::AddPrivatePacket(int subStreamId, std::optional<std::uint64_t> pts,
                                          const std::vector<std::uint8_t>& payload, int stuffing) {
  const std::int64_t offset = Size();
  PackHeader();
  const int headerLength = (pts ? 5 : 0) + stuffing;
  const int packetLength = 3 + headerLength + 1 + static_cast<int>(payload.size());
  std::vector<std::uint8_t> pes = {0x00, 0x00, 0x01, 0xBD};
  Put16(pes, packetLength);
  pes.push_back(0x81);
  pes.push_back(pts ? 0x80 : 0x00);
  pes.push_back(static_cast<std::uint8_t>(headerLength));
  if (pts) PutPts(pes, *pts);
  pes.insert(pes.end(), static_cast<std::size_t>(stuffing), 0xFF);
  pes.push_back(static_cast<std::uint8_t>(subStreamId));
  pes.insert(pes.end(), payload.begin(), payload.end());
  bytes_.insert(bytes_.end(), pes.begin(), pes.end());
  const std::int64_t left = offset + PackSize - Size();
  if (left >= 6) {
    std::vector<std::uint8_t> padding = {0x00, 0x00, 0x01, 0xBE};
    Put16(padding, static_cast<int>(left - 6));
    padding.insert(padding.end(), static_cast<std::size_t>(left - 6), 0xFF);
    bytes_.insert(bytes_.end(), padding.begin(), padding.end());
  } else if (left > 0) {
    bytes_.insert(bytes_.end(), static_cast<std::size_t>(left), 0xFF);
  }
  bytes_.resize(static_cast<std::size_t>(offset + PackSize));
  return offset;
}

std::int64_t PackWriter::AddUnit(const std::vector<std::uint8_t>& unit, int subStreamId,
                                 std::optional<std::uint64_t> pts) {
  const std::int64_t first = Size();
  std::size_t at = 0;
  bool firstPacket = true;
  do {
    const int headerLength = (firstPacket && pts) ? 5 : 0;
    const std::size_t room = static_cast<std::size_t>(PayloadRoom(headerLength));
    const std::size_t take = std::min(room, unit.size() - at);
    std::vector<std::uint8_t> payload(unit.begin() + static_cast<std::ptrdiff_t>(at),
                                      unit.begin() + static_cast<std::ptrdiff_t>(at + take));
    // A small gap is closed by header stuffing, as authoring tools do; a larger one by padding.
    const int gap = static_cast<int>(room - take);
    const int stuffing = (gap > 0 && gap <= 200) ? gap : 0;
    AddPrivatePacket(subStreamId, firstPacket ? pts : std::nullopt, payload, stuffing);
    at += take;
    firstPacket = false;
  } while (at < unit.size());
  return first;
}

std::int64_t PackWriter::AddVideoPack(std::optional<std::uint64_t> pts) {
  const std::int64_t offset = Size();
  PackHeader();
  std::vector<std::uint8_t> pes = {0x00, 0x00, 0x01, 0xE0};
  Put16(pes, PackSize - 14 - 6);
  pes.push_back(0x81);
  pes.push_back(pts ? 0x80 : 0x00);
  pes.push_back(pts ? 5 : 0);
  if (pts) PutPts(pes, *pts);
  bytes_.insert(bytes_.end(), pes.begin(), pes.end());
  while (Size() < offset + PackSize) {
    noise_ = noise_ * 1103515245u + 12345u;
    bytes_.push_back(static_cast<std::uint8_t>(noise_ >> 16));
  }
  return offset;
}

std::int64_t PackWriter::AddNavPack() {
  const std::int64_t offset = Size();
  PackHeader();
  // Navigation data travels in private stream 2; its content does not matter here.
  std::vector<std::uint8_t> pes = {0x00, 0x00, 0x01, 0xBF};
  Put16(pes, PackSize - 14 - 6);
  bytes_.insert(bytes_.end(), pes.begin(), pes.end());
  bytes_.resize(static_cast<std::size_t>(offset + PackSize), 0x00);
  return offset;
}

std::int64_t PackWriter::AddNavPack(std::uint32_t vobuStartPts, std::uint32_t vobuEndPts) {
  const std::int64_t offset = Size();
  PackHeader();
  // System header: 00 00 01 BB, length 18, then its 18 bytes (their values do not matter here).
  std::vector<std::uint8_t> bytes = {0x00, 0x00, 0x01, 0xBB, 0x00, 0x12};
  bytes.insert(bytes.end(), 18, 0x80);
  // PCI packet: 00 00 01 BF, length 980, sub-stream 0x00, then the PCI data.
  const std::vector<std::uint8_t> pciHeader = {0x00, 0x00, 0x01, 0xBF, 0x03, 0xD4, 0x00};
  bytes.insert(bytes.end(), pciHeader.begin(), pciHeader.end());
  std::vector<std::uint8_t> pci(979, 0x00);
  const auto put32 = [&pci](std::size_t at, std::uint32_t value) {
    for (int k = 0; k < 4; ++k) pci[at + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(value >> (24 - 8 * k));
  };
  put32(12, vobuStartPts);
  put32(16, vobuEndPts);
  bytes.insert(bytes.end(), pci.begin(), pci.end());
  // DSI packet: 00 00 01 BF, length 1018, sub-stream 0x01.
  const std::vector<std::uint8_t> dsiHeader = {0x00, 0x00, 0x01, 0xBF, 0x03, 0xFA, 0x01};
  bytes.insert(bytes.end(), dsiHeader.begin(), dsiHeader.end());
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  bytes_.resize(static_cast<std::size_t>(offset + PackSize), 0x00);
  return offset;
}

std::int64_t PackWriter::AddAc3Pack(std::uint64_t pts) {
  // AC-3 sub-stream 0x80: frame count and first access unit pointer, then frames.
  std::vector<std::uint8_t> payload(static_cast<std::size_t>(PayloadRoom(5)), 0x0B);
  payload[0] = 0x01;
  payload[1] = 0x00;
  payload[2] = 0x01;
  return AddPrivatePacket(0x80, pts, payload);
}

void PackWriter::AddRaw(const std::vector<std::uint8_t>& bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

bool PackWriter::WriteFile(const std::string& path) const {
  return WriteBytes(path, bytes_);
}

bool WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && ok;
}

}  // namespace quelm::test
