// End to end: quelm-cli convert, render and dict over the spumux/dvdauthor title set that is
// cut into three VOB files, checked against the SRT text the subtitles were made from.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "LearnedGlyphs.h"
#include "cli/ConvertCommand.h"
#include "extraction/MatroskaSource.h"
#include "ocr/Suggestions.h"
#include "platform/SourceFile.h"
#include "support/SrtFile.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;

const std::string TitleSet = std::string(QUELM_TEST_DATA) + "/vob/multifile/VIDEO_TS";
const std::string Srt = std::string(QUELM_TEST_DATA) + "/vob/multifile/en.srt";
const std::string PlainFormat = std::string(QUELM_BIN_DIR) + "/outputini/plain.ini";

using test::Lines;
using test::ReadText;
using test::WriteText;

// Each subtitle's text lines joined by a blank, as the plain format writes them.
std::vector<std::string> SrtTexts() {
  std::vector<std::string> texts;
  for (const test::SrtCue& cue : test::ReadSrt(Srt)) {
    if (cue.Lines.empty()) continue;
    std::string text;
    for (const std::string& line : cue.Lines) text += (text.empty() ? "" : " ") + line;
    texts.push_back(text);
  }
  return texts;
}

struct Outcome {
  int ExitCode = -1;
  std::string Out;
  std::string Err;
};

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("quelm_cli_convert_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    // The letters' fill (colour row 1) is the ink; their outline would join neighbours.
    WriteText(dir_ / "quelm.ini", "[preferences]\nautocolordetection=0\ncharcolor=1\n");
  }
  void TearDown() override {
    std::error_code ignored;
    if (!HasFailure()) fs::remove_all(dir_, ignored);
  }

  Outcome Run(const std::string& arguments, const std::string& input = "/dev/null") {
    const fs::path out = dir_ / "stdout.txt";
    const fs::path err = dir_ / "stderr.txt";
    const std::string command = "cd '" + dir_.string() + "' && QUELM_SETTINGS='" +
                                (dir_ / "none.ini").string() + "' '" + QUELM_BIN_DIR +
                                "/quelm-cli' " + arguments + " <'" + input + "' >'" + out.string() +
                                "' 2>'" + err.string() + "'";
    const int status = std::system(command.c_str());
    Outcome outcome;
    outcome.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.Out = ReadText(out);
    outcome.Err = ReadText(err);
    return outcome;
  }

  // `convert` in this process with `engine` suggesting; standard input comes from `input` (no
  // terminal) and standard error is kept.
  Outcome RunWithEngine(const std::vector<std::string>& arguments,
                        std::unique_ptr<SuggestionEngine> engine,
                        const std::string& input = "/dev/null") {
    const fs::path err = dir_ / "stderr.txt";
    std::fflush(stderr);
    const int savedIn = ::dup(0);
    const int savedErr = ::dup(2);
    const int nullIn = ::open(input.c_str(), O_RDONLY);
    const int errOut = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(nullIn, 0);
    ::dup2(errOut, 2);
    ::close(nullIn);
    ::close(errOut);
    Outcome outcome;
    outcome.ExitCode = RunConvertCommand(arguments, std::move(engine));
    std::fflush(stderr);
    ::dup2(savedIn, 0);
    std::clearerr(stdin);
    ::dup2(savedErr, 2);
    ::close(savedIn);
    ::close(savedErr);
    outcome.Err = ReadText(err);
    return outcome;
  }

  std::string ConvertArguments(const std::string& learn, const std::string& dict) {
    return "convert --settings quelm.ini --lang en --space-width 14 --format '" + PlainFormat +
           "' --dict " + dict + " --learn " + learn + " '" + TitleSet + "'";
  }

  // Learns every glyph unnamed, then gives each the text the SRT puts at its places.
  std::vector<std::string> DeriveAnswers() {
    const Outcome learned = Run(ConvertArguments("after", "learn") + " --records learn.records");
    EXPECT_EQ(learned.ExitCode, 0) << learned.Err;
    return test::NameLearnedGlyphs(ReadText(dir_ / "learn/chardict.ocr"),
                                   ReadText(dir_ / "learn.records"), SrtTexts(), "learn/char_");
  }

  fs::path dir_;
};

// An empty line would accept what the OCR engine (when built in) suggests: no text is "\none".
std::string Joined(const std::vector<std::string>& answers, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t i = from; i < to; ++i)
    text += (answers[i].empty() ? "\\none" : answers[i]) + "\n";
  return text;
}

std::string ExpectedScript() {
  std::string script = "Quelm  v1.01 (beta)  -  by Vennor\n";
  for (const std::string& text : SrtTexts()) script += text + "\n";
  return script;
}

TEST_F(CliTest, ScriptedDialogueOverThreeFilesGivesTheSrtTextAndCanStopAndContinue) {
  const std::vector<std::string> answers = DeriveAnswers();
  ASSERT_GT(answers.size(), 30u);
  ASSERT_EQ(SrtTexts().size(), 9u);

  // The whole dialogue from a file.
  WriteText(dir_ / "answers.txt", Joined(answers, 0, answers.size()));
  const Outcome whole =
      Run(ConvertArguments("ask", "taught") + " --out script.txt", (dir_ / "answers.txt").string());
  ASSERT_EQ(whole.ExitCode, 0) << whole.Err;
  EXPECT_EQ(ReadText(dir_ / "script.txt"), ExpectedScript());
  EXPECT_NE(whole.Err.find("text so far"), std::string::npos);
  EXPECT_NE(whole.Err.find("#"), std::string::npos);  // the glyphs were drawn

  // Stopped when the answers run out, then continued with the rest: nothing is asked twice
  // and the script comes out the same.
  const std::size_t half = answers.size() / 2;
  WriteText(dir_ / "first.txt", Joined(answers, 0, half));
  const Outcome stopped = Run(ConvertArguments("ask", "resumed") + " --records work.records",
                              (dir_ / "first.txt").string());
  EXPECT_EQ(stopped.ExitCode, 3) << stopped.Err;
  EXPECT_NE(stopped.Err.find("run the same command again"), std::string::npos) << stopped.Err;
  WriteText(dir_ / "second.txt", Joined(answers, half, answers.size()));
  const Outcome continued = Run(ConvertArguments("ask", "resumed") + " --records work.records",
                                (dir_ / "second.txt").string());
  ASSERT_EQ(continued.ExitCode, 0) << continued.Err;
  EXPECT_EQ(continued.Out, ExpectedScript());

  // Once done, the same command asks nothing and renders the same.
  const Outcome again = Run(ConvertArguments("ask", "resumed") + " --records work.records");
  EXPECT_EQ(again.ExitCode, 0) << again.Err;
  EXPECT_EQ(again.Out, ExpectedScript());
}

