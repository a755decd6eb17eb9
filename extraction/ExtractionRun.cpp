// One extraction run: scans a VOB file pack by pack for the next subpicture unit of one
// sub-stream, keeps the presentation time current, and decodes the unit once it is complete.
#include "extraction/ExtractionRun.h"

#include <sys/stat.h>

#include <cstring>

#include "extraction/DisplayControl.h"

namespace quelm {

namespace {

constexpr auto PumpInterval = std::chrono::milliseconds(4);
// Reading the clock once per pack would cost more than examining the pack.
constexpr int PacksPerClockCheck = 64;

// Pack layout as DVD VOB files have it (14-byte pack header, no stuffing):
//   0..3 00 00 01 BA | 14..17 00 00 01 BD private stream 1 | 21 PTS_DTS flags in the top bits
//   22 PES header data length H | 23..27 PTS | 23+H sub-stream id | 24+H..2047 payload
constexpr int PesStart = 14;
constexpr int PesFlags = 21;
constexpr int PesHeaderLength = 22;
constexpr int PtsStart = 23;

bool IsPackStart(const std::uint8_t* block) {
  return block[0] == 0x00 && block[1] == 0x00 && block[2] == 0x01 && block[3] == 0xBA;
}

bool IsSystemHeaderOrPrivateStream2(const std::uint8_t* block) {
  return block[PesStart] == 0x00 && block[PesStart + 1] == 0x00 && block[PesStart + 2] == 0x01 &&
         (block[PesStart + 3] == 0xBB || block[PesStart + 3] == 0xBF);
}

bool IsVideo(const std::uint8_t* block) {
  return block[PesStart] == 0x00 && block[PesStart + 1] == 0x00 && block[PesStart + 2] == 0x01 &&
         block[PesStart + 3] == 0xE0;
}

bool IsPrivateStream1(const std::uint8_t* block) {
  return block[PesStart] == 0x00 && block[PesStart + 1] == 0x00 && block[PesStart + 2] == 0x01 &&
         block[PesStart + 3] == 0xBD;
}

// PTS_DTS flags 10 or 11.
bool HasPts(const std::uint8_t* block) {
  return (block[PesFlags] & 0x80) != 0;
}

// The 33-bit PTS in MPEG-2 systems layout; the marker bits are ignored.
std::uint64_t ReadPts(const std::uint8_t* block) {
  const std::uint8_t* p = block + PtsStart;
  return (static_cast<std::uint64_t>((p[0] >> 1) & 0x07) << 30) |
         (static_cast<std::uint64_t>(p[1]) << 22) | (static_cast<std::uint64_t>(p[2] >> 1) << 15) |
         (static_cast<std::uint64_t>(p[3]) << 7) | static_cast<std::uint64_t>(p[4] >> 1);
}

}  // namespace

ExtractionRun::ExtractionRun(UserInteraction& ui) : ui_(ui) {
  decoder_.EventPump = [this] { LetEventsRun(); };
  decoder_.Progress = [this](int position, int maximum) {
    if (Progress) Progress(position, maximum);
  };
}

ExtractionRun::~ExtractionRun() {
  CloseVobFile();
}

SubpictureResult ExtractionRun::Run(const SubpictureRequest& request) {
  Perform(request);
  return result_;
}

void ExtractionRun::Perform(const SubpictureRequest& request) {
  Begin(request);
  if (OpenVobFile(request.VobFileName)) {
    result_.EndOfFile = GetNextSubtitle();
    CloseVobFile();
  } else {
    // Nothing of this file was read, so a unit carried from the previous file goes too.
    spuBuffer_.clear();
    result_.StartPosition = -1;
    result_.StartedInPreviousFile = false;
    result_.HasUnitPts = false;
    result_.UnitPts = 0;
    result_.EndOfFile = true;
    result_.OpeningFailed = true;
  }
}

void ExtractionRun::Begin(const SubpictureRequest& request) {
  request_ = request;
  result_ = SubpictureResult();
  result_.FilePosition = request.FilePosition;
  result_.Timeline = request.Timeline;
  hasUnitTitleTicks_ = false;
  stopped_ = false;
  spuBuffer_ = request.CarriedUnit;
  if (!spuBuffer_.empty()) {
    result_.StartPosition = request.CarriedStartPosition;
    result_.StartedInPreviousFile = true;
    result_.UnitPts = request.CarriedUnitPts;
    result_.HasUnitPts = request.HasCarriedUnitPts;
    // No PTS of this file may come before the unit completes; its own is the best time.
    if (request.HasCarriedUnitPts) result_.Time = PresentationTimeFromPts(request.CarriedUnitPts);
  }
}

bool ExtractionRun::OpenVobFile(const std::string& fileName) {
  CloseVobFile();
  const std::int64_t position = result_.FilePosition;
  file_ = std::fopen(fileName.c_str(), "rb");
  struct stat info {};
  bool ok = file_ != nullptr && position >= 0;
  // Reads go straight into our own buffer; a stdio buffer would only add a copy.
  if (ok) ok = std::setvbuf(file_, nullptr, _IONBF, 0) == 0;
  if (ok) ok = fstat(fileno(file_), &info) == 0 && !S_ISDIR(info.st_mode);
  if (ok) {
    const FileIdentity identity{
        static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
        static_cast<std::int64_t>(info.st_size),
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
    const bool reuse = fileName == bufferFileName_ && identity == bufferIdentity_ &&
                       position >= bufferOffset_ &&
                       position <= bufferOffset_ + static_cast<std::int64_t>(readLength_);
    if (reuse) {
      readPos_ = static_cast<std::size_t>(position - bufferOffset_);
    } else {
      bufferOffset_ = position;
      readPos_ = readLength_ = 0;
    }
    bufferFileName_ = fileName;
    bufferIdentity_ = identity;
    ok = fseeko(file_, static_cast<off_t>(bufferOffset_ + static_cast<std::int64_t>(readLength_)),
                SEEK_SET) == 0;
  }
  if (!ok) {
    CloseVobFile();
    bufferFileName_.clear();
    readPos_ = readLength_ = 0;
    ui_.ShowMessage(MessageKind::Warning, FileOpeningError);
    return false;
  }
  readEnded_ = false;
  readFailed_ = false;
  return true;
}

void ExtractionRun::CloseVobFile() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
}

bool ExtractionRun::EnsurePack() {
  if (readLength_ - readPos_ >= static_cast<std::size_t>(PackSize)) return true;
  if (readEnded_ || file_ == nullptr) return false;
  if (readBuffer_.empty()) {
    // Page-aligned, so that the kernel copies into whole pages.
    readBuffer_.resize(ReadChunkSize + BufferAlignment);
    const auto address = reinterpret_cast<std::uintptr_t>(readBuffer_.data());
    readBase_ =
        readBuffer_.data() + ((BufferAlignment - address % BufferAlignment) % BufferAlignment);
  }
  const std::size_t tail = readLength_ - readPos_;
  if (tail > 0) std::memmove(readBase_, readBase_ + readPos_, tail);
  bufferOffset_ += static_cast<std::int64_t>(readPos_);
  readPos_ = 0;
  readLength_ = tail;
  while (readLength_ < static_cast<std::size_t>(PackSize)) {
    const std::size_t got =
        std::fread(readBase_ + readLength_, 1, ReadChunkSize - readLength_, file_);
    readLength_ += got;
    if (got == 0) {
      readEnded_ = true;
      readFailed_ = std::ferror(file_) != 0;
      return false;
    }
  }
  return true;
}

bool ExtractionRun::GetNextSubtitle() {
  stopped_ = false;
  packsSinceClockCheck_ = 0;
  lastPump_ = std::chrono::steady_clock::now();
  LetEventsRun();

  for (;;) {
    if (!EnsurePack()) {
      if (readFailed_) {
        DiscardUnit();
        return true;
      }
      // End of data. A short tail is no pack: count it as read but never look inside it.
      const std::size_t tail = readLength_ - readPos_;
      readPos_ += tail;
      result_.FilePosition += static_cast<std::int64_t>(tail);
      EndOfData();
      return true;
    }

    const std::uint8_t* block = readBase_ + readPos_;
    readPos_ += PackSize;
    result_.FilePosition += PackSize;
    if (!IsPackStart(block)) {
      DiscardUnit();
      return true;
    }
    ++result_.Packs;

    if (IsSystemHeaderOrPrivateStream2(block)) {
      if (const auto vobu = ReadNavigationPack(block, PackSize))
        result_.Timeline.ObserveVobu(vobu->Start, vobu->End);
    } else if (!result_.Timeline.HasOrigin() && IsVideo(block) && HasPts(block)) {
      result_.Timeline.ObserveVideoPts(ReadPts(block));
    } else if (IsPrivateStream1(block)) {
      // Every private-stream-1 packet with a PTS moves the time on, whatever its sub-stream.
      UpdatePTSTimeCode(block, PackSize);
      const int headerLength = block[PesHeaderLength];
      const int payloadStart = PtsStart + 1 + headerLength;  // at most 279, inside the pack
      if (block[PtsStart + headerLength] == request_.SubStreamId) {
        const bool hasPts = HasPts(block);
        if (hasPts && result_.StartedInPreviousFile) {
          // A unit starts here, so the carried head had no continuation in this file.
          spuBuffer_.clear();
          result_.StartPosition = -1;
          result_.StartedInPreviousFile = false;
          result_.HasUnitPts = false;
          result_.UnitPts = 0;
          hasUnitTitleTicks_ = false;
        }
        // Only a packet with a PTS begins a unit; one without is the tail of a unit that began
        // before this run's start (in the previous file of the title).
        if (!spuBuffer_.empty() || hasPts) {
          if (result_.StartPosition == -1) {
            result_.StartPosition = result_.FilePosition - PackSize;
            result_.UnitPts = ReadPts(block);
            result_.HasUnitPts = true;
            // Taken now: a later navigation pack may already belong to a new PTS base.
            unitTitleTicks_ = result_.Timeline.TitleTicks(result_.UnitPts);
            hasUnitTitleTicks_ = true;
          }
          // To the end of the pack: padding after the PES packet lies beyond the unit's size.
          spuBuffer_.insert(spuBuffer_.end(), block + payloadStart, block + PackSize);
          const std::size_t unitSize =
              (static_cast<std::size_t>(spuBuffer_[0]) << 8) | spuBuffer_[1];
          if (spuBuffer_.size() >= unitSize) {
            if (DecodingStarted) DecodingStarted();
            TryToMakeBitmap();
            spuBuffer_.clear();
            return false;
          }
        }
      }
    }

    if (stopped_) {
      result_.Stopped = true;
      DiscardUnit();
      return true;
    }
    if (++packsSinceClockCheck_ >= PacksPerClockCheck) {
      packsSinceClockCheck_ = 0;
      if (std::chrono::steady_clock::now() - lastPump_ >= PumpInterval) LetEventsRun();
    }
  }
}

void ExtractionRun::UpdatePTSTimeCode(const std::uint8_t* block, int length) {
  if (length < PtsStart + 5 || !HasPts(block)) return;
  result_.Time = PresentationTimeFromPts(ReadPts(block));
}

bool ExtractionRun::TryToMakeBitmap() {
  result_.Decoded = decoder_.TryToMakeBitmap(spuBuffer_, request_.InterlaceStep,
                                             request_.BitmapColors, result_.SubTitle);
  if (!result_.Decoded) ui_.ShowMessage(MessageKind::Error, InvalidSequenceMessage);
  MakeTiming();
  return result_.Decoded;
}

void ExtractionRun::MakeTiming() {
  SubtitleTiming& timing = result_.Timing;
  timing = SubtitleTiming();
  if (!result_.HasUnitPts) return;
  const DisplayControl control = ReadDisplayControl(spuBuffer_);
  const std::int64_t unitTicks =
      hasUnitTitleTicks_ ? unitTitleTicks_ : result_.Timeline.TitleTicks(result_.UnitPts);
  const std::int64_t startDelay = control.HasStart ? control.StartDelay : 0;
  timing.Known = true;
  timing.Forced = control.Forced;
  timing.StartMs = TitleTimeline::TicksToMs(unitTicks + startDelay * DisplayControl::DelayTicks);
  if (control.HasStop) {
    timing.HasEnd = true;
    timing.EndMs = TitleTimeline::TicksToMs(unitTicks + std::int64_t{control.StopDelay} *
                                                            DisplayControl::DelayTicks);
  }
}

void ExtractionRun::LetEventsRun() {
  lastPump_ = std::chrono::steady_clock::now();
  if (EventPump) {
    EventPump();
  } else {
    ui_.ProcessEvents();
  }
}

void ExtractionRun::EndOfData() {
  // The caller can complete this unit with the first packets of the title's next file.
  if (!spuBuffer_.empty()) {
    result_.UnfinishedUnit = std::move(spuBuffer_);
    result_.UnfinishedStartPosition = result_.StartPosition;
    result_.UnfinishedUnitPts = result_.UnitPts;
    result_.HasUnfinishedUnitPts = result_.HasUnitPts;
  }
  spuBuffer_.clear();
}

void ExtractionRun::DiscardUnit() {
  spuBuffer_.clear();
}

}  // namespace quelm
