// quelm-cli convert with the shipped subtitle formats over the spumux/dvdauthor title set cut
// into three VOB files: times and texts against the SRT the subtitles were made from, and the
// files read back by ffmpeg when it is installed.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "LearnedGlyphs.h"
#include "support/SrtFile.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;

const std::string TitleSet = std::string(QUELM_TEST_DATA) + "/vob/multifile/VIDEO_TS";
const std::string SourceSrt = std::string(QUELM_TEST_DATA) + "/vob/multifile/en.srt";
const std::string Formats = std::string(QUELM_BIN_DIR) + "/outputini/";
// One frame of the 29.97 fps title, in whole milliseconds.
constexpr std::int64_t OneFrameMs = 33;

using test::ReadText;

// A cue's lines joined by blanks: spumux wraps long SRT lines to fit the picture, so the lines
// on screen are not the source's, while the words are.
std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : " ") + line;
  return text;
}

// Without the <font ...> and </font> that ffmpeg puts around a styled ASS event.
std::vector<std::string> WithoutFontTags(std::vector<std::string> lines) {
  for (std::string& line : lines) {
    for (std::size_t at; (at = line.find("<font")) != std::string::npos;)
      line.erase(at, line.find('>', at) == std::string::npos ? std::string::npos
                                                             : line.find('>', at) - at + 1);
    for (std::size_t at; (at = line.find("</font>")) != std::string::npos;) line.erase(at, 7);
  }
  return lines;
}

class SubtitleFormatsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("quelm_cli_formats_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    // The letters' fill (colour row 1) is the ink; their outline would join neighbours.
    std::ofstream(dir_ / "quelm.ini") << "[preferences]\nautocolordetection=0\ncharcolor=1\n";
  }
  void TearDown() override {
    std::error_code ignored;
    if (!HasFailure()) fs::remove_all(dir_, ignored);
  }

  int Run(const std::string& command, const std::string& input = "/dev/null") {
    const std::string line = "cd '" + dir_.string() + "' && QUELM_SETTINGS='" +
                             (dir_ / "none.ini").string() + "' " + command + " <'" + input +
                             "' >'" + (dir_ / "stdout.txt").string() + "' 2>'" +
                             (dir_ / "stderr.txt").string() + "'";
    const int status = std::system(line.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string Convert(const std::string& learn, const std::string& dict,
                      const std::string& format) {
    return "'" + std::string(QUELM_BIN_DIR) +
           "/quelm-cli' convert --settings quelm.ini --lang en "
           "--space-width 14 --format '" +
           Formats + format + "' --dict " + dict + " --learn " + learn + " '" + TitleSet + "'";
  }

  // Glyphs are learned unnamed first; then each gets the text the SRT has at its places (no text
  // is "\none": an empty line would take what the OCR engine, when built in, suggests).
  std::string TeachingAnswers() {
    EXPECT_EQ(Run(Convert("after", "learn", "srt.ini") + " --records learn.records"), 0)
        << ReadText(dir_ / "stderr.txt");
    std::vector<std::string> texts;
    for (const test::SrtCue& cue : test::ReadSrt(SourceSrt)) texts.push_back(Joined(cue.Lines));
    std::string answers;
    for (const std::string& answer :
         test::NameLearnedGlyphs(ReadText(dir_ / "learn/chardict.ocr"),
                                 ReadText(dir_ / "learn.records"), texts, "learn/char_"))
      answers += (answer.empty() ? "\\none" : answer) + "\n";
    return answers;
  }

  fs::path dir_;
};

// ffmpeg's reading of a subtitle file, written back out as SRT; nothing without ffmpeg.
std::optional<std::vector<test::SrtCue>> ReadWithFfmpeg(const fs::path& file) {
  if (std::system("command -v ffmpeg >/dev/null 2>&1") != 0) return std::nullopt;
  const fs::path out = file.string() + ".ffmpeg.srt";
  const std::string command =
      "ffmpeg -v error -y -i '" + file.string() + "' -f srt '" + out.string() + "' </dev/null";
  EXPECT_EQ(std::system(command.c_str()), 0) << command;
  return test::ReadSrt(out.string());
}

TEST_F(SubtitleFormatsTest, ConvertToSrtReproducesTheSourceTimesAndTexts) {
  const std::string answers = TeachingAnswers();
  ASSERT_FALSE(HasFailure());
  std::ofstream(dir_ / "answers.txt") << answers;
  ASSERT_EQ(Run(Convert("ask", "taught", "srt.ini") + " --records taught.records --out out.srt",
                (dir_ / "answers.txt").string()),
            0)
      << ReadText(dir_ / "stderr.txt");

  const std::vector<test::SrtCue> truth = test::ReadSrt(SourceSrt);
  const std::vector<test::SrtCue> written = test::ReadSrt((dir_ / "out.srt").string());
  ASSERT_EQ(truth.size(), 9u);
  ASSERT_EQ(written.size(), truth.size()) << ReadText(dir_ / "out.srt");
  std::int64_t worstStart = 0, worstEnd = 0, sumStart = 0, sumEnd = 0;
  for (std::size_t i = 0; i < truth.size(); ++i) {
    EXPECT_EQ(Joined(written[i].Lines), Joined(truth[i].Lines)) << "subtitle " << i + 1;
    const std::int64_t startError = written[i].StartMs - truth[i].StartMs;
    const std::int64_t endError = written[i].EndMs - truth[i].EndMs;
    EXPECT_LE(std::llabs(startError), OneFrameMs) << "subtitle " << i + 1;
    EXPECT_LE(std::llabs(endError), OneFrameMs) << "subtitle " << i + 1;
    worstStart = std::max<std::int64_t>(worstStart, std::llabs(startError));
    worstEnd = std::max<std::int64_t>(worstEnd, std::llabs(endError));
    sumStart += startError;
    sumEnd += endError;
  }
  std::cout << "SRT from quelm-cli convert: start error max " << worstStart << " ms (mean "
            << sumStart / 9.0 << "), end error max " << worstEnd << " ms (mean " << sumEnd / 9.0
            << ")\n";
  // The SRT numbers its cues from 1, with no version record.
  EXPECT_EQ(ReadText(dir_ / "out.srt").substr(0, 2), "1\n");

  // Nothing in this title is forced.
  ASSERT_EQ(Run(Convert("skip", "taught", "srt.ini") + " --forced-only --out forced.srt"), 0)
      << ReadText(dir_ / "stderr.txt");
  EXPECT_EQ(ReadText(dir_ / "forced.srt"), "");

  // WebVTT and ASS rendered from the same records.
  for (const char* format : {"webvtt.ini", "ass.ini"}) {
    const std::string out = std::string("out.") + (format[0] == 'w' ? "vtt" : "ass");
    ASSERT_EQ(Run("'" + std::string(QUELM_BIN_DIR) +
                  "/quelm-cli' render --records taught.records "
                  "--dict taught --format '" +
                  Formats + format + "' --out " + out),
              0)
        << ReadText(dir_ / "stderr.txt");
  }

  // A subtitle marked forced in the records is the only one "render --forced-only" writes;
  // its end is still where the next subtitle, forced or not, starts or its stop says.
  std::string records = ReadText(dir_ / "taught.records");
  std::size_t record = 0;
  for (int skip = 0; skip < 4; ++skip) record = records.find("<SUB_START>\n", record) + 1;
  const std::size_t timeLine = records.find('\n', record) + 1;
  records.insert(records.find('\n', timeLine), " forced=1");
  test::WriteText(dir_ / "forced.records", records);
  ASSERT_EQ(Run("'" + std::string(QUELM_BIN_DIR) +
                "/quelm-cli' render --records forced.records --dict taught --format '" +
                Formats + "srt.ini' --forced-only --out one.srt"),
            0)
      << ReadText(dir_ / "stderr.txt");
  const std::vector<test::SrtCue> forced = test::ReadSrt((dir_ / "one.srt").string());
  ASSERT_EQ(forced.size(), 1u) << ReadText(dir_ / "one.srt");
  EXPECT_EQ(ReadText(dir_ / "one.srt").substr(0, 2), "1\n");
  EXPECT_EQ(forced[0].StartMs, written[2].StartMs);
  EXPECT_EQ(forced[0].EndMs, written[2].EndMs);
  EXPECT_EQ(forced[0].Lines, written[2].Lines);

  // ffmpeg reads every file back with the same times (ASS to the centisecond) and texts.
  for (const char* file : {"out.srt", "out.vtt", "out.ass"}) {
    const auto read = ReadWithFfmpeg(dir_ / file);
    if (!read) {
      std::cout << "ffmpeg is not installed: the files were not read back\n";
      break;
    }
    ASSERT_EQ(read->size(), written.size()) << file;
    const std::int64_t tolerance = std::string(file) == "out.ass" ? 10 : 0;
    for (std::size_t i = 0; i < written.size(); ++i) {
      EXPECT_LE(std::llabs((*read)[i].StartMs - written[i].StartMs), tolerance) << file << i;
      EXPECT_LE(std::llabs((*read)[i].EndMs - written[i].EndMs), tolerance) << file << i;
      EXPECT_EQ(WithoutFontTags((*read)[i].Lines), written[i].Lines)
          << file << " subtitle " << i + 1;
    }
  }
}

}  // namespace
}  // namespace quelm