TEST_F(CliTest, ControlWordsSkipAndAbortAsTheLearningWindowsButtonsDo) {
  // First question: skip the character; second: skip the rest of its line; third: abort the
  // subtitle; then stop.
  WriteText(dir_ / "answers.txt", "\\skip\n\\line\n\\\\T\n\\abort\n\\bogus\n\\quit\n");
  const Outcome outcome = Run(ConvertArguments("ask", "dict") + " --records r.records",
                              (dir_ / "answers.txt").string());
  EXPECT_EQ(outcome.ExitCode, 3) << outcome.Err;
  EXPECT_NE(outcome.Err.find("unknown control word '\\bogus'"), std::string::npos);
  // "\\T" taught the first glyph of the second question's line... as "\T".
  const std::string index = ReadText(dir_ / "dict/chardict.ocr");
  EXPECT_NE(index.find("\\T\r\n"), std::string::npos) << index;
  // The aborted subtitle 1 left no record: only the version record is kept.
  const std::string records = ReadText(dir_ / "r.records");
  EXPECT_EQ(Lines(records).size(), 5u) << records;
}

TEST_F(CliTest, LearnAfterThenNameThenRenderReachesTheSameScript) {
  const std::vector<std::string> answers = DeriveAnswers();
  const Outcome converted = Run(ConvertArguments("after", "dict") + " --records film.records");
  ASSERT_EQ(converted.ExitCode, 0) << converted.Err;
  EXPECT_NE(converted.Out, ExpectedScript());  // placeholders until named

  const Outcome unnamed = Run("dict list --unnamed dict");
  ASSERT_EQ(unnamed.ExitCode, 0);
  ASSERT_EQ(Lines(unnamed.Out).size(), answers.size());
  const Outcome shown = Run("dict show dict 1");
  EXPECT_EQ(shown.ExitCode, 0);
  EXPECT_NE(shown.Out.find("+-"), std::string::npos);
  for (std::size_t i = 0; i < answers.size(); ++i) {
    const std::string text = answers[i] == "\"" ? "'\"'" : "'" + answers[i] + "'";
    const Outcome named = Run("dict name dict " + std::to_string(i + 1) + " " + text);
    ASSERT_EQ(named.ExitCode, 0) << named.Err;
  }
  EXPECT_EQ(Run("dict list --unnamed dict").Out, "");

  const Outcome rendered = Run("render --records film.records --dict dict --format '" +
                               PlainFormat + "' --out script.txt");
  ASSERT_EQ(rendered.ExitCode, 0) << rendered.Err;
  EXPECT_EQ(ReadText(dir_ / "script.txt"), ExpectedScript());

  // Without --dict the dictionary is the one the references name.
  const Outcome named = Run("render --records film.records --format '" + PlainFormat + "'");
  EXPECT_EQ(named.ExitCode, 0) << named.Err;
  EXPECT_EQ(named.Out, ExpectedScript());
  // Spaces from the lines' own gaps read the same script.
  const Outcome automatic =
      Run("convert --settings quelm.ini --lang en --space-width auto --format '" + PlainFormat +
          "' --dict dict --learn skip '" + TitleSet + "'");
  EXPECT_EQ(automatic.ExitCode, 0) << automatic.Err;
  EXPECT_EQ(automatic.Out, ExpectedScript());
  // A dictionary that holds none of them: said so, and the script is still written.
  const Outcome wrong =
      Run("render --records film.records --dict learn --format '" + PlainFormat + "'");
  EXPECT_EQ(wrong.ExitCode, 1);
  EXPECT_NE(wrong.Err.find(" character references are not in learn/chardict.ocr"),
            std::string::npos)
      << wrong.Err;
  EXPECT_NE(wrong.Out.find("<ERROR>"), std::string::npos);
}

// Reads each run of ink columns as an "x" and counts how often it was asked to read.
class ColumnRunEngine : public SuggestionEngine {
 public:
  explicit ColumnRunEngine(int& calls) : calls_(calls) {}
  EngineReading ReadLine(const EngineImage& image) override {
    ++calls_;
    EngineReading reading;
    reading.Words.push_back({});
    for (int x = 0, start = -1; x <= image.Width; ++x) {
      bool ink = false;
      for (int y = 0; x < image.Width && y < image.Height && !ink; ++y)
        ink = image.Pixels[static_cast<std::size_t>(y * image.Width + x)] == 0;
      if (ink && start < 0) start = x;
      if (!ink && start >= 0) {
        reading.Symbols.push_back({"x", start, x - 1, 0});
        reading.Words[0] += "x";
        start = -1;
      }
    }
    return reading;
  }
  const std::string& Language() const override { return language_; }

 private:
  int& calls_;
  std::string language_ = "eng";
};

