// Pack reader and decoder: a VOB read from any offset, or one unit given to the decoder alone.
// Input: byte 0 = mode and sub-stream, byte 1 = interlace step, bytes 2-3 = start offset,
// the rest is the file (or the unit).
#include <algorithm>

#include "extraction/ExtractionRun.h"
#include "extraction/SubpictureDecoder.h"
#include "fuzz/FuzzSupport.h"

namespace quelm::fuzz {

void VobInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return;
  const bool decoderOnly = (data[0] & 0x80) != 0;
  const int subStream = 0x20 + (data[0] & 0x1F);
  const int interlaceStep = 1 + data[1] % 4;
  const std::size_t offset = static_cast<std::size_t>(data[2] | (data[3] << 8));
  const std::uint8_t* body = data + 4;
  const std::size_t bodySize = size - 4;
  SilentInteraction ui;

  if (decoderOnly) {
    SubpictureDecoder decoder;
    Bitmap bitmap;
    decoder.TryToMakeBitmap({body, bodySize}, interlaceStep,
                            {ColorBlack, 0xC8C8C8, 0x686868, ColorWhite}, bitmap);
    return;
  }

  const std::string path = WriteScratchFile("title.vob", {reinterpret_cast<const char*>(body), bodySize});
  SubpictureRequest request;
  request.VobFileName = path;
  request.SubStreamId = subStream;
  request.InterlaceStep = interlaceStep;
  request.FilePosition = static_cast<std::int64_t>(std::min(offset, bodySize));
  // Walk the file unit after unit, then once more into the same file as the next of a title,
  // carrying what the first walk left unfinished.
  for (int pass = 0; pass < 2; ++pass) {
    for (int units = 0; units < 64; ++units) {
      ExtractionRun run(ui);
      SubpictureResult result = run.Run(request);
      if (result.FilePosition < request.FilePosition && !result.StartedInPreviousFile)
        Broken("the run went backwards");
      if (result.SubTitle.Width() > Bitmap::MaxSide || result.SubTitle.Height() > Bitmap::MaxSide)
        Broken("bitmap beyond the size cap");
      request.CarriedUnit.clear();
      request.HasCarriedUnitPts = false;
      request.CarriedStartPosition = -1;
      if (result.EndOfFile) {
        request.CarriedUnit = std::move(result.UnfinishedUnit);
        request.CarriedStartPosition = result.UnfinishedStartPosition;
        request.CarriedUnitPts = result.UnfinishedUnitPts;
        request.HasCarriedUnitPts = result.HasUnfinishedUnitPts;
        request.FilePosition = 0;
        break;
      }
      if (result.FilePosition == request.FilePosition) break;  // no progress: stop the walk
      request.FilePosition = result.FilePosition;
    }
  }
}

}  // namespace quelm::fuzz

QUELM_FUZZ_TARGET(VobInput)
