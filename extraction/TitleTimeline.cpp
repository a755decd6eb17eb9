// The title timeline: origin, PTS segments, and the navigation pack fields it is built from.
#include "extraction/TitleTimeline.h"

#include <memory>
#include <vector>

#include "platform/ByteReader.h"
#include "platform/SourceFile.h"

namespace quelm {

namespace {

// Difference a - b of two 33-bit PTS values, taken the short way round the wrap.
std::int64_t PtsDifference(std::uint64_t a, std::uint64_t b) {
  const std::uint64_t forward = (a - b) & (TitleTimeline::PtsModulus - 1);
  return forward >= TitleTimeline::PtsModulus / 2
             ? static_cast<std::int64_t>(forward) -
                   static_cast<std::int64_t>(TitleTimeline::PtsModulus)
             : static_cast<std::int64_t>(forward);
}

// Bytes of the first file looked into for the origin.
constexpr std::size_t OriginSearchBytes = 4u << 20;
constexpr std::size_t PackSize = 2048;

}  // namespace

TitleTimeline TitleTimeline::StartingAt(std::uint64_t originPts) {
  TitleTimeline timeline;
  timeline.hasOrigin_ = true;
  timeline.segmentPts_ = originPts & (PtsModulus - 1);
  return timeline;
}

void TitleTimeline::ObserveVobu(std::uint64_t startPts, std::uint64_t endPts) {
  startPts &= PtsModulus - 1;
  endPts &= PtsModulus - 1;
  if (!hasOrigin_) {
    *this = StartingAt(startPts);
  } else if (hasLastEnd_) {
    const std::int64_t gap = PtsDifference(startPts, lastEndPts_);
    if (gap > JumpTolerance || gap < -JumpTolerance) {
      // A new PTS base (a cell boundary): this VOBU starts where the last one ended.
      segmentTicks_ = TitleTicks(lastEndPts_);
      segmentPts_ = startPts;
    }
  }
  hasLastEnd_ = true;
  lastEndPts_ = endPts;
}

void TitleTimeline::ObserveVideoPts(std::uint64_t pts) {
  if (!hasOrigin_) *this = StartingAt(pts);
}

std::int64_t TitleTimeline::TitleTicks(std::uint64_t pts) const {
  pts &= PtsModulus - 1;
  if (!hasOrigin_) return static_cast<std::int64_t>(pts);
  return segmentTicks_ + PtsDifference(pts, segmentPts_);
}

std::int64_t TitleTimeline::TicksToMs(std::int64_t ticks) {
  return ticks >= 0 ? (ticks + 45) / 90 : -((-ticks + 45) / 90);
}

// Navigation pack: pack header, system header, then the PCI packet 00 00 01 BF, 2-byte length,
// sub-stream byte 0x00, PCI data: nv_pck_lbn (4), vobu_cat (2), reserved (2), vobu_uop_ctl (4),
// vobu_s_ptm (4), vobu_e_ptm (4), ...; the DSI packet (sub-stream 0x01) follows.
std::optional<VobuTimes> ReadPciTimes(const PesPacket& packet) {
  constexpr std::size_t Pci = 1;
  if (packet.StreamId != PackWalker::PrivateStream2) return std::nullopt;
  const ByteReader in(packet.Payload, packet.PayloadSize);
  const auto start = in.Be32(Pci + 12);
  const auto end = in.Be32(Pci + 16);
  if (in.U8(0) != 0x00 || !start || !end || (*start == 0 && *end == 0)) return std::nullopt;
  return VobuTimes{*start, *end};
}

std::optional<std::uint64_t> ReadTitleOrigin(const std::string& firstFile) {
  Phrase reason;
  const std::unique_ptr<SourceFile> file = SourceFile::Open(firstFile, reason);
  if (!file) return std::nullopt;
  std::vector<std::uint8_t> pack(PackSize);
  std::optional<std::uint64_t> origin;
  for (std::size_t read = 0; read < OriginSearchBytes && !origin; read += pack.size()) {
    if (file->ReadAt(static_cast<std::int64_t>(read), pack.data(), pack.size()) !=
        static_cast<std::int64_t>(pack.size()))
      break;
    PackWalker walker(pack.data(), pack.size());
    if (!walker.IsPack()) break;
    PesPacket packet;
    while (!origin && walker.Next(packet)) {
      if (const auto vobu = ReadPciTimes(packet)) {
        origin = vobu->Start;
      } else if (packet.StreamId == PackWalker::VideoStream && packet.HasPts) {
        origin = packet.Pts;
      }
    }
  }
  return origin;
}

}  // namespace quelm