TEST_F(CliTest, LearningAutomaticallyReportsWhatWasNamedAndHowOftenTheEngineRead) {
  const std::vector<std::string> arguments{"--settings",    (dir_ / "quelm.ini").string(),
                                           "--lang",        "en",
                                           "--space-width", "14",
                                           "--format",      PlainFormat,
                                           "--dict",        (dir_ / "dict").string(),
                                           "--learn",       "auto",
                                           "--out",         (dir_ / "script.txt").string(),
                                           TitleSet};
  int calls = 0;
  const Outcome named = RunWithEngine(arguments, std::make_unique<ColumnRunEngine>(calls));
  ASSERT_EQ(named.ExitCode, 0) << named.Err;
  // chardict.unconfirmed: file, text, then votes; every new shape was read as some "x".
  int unconfirmed = 0;
  for (const std::string& line : Lines(ReadText(dir_ / "dict/chardict.unconfirmed")))
    unconfirmed += line.find("\tx") != std::string::npos;
  ASSERT_GT(unconfirmed, 0);
  ASSERT_GT(calls, 0);
  EXPECT_NE(named.Err.find("quelm-cli convert: 0 questions asked, 0 with a suggestion, 0 answered "
                           "otherwise; " +
                           std::to_string(unconfirmed) +
                           " entries named automatically (unconfirmed: see 'dict list "
                           "--unconfirmed'); " +
                           std::to_string(calls) + " engine calls\n"),
            std::string::npos)
      << named.Err;

  // With every shape known the engine is not called, and nothing is reported.
  calls = 0;
  const Outcome known = RunWithEngine(arguments, std::make_unique<ColumnRunEngine>(calls));
  ASSERT_EQ(known.ExitCode, 0) << known.Err;
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(known.Err.find("questions asked"), std::string::npos) << known.Err;
}

TEST_F(CliTest, AskingAnEmptyLineTakesTheSuggestionAndTheCountsSaySo) {
  // Enter takes the first suggestion, "\none" gives the second shape no text, then the input ends.
  WriteText(dir_ / "answers.txt", "\n\\none\n");
  int calls = 0;
  const Outcome asked = RunWithEngine(
      {"--settings", (dir_ / "quelm.ini").string(), "--lang", "en", "--space-width", "14",
       "--format", PlainFormat, "--dict", (dir_ / "dict").string(), "--learn", "ask", TitleSet},
      std::make_unique<ColumnRunEngine>(calls), (dir_ / "answers.txt").string());
  EXPECT_EQ(asked.ExitCode, 3) << asked.Err;
  EXPECT_NE(asked.Err.find("  suggested: \"x\" (word \"x"), std::string::npos) << asked.Err;
  EXPECT_NE(asked.Err.find("quelm-cli convert: 3 questions asked, 3 with a suggestion, 1 answered "
                           "otherwise; 0 entries named automatically"),
            std::string::npos)
      << asked.Err;
  const std::vector<std::string> index = Lines(ReadText(dir_ / "dict/chardict.ocr"));
  ASSERT_EQ(index.size(), 4u);
  EXPECT_EQ(index[1], "x");
  EXPECT_EQ(index[3], "");
}

TEST_F(CliTest, SettingsThatLearnAutomaticallyMakeThatTheDefault) {
  WriteText(dir_ / "auto.ini", "[preferences]\nautocolordetection=0\ncharcolor=1\nlearn=2\n");
  int calls = 0;
  const Outcome outcome = RunWithEngine(
      {"--settings", (dir_ / "auto.ini").string(), "--lang", "en", "--format", PlainFormat,
       "--dict", (dir_ / "dict").string(), "--out", (dir_ / "script.txt").string(), TitleSet},
      std::make_unique<ColumnRunEngine>(calls));
  // Asking would have ended with the input (status 3); learning after reading reads nothing.
  EXPECT_EQ(outcome.ExitCode, 0) << outcome.Err;
  EXPECT_GT(calls, 0);
  EXPECT_TRUE(fs::exists(dir_ / "dict/chardict.unconfirmed"));
}

TEST_F(CliTest, LearningAutomaticallyWithoutAnEngineSaysThatItNamesNothing) {
  const Outcome outcome = Run(ConvertArguments("auto", "dict"));
  EXPECT_EQ(outcome.ExitCode, 0) << outcome.Err;
  const bool said = outcome.Err.find("nothing is named automatically") != std::string::npos;
  EXPECT_EQ(said, !SuggestionEngineBuilt()) << outcome.Err;
}

TEST_F(CliTest, UnconfirmedEntriesAreListedWithTheirVotesUntilNamedOrConfirmed) {
  // Entries 1, 2, 3 (kept unnamed) and 5 were named from readings; 4 by the user.
  fs::create_directories(dir_ / "d");
  WriteText(dir_ / "d/chardict.ocr",
            "d/char_0.bmp\r\ne\r\nd/char_1.bmp\r\nrn\r\nd/char_2.bmp\r\n<d/char_2.bmp>\r\n"
            "d/char_3.bmp\r\nc\r\nd/char_4.bmp\r\no\r\n");
  WriteText(dir_ / "d/chardict.unconfirmed",
            "d/char_0.bmp\te\t3\te\t1\tc\nd/char_1.bmp\trn\t2\trn\t1\tm\n"
            "d/char_2.bmp\t<d/char_2.bmp>\nd/char_4.bmp\to\t1\to\n");
  const auto unconfirmed = [&] { return Lines(Run("dict list --unconfirmed d").Out); };
  EXPECT_EQ(unconfirmed(), (std::vector<std::string>{
                               "1\td/char_0.bmp\tmissing\te\tunconfirmed\t\"e\" 3, \"c\" 1",
                               "2\td/char_1.bmp\tmissing\trn\tunconfirmed\t\"rn\" 2, \"m\" 1",
                               "3\td/char_2.bmp\tmissing\t<d/char_2.bmp>\tunconfirmed\t",
                               "5\td/char_4.bmp\tmissing\to\tunconfirmed\t\"o\" 1"}));
  // The plain list keeps its four columns and marks in a fifth.
  const std::vector<std::string> all = Lines(Run("dict list d").Out);
  ASSERT_EQ(all.size(), 5u);
  EXPECT_EQ(all[0], "1\td/char_0.bmp\tmissing\te\tunconfirmed");
  EXPECT_EQ(all[3], "4\td/char_3.bmp\tmissing\tc");

  EXPECT_EQ(Run("dict confirm d char_0.bmp").ExitCode, 0);
  // Naming is the user's word; the other entries keep their votes.
  EXPECT_EQ(Run("dict name d 2 m").ExitCode, 0);
  EXPECT_EQ(unconfirmed(),
            (std::vector<std::string>{"3\td/char_2.bmp\tmissing\t<d/char_2.bmp>\tunconfirmed\t",
                                      "5\td/char_4.bmp\tmissing\to\tunconfirmed\t\"o\" 1"}));
  EXPECT_EQ(Lines(Run("dict list d").Out)[1], "2\td/char_1.bmp\tmissing\tm");
  // An entry without a text cannot be confirmed as it reads; --all leaves it.
  const Outcome refused = Run("dict confirm d 3");
  EXPECT_EQ(refused.ExitCode, 1);
  EXPECT_NE(refused.Err.find("entry '3' has no text yet"), std::string::npos) << refused.Err;
  const Outcome confirmed = Run("dict confirm d --all");
  EXPECT_EQ(confirmed.ExitCode, 0) << confirmed.Err;
  EXPECT_NE(confirmed.Err.find("1 unconfirmed entries without a text"), std::string::npos);
  EXPECT_EQ(unconfirmed().size(), 1u);
  EXPECT_EQ(Run("dict name d 3 x").ExitCode, 0);
  EXPECT_EQ(unconfirmed().size(), 0u);
  EXPECT_FALSE(fs::exists(dir_ / "d/chardict.unconfirmed"));
}

