// What the main window shows of a VOB root: the information list, the subtitle streams and the
// chapter table, composed from the roots, the IFO reading and the files present.
#pragma once

#include <string>
#include <vector>

#include "platform/Phrase.h"

namespace quelm {

class IfoReader;
class VobSubIndex;

// A subtitle track of a file that lists its own (Matroska), as the stream choice shows it.
struct FileTrack {
  std::string LanguageCode;  // as the file writes it ("eng", "fre"); may be empty
  std::string Title;
  std::string IndexHeader;  // a VobSub track's .idx text (frame size, palette); else empty
  bool Pgs = false;
};

struct VobInfoRequest {
  std::string VobRoot;  // root texts as shown, each ending in "/"
  std::string OutputRoot;
  std::string DictionaryRoot;
  int LanguageSelection1 = 0;  // stored stream choice
};

struct VobInfo {
  static constexpr const char* IfoName = "vts_01_0.ifo";

  std::vector<std::string> Lines;        // ListBoxVobInfo
  std::vector<Phrase> LineWordings;      // the same, for a window to say in its language
  std::vector<std::string> StreamItems;  // ComboLanguages: "[ 0x20 ]  English"
  std::vector<std::string> StreamCodes;  // each stream's language code ("en"), empty if none
  int SelectedStream = -1;               // -1: the list is empty
  std::vector<std::string> Timecodes;    // TimecodeListbox: "00:00:00", then the chapter lengths
  bool IfoFound = false;                 // false: the stream is to be chosen by number
  std::string IndexPath;                 // the VobSub index the streams came from, if any
  std::string TrackFile;                 // the file whose own tracks are the streams, if any

  // The IFO of `vobRoot`, matched without regard to case; empty when there is none.
  static std::string FindIfo(const std::string& vobRoot);

  // The VobSub index of a root without an IFO: the one beside `selectedFile` when that is a
  // .sub in the root, else the first pair by name; empty when there is none.
  static std::string FindVobSubIndex(const std::string& vobRoot, const std::string& selectedFile);

  // The first Matroska file of `vobRoot` by name (.mkv, .mks, .mka, .webm in any case); empty
  // when there is none.
  static std::string FindMatroska(const std::string& vobRoot);

  // `ifo` has read its languages and chapters; null when there is no IFO.
  static VobInfo Compose(const VobInfoRequest& request, const IfoReader* ifo);
  // A VobSub pair: the streams and frame of its index stand where the IFO's would; no chapters.
  static VobInfo Compose(const VobInfoRequest& request, const VobSubIndex& index,
                         const std::string& indexPath);

  // A file with its own tracks (Matroska): they stand where the IFO's streams would, in the
  // file's order; no chapters. `fault` says why the file could not be read, else is empty.
  static VobInfo Compose(const VobInfoRequest& request, const std::vector<FileTrack>& tracks,
                         const std::string& file, const Phrase& fault);

  // Finds and reads the IFO, else a VobSub index, itself; for callers without a reading window.
  static VobInfo Read(const VobInfoRequest& request);

  // The stored choice if the list has it, else the first item; -1 for an empty list.
  static int ChooseStream(int stored, int itemCount);

  // Bytes to the size shown: whole Kb rounded down, anything under 1024 bytes counts as 1.
  static unsigned long long SizeInKb(unsigned long long bytes);
};

}  // namespace quelm
