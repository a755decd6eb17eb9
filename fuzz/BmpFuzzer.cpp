// BMP reader: any bytes; what reads back is written at each depth and read again.
#include "fuzz/FuzzSupport.h"
#include "platform/BmpFile.h"

namespace quelm::fuzz {

void BmpInput(const std::uint8_t* data, std::size_t size) {
  BmpReadResult read = ReadBmpFromMemory(data, size, "input.bmp");
  if (!read.Outcome.Ok) {
    if (read.Outcome.Message.find("input.bmp") == std::string::npos)
      Broken("message does not name the file: " + read.Outcome.Message);
    return;
  }
  const Bitmap& image = read.Image;
  if (image.IsEmpty() || static_cast<long long>(image.Width()) * image.Height() > (1 << 20)) return;
  for (int bits : {1, 4, 24}) {
    const std::string path = ScratchDirectory() + "copy.bmp";
    if (!WriteBmp(path, image, bits).Ok) Broken("cannot write a BMP");
    BmpReadResult back = ReadBmp(path);
    if (!back.Outcome.Ok) Broken("own file unreadable: " + back.Outcome.Message);
    if (back.Image.Width() != image.Width() || back.Image.Height() != image.Height())
      Broken("size changed in a round trip");
    if (bits == 24 && !(back.Image == image)) Broken("24-bit round trip changed pixels");
  }
}

}  // namespace quelm::fuzz

QUELM_FUZZ_TARGET(BmpInput)