// The records of a records file, each as its lines between the markers.
std::vector<std::vector<std::string>> Records(const std::string& text) {
  std::vector<std::vector<std::string>> records;
  for (const std::string& line : Lines(text)) {
    if (line == "<SUB_START>")
      records.emplace_back();
    else if (line != "<SUB_END>" && !records.empty())
      records.back().push_back(line);
  }
  return records;
}

TEST_F(CliTest, WithoutItsResumeFileARecordsFileGoesOnAfterItsLastRecord) {
  const Outcome whole = Run(ConvertArguments("after", "dict") + " --records film.records");
  ASSERT_EQ(whole.ExitCode, 0) << whole.Err;
  const std::vector<std::vector<std::string>> all = Records(ReadText(dir_ / "film.records"));
  ASSERT_EQ(all.size(), 10u);  // the version record and nine subtitles

  // Subtitle 3 was aborted, the run stopped after subtitle 4 and the .resume file is gone.
  std::string cut;
  for (const std::size_t i : {0, 1, 2, 4}) {
    cut += "<SUB_START>\n";
    for (const std::string& line : all[i]) cut += line + "\n";
    cut += "<SUB_END>\n";
  }
  WriteText(dir_ / "film.records", cut);
  fs::remove(dir_ / "film.records.resume");
  const Outcome continued = Run(ConvertArguments("after", "dict") + " --records film.records");
  ASSERT_EQ(continued.ExitCode, 0) << continued.Err;
  std::vector<std::vector<std::string>> expected = all;
  expected.erase(expected.begin() + 3);
  EXPECT_EQ(Records(ReadText(dir_ / "film.records")), expected);
}

// Hands every private-stream-1 packet of sub-stream `from` in the packs from `begin` up to `end`
// to sub-stream `to`; returns how many it moved.
int MoveSubStream(const fs::path& vob, std::int64_t begin, std::int64_t end, int from, int to) {
  std::fstream file(vob, std::ios::in | std::ios::out | std::ios::binary);
  int moved = 0;
  for (std::int64_t at = begin; at < end; at += 2048) {
    unsigned char pack[2048];
    file.seekg(at);
    if (!file.read(reinterpret_cast<char*>(pack), sizeof pack)) break;
    // Pack header and its stuffing, then packets: 00 00 01, stream id, 16-bit length.
    std::size_t packet = 14 + (pack[13] & 7);
    while (packet + 9 < sizeof pack && pack[packet] == 0 && pack[packet + 1] == 0 &&
           pack[packet + 2] == 1) {
      const std::size_t sub = packet + 9 + pack[packet + 8];
      if (pack[packet + 3] == 0xBD && sub < sizeof pack && pack[sub] == from) {
        pack[sub] = static_cast<unsigned char>(to);
        ++moved;
      }
      packet += 6 + ((pack[packet + 4] << 8) | pack[packet + 5]);
    }
    file.seekp(at);
    file.write(reinterpret_cast<const char*>(pack), sizeof pack);
  }
  return moved;
}

TEST_F(CliTest, RecordsTakeEachSubtitlesOwnTimeAndChapterAcrossALongGap) {
  // The demo title with subtitles 2 to 5 of 0x20 (packs 92160 .. 276480, demo/units_s0.txt)
  // moved to 0x22: 15 s pass between subtitle 1 and 6, as in a stretch without dialogue.
  const std::string demo = std::string(QUELM_TEST_DATA) + "/../../demo/VIDEO_TS/";
  fs::create_directories(dir_ / "gap");
  fs::copy_file(demo + "VTS_01_0.IFO", dir_ / "gap/VTS_01_0.IFO");
  fs::copy_file(demo + "VTS_01_1.VOB", dir_ / "gap/VTS_01_1.VOB");
  ASSERT_EQ(MoveSubStream(dir_ / "gap/VTS_01_1.VOB", 92160, 335872, 0x20, 0x22), 5);

  const Outcome converted =
      Run("convert --settings quelm.ini --stream 0x20 --dict dict --learn skip --records "
          "gap.records gap");
  ASSERT_EQ(converted.ExitCode, 0) << converted.Err;
  std::vector<std::pair<std::string, std::string>> records;  // time code line, chapter
  const std::vector<std::string> lines = Lines(ReadText(dir_ / "gap.records"));
  for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
    if (lines[i] == "<SUB_START>" && lines[i + 1].find(" start=") != std::string::npos)
      records.emplace_back(lines[i + 1], lines[i + 2]);
  }
  // demo/en.srt: subtitles 1 and 6 to 12; the IFO's chapters of 12, 12 and 13 s.
  const std::pair<std::string, std::string> expected[] = {
      {"00:00:01", "1"}, {"00:00:16", "2"}, {"00:00:19", "2"}, {"00:00:22", "2"},
      {"00:00:25", "3"}, {"00:00:28", "3"}, {"00:00:31", "3"}, {"00:00:34", "3"}};
  ASSERT_EQ(records.size(), std::size(expected));
  for (std::size_t i = 0; i < records.size(); ++i) {
    const auto& [line, chapter] = records[i];
    EXPECT_EQ(line.substr(0, 8), expected[i].first) << line;
    // The time code and start= name the same second.
    const long long start = std::stoll(line.substr(line.find(" start=") + 7));
    const int seconds = std::stoi(line.substr(6, 2)) + 60 * std::stoi(line.substr(3, 2));
    EXPECT_EQ(start / 1000, seconds) << line;
    EXPECT_EQ(chapter, expected[i].second) << line;
  }
}

