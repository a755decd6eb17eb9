// VobSub index reader: any bytes as a .idx file.
#include "disc/VobSubIndex.h"
#include "fuzz/FuzzSupport.h"

namespace quelm::fuzz {

void IdxInput(const std::uint8_t* data, std::size_t size) {
  const std::string path =
      WriteScratchFile("movie.idx", {reinterpret_cast<const char*>(data), size});
  const VobSubIndex index = VobSubIndex::Read(path);
  if (index.Faults.size() > VobSubIndex::MaxFaults + 1) Broken("more fault lines than the cap");
  if (index.Streams.size() > VobSubIndex::MaxStreams) Broken("more than 32 streams");
  if (index.HasSize && (index.Width < 1 || index.Height < 1)) Broken("an empty frame size");
  for (const VobSubStream& stream : index.Streams) {
    if (stream.Index < 0 || stream.Index >= VobSubIndex::MaxStreams)
      Broken("stream index out of range");
    if (index.Stream(stream.Index) != &stream) Broken("a stream index named twice");
    const std::string code = index.StreamLanguageCode(stream.Index);
    if (!code.empty() && code.size() != 2) Broken("language code not two letters: " + code);
    for (const VobSubEntry& entry : stream.Entries) {
      if (entry.FilePosition < 0) Broken("negative file position");
      (void)index.DelayMsAt(stream.Index, entry.FilePosition);
    }
    (void)index.DelayMsAt(stream.Index, -1);
  }
  for (int i = -1; i <= VobSubIndex::MaxStreams; ++i) (void)index.StreamLanguage16(i);
}

}  // namespace quelm::fuzz

QUELM_FUZZ_TARGET(IdxInput)
