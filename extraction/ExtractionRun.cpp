// One extraction run: scans a VOB file pack by pack for the next subpicture unit of one
// sub-stream, keeps the presentation time current, and decodes the unit once it is complete.
#include "extraction/ExtractionRun.h"

#include <algorithm>
#include <cstring>

#include "extraction/DisplayControl.h"
#include "extraction/PgsDecoder.h"

namespace quelm {

namespace {

constexpr auto PumpInterval = std::chrono::milliseconds(4);
// Reading the clock once per pack would cost more than examining the pack.
constexpr int PacksPerClockCheck = 64;

// Another unit of the sub-stream begins in what is left of the pack.
bool UnitStartsInRest(PackWalker rest, int subStreamId) {
  PesPacket packet;
  while (rest.Next(packet)) {
    if (packet.StreamId == PackWalker::PrivateStream1 && packet.HasPts && packet.PayloadSize > 0 &&
        packet.Payload[0] == subStreamId)
      return true;
  }
  return false;
}

}  // namespace

ExtractionRun::ExtractionRun(UserInteraction& ui, std::shared_ptr<KeptUnitSource> kept)
    : ui_(ui), kept_(kept ? std::move(kept) : std::make_shared<KeptUnitSource>()) {
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
  Phrase reason;
  // Reads go straight into our own buffer, by offset: an ordinary file or one inside an image.
  file_ = SourceFile::Open(fileName, reason);
  if (file_ != nullptr && position >= 0) {
    const SourceFormat format = DetectSourceFormat(*file_, fileName);
    if (format != SourceFormat::PackStream) return OpenUnitFile(fileName, format);
  }
  const bool ok = file_ != nullptr && position >= 0;
  if (ok) {
    const SourceIdentity& identity = file_->Identity();
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
  }
  if (!ok) {
    CloseVobFile();
    bufferFileName_.clear();
    readPos_ = readLength_ = 0;
    ui_.ShowMessage(MessageKind::Warning, Phrase::SayMarked(FileOpeningError));
    return false;
  }
  readEnded_ = false;
  readFailed_ = false;
  return true;
}

bool ExtractionRun::OpenUnitFile(const std::string& fileName, SourceFormat format) {
  KeptUnitSource& kept = *kept_;
  if (kept.Source == nullptr || kept.FileName != fileName ||
      !(kept.Source->Identity() == file_->Identity())) {
    kept.Source.reset();
    kept.FileName.clear();
    Phrase reason;
    kept.Source = OpenUnitSource(std::move(file_), format, reason);
    if (kept.Source == nullptr) {
      ui_.ShowMessage(MessageKind::Warning, Phrase::Say("Cannot read %1: %2", fileName, reason));
      return false;
    }
    kept.FileName = fileName;
  }
  file_.reset();
  units_ = kept.Source.get();
  units_->Reading = [this](std::int64_t offset) {
    result_.FilePosition = offset;
    if (std::chrono::steady_clock::now() - lastPump_ >= PumpInterval) LetEventsRun();
    return !stopped_;
  };
  return true;
}

void ExtractionRun::CloseVobFile() {
  file_.reset();
  if (units_ != nullptr) units_->Reading = nullptr;
  units_ = nullptr;
}

bool ExtractionRun::GetNextUnit() {
  stopped_ = false;
  lastPump_ = std::chrono::steady_clock::now();
  LetEventsRun();
  // Units come whole: nothing is carried into or out of such a file.
  spuBuffer_.clear();
  result_.StartPosition = -1;
  result_.StartedInPreviousFile = false;
  result_.HasUnitPts = false;
  result_.UnitPts = 0;
  // The file opened as what it is: it is no stray file without a single pack.
  result_.Packs = 1;

  SourceUnit unit;
  std::int64_t from = std::max<std::int64_t>(result_.FilePosition, 0);
  const int track = request_.SubStreamId - 0x20;
  PgsPicture picture;
  Status pgsStatus;
  for (;;) {
    switch (units_->Read(track, from, unit)) {
      case UnitRead::Found:
        break;
      case UnitRead::EndOfFile:
        result_.FilePosition = std::max(from, units_->Size());
        return true;
      case UnitRead::Stopped:
        result_.Stopped = true;
        return true;
      case UnitRead::Failed:
        result_.ReadFault = units_->Fault().English();
        return true;
    }
    if (units_->Tracks()[static_cast<std::size_t>(unit.Track)].Kind != UnitKind::PgsDisplaySet) break;
    // A display set that shows nothing only ends the subtitle before it; one cut off before
    // its end segment is dropped, as a unit cut short is.
    PgsDecoder pgs;
    pgsStatus = pgs.AddSegments(unit.Data);
    picture = pgs.Picture(request_.BitmapColors);
    if (!picture.Empty && pgs.DisplaySetEnded()) break;
    from = unit.NextPosition;
    result_.FilePosition = from;
    if (stopped_) {
      result_.Stopped = true;
      return true;
    }
  }
  result_.StartPosition = unit.Position;
  result_.HasUnitPts = unit.HasPts;
  result_.UnitPts = unit.Pts;
  if (unit.HasPts) result_.Time = PresentationTimeFromPts(unit.Pts);
  // Times are the file's own: it starts at the film's start.
  unitTitleTicks_ = static_cast<std::int64_t>(unit.Pts);
  hasUnitTitleTicks_ = true;
  if (DecodingStarted) DecodingStarted();
  if (units_->Tracks()[static_cast<std::size_t>(unit.Track)].Kind == UnitKind::DvdSubpicture) {
    spuBuffer_ = std::move(unit.Data);
    TryToMakeBitmap();
    spuBuffer_.clear();
  } else {
    result_.SubTitle = std::move(picture.Roles);
    result_.TrueColour = std::move(picture.TrueColour);
    result_.Decoded = pgsStatus.Ok;
    if (!pgsStatus)
      ui_.ShowMessage(MessageKind::Warning,
                      Phrase::Say("The PGS display set at byte %1 is damaged: %2", unit.Position,
                                  pgsStatus.Wording));
    SubtitleTiming& timing = result_.Timing;
    timing = SubtitleTiming();
    timing.Known = unit.HasPts;
    timing.Forced = picture.Forced;
    timing.StartMs = TitleTimeline::TicksToMs(unitTitleTicks_);
    // Whatever display set comes next replaces or clears this one.
    SourceUnit next;
    if (units_->Read(track, unit.NextPosition, next) == UnitRead::Found && next.HasPts) {
      timing.HasEnd = true;
      timing.EndMs = TitleTimeline::TicksToMs(static_cast<std::int64_t>(next.Pts));
    }
  }
  result_.FilePosition = unit.NextPosition;
  return false;
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
    const std::int64_t got =
        file_->ReadAt(bufferOffset_ + static_cast<std::int64_t>(readLength_),
                      readBase_ + readLength_, ReadChunkSize - readLength_);
    if (got <= 0) {
      readEnded_ = true;
      readFailed_ = got < 0;
      if (readFailed_) result_.ReadFault = file_->Fault().English();
      return false;
    }
    readLength_ += static_cast<std::size_t>(got);
  }
  return true;
}

