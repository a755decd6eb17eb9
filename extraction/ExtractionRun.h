// One extraction run: reads a VOB file pack by pack from an offset, assembles the next unit of
// the wanted sub-stream and decodes it. Headless; the window and the command line drive it.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "extraction/PackWalker.h"
#include "extraction/Subpicture.h"
#include "extraction/SubpictureDecoder.h"
#include "extraction/UnitSource.h"
#include "platform/SourceFile.h"
#include "platform/UserInteraction.h"

namespace quelm {

class ExtractionRun {
  QUELM_TRANSLATION_CONTEXT(quelm::core)

 public:
  static constexpr int PackSize = 2048;
  static constexpr const char* FileOpeningError = QUELM_MARKED("File opening error!");
  // Shown when the unit's control table holds an unknown command; the unit still counts as found.
  static constexpr const char* InvalidSequenceMessage =
      QUELM_MARKED("DEBUGMODE: invalid sequence in control header ... ");

  // `kept` carries an open unit source from run object to run object; each has its own without.
  explicit ExtractionRun(UserInteraction& ui, std::shared_ptr<KeptUnitSource> kept = nullptr);
  ~ExtractionRun();
  ExtractionRun(const ExtractionRun&) = delete;
  ExtractionRun& operator=(const ExtractionRun&) = delete;

  // The whole run: open, GetNextSubtitle, close. Shows "File opening error!" when the file
  // cannot be opened and reports end of file (and OpeningFailed).
  SubpictureResult Run(const SubpictureRequest& request);
  // The same, leaving the outcome in Result() (which a caller may move from) instead of copying.
  void Perform(const SubpictureRequest& request);

  // Setting this between two packs ends the scan (Stopped and EndOfFile both true).
  void Stop() { stopped_ = true; }
  bool IsStopped() const { return stopped_; }

  // Called when the unit is complete, before decoding (the window's caption becomes
  // "decoding..." and Stop is disabled).
  std::function<void()> DecodingStarted;
  // Lets pending events run; called at most every few milliseconds while scanning, and the stop
  // flag is still checked after every pack. When empty, the interaction's ProcessEvents runs.
  std::function<void()> EventPump;
  // Decoding progress, as the decoder reports it.
  std::function<void(int position, int maximum)> Progress;

  // Kept current during the run, for a progress display that reads them between packs.
  std::int64_t FilePosition() const { return result_.FilePosition; }
  PresentationTime CurrentTime() const { return result_.Time; }

  // The steps of Run, exposed for the window that drives them one by one. A file read unit by
  // unit (Matroska, .sup) is opened as such and GetNextSubtitle takes its next unit.
  bool OpenVobFile(const std::string& fileName);
  void CloseVobFile();
  bool GetNextSubtitle();  // returns the end-of-file flag
  void UpdatePTSTimeCode(const PesPacket& packet);
  bool TryToMakeBitmap();

  void Begin(const SubpictureRequest& request);
  SubpictureResult& Result() { return result_; }

  // Size of one buffered read. A run object that is reused for the next run of the same,
  // unchanged file keeps what it read beyond the last pack instead of reading it again.
  static constexpr std::size_t ReadChunkSize = 1 << 20;

 private:
  bool OpenUnitFile(const std::string& fileName, SourceFormat format);
  bool GetNextUnit();
  bool EnsurePack();
  void LetEventsRun();
  void EndOfData();
  void DiscardUnit();
  void MakeTiming();
  UserInteraction& ui_;
  SubpictureDecoder decoder_;
  SubpictureRequest request_;
  SubpictureResult result_;
  std::unique_ptr<SourceFile> file_;
  // Set while the open file is read unit by unit.
  std::shared_ptr<KeptUnitSource> kept_;
  UnitSource* units_ = nullptr;
  std::vector<std::uint8_t> spuBuffer_;
  std::atomic<bool> stopped_ = false;
  // The unit's first packet on the title's timeline, taken when that packet was read.
  std::int64_t unitTitleTicks_ = 0;
  bool hasUnitTitleTicks_ = false;

  // Read buffer: readBase_[readPos_, readLength_) holds the file from offset
  // bufferOffset_ + readPos_ onwards.
  static constexpr std::size_t BufferAlignment = 4096;
  std::vector<std::uint8_t> readBuffer_;
  std::uint8_t* readBase_ = nullptr;  // page-aligned start inside readBuffer_
  std::size_t readPos_ = 0;
  std::size_t readLength_ = 0;
  std::int64_t bufferOffset_ = 0;
  bool readEnded_ = false;
  bool readFailed_ = false;
  std::string bufferFileName_;
  SourceIdentity bufferIdentity_;

  int packsSinceClockCheck_ = 0;
  std::chrono::steady_clock::time_point lastPump_;
};

}  // namespace quelm
