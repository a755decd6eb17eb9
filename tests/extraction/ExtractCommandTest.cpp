// `quelm-cli extract` as a user runs it: lines printed for a title split over two files, the
// bitmap files it names, and the exit codes of bad arguments and unreadable files.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <random>
#include <sstream>

#include "support/PeripheryTestFiles.h"
#include "support/TempDirTest.h"
#include "SpuWriter.h"
#include "platform/BmpFile.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;

struct CommandOutcome {
  int ExitCode = -1;
  std::string Out;
};

CommandOutcome RunCli(const std::string& arguments) {
  const std::string command =
      std::string(QUELM_BIN_DIR) + "/quelm-cli " + arguments + " 2>/dev/null";
  CommandOutcome outcome;
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return outcome;
  std::array<char, 4096> chunk{};
  std::size_t got = 0;
  while ((got = std::fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
    outcome.Out.append(chunk.data(), got);
  const int status = pclose(pipe);
  outcome.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

Bitmap Codes(int width, int height, unsigned seed) {
  Bitmap codes(width, height, 0);
  std::mt19937 random(seed);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) codes.SetPixel(x, y, random() % 4);
  }
  return codes;
}

class ExtractCommandTest : public test::TempDirTest {};

TEST_F(ExtractCommandTest, ListsATitleSplitOverTwoFilesAndSavesItsBitmaps) {
  // Unit 1 (40x10) at pack 1; unit 2 (240x64, three packets) from pack 3, cut after its first
  // packet; then in the second file its two continuation packets, a video pack and unit 3.
  test::PackWriter writer;
  writer.AddNavPack();
  writer.AddUnit(test::EncodeUnit(Codes(40, 10, 1)), 0x20, 90000 * 61);
  writer.AddVideoPack();
  const std::vector<std::uint8_t> second = test::EncodeUnit(Codes(240, 64, 2));
  ASSERT_GT(second.size(), 2019u + 2024u);
  ASSERT_LT(second.size(), 2019u + 2 * 2024u);
  writer.AddUnit(second, 0x20, 90000 * 3725);
  writer.AddVideoPack();
  writer.AddUnit(test::EncodeUnit(Codes(24, 8, 3)), 0x20, 90000ull * (25 * 3600 + 2));
  const auto& bytes = writer.Bytes();
  const std::size_t cut = 4 * 2048;
  ASSERT_TRUE(
      test::WriteBytes((dir_ / "VTS_01_1.VOB").string(), {bytes.begin(), bytes.begin() + cut}));
  ASSERT_TRUE(
      test::WriteBytes((dir_ / "VTS_01_2.VOB").string(), {bytes.begin() + cut, bytes.end()}));

  const fs::path bitmaps = dir_ / "out";
  const CommandOutcome outcome =
      RunCli("extract --bitmaps " + bitmaps.string() + " --bits 1 " +
             (dir_ / "VTS_01_1.VOB").string() + " " + (dir_ / "VTS_01_2.VOB").string());
  ASSERT_EQ(outcome.ExitCode, 0);
  const std::string expected = "# file " + (dir_ / "VTS_01_1.VOB").string() +
                               "\n"
                               "1 2048 4096 00:01:01 40x10\n"
                               "# file " +
                               (dir_ / "VTS_01_2.VOB").string() +
                               "\n"
                               "2 6144 4096 01:02:05 240x64\n"
                               "3 6144 8192 25:00:02 24x8\n";
  EXPECT_EQ(outcome.Out, expected);
  for (const char* name : {"VTS_01_1._00001.bmp", "VTS_01_2._00002.bmp", "VTS_01_2._00003.bmp"}) {
    const BmpReadResult read = ReadBmp((bitmaps / name).string());
    EXPECT_TRUE(read.Outcome.Ok) << name << ": " << read.Outcome.Message;
  }
  EXPECT_EQ(ReadBmp((bitmaps / "VTS_01_2._00002.bmp").string()).Image.Width(), 240);

  // From an offset inside the first unit's pack: reading starts at that pack.
  const CommandOutcome inside = RunCli("extract --from 0x900 " + (dir_ / "VTS_01_1.VOB").string());
  EXPECT_EQ(inside.ExitCode, 0);
  EXPECT_EQ(inside.Out, "1 2048 4096 00:01:01 40x10\n");
  // A stream the file does not have: not one subtitle read is a failure.
  const CommandOutcome none = RunCli("extract --stream 0x3f " + (dir_ / "VTS_01_1.VOB").string());
  EXPECT_EQ(none.ExitCode, 1);
  EXPECT_EQ(none.Out, "");
}

TEST_F(ExtractCommandTest, AVobSubIndexStandsForItsSubAndItsDelayShiftsTheTimes) {
  const std::string pair = std::string(QUELM_TEST_DATA) + "/vobsub/basic";
  const CommandOutcome listed = RunCli("extract " + pair + ".idx");
  ASSERT_EQ(listed.ExitCode, 0);
  const std::vector<std::string> lines = test::TextLines(listed.Out);
  ASSERT_EQ(lines.size(), 8u) << listed.Out;
  EXPECT_EQ(lines[1], "2 2048 4096 00:00:03 500x30");

  fs::copy_file(pair + ".sub", dir_ / "Movie.sub");
  std::string index = ReadText(pair + ".idx");
  index.insert(index.find("timestamp:"), "delay: 00:01:00:000\n");
  WriteText((dir_ / "movie.IDX").string(), index);
  const CommandOutcome delayed = RunCli("extract " + (dir_ / "Movie.sub").string());
  ASSERT_EQ(delayed.ExitCode, 0);
  EXPECT_EQ(test::TextLines(delayed.Out)[1], "2 2048 4096 00:01:03 500x30");
  EXPECT_EQ(RunCli("extract " + (dir_ / "alone.idx").string()).ExitCode, 1);
}

TEST_F(ExtractCommandTest, TitlePicksATitleSetOfAFolderHoldingSeveral) {
  // Title set 1 is the basic title, title set 2 the multifile one.
  const fs::path vob = fs::path(QUELM_TEST_DATA) / "vob";
  const fs::path disc = dir_ / "disc";
  fs::create_directories(disc);
  for (const char* name : {"VTS_01_0.IFO", "VTS_01_1.VOB"})
    fs::create_symlink(vob / "basic/VIDEO_TS" / name, disc / name);
  for (const char* name : {"VTS_01_0.IFO", "VTS_01_1.VOB", "VTS_01_2.VOB", "VTS_01_3.VOB"})
    fs::create_symlink(vob / "multifile/VIDEO_TS" / name,
                       disc / (std::string("VTS_02") + (name + 6)));
  const CommandOutcome second = RunCli("extract --title 2 " + disc.string());
  EXPECT_EQ(second.ExitCode, 0);
  int subtitles = 0;
  std::vector<std::string> files;
  std::istringstream lines(second.Out);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("# file ", 0) == 0)
      files.push_back(fs::path(line.substr(7)).filename().string());
    else
      ++subtitles;
  }
  EXPECT_EQ(files, (std::vector<std::string>{"VTS_02_1.VOB", "VTS_02_2.VOB", "VTS_02_3.VOB"}));
  EXPECT_EQ(subtitles, 9);
  EXPECT_EQ(RunCli("extract " + disc.string()).ExitCode, 1);  // which one?
  EXPECT_EQ(RunCli("extract --title 3 " + disc.string()).ExitCode, 1);
  EXPECT_EQ(RunCli("extract --title 2 " + (disc / "VTS_02_1.VOB").string()).ExitCode, 1);
  EXPECT_EQ(RunCli("extract --title 100 " + disc.string()).ExitCode, 2);
}

