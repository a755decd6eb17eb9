// Shared set-up of the navigation tests: the committed title sets, a temporary directory and
// the start offsets of their units as the independent unit lister found them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/TempDirTest.h"

namespace quelm::test {

namespace fs = std::filesystem;

inline std::string BasicVob() {
  return std::string(QUELM_TEST_DATA) + "/vob/basic/VIDEO_TS/VTS_01_1.VOB";
}
inline std::vector<std::string> MultifileVobs() {
  const std::string dir = std::string(QUELM_TEST_DATA) + "/vob/multifile/VIDEO_TS/";
  return {dir + "VTS_01_1.VOB", dir + "VTS_01_2.VOB", dir + "VTS_01_3.VOB"};
}

constexpr std::int64_t BasicSize = 499712;
constexpr std::int64_t MultifileSizes[3] = {176128, 299008, 182272};

// basic/units_s0.txt: start pack offsets of the eight units of sub-stream 0x20, and their sizes.
const std::vector<std::int64_t> BasicStarts = {28672,  77824,  137216, 210944,
                                               266240, 319488, 385024, 436224};
const std::vector<std::pair<int, int>> BasicSizes = {{244, 30}, {500, 30}, {404, 52}, {442, 30},
                                                     {410, 30}, {462, 28}, {410, 30}, {372, 30}};

// matroska/multifile.mks, the multifile title's Matroska copy: where ffprobe -show_packets puts
// the first five packets of its first track.
inline std::string MultifileMatroska() {
  return std::string(QUELM_TEST_DATA) + "/matroska/multifile.mks";
}
const std::vector<std::int64_t> MatroskaStarts = {588, 13472, 19999, 35057, 39154};

struct UnitPlace {
  int File;
  std::int64_t Start;  // in the file of its first packet
};
// multifile/units_s0.txt and units_s1.txt: unit 3 of 0x20 begins in file 1 and ends in file 2,
// unit 7 of 0x21 begins in file 2 and ends in file 3 (cuts at title offsets 176128, 475136).
const std::vector<UnitPlace> MultifileUnits20 = {{0, 28672},  {0, 110592}, {0, 174080},
                                                 {1, 77824},  {1, 137216}, {1, 219136},
                                                 {1, 282624}, {2, 63488},  {2, 126976}};
const std::vector<UnitPlace> MultifileUnits21 = {{0, 38912},  {0, 116736}, {1, 8192},
                                                 {1, 81920},  {1, 149504}, {1, 225280},
                                                 {1, 294912}, {2, 73728},  {2, 135168}};

}  // namespace quelm::test