TEST_F(CliTest, InfoShowsStreamsChaptersAndFilesAsTheIfoHasThem) {
  // The multifile title set: English and French streams, two chapters of 15 s, three files.
  const Outcome info = Run("info '" + TitleSet + "'");
  ASSERT_EQ(info.ExitCode, 0) << info.Err;
  const std::vector<std::string> lines = Lines(info.Out);
  ASSERT_EQ(lines.size(), 11u) << info.Out;
  EXPECT_EQ(lines[0], "ifo: " + TitleSet + "/VTS_01_0.IFO");
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 7),
            (std::vector<std::string>{"subtitle streams: 2", "  0x20  en  English",
                                      "  0x21  fr  Francais", "chapters: 2", "   1  00:00:15",
                                      "   2  00:00:15"}));
  EXPECT_EQ(lines[7], "title VOB files: 3");
  for (int part = 1; part <= 3; ++part) {
    const std::string vob = TitleSet + "/VTS_01_" + std::to_string(part) + ".VOB";
    EXPECT_EQ(lines[static_cast<std::size_t>(7 + part)],
              "  " + vob + "  " + std::to_string(fs::file_size(vob)) + " bytes");
  }
  EXPECT_EQ(info.Err, "");

  // A damaged IFO says what is wrong and shows what could be read.
  fs::create_directories(dir_ / "damaged");
  fs::copy_file(std::string(QUELM_TEST_DATA) + "/ifo/malformed/streams40.ifo",
                dir_ / "damaged/VTS_01_0.IFO");
  WriteText(dir_ / "damaged/VTS_01_1.VOB", "");
  const Outcome damaged = Run("info damaged");
  EXPECT_EQ(damaged.ExitCode, 0);
  EXPECT_NE(damaged.Err.find("40 subpicture streams, at most 32 exist"), std::string::npos)
      << damaged.Err;
  EXPECT_NE(damaged.Out.find("subtitle streams: 32"), std::string::npos);
  fs::copy_file(std::string(QUELM_TEST_DATA) + "/ifo/malformed/short100.ifo",
                dir_ / "damaged/VTS_01_0.IFO", fs::copy_options::overwrite_existing);
  EXPECT_EQ(Run("info damaged").ExitCode, 1);
}

TEST_F(CliTest, AVobSubPairReadsAsItsTitleWithTheLanguagesAndDelayOfItsIndex) {
  // The basic title's English stream, copied out by ffmpeg and mkvextract.
  const std::string pair = std::string(QUELM_TEST_DATA) + "/vobsub/basic";
  const std::string convert = "convert --settings quelm.ini --learn after --dict d --format '" +
                              std::string(QUELM_BIN_DIR) + "/outputini/srt.ini' ";
  const Outcome title =
      Run(convert + "--lang en --out title.srt '" + QUELM_TEST_DATA + "/vob/basic/VIDEO_TS'");
  ASSERT_EQ(title.ExitCode, 0) << title.Err;
  const Outcome fromPair = Run(convert + "--lang en --out pair.srt '" + pair + ".idx'");
  ASSERT_EQ(fromPair.ExitCode, 0) << fromPair.Err;
  EXPECT_EQ(fromPair.Err,
            "quelm-cli convert: 8 subtitles read, 0 characters learned; script in pair.srt\n");
  ASSERT_EQ(test::ReadSrt((dir_ / "title.srt").string()).size(), 8u);
  EXPECT_EQ(ReadText(dir_ / "pair.srt"), ReadText(dir_ / "title.srt"));

  const Outcome german = Run(convert + "--lang de '" + pair + ".sub'");
  EXPECT_EQ(german.ExitCode, 1);
  EXPECT_NE(german.Err.find("no subtitle stream with language 'de' in " + pair +
                            ".idx; it has en (0x20)"),
            std::string::npos)
      << german.Err;

  const Outcome info = Run("info '" + pair + ".sub'");
  ASSERT_EQ(info.ExitCode, 0) << info.Err;
  EXPECT_EQ(Lines(info.Out),
            (std::vector<std::string>{"index: " + pair + ".idx", "subtitle streams: 1",
                                      "  0x20  en  English", "chapters: 0", "subtitle files: 1",
                                      "  " + pair + ".sub  18432 bytes"}));

  // Any case; a delay shifts every time.
  fs::copy_file(pair + ".sub", dir_ / "MOVIE.SUB");
  std::string index = ReadText(pair + ".idx");
  index.insert(index.find("timestamp:"), "delay: 00:00:01:500\n");
  WriteText(dir_ / "movie.idx", index);
  ASSERT_EQ(Run(convert + "--lang en --out delayed.srt MOVIE.SUB").ExitCode, 0);
  const std::vector<test::SrtCue> cues = test::ReadSrt((dir_ / "title.srt").string());
  const std::vector<test::SrtCue> delayed = test::ReadSrt((dir_ / "delayed.srt").string());
  ASSERT_EQ(delayed.size(), cues.size());
  for (std::size_t i = 0; i < cues.size(); ++i) {
    EXPECT_EQ(delayed[i].StartMs, cues[i].StartMs + 1500) << "subtitle " << i + 1;
    EXPECT_EQ(delayed[i].EndMs, cues[i].EndMs + 1500) << "subtitle " << i + 1;
    EXPECT_EQ(delayed[i].Lines, cues[i].Lines);
  }

  // A damaged index names its lines and still gives its stream.
  fs::copy_file(std::string(QUELM_TEST_DATA) + "/vobsub/malformed/damaged.idx", dir_ / "movie.idx",
                fs::copy_options::overwrite_existing);
  const Outcome damaged = Run("info movie.idx");
  EXPECT_EQ(damaged.ExitCode, 0);
  EXPECT_EQ(Lines(damaged.Err),
            (std::vector<std::string>{
                "quelm-cli info: movie.idx line 2: the palette needs 16 colours of six hex "
                "digits; the line is skipped",
                "quelm-cli info: movie.idx line 8: the timestamp line is not 'timestamp: "
                "hh:mm:ss:ms, filepos: HEX'; the line is skipped"}));
  EXPECT_NE(damaged.Out.find("  0x20  en  English"), std::string::npos) << damaged.Out;
  const Outcome damagedConvert = Run(convert + "--lang en --out damaged.srt movie.idx");
  EXPECT_EQ(damagedConvert.ExitCode, 0) << damagedConvert.Err;
  EXPECT_NE(damagedConvert.Err.find("warning: movie.idx line 8"), std::string::npos);
  EXPECT_EQ(ReadText(dir_ / "damaged.srt"), ReadText(dir_ / "title.srt"));
}

