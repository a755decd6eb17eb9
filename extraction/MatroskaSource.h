// Matroska files (.mkv, .mks, .mka, .webm) read through libavformat when it is found
// (MatroskaSource.cpp), else refused with a message (NoMatroska.cpp). Only the bitmap subtitle
// tracks are read: VobSub (S_VOBSUB) and PGS (S_HDMV/PGS); every other track is skipped
// unread by the demuxer.
#pragma once

#include <memory>
#include <string>

#include "extraction/UnitSource.h"

namespace quelm {

namespace Matroska {
QUELM_TRANSLATION_CONTEXT(quelm::core)

constexpr const char* Unsupported = QUELM_MARKED("this build cannot read Matroska files");

// Whether this build reads Matroska files (through libavformat).
bool Supported();

}  // namespace Matroska

// `file` as a Matroska file; nullptr with `reason` when it is none or this build cannot read one.
std::unique_ptr<UnitSource> OpenMatroska(std::unique_ptr<SourceFile> file, Phrase& reason);

}  // namespace quelm
