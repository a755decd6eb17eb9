// Compares every subtitle the extraction core finds in the dvdauthor-made title sets, and in
// ffmpeg's copy of one of them, with spuunmux's decoding of the same units (PNG per unit) and
// with the unit list of vobunits.py.
#include <gtest/gtest.h>

#if __has_include(<QImage>)
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "extraction/ExtractionRun.h"
#include "extraction/Subpicture.h"
#include "platform/UserInteraction.h"

namespace quelm {
namespace {

const std::string VobData = QUELM_TEST_DATA "/vob/";
const std::string DemoDir = QUELM_TEST_DATA "/../../demo/VIDEO_TS/";

// Four distinct drawing colours; their order is that of the colour grid's rows.
constexpr std::array<Color, 4> GridColors{0x102030, 0x405060, 0x708090, 0xA0B0C0};
// Pixel code -> grid row the decoder draws it in (codes 1 and 2 cross over).
constexpr std::array<int, 4> CodeToRow{0, 2, 1, 3};

// One line of units_s<N>.txt.
struct ExpectedUnit {
  std::string File;
  std::int64_t Offset = 0;
  std::uint64_t Pts = 0;
  int Width = 0;
  int Height = 0;
  int PaletteIndices = 0;  // command 0x03, code 0 in the low nibble
  int Contrast = 0;        // command 0x04, likewise
  std::string LastFile;
};

struct TitleSet {
  std::string Name;
  std::string RefDir;  // holds units_s<N>.txt and spuunmux/
  std::string VobDir;
  std::vector<std::string> Vobs;
};

std::vector<TitleSet> AllSets() {
  return {
      {"basic", VobData + "basic/", VobData + "basic/VIDEO_TS/", {"VTS_01_1.VOB"}},
      {"multifile",
       VobData + "multifile/",
       VobData + "multifile/VIDEO_TS/",
       {"VTS_01_1.VOB", "VTS_01_2.VOB", "VTS_01_3.VOB"}},
      {"demo", VobData + "demo/", DemoDir, {"VTS_01_1.VOB"}},
      // ffmpeg's copy of part of multifile: subtitle packets behind system headers.
      {"remux", VobData + "remux/", VobData + "remux/", {"remux.vob"}},
  };
}

std::vector<ExpectedUnit> ReadUnits(const TitleSet& set, int stream) {
  std::vector<ExpectedUnit> units;
  std::ifstream in(set.RefDir + "units_s" + std::to_string(stream) + ".txt");
  EXPECT_TRUE(in) << set.Name << " units_s" << stream;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    ExpectedUnit u;
    std::string palette, contrast;
    fields >> u.File >> u.Offset >> u.Pts >> u.Width >> u.Height >> palette >> contrast >>
        u.LastFile;
    EXPECT_FALSE(fields.fail()) << line;
    u.PaletteIndices = std::stoi(palette, nullptr, 16);
    u.Contrast = std::stoi(contrast, nullptr, 16);
    units.push_back(u);
  }
  return units;
}

// The image names of spuunmux's sub.xml, in unit order.
std::vector<std::string> ReadSpuunmuxImages(const std::string& dir) {
  std::ifstream in(dir + "sub.xml");
  EXPECT_TRUE(in) << dir;
  std::stringstream text;
  text << in.rdbuf();
  const std::string xml = text.str();
  std::vector<std::string> images;
  const std::string key = "image=\"";
  for (auto at = xml.find(key); at != std::string::npos; at = xml.find(key, at)) {
    at += key.size();
    const auto end = xml.find('"', at);
    images.push_back(xml.substr(at, end - at));
  }
  return images;
}

struct FoundSubtitle {
  std::size_t FileIndex = 0;  // the file whose run completed it
  SubpictureResult Result;
};

// Walks the files in order: each run starts where the last ended; at each end of file a unit
// left unfinished is handed to the first run of the next file.
std::vector<FoundSubtitle> Walk(const std::vector<std::string>& paths, int stream, int step,
                                bool carry = true) {
  SilentInteraction ui;
  std::vector<FoundSubtitle> found;
  SubpictureRequest request;
  request.SubStreamId = 0x20 + stream;
  request.BitmapColors = GridColors;
  request.InterlaceStep = step;
  for (std::size_t file = 0; file < paths.size(); ++file) {
    request.VobFileName = paths[file];
    request.FilePosition = 0;
    for (int guard = 0; guard < 1000; ++guard) {
      ExtractionRun run(ui);
      SubpictureResult result = run.Run(request);
      request.CarriedUnit.clear();
      request.CarriedStartPosition = -1;
      request.HasCarriedUnitPts = false;
      if (result.EndOfFile) {
        if (carry && !result.UnfinishedUnit.empty()) {
          request.CarriedUnit = result.UnfinishedUnit;
          request.CarriedStartPosition = result.UnfinishedStartPosition;
          request.CarriedUnitPts = result.UnfinishedUnitPts;
          request.HasCarriedUnitPts = result.HasUnfinishedUnitPts;
        }
        break;
      }
      EXPECT_GT(result.FilePosition, request.FilePosition) << "a run made no progress";
      if (result.FilePosition <= request.FilePosition) break;
      request.FilePosition = result.FilePosition;
      found.push_back({file, std::move(result)});
    }
  }
  return found;
}

std::string HandTime(std::uint64_t pts) {
  const std::uint64_t seconds = pts / 90000;
  char text[32];
  std::snprintf(text, sizeof text, "%02llu:%02llu:%02llu",
                static_cast<unsigned long long>(seconds / 3600),
                static_cast<unsigned long long>(seconds / 60 % 60),
                static_cast<unsigned long long>(seconds % 60));
  return text;
}

int CodeOf(Color c) {
  for (int code = 0; code < 4; ++code)
    if (GridColors[CodeToRow[code]] == c) return code;
  return -1;
}

int Nibble(int value, int code) {
  return (value >> (4 * code)) & 0xF;
}

// Compares one bitmap (drawn with the given interlace step) with spuunmux's PNG: the decoder's
// row r is display line r * step. Each pixel code must always meet the same spuunmux colour,
// whose alpha is the unit's contrast for that code and whose RGB is shared exactly by the codes
// with the same palette index. Returns the number of tolerated corner pixels.
int CompareWithPng(const Bitmap& ours, const QImage& png, const ExpectedUnit& unit, int step,
                   const std::string& what) {
  const int expectedRows = (unit.Height + step - 1) / step;
  EXPECT_EQ(ours.Width(), unit.Width) << what;
  EXPECT_EQ(ours.Height(), expectedRows) << what;
  if (ours.Width() != png.width() || ours.Height() != expectedRows) return 0;

  std::map<int, QRgb> seen;
  int tolerated = 0;
  int mismatches = 0;
  for (int row = 0; row < ours.Height(); ++row) {
    const int line = row * step;
    for (int x = 0; x < ours.Width(); ++x) {
      const int code = CodeOf(ours.Pixel(x, row));
      const QRgb theirs = png.pixel(x, line);
      if (code < 0) {
        if (mismatches++ < 5)
          ADD_FAILURE() << what << ": pixel " << x << "," << row << " is no drawing colour";
        continue;
      }
      const auto [it, inserted] = seen.emplace(code, theirs);
      if (inserted || it->second == theirs) continue;
      // spuunmux stops before the last nibble of a bottom field that ends at the control
      // table, leaving the bottom-right pixel as it was.
      if (x == png.width() - 1 && line == png.height() - 1) {
        ++tolerated;
        continue;
      }
      if (mismatches++ < 5)
        ADD_FAILURE() << what << ": pixel " << x << "," << row << " code " << code << " is 0x"
                      << std::hex << theirs << " in spuunmux, elsewhere 0x" << it->second
                      << std::dec;
    }
  }
  EXPECT_EQ(mismatches, 0) << what;

  for (const auto& [code, colour] : seen) {
    EXPECT_EQ(qAlpha(colour), Nibble(unit.Contrast, code) * 17) << what << " code " << code;
    for (const auto& [other, otherColour] : seen) {
      const bool samePalette =
          Nibble(unit.PaletteIndices, code) == Nibble(unit.PaletteIndices, other);
      EXPECT_EQ(samePalette, qRgb(qRed(colour), qGreen(colour), qBlue(colour)) ==
                                 qRgb(qRed(otherColour), qGreen(otherColour), qBlue(otherColour)))
          << what << " codes " << code << " and " << other;
    }
  }
  return tolerated;
}

std::vector<std::string> Paths(const TitleSet& set) {
  std::vector<std::string> paths;
  for (const auto& name : set.Vobs) paths.push_back(set.VobDir + name);
  return paths;
}

class SpuunmuxComparison : public ::testing::TestWithParam<std::tuple<int, int>> {};

// Every subtitle of every stream, in order, at interlace step 1: positions, PTS, time, count,
// and the bitmap pixel for pixel.
TEST_P(SpuunmuxComparison, EverySubtitleMatchesSpuunmuxAndTheUnitList) {
  const auto [setIndex, stream] = GetParam();
  const TitleSet set = AllSets()[setIndex];
  const std::string dir = set.RefDir + "spuunmux/s" + std::to_string(stream) + "/";
  const auto units = ReadUnits(set, stream);
  const auto images = ReadSpuunmuxImages(dir);
  ASSERT_GE(units.size(), 6u) << set.Name;
  ASSERT_EQ(images.size(), units.size()) << set.Name;

  const auto found = Walk(Paths(set), stream, 1);
  ASSERT_EQ(found.size(), units.size()) << set.Name << " stream " << stream;

  int tolerated = 0;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const ExpectedUnit& unit = units[i];
    const SubpictureResult& r = found[i].Result;
    const std::string what = set.Name + " s" + std::to_string(stream) + " #" + std::to_string(i);
    const bool startsEarlier = unit.File != set.Vobs[found[i].FileIndex];
    EXPECT_EQ(set.Vobs[found[i].FileIndex], unit.LastFile) << what;
    EXPECT_EQ(r.StartedInPreviousFile, startsEarlier) << what;
    if (startsEarlier) {
      EXPECT_EQ(set.Vobs[found[i].FileIndex - 1], unit.File) << what;
    }
    EXPECT_EQ(r.StartPosition, unit.Offset) << what;
    EXPECT_TRUE(r.Decoded) << what;
    EXPECT_TRUE(r.HasUnitPts) << what;
    EXPECT_EQ(r.UnitPts, unit.Pts) << what;
    EXPECT_EQ(FormatPresentationTime(PresentationTimeFromPts(r.UnitPts)), HandTime(unit.Pts))
        << what;
    // The run's own clock follows the last private-stream-1 PTS it read: the unit's or an
    // audio packet's close by; a unit completed from a carried head starts at that head's.
    const int runSeconds = r.Time.Hours * 3600 + r.Time.Minutes * 60 + r.Time.Seconds;
    EXPECT_NEAR(runSeconds, static_cast<double>(unit.Pts / 90000), 1.0) << what;

    const QImage png =
        QImage(QString::fromStdString(dir + images[i])).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(png.isNull()) << dir << images[i];
    EXPECT_EQ(png.width(), unit.Width) << what;
    EXPECT_EQ(png.height(), unit.Height) << what;
    tolerated += CompareWithPng(r.SubTitle, png, unit, 1, what);
  }
  if (tolerated > 0)
    std::printf("%s s%d: %d spuunmux corner pixels tolerated\n", set.Name.c_str(), stream,
                tolerated);
}