// The multifile title set as genisoimage put it into a disc image (tests/data/make_images.sh).
const std::string Image = std::string(QUELM_TEST_DATA) + "/iso/multifile.iso";

std::string ReplacedAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

TEST_F(CliTest, EveryCopyOfATitleReadsAsTheFolderItWasMadeFrom) {
  const std::string convert = "convert --settings quelm.ini --learn after --format '" +
                              std::string(QUELM_BIN_DIR) + "/outputini/srt.ini' --lang ";
  std::map<std::string, std::string> fromFolder;
  for (const char* lang : {"en", "fr"}) {
    const Outcome read = Run(convert + lang + " --dict folder '" + TitleSet + "'");
    ASSERT_EQ(read.ExitCode, 0) << read.Err;
    fromFolder[lang] = read.Out;
    fs::remove_all(dir_ / "folder");
  }
  std::size_t cues = 0;
  for (const std::string& line : Lines(fromFolder["en"]))
    cues += line.find(" --> ") != std::string::npos;
  EXPECT_EQ(cues, SrtTexts().size()) << fromFolder["en"];

  // Made from the folder by tests/data/make_images.sh and make_matroska.sh.
  const std::string data = QUELM_TEST_DATA;
  const struct {
    std::string Path;
    std::string Lang;
    bool Supported;
    std::string Unsupported;
  } copies[] = {
      {Image, "en", DiscImage::Supported(), DiscImage::Unsupported},
      // The tracks say "eng" and "fre".
      {data + "/matroska/multifile.mks", "en", Matroska::Supported(), Matroska::Unsupported},
      {data + "/matroska/multifile.mks", "fr", Matroska::Supported(), Matroska::Unsupported},
      // mkvmerge's copy: zlib-compressed blocks and a VobSub header of its own.
      {data + "/matroska/multifile-zlib.mks", "fr", Matroska::Supported(), Matroska::Unsupported},
      {data + "/vobsub/multifile.idx", "en", true, ""},
  };
  for (const auto& copy : copies) {
    fs::remove_all(dir_ / "folder");
    const Outcome read = Run(convert + copy.Lang + " --dict folder '" + copy.Path + "'");
    if (!copy.Supported) {
      EXPECT_EQ(read.ExitCode, 1) << copy.Path;
      EXPECT_NE(read.Err.find("cannot read '" + copy.Path + "': " + copy.Unsupported),
                std::string::npos)
          << read.Err;
      continue;
    }
    ASSERT_EQ(read.ExitCode, 0) << copy.Path << "\n" << read.Err;
    // The same subtitles, times and glyphs.
    EXPECT_EQ(read.Out, fromFolder[copy.Lang]) << copy.Path << " --lang " << copy.Lang;
  }

  if (!DiscImage::Supported()) return;
  // info names the files inside the image by the image's path.
  const Outcome info = Run("info '" + Image + "'");
  ASSERT_EQ(info.ExitCode, 0) << info.Err;
  EXPECT_EQ(info.Out,
            ReplacedAll(Run("info '" + TitleSet + "'").Out, TitleSet, Image + "/VIDEO_TS"));
}

