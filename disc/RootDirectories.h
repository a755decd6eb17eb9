// The rules of the three root directories (VOB/IFO, output, dictionary): root texts keep their
// case and end in "/", "same as vob root" follows the VOB root, and the places a directory
// chooser offers besides its tree.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/Phrase.h"

namespace quelm {

enum class RootKind { Vob, Output, Dictionary };

struct RootSettings {
  std::string VobRoot;
  std::string OutputRoot;
  std::string DictionaryRoot;
  bool OutputSameAsVob = false;
  bool DictionarySameAsVob = false;
};

class RootDirectories {
  QUELM_TRANSLATION_CONTEXT(quelm::core)

 public:
  using Keys = std::vector<std::pair<std::string, std::string>>;

  // The chooser's window caption: "VOB Root", "Output Root", "Dictionary Root", marked for a
  // window to say it in its language (Phrase::SayMarked).
  static const char* Caption(RootKind kind);

  // A chosen directory as a root text: unchanged but for a "/" appended when missing; a disc
  // image or drive gives its VIDEO_TS ("movie.iso/VIDEO_TS/").
  static std::string RootText(const std::string& directory);

  // Takes `chosen` as the new root of `kind`. A new VOB root is copied into the roots that
  // follow it (for a root inside a disc image, the directory holding the image, as nothing is
  // written into one). Returns the keys to store, in order: vobroot, outputroot,
  // dictionaryroot for the VOB root, only its own key for the others.
  static Keys Change(RootSettings& roots, RootKind kind, const std::string& chosen);

  // Places beside the chooser's tree: `home`, then the mounted media under `mountBases`
  // (a directory named `user` there is a per-user folder whose entries are the mounts), then
  // the optical drives of `deviceDir` ("sr0", "sr1", ... and "cdrom" unless it is one of those),
  // then the file system root. Only existing ones; directories as root texts, drives as their
  // device path (no "/" at the end: IsDrivePlace).
  static std::vector<std::string> Places(const std::string& home, const std::string& user,
                                         const std::vector<std::string>& mountBases,
                                         const std::string& deviceDir = "");
  // The same for this user, the usual mount folders and /dev.
  static std::vector<std::string> Places();
  static bool IsDrivePlace(const std::string& place) { return !place.empty() && place.back() != '/'; }
};

}  // namespace quelm
