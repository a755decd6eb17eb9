// Matroska through libavformat: the demuxer reads the file through our own byte source (so a
// read fault, the progress and Stop reach us), hands over the packets of the bitmap subtitle
// tracks only, and stays open between runs. The units it has handed over are held, so "back"
// and the steps after it are answered without reading again; only a position before what is
// held makes it read from the start once more.
#include "extraction/MatroskaSource.h"

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libavutil/mem.h>
}

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>

#include "platform/ByteReader.h"

namespace quelm {

namespace {

constexpr int IoBufferSize = 64 * 1024;
// No single read runs longer than this between two calls of Reading.
constexpr int MaxReadPerCall = 256 * 1024;
// Held units beyond this are dropped from the front; a position before them is read again.
constexpr std::size_t MaxHeldBytes = 64u * 1024 * 1024;
// An epoch carried in front of a PGS display set holds at most this many earlier sets.
constexpr std::size_t MaxEpochSets = 64;

std::string ErrorText(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

std::string Tag(const AVDictionary* metadata, const char* key) {
  const AVDictionaryEntry* entry = av_dict_get(metadata, key, nullptr, 0);
  return entry != nullptr && entry->value != nullptr ? entry->value : "";
}

// An EBML size: the count of leading zero bits of its first byte is the count of bytes after it;
// all value bits set means the size is unknown (nullopt then, as when the bytes are not there).
std::optional<std::uint64_t> ReadSize(const ByteReader& bytes, std::size_t& offset) {
  const auto first = bytes.U8(offset);
  if (!first || *first == 0) return std::nullopt;
  std::size_t length = 1;
  while ((*first & (0x80 >> (length - 1))) == 0) ++length;
  std::uint64_t value = *first & ((0x80u >> (length - 1)) - 1);
  bool allOnes = value == ((0x80u >> (length - 1)) - 1);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = bytes.U8(offset + i);
    if (!next) return std::nullopt;
    value = (value << 8) | *next;
    allOnes = allOnes && *next == 0xFF;
  }
  offset += length;
  if (allOnes) return std::nullopt;
  return value;
}

// Where the file's Segment ends as its header says:
//   1A 45 DF A3, size, EBML header; 18 53 80 67, size, the Segment's elements.
// Nothing when its size is left open (a live recording) or the header is not there.
std::optional<std::int64_t> SegmentEnd(SourceFile& file) {
  std::array<std::uint8_t, 4096> head{};
  const std::int64_t got = file.ReadAt(0, head.data(), head.size());
  if (got <= 0) return std::nullopt;
  const ByteReader bytes(head.data(), static_cast<std::size_t>(got));
  std::size_t offset = 0;
  if (bytes.Be32(offset) != 0x1A45DFA3u) return std::nullopt;
  offset += 4;
  const auto headerSize = ReadSize(bytes, offset);
  if (!headerSize || *headerSize > bytes.Size()) return std::nullopt;
  offset += static_cast<std::size_t>(*headerSize);
  if (bytes.Be32(offset) != 0x18538067u) return std::nullopt;
  offset += 4;
  const auto segmentSize = ReadSize(bytes, offset);
  if (!segmentSize || *segmentSize > (std::uint64_t{1} << 56)) return std::nullopt;
  return static_cast<std::int64_t>(offset + *segmentSize);
}

// Whether a PGS display set begins an epoch: its first segment is the presentation composition,
//   type 0x16, size (2), width (2), height (2), frame rate, number (2), state (0x80: epoch start).
bool EpochStart(const std::vector<std::uint8_t>& set) {
  const ByteReader bytes(set.data(), set.size());
  return bytes.U8(0) == 0x16 && (bytes.U8(3 + 7).value_or(0) & 0x80) != 0;
}

class MatroskaSource final : public UnitSource {
 public:
  explicit MatroskaSource(std::unique_ptr<SourceFile> file) : file_(std::move(file)) {
    size_ = file_->Size();
    identity_ = file_->Identity();
    segmentEnd_ = SegmentEnd(*file_);
  }
  ~MatroskaSource() override { CloseDemuxer(); }

  bool OpenDemuxer(Phrase& reason);

  const std::vector<SourceTrack>& Tracks() const override { return tracks_; }
  UnitRead Read(int track, std::int64_t position, SourceUnit& unit) override;

 private:
  void CloseDemuxer();
  bool Restart();
  void Hold(const SourceUnit& unit);
  SourceUnit WithEpoch(SourceUnit unit) const;
  UnitRead Failure(Phrase fault);
  static int ReadPacket(void* opaque, std::uint8_t* buffer, int size);
  static std::int64_t Seek(void* opaque, std::int64_t offset, int whence);

  std::unique_ptr<SourceFile> file_;
  AVIOContext* io_ = nullptr;
  AVFormatContext* format_ = nullptr;
  AVPacket* packet_ = nullptr;
  std::int64_t ioPosition_ = 0;
  Phrase ioFault_;
  std::optional<std::int64_t> segmentEnd_;
  bool stopRequested_ = false;

  std::vector<SourceTrack> tracks_;
  std::vector<int> trackOfStream_;  // -1: a stream the demuxer skips