TEST_F(CliTest, ACutOrEncryptedCopySaysWhereAndWhyReadingStopsAndKeepsWhatWasRead) {
  struct Case {
    std::string File;
    std::string Message;
    std::size_t Subtitles;  // found before the fault, and in the script
  };
  std::vector<Case> cases;
  if (DiscImage::Supported()) {
    // Cut in the second title VOB, after the fourth subtitle (multifile/units_s0.txt).
    std::string bytes = ReadText(Image);
    WriteText(dir_ / "cut.iso", bytes.substr(0, 900000));
    // The disc's encryption marks a pack by the scrambling bits of its first packet's header.
    int scrambled = 0;
    for (std::size_t at = 0; at + 2048 <= bytes.size(); at += 2048) {
      const std::size_t packet = at + 14 + (bytes[at + 13] & 7);
      if (bytes.compare(at, 4, std::string("\0\0\1\xBA", 4)) == 0 &&
          bytes.compare(packet, 4, std::string("\0\0\1\xE0", 4)) == 0) {
        bytes[packet + 6] = static_cast<char>(bytes[packet + 6] | 0x10);
        ++scrambled;
      }
    }
    ASSERT_GT(scrambled, 0);
    WriteText(dir_ / "scrambled.iso", bytes);
    WriteText(dir_ / "notes.iso", "not a disc\n");
    cases.push_back({"cut.iso",
                     "cannot read 'cut.iso/VIDEO_TS/VTS_01_2.VOB' from byte 79872: the image or "
                     "drive gives no block 39",
                     4});
    cases.push_back(
        {"scrambled.iso",
         "cannot read 'scrambled.iso/VIDEO_TS/VTS_01_1.VOB' from byte 2048: the disc is encrypted",
         0});
    cases.push_back({"notes.iso", "cannot read 'notes.iso': it is no DVD image", 0});
  }
  if (Matroska::Supported()) {
    // Cut after the fourth subtitle's packet (at byte 35057 as ffprobe lists it).
    const std::string movie = ReadText(std::string(QUELM_TEST_DATA) + "/matroska/multifile.mks");
    WriteText(dir_ / "cut.mks", movie.substr(0, 40000));
    WriteText(dir_ / "notes.mkv", "not a film\n");
    cases.push_back({"cut.mks",
                     "cannot read 'cut.mks' from byte 40000: the file is cut short: it ends at "
                     "byte 40000, its Matroska segment at byte 83765",
                     4});
    cases.push_back({"notes.mkv", "cannot read 'notes.mkv': no Matroska header", 0});
  }
  // Cut inside the third subtitle's picture, which is split over several segments.
  const std::string sup = ReadText(std::string(QUELM_TEST_DATA) + "/pgs/basic.sup");
  WriteText(dir_ / "cut.sup", sup.substr(0, 15000));
  cases.push_back({"cut.sup",
                   "cannot read 'cut.sup' from byte 14373: the file ends inside the segment at "
                   "byte 14373",
                   2});
  for (const Case& c : cases) {
    const Outcome outcome = Run("convert --settings quelm.ini --dict d --learn skip --format '" +
                                std::string(QUELM_BIN_DIR) + "/outputini/srt.ini' " + c.File);
    EXPECT_EQ(outcome.ExitCode, 1) << c.File;
    EXPECT_NE(outcome.Err.find(c.Message), std::string::npos) << outcome.Err;
    std::size_t cues = 0;
    for (const std::string& line : Lines(outcome.Out))
      cues += line.find(" --> ") != std::string::npos;
    EXPECT_EQ(cues, c.Subtitles) << c.File << "\n" << outcome.Out;
  }
}