bool ExtractionRun::GetNextSubtitle() {
  if (units_ != nullptr) return GetNextUnit();
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
    const std::int64_t packOffset = result_.FilePosition - PackSize;
    PackWalker walker(block, PackSize);
    if (!walker.IsPack()) {
      DiscardUnit();
      return true;
    }
    ++result_.Packs;

    PesPacket packet;
    while (walker.Next(packet)) {
      if (packet.StreamId == PackWalker::PrivateStream2) {
        if (const auto vobu = ReadPciTimes(packet))
          result_.Timeline.ObserveVobu(vobu->Start, vobu->End);
        continue;
      }
      if (packet.StreamId == PackWalker::VideoStream) {
        if (!result_.Timeline.HasOrigin() && packet.HasPts)
          result_.Timeline.ObserveVideoPts(packet.Pts);
        continue;
      }
      if (packet.StreamId != PackWalker::PrivateStream1) continue;
      // Every private-stream-1 packet with a PTS moves the time on, whatever its sub-stream.
      UpdatePTSTimeCode(packet);
      if (packet.PayloadSize == 0 || packet.Payload[0] != request_.SubStreamId) continue;
      if (packet.HasPts && result_.StartedInPreviousFile) {
        // A unit starts here, so the carried head had no continuation in this file.
        spuBuffer_.clear();
        result_.StartPosition = -1;
        result_.StartedInPreviousFile = false;
        result_.HasUnitPts = false;
        result_.UnitPts = 0;
        hasUnitTitleTicks_ = false;
      }
      // Only a packet with a PTS begins a unit; one without is the tail of a unit that began
      // before this run's start.
      if (spuBuffer_.empty() && result_.StartPosition == -1 && !packet.HasPts) continue;
      if (result_.StartPosition == -1) {
        result_.StartPosition = packOffset;
        result_.UnitPts = packet.Pts;
        result_.HasUnitPts = packet.HasPts;
        // Taken now: a later navigation pack may already belong to a new PTS base.
        unitTitleTicks_ = result_.Timeline.TitleTicks(result_.UnitPts);
        hasUnitTitleTicks_ = true;
      }
      // The packet's own payload only: what follows it in the pack is not the unit's.
      spuBuffer_.insert(spuBuffer_.end(), packet.Payload + 1, packet.Payload + packet.PayloadSize);
      if (spuBuffer_.size() < 2) continue;
      const std::size_t unitSize = (static_cast<std::size_t>(spuBuffer_[0]) << 8) | spuBuffer_[1];
      if (spuBuffer_.size() < unitSize) continue;
      // When the next unit begins in this pack after the end of one begun in an earlier pack, the
      // next run reads this pack again: it skips this unit's tail, which has no PTS.
      const bool begunEarlier = result_.StartedInPreviousFile || result_.StartPosition < packOffset;
      if (begunEarlier && UnitStartsInRest(walker, request_.SubStreamId))
        result_.FilePosition = packOffset;
      if (DecodingStarted) DecodingStarted();
      TryToMakeBitmap();
      spuBuffer_.clear();
      return false;
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

void ExtractionRun::UpdatePTSTimeCode(const PesPacket& packet) {
  if (packet.HasPts) result_.Time = PresentationTimeFromPts(packet.Pts);
}

bool ExtractionRun::TryToMakeBitmap() {
  result_.Decoded = decoder_.TryToMakeBitmap(spuBuffer_, request_.InterlaceStep,
                                             request_.BitmapColors, result_.SubTitle);
  if (!result_.Decoded)
    ui_.ShowMessage(MessageKind::Error, Phrase::SayMarked(InvalidSequenceMessage));
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