TEST_F(ExtractCommandTest, BadArgumentsAndUnreadableFilesFail) {
  test::PackWriter writer;
  writer.AddUnit(test::EncodeUnit(Codes(8, 2, 1)), 0x20, 90000);
  const std::string vob = (dir_ / "a.vob").string();
  ASSERT_TRUE(writer.WriteFile(vob));
  EXPECT_EQ(RunCli("extract " + vob).ExitCode, 0);
  EXPECT_EQ(RunCli("").ExitCode, 2);
  EXPECT_EQ(RunCli("frobnicate " + vob).ExitCode, 2);
  EXPECT_EQ(RunCli("extract").ExitCode, 2);
  EXPECT_EQ(RunCli("extract --stream 0x40 " + vob).ExitCode, 2);
  EXPECT_EQ(RunCli("extract --stream twenty " + vob).ExitCode, 2);
  EXPECT_EQ(RunCli("extract --interlace 0 " + vob).ExitCode, 2);
  EXPECT_EQ(RunCli("extract --from -2048 " + vob).ExitCode, 2);
  EXPECT_EQ(RunCli("extract --from 4096 " + vob).ExitCode, 2);  // beyond the 2048-byte file
  EXPECT_EQ(RunCli("extract --bits 4 " + vob).ExitCode, 2);
  EXPECT_EQ(RunCli("extract --bitmaps " + (dir_ / "o").string() + " --bits 8 " + vob).ExitCode, 2);
  EXPECT_EQ(RunCli("extract --stream").ExitCode, 2);
  EXPECT_EQ(RunCli("extract " + (dir_ / "missing.vob").string()).ExitCode, 1);
  EXPECT_EQ(RunCli("extract " + dir_.string()).ExitCode, 1);
  const std::string notes = (dir_ / "notes.vob").string();
  ASSERT_TRUE(test::WriteBytes(notes, std::vector<std::uint8_t>(3 * 2048, 'x')));
  EXPECT_EQ(RunCli("extract " + notes).ExitCode, 1);
  EXPECT_EQ(RunCli("extract --help").ExitCode, 0);
}

}  // namespace
}  // namespace quelm
