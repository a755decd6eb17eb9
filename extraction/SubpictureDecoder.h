// Decodes one complete subpicture unit into a four-colour bitmap.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/ByteReader.h"

namespace quelm {

class SubpictureDecoder {
 public:
  // Called once per code so that pending events run; may be left empty.
  std::function<void()> EventPump;
  // Progress: set to 0 with the maximum before pixel decoding, advanced per byte read. Reported
  // at the start, whenever the events run, and at the end.
  std::function<void(int position, int maximum)> Progress;

  // Never reads outside `unit`, whatever its sizes and offsets claim. Returns false when the
  // control table holds an invalid command; `bitmap` then keeps any display area already set,
  // undrawn. Telling the user is the caller's part.
  bool TryToMakeBitmap(std::span<const std::uint8_t> unit, int interlaceStep,
                       const std::array<Color, 4>& bitmapColors, Bitmap& bitmap);

 private:
  int GetByte();
  int GetNibble();
  void HaFoundCode(int value);
  void FillImage(int count, int colorCode);
  void NextLine();
  void StartRow();
  void LetEventsRun();

  // Per-unit state; see the .cpp for the meaning of each.
  ByteReader unit_;
  Bitmap* bitmap_ = nullptr;
  std::array<Color, 5> codeColors_{};
  int controlOffset_ = 0;
  std::array<int, 2> fieldOffsets_{0, 0};
  int currentField_ = 0;
  bool highNibbleNext_ = true;
  int currentByte_ = 0;
  int column_ = 0;
  int sourceLine_ = 0;
  int nextDrawnLine_ = 0;
  int bitmapRow_ = 0;
  int interlaceStep_ = 1;
  int progress_ = 0;
  int progressMaximum_ = 0;
  bool dataExhausted_ = false;
  int width_ = 0;
  int height_ = 0;
  std::vector<Color> rows_;   // drawn rows, width_ pixels each; becomes the bitmap at the end
  Color* drawRow_ = nullptr;  // the row in rows_ being drawn; null on display lines not drawn
  int codesSincePump_ = 0;
  std::chrono::steady_clock::time_point lastPump_;
};

}  // namespace quelm
