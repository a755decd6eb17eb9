// The record facts of an extracted subtitle: its exact times and forced flag as the extraction
// found them, for the callers that turn subtitles into records (desktop program, command line).
#pragma once

#include "extraction/Subpicture.h"
#include "output/RecordFacts.h"

namespace quelm {

inline RecordFacts FactsFromTiming(const SubtitleTiming& timing) {
  RecordFacts facts;
  facts.HasStart = timing.Known;
  facts.StartMs = timing.StartMs;
  facts.HasEnd = timing.Known && timing.HasEnd;
  facts.EndMs = timing.EndMs;
  facts.Forced = timing.Forced;
  return facts;
}

}  // namespace quelm