// Steps above 1 draw every step-th display line; real encoders end most rows with a run that
// reaches the width, so the rows that are not drawn must still count their columns.
TEST_P(SpuunmuxComparison, InterlaceStepsDrawEveryStepthLineOfSpuunmuxsPicture) {
  const auto [setIndex, stream] = GetParam();
  const TitleSet set = AllSets()[setIndex];
  const std::string dir = set.RefDir + "spuunmux/s" + std::to_string(stream) + "/";
  const auto units = ReadUnits(set, stream);
  const auto images = ReadSpuunmuxImages(dir);
  ASSERT_EQ(images.size(), units.size());
  for (int step = 2; step <= 4; ++step) {
    const auto found = Walk(Paths(set), stream, step);
    ASSERT_EQ(found.size(), units.size()) << set.Name << " step " << step;
    for (std::size_t i = 0; i < units.size(); ++i) {
      const QImage png =
          QImage(QString::fromStdString(dir + images[i])).convertToFormat(QImage::Format_ARGB32);
      CompareWithPng(found[i].Result.SubTitle, png, units[i], step,
                     set.Name + " s" + std::to_string(stream) + " #" + std::to_string(i) +
                         " step " + std::to_string(step));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(TitleSets, SpuunmuxComparison,
                         ::testing::Combine(::testing::Values(0, 1, 2, 3), ::testing::Values(0, 1)),
                         [](const ::testing::TestParamInfo<std::tuple<int, int>>& param) {
                           return AllSets()[std::get<0>(param.param)].Name + "_s" +
                                  std::to_string(std::get<1>(param.param));
                         });

// The title is cut inside units; a unit's head is carried into the next file and shows once.
TEST(SpuunmuxComparisonMultifile, UnitsCutAcrossFilesCompleteOnceInTheNextFile) {
  const TitleSet set = AllSets()[1];
  int carried = 0;
  for (int stream = 0; stream < 2; ++stream) {
    const auto units = ReadUnits(set, stream);
    const auto found = Walk(Paths(set), stream, 1);
    ASSERT_EQ(found.size(), units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
      if (units[i].File == units[i].LastFile) continue;
      ++carried;
      EXPECT_TRUE(found[i].Result.StartedInPreviousFile);
      EXPECT_EQ(found[i].Result.StartPosition, units[i].Offset);
      EXPECT_EQ(found[i].Result.UnitPts, units[i].Pts);
    }
  }
  // One cut splits a unit of 0x20, the other one of 0x21 (see cuts.txt).
  EXPECT_EQ(carried, 2);
}

// A file walked alone from offset 0 must not take the tail of a unit begun in the file before
// for a new unit: it finds exactly the units that start in it and end in it.
TEST(SpuunmuxComparisonMultifile, AFileWalkedAloneSkipsTheTailOfAUnitBegunBefore) {
  const TitleSet set = AllSets()[1];
  for (int stream = 0; stream < 2; ++stream) {
    const auto units = ReadUnits(set, stream);
    for (std::size_t file = 0; file < set.Vobs.size(); ++file) {
      std::vector<ExpectedUnit> inFile;
      for (const auto& u : units)
        if (u.File == set.Vobs[file] && u.LastFile == set.Vobs[file]) inFile.push_back(u);
      const auto found = Walk({set.VobDir + set.Vobs[file]}, stream, 1, false);
      ASSERT_EQ(found.size(), inFile.size()) << set.Vobs[file] << " s" << stream;
      for (std::size_t i = 0; i < inFile.size(); ++i) {
        EXPECT_EQ(found[i].Result.StartPosition, inFile[i].Offset);
        EXPECT_EQ(found[i].Result.UnitPts, inFile[i].Pts);
        EXPECT_EQ(found[i].Result.SubTitle.Width(), inFile[i].Width);
        EXPECT_EQ(found[i].Result.SubTitle.Height(), inFile[i].Height);
      }
    }
  }
}

}  // namespace
}  // namespace quelm

#else  // built without Qt: no PNG reader

TEST(SpuunmuxComparison, NeedsQtGui) {
  GTEST_SKIP() << "built without Qt 6 Gui";
}

#endif
