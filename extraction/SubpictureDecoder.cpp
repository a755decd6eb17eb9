// Decodes one DVD subpicture unit: the control table for display area and field offsets, then
// the run-length coded rows of the two interlaced fields, drawn in the caller's four colours.
#include "extraction/SubpictureDecoder.h"

#include <algorithm>

#include "extraction/ControlTable.h"

namespace quelm {

namespace {

// Events run at most this often while decoding; a clock read every few codes is cheap enough.
constexpr auto PumpInterval = std::chrono::milliseconds(4);
constexpr int CodesPerClockCheck = 64;

}  // namespace

inline int SubpictureDecoder::GetByte() {
  int& offset = fieldOffsets_[currentField_];
  // A negative offset turns huge and reads nothing.
  const std::size_t at = static_cast<std::size_t>(offset);
  if (!unit_.Has(at, 1)) {
    dataExhausted_ = true;
    return 0;
  }
  ++offset;
  ++progress_;
  return *unit_.U8(at);
}

inline int SubpictureDecoder::GetNibble() {
  if (highNibbleNext_) {
    currentByte_ = GetByte();
    highNibbleNext_ = false;
    return currentByte_ >> 4;
  }
  highNibbleNext_ = true;
  return currentByte_ & 0x0F;
}

// Unit layout (offsets from its start, big-endian): 0..1 UnitSize, 2..3 ControlOffset,
// 4.. pixel data of both fields, ControlOffset.. the control table.
bool SubpictureDecoder::TryToMakeBitmap(std::span<const std::uint8_t> unit, int interlaceStep,
                                        const std::array<Color, 4>& bitmapColors, Bitmap& bitmap) {
  unit_ = ByteReader(unit);
  bitmap_ = &bitmap;
  bitmap = Bitmap();
  // Pixel code 1 takes colour entry 2 and code 2 entry 1; entry 4 is the row-end fill.
  codeColors_ = {bitmapColors[0], bitmapColors[2], bitmapColors[1], bitmapColors[3],
                 bitmapColors[0]};
  interlaceStep_ = std::clamp(interlaceStep, 1, 4);
  fieldOffsets_ = {0, 0};
  controlOffset_ = 0;

  if (unit.size() < 4) return true;  // no table at all: no display area, empty bitmap
  const ControlTable table = ReadControlTable(unit);
  controlOffset_ = table.ControlOffset;
  fieldOffsets_ = table.FieldOffsets;
  const int width = table.Width;
  const int height = table.Height;
  if (table.InvalidCommand) {
    if (width > 0 && height > 0) bitmap = Bitmap(width, height, codeColors_[0]);
    return false;
  }

  progress_ = 0;
  progressMaximum_ = controlOffset_ + 2;
  if (Progress) Progress(progress_, progressMaximum_);
  if (width <= 0 || height <= 0) return true;

  width_ = width;
  height_ = height;
  rows_.clear();
  // Room for the rows a truthful unit fills; a lying area claim only grows as rows are drawn.
  const std::size_t drawnRows =
      static_cast<std::size_t>((height + interlaceStep_ - 1) / interlaceStep_);
  rows_.reserve(std::min<std::size_t>(drawnRows * static_cast<std::size_t>(width), 1 << 20));
  currentField_ = 0;
  highNibbleNext_ = true;
  currentByte_ = 0;
  column_ = 0;
  sourceLine_ = 0;
  nextDrawnLine_ = 0;
  bitmapRow_ = 0;
  dataExhausted_ = false;
  codesSincePump_ = 0;
  lastPump_ = std::chrono::steady_clock::now();
  StartRow();

  while (fieldOffsets_[1] < controlOffset_ + 2 && sourceLine_ < height_) {
    // Codes of one to four nibbles; four nibbles with a value below 0x100 end the row.
    int value = GetNibble();
    bool rowEnd = false;
    if (value < 0x4) {
      value = (value << 4) | GetNibble();
      if (value < 0x10) {
        value = (value << 4) | GetNibble();
        if (value < 0x40) {
          value = (value << 4) | GetNibble();
          rowEnd = value < 0x100;
        }
      }
    }
    // Data ran out inside the buffer: keep the rows finished so far, drop the partial code.
    if (dataExhausted_) break;
    if (rowEnd) {
      if (!highNibbleNext_) GetNibble();  // rows start on a byte boundary
      NextLine();
    } else {
      HaFoundCode(value);
    }
    if (++codesSincePump_ >= CodesPerClockCheck) LetEventsRun();
  }

  // The row being drawn when the data ended is dropped.
  rows_.resize(static_cast<std::size_t>(bitmapRow_) * static_cast<std::size_t>(width_));
  bitmap = Bitmap(width_, bitmapRow_, std::move(rows_));
  rows_ = std::vector<Color>();
  drawRow_ = nullptr;
  if (Progress) Progress(progress_, progressMaximum_);
  return true;
}

void SubpictureDecoder::HaFoundCode(int value) {
  FillImage(value >> 2, value & 3);
  if (column_ >= width_) {
    if (!highNibbleNext_) GetNibble();
    NextLine();
  }
}

void SubpictureDecoder::FillImage(int count, int colorCode) {
  const int end = std::min(width_, column_ + count);
  if (drawRow_ != nullptr) {
    const Color color = codeColors_[colorCode];
    for (int x = column_; x < end; ++x) drawRow_[x] = color;
  }
  // Rows that are not drawn count their columns too, so that a row filled by runs alone ends at
  // the width there as well and both fields stay in step.
  column_ = end;
}

void SubpictureDecoder::StartRow() {
  // Only a display line that is drawn gets a bitmap row; rows grow as they are decoded.
  drawRow_ = nullptr;
  if (sourceLine_ != nextDrawnLine_ || sourceLine_ >= height_) return;
  const std::size_t rowStart =
      static_cast<std::size_t>(bitmapRow_) * static_cast<std::size_t>(width_);
  rows_.resize(rowStart + static_cast<std::size_t>(width_), codeColors_[0]);
  drawRow_ = rows_.data() + rowStart;
}

void SubpictureDecoder::NextLine() {
  if (sourceLine_ >= height_) return;
  FillImage(width_, 4);
  column_ = 0;
  ++sourceLine_;
  currentField_ = 1 - currentField_;
  if (sourceLine_ - 1 == nextDrawnLine_) {
    nextDrawnLine_ += interlaceStep_;
    ++bitmapRow_;
  }
  StartRow();
}

void SubpictureDecoder::LetEventsRun() {
  codesSincePump_ = 0;
  const auto now = std::chrono::steady_clock::now();
  if (now - lastPump_ < PumpInterval) return;
  lastPump_ = now;
  if (Progress) Progress(progress_, progressMaximum_);
  if (EventPump) EventPump();
}

}  // namespace quelm