TEST_F(CliTest, BadOptionsAndUnreadableFilesGiveAMessageAndAnExitCode) {
  const std::string title = " '" + TitleSet + "'";
  struct Case {
    std::string Arguments;
    int ExitCode;
    std::string Message;
  };
  fs::create_directories(dir_ / "blocked/chardict.ocr");  // an index that is a directory
  WriteText(dir_ / "cut.records", "<SUB_START>\n00:00:01\n1\n<abc>\n");
  WriteText(dir_ / "stray.records", "<SUB_START>\n00:00:01\n1\n<SUB_END>\nstray\n");
  WriteText(dir_ / "film.records", "<SUB_START>\n00:00:01\n1\nabc\n<SUB_END>\n");
  WriteText(dir_ / "notes.vob", "not a film\n");
  WriteText(dir_ / "notes.ini", "not a format\n");
  std::string matroska("\x1A\x45\xDF\xA3", 4);
  matroska.resize(3 * 2048, '\0');
  WriteText(dir_ / "film.mkv", matroska);
  fs::create_directories(dir_ / "noifo");
  fs::copy_file(TitleSet + "/VTS_01_1.VOB", dir_ / "noifo/VTS_01_1.VOB");
  const std::string ifo = TitleSet + "/VTS_01_0.IFO";
  const Case cases[] = {
      {"convert --stream 0x40" + title, 2, "--stream must be a sub-stream id"},
      {"convert --learn maybe --dict d" + title, 2, "--learn must be ask, auto, after or skip"},
      {"convert --interlace 9 --dict d" + title, 2, "--interlace must be"},
      {"convert --colour 3" + title, 2, "unknown option '--colour'"},
      {"convert --stream 0x21 --lang en --dict d" + title, 2, "give one of them"},
      {"convert --dict d", 2, "no VOB file or title-set directory given"},
      {"convert --dict d missing.vob", 1, "cannot read 'missing.vob'"},
      {"convert --dict d " + std::string(QUELM_TEST_DATA), 1, "holds no title VOB files"},
      {"convert --dict d --lang xx" + title, 1, "no subtitle stream with language 'xx'"},
      {"convert --dict d notes.vob", 1,
       "cannot read 'notes.vob': not one MPEG program stream pack"},
      {"convert --dict d film.mkv", 1,
       std::string("cannot read 'film.mkv': ") +
           (Matroska::Supported() ? "no Matroska header" : Matroska::Unsupported)},
      {"convert --dict d --stream 0x25 '" + ifo + "'", 1,
       "no subtitle stream 0x25 in " + ifo + "; it has en (0x20), fr (0x21)"},
      {"convert --dict d --stream 0x25 noifo", 1, "no subtitle of stream 0x25 in 'noifo/"},
      {"convert --dict d --format notes.ini" + title, 1, "'notes.ini' is no output format"},
      {"render --records film.records --format notes.ini", 1, "'notes.ini' is no output format"},
      {"convert --dict blocked" + title, 1, "chardict.ocr"},
      {"convert --dict d --out nowhere/script.txt" + title, 1, "its directory does not exist"},
      {"convert --dict d --format none.ini" + title, 1, "cannot read 'none.ini'"},
      {"convert --dict d --records cut.records" + title, 1, "cut.records, line 1:"},
      {"render --records stray.records", 1, "stray.records, line 5: text outside a record"},
      {"render", 2, "--records FILE is required"},
      {"render --records missing.records", 1, "missing.records does not exist"},
      {"render --records stray.records --sub-nr x", 2, "--sub-nr must be a number"},
      {"render --records stray.records --lang ../x", 2, "--lang needs a two-letter language code"},
      {"info", 2, "no VOB file or title-set directory given"},
      {"info --title 0 " + TitleSet, 2, "--title needs a title set number from 1 to 99"},
      {"info .", 1, "holds no title VOB files"},
      {"dict list", 2, "list takes DIR"},
      {"dict rename d 1 x", 2, "unknown action 'rename'"},
      {"dict confirm d", 2, "confirm takes DIR ENTRY... or DIR --all"},
      {"dict confirm d 1 --all", 2, "confirm takes DIR and --all, no ENTRY"},
      {"dict list --all d", 2, "--all belongs to confirm"},
      {"dict show . 1", 1, "no entry '1'"},
      {"frobnicate", 2, "unknown command 'frobnicate'"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = Run(c.Arguments);
    EXPECT_EQ(outcome.ExitCode, c.ExitCode) << c.Arguments << "\n" << outcome.Err;
    EXPECT_NE(outcome.Err.find(c.Message), std::string::npos) << c.Arguments << "\n" << outcome.Err;
  }
  // Nothing was written where a run was refused.
  EXPECT_FALSE(fs::exists(dir_ / "nowhere"));

  // An IFO stands for its title set: every subtitle of the three files is read.
  const Outcome fromIfo =
      Run("convert --dict d --learn after --format '" + PlainFormat + "' '" + ifo + "'");
  EXPECT_EQ(fromIfo.ExitCode, 0) << fromIfo.Err;
  EXPECT_EQ(Lines(fromIfo.Out).size(), 1 + SrtTexts().size()) << fromIfo.Out;
}

TEST_F(CliTest, AStoppedOrRefusedRunLeavesTheOutputFileAsItWas) {
  WriteText(dir_ / "script.txt", "the old script\n");
  WriteText(dir_ / "answers.txt", "\\quit\n");
  const Outcome stopped =
      Run(ConvertArguments("ask", "dict") + " --records r.records --out script.txt",
          (dir_ / "answers.txt").string());
  EXPECT_EQ(stopped.ExitCode, 3) << stopped.Err;
  EXPECT_NE(stopped.Err.find("records in r.records"), std::string::npos) << stopped.Err;
  EXPECT_EQ(ReadText(dir_ / "script.txt"), "the old script\n");

  WriteText(dir_ / "notes.vob", "not a film\n");
  const Outcome refused = Run("convert --dict dict --out script.txt notes.vob");
  EXPECT_EQ(refused.ExitCode, 1) << refused.Err;
  EXPECT_EQ(ReadText(dir_ / "script.txt"), "the old script\n");
}

TEST_F(CliTest, StoppedRenderingWritesTheLinesBeforeTheFaultAndFails) {
  WriteText(dir_ / "film.records",
            "<SUB_START>\n00:00:01\n1\nabc\n<SUB_END>\n<SUB_START>\n00:00:02\n1\nxyz\n<SUB_END>\n");
  // Every record divides its chapter by SUB_NR.
  WriteText(dir_ / "div.ini",
            "[header]\n0=\"head\"\n[body]\n0=\"<SUBPIC>\"\n1=\"<MATH_START><CC><MATH_DIV><SUB_NR>"
            "<MATH_RESULT>\"\n[footer]\n0=\"foot\"\n");
  const Outcome stopped = Run("render --records film.records --format div.ini --sub-nr 0");
  EXPECT_EQ(stopped.ExitCode, 1);
  EXPECT_NE(stopped.Err.find("Division by zero"), std::string::npos) << stopped.Err;
  EXPECT_EQ(stopped.Out.rfind("head\nabc\n", 0), 0u) << stopped.Out;
  EXPECT_EQ(stopped.Out.find("foot"), std::string::npos);

  const Outcome fine = Run("render --records film.records --format div.ini --sub-nr 1 --rtf");
  EXPECT_EQ(fine.ExitCode, 0) << fine.Err;
  EXPECT_EQ(fine.Out.rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(fine.Out.find("foot"), std::string::npos);
}

TEST_F(CliTest, RenderFixesLookAlikesByTheLanguageUnlessToldNot) {
  WriteText(dir_ / "film.records", "<SUB_START>\n00:00:01\n1\nl know ''lt''\n<SUB_END>\n");
  const std::string render = "render --records film.records --format '" + PlainFormat + "'";
  EXPECT_EQ(Lines(Run(render).Out).back(), "I know \"It\"");
  EXPECT_EQ(Lines(Run(render + " --no-fix").Out).back(), "l know ''lt''");
  // German rules know no lone "I"; "It" is no German word either.
  EXPECT_EQ(Lines(Run(render + " --lang de").Out).back(), "l know \"lt\"");
  WriteText(dir_ / "off.ini", "[preferences]\nfix_lookalikes=0\n");
  EXPECT_EQ(Lines(Run(render + " --settings off.ini").Out).back(), "l know ''lt''");
}

TEST_F(CliTest, APgsStreamConvertsLikeTheDvdTrackItWasMadeFrom) {
  // The basic title's English subtitles drawn anew with an anti-aliased palette of eight
  // entries, as Blu-ray subtitles are (tests/data/make_pgs.py). Its letters must be read with
  // the glyphs the DVD track taught.
  const std::string convert = "convert --settings quelm.ini --dict d --format '" +
                              std::string(QUELM_BIN_DIR) + "/outputini/srt.ini' ";
  const Outcome title = Run(convert + "--learn after --lang en --out title.srt '" +
                            QUELM_TEST_DATA + "/vob/basic/VIDEO_TS'");
  ASSERT_EQ(title.ExitCode, 0) << title.Err;
  ASSERT_EQ(test::ReadSrt((dir_ / "title.srt").string()).size(), 8u);
  const Outcome sup =
      Run(convert + "--learn skip --out sup.srt '" + QUELM_TEST_DATA + "/pgs/basic.sup'");
  ASSERT_EQ(sup.ExitCode, 0) << sup.Err;
  // Nothing but the summary: a .sup has no IFO to miss.
  EXPECT_EQ(sup.Err,
            "quelm-cli convert: 8 subtitles read, 0 characters learned; script in sup.srt\n");
  EXPECT_EQ(ReadText(dir_ / "sup.srt"), ReadText(dir_ / "title.srt"));
  // ffmpeg's copy of it into Matroska.
  if (!Matroska::Supported()) return;
  const Outcome mks =
      Run(convert + "--learn skip --out mks.srt '" + QUELM_TEST_DATA + "/pgs/basic.mks'");
  ASSERT_EQ(mks.ExitCode, 0) << mks.Err;
  EXPECT_EQ(ReadText(dir_ / "mks.srt"), ReadText(dir_ / "title.srt"));
}

}  // namespace
}  // namespace quelm