  // Every unit of every track from heldFrom_ up to lastPosition_, by position.
  std::map<std::int64_t, SourceUnit> held_;
  std::size_t heldBytes_ = 0;
  std::int64_t heldFrom_ = 0;
  std::int64_t lastPosition_ = -1;
  bool ended_ = false;   // the demuxer has nothing more to give
  bool broken_ = false;  // a read stopped halfway left the demuxer in an unknown state
};

int MatroskaSource::ReadPacket(void* opaque, std::uint8_t* buffer, int size) {
  auto* self = static_cast<MatroskaSource*>(opaque);
  if (self->Reading && !self->Reading(self->ioPosition_)) {
    self->stopRequested_ = true;
    return AVERROR_EXIT;
  }
  const std::int64_t got = self->file_->ReadAt(
      self->ioPosition_, buffer, static_cast<std::size_t>(std::min(size, MaxReadPerCall)));
  if (got < 0) {
    self->ioFault_ = self->file_->Fault();
    return AVERROR(EIO);
  }
  if (got == 0) return AVERROR_EOF;
  self->ioPosition_ += got;
  return static_cast<int>(got);
}

std::int64_t MatroskaSource::Seek(void* opaque, std::int64_t offset, int whence) {
  auto* self = static_cast<MatroskaSource*>(opaque);
  const std::int64_t size = self->file_->Size();
  if ((whence & AVSEEK_SIZE) != 0) return size;
  std::int64_t target = 0;
  switch (whence & ~AVSEEK_FORCE) {
    case SEEK_SET:
      target = offset;
      break;
    case SEEK_CUR:
      target = self->ioPosition_ + offset;
      break;
    case SEEK_END:
      target = size + offset;
      break;
    default:
      return AVERROR(EINVAL);
  }
  if (target < 0) return AVERROR(EINVAL);
  self->ioPosition_ = target;
  return target;
}

bool MatroskaSource::OpenDemuxer(Phrase& reason) {
  CloseDemuxer();
  // Damage is told by the outcome of each read, with the file's name, not on standard error.
  av_log_set_level(AV_LOG_QUIET);
  ioPosition_ = 0;
  ioFault_ = Phrase();
  stopRequested_ = false;
  auto* buffer = static_cast<std::uint8_t*>(av_malloc(IoBufferSize));
  packet_ = av_packet_alloc();
  format_ = avformat_alloc_context();
  if (buffer != nullptr)
    io_ = avio_alloc_context(buffer, IoBufferSize, 0, this, &ReadPacket, nullptr, &Seek);
  if (buffer == nullptr || io_ == nullptr || packet_ == nullptr || format_ == nullptr) {
    if (io_ == nullptr) av_free(buffer);
    CloseDemuxer();
    reason = Phrase::Say("out of memory");
    return false;
  }
  format_->pb = io_;
  const int opened = avformat_open_input(&format_, nullptr, av_find_input_format("matroska"), nullptr);
  if (opened < 0) {
    format_ = nullptr;  // freed by the failed open
    CloseDemuxer();
    reason =
        !ioFault_.Empty() ? ioFault_ : Phrase::Say("no Matroska header (%1)", ErrorText(opened));
    return false;
  }
  tracks_.clear();
  trackOfStream_.assign(format_->nb_streams, -1);
  for (unsigned i = 0; i < format_->nb_streams; ++i) {
    AVStream* stream = format_->streams[i];
    const AVCodecID codec = stream->codecpar->codec_id;
    const bool vobSub = codec == AV_CODEC_ID_DVD_SUBTITLE;
    if (stream->codecpar->codec_type != AVMEDIA_TYPE_SUBTITLE ||
        (!vobSub && codec != AV_CODEC_ID_HDMV_PGS_SUBTITLE)) {
      stream->discard = AVDISCARD_ALL;
      continue;
    }
    SourceTrack track;
    track.Kind = vobSub ? UnitKind::DvdSubpicture : UnitKind::PgsDisplaySet;
    track.LanguageCode = Tag(stream->metadata, "language");
    if (track.LanguageCode == "und") track.LanguageCode.clear();
    track.Title = Tag(stream->metadata, "title");
    if (vobSub && stream->codecpar->extradata != nullptr) {
      const char* text = reinterpret_cast<const char*>(stream->codecpar->extradata);
      track.IndexHeader.assign(
          text, strnlen(text, static_cast<std::size_t>(stream->codecpar->extradata_size)));
    }
    trackOfStream_[i] = static_cast<int>(tracks_.size());
    tracks_.push_back(std::move(track));
  }
  held_.clear();
  heldBytes_ = 0;
  heldFrom_ = 0;
  lastPosition_ = -1;
  ended_ = false;
  broken_ = false;
  fault_ = Phrase();
  return true;
}

void MatroskaSource::CloseDemuxer() {
  if (format_ != nullptr) avformat_close_input(&format_);
  if (io_ != nullptr) {
    av_freep(&io_->buffer);
    avio_context_free(&io_);
  }
  av_packet_free(&packet_);
}

bool MatroskaSource::Restart() {
  Phrase reason;
  if (OpenDemuxer(reason)) return true;
  fault_ = reason;
  return false;
}

void MatroskaSource::Hold(const SourceUnit& unit) {
  heldBytes_ += unit.Data.size();
  held_.emplace(unit.Position, unit);
  while (heldBytes_ > MaxHeldBytes && held_.size() > 1) {
    const auto first = held_.begin();
    heldBytes_ -= first->second.Data.size();
    heldFrom_ = first->first + 1;
    held_.erase(first);
  }
}

// Objects and palettes hold through an epoch: a PGS display set that goes on one begun before
// carries that epoch's earlier sets in front, so that it decodes alone, as a .sup file's do.
SourceUnit MatroskaSource::WithEpoch(SourceUnit unit) const {
  if (tracks_[static_cast<std::size_t>(unit.Track)].Kind != UnitKind::PgsDisplaySet ||
      EpochStart(unit.Data))
    return unit;
  std::vector<const SourceUnit*> earlier;
  auto it = held_.find(unit.Position);
  while (it != held_.end() && it != held_.begin() && earlier.size() < MaxEpochSets) {
    --it;
    if (it->second.Track != unit.Track) continue;
    earlier.push_back(&it->second);
    if (EpochStart(it->second.Data)) break;
  }
  std::vector<std::uint8_t> data;
  for (auto set = earlier.rbegin(); set != earlier.rend(); ++set)
    data.insert(data.end(), (*set)->Data.begin(), (*set)->Data.end());
  data.insert(data.end(), unit.Data.begin(), unit.Data.end());
  unit.Data = std::move(data);
  return unit;
}

UnitRead MatroskaSource::Failure(Phrase fault) {
  fault_ = std::move(fault);
  ended_ = true;
  return UnitRead::Failed;
}

UnitRead MatroskaSource::Read(int track, std::int64_t position, SourceUnit& unit) {
  if (track < 0 || track >= static_cast<int>(tracks_.size())) return UnitRead::EndOfFile;
  if (format_ == nullptr || broken_ || position < heldFrom_) {
    if (!Restart()) {
      if (!stopRequested_) return UnitRead::Failed;
      // Stopped while the header was read: opened again on the next read.
      stopRequested_ = false;
      fault_ = Phrase();
      return UnitRead::Stopped;
    }
  }
  for (auto it = held_.lower_bound(position); it != held_.end(); ++it) {
    if (it->second.Track != track) continue;
    unit = WithEpoch(it->second);
    return UnitRead::Found;
  }
  if (ended_) return fault_.Empty() ? UnitRead::EndOfFile : UnitRead::Failed;

  for (;;) {
    const int got = av_read_frame(format_, packet_);
    if (stopRequested_) {
      av_packet_unref(packet_);
      broken_ = true;
      stopRequested_ = false;
      return UnitRead::Stopped;
    }
    if (!ioFault_.Empty()) return Failure(ioFault_);
    if (got == AVERROR_EOF) {
      if (segmentEnd_ && *segmentEnd_ > size_)
        return Failure(
            Phrase::Say("the file is cut short: it ends at byte %1, its Matroska "
                        "segment at byte %2",
                        size_, *segmentEnd_));
      ended_ = true;
      return UnitRead::EndOfFile;
    }
    if (got < 0)
      return Failure(
          Phrase::Say("damaged Matroska data near byte %1 (%2)", ioPosition_, ErrorText(got)));
    const int index = packet_->stream_index;
    const int unitTrack = index >= 0 && index < static_cast<int>(trackOfStream_.size())
                              ? trackOfStream_[static_cast<std::size_t>(index)]
                              : -1;
    if (unitTrack < 0) {
      av_packet_unref(packet_);
      continue;
    }
    SourceUnit read;
    read.Track = unitTrack;
    // Positions order the units; one the demuxer cannot place follows the one before.
    read.Position = packet_->pos > lastPosition_ ? packet_->pos : lastPosition_ + 1;
    read.NextPosition = read.Position + 1;
    const std::int64_t pts = packet_->pts != AV_NOPTS_VALUE ? packet_->pts : packet_->dts;
    if (pts != AV_NOPTS_VALUE) {
      const std::int64_t ticks =
          av_rescale_q(pts, format_->streams[index]->time_base, AVRational{1, 90000});
      read.HasPts = true;
      read.Pts = static_cast<std::uint64_t>(std::max<std::int64_t>(ticks, 0));
    }
    if (packet_->data != nullptr && packet_->size > 0)
      read.Data.assign(packet_->data, packet_->data + packet_->size);
    av_packet_unref(packet_);
    lastPosition_ = read.Position;
    Hold(read);
    if (unitTrack == track && read.Position >= position) {
      unit = WithEpoch(std::move(read));
      return UnitRead::Found;
    }
  }
}

}  // namespace

bool Matroska::Supported() {
  return true;
}

std::unique_ptr<UnitSource> OpenMatroska(std::unique_ptr<SourceFile> file, Phrase& reason) {
  auto source = std::make_unique<MatroskaSource>(std::move(file));
  if (!source->OpenDemuxer(reason)) return nullptr;
  return source;
}

}  // namespace quelm
