// IFO reader: stream languages and chapter lengths of any file.
#include "disc/IfoReader.h"
#include "fuzz/FuzzSupport.h"

namespace quelm::fuzz {

void IfoInput(const std::uint8_t* data, std::size_t size) {
  const std::string path =
      WriteScratchFile("vts_01_0.ifo", {reinterpret_cast<const char*>(data), size});
  IfoReader reader(path);
  const int streams = reader.ReadLanguages();
  if (streams < 0 || streams > IfoReader::MaxStreams) Broken("stream count out of range");
  for (int i = -1; i <= streams; ++i) (void)reader.StreamLanguage(i);
  const int chapters = reader.ReadChapters();
  if (chapters != reader.ChapterCount()) Broken("chapter count disagrees");
  for (const std::string& length : reader.ChapterLengths())
    if (length.size() < 8) Broken("chapter length shorter than hh:mm:ss: " + length);
}

}  // namespace quelm::fuzz

QUELM_FUZZ_TARGET(IfoInput)
