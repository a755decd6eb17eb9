// The conversion both programs drive: what its recognition step appends, and when its records
// count as unsaved.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "conversion/Conversion.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;

const std::array<Color, 4> Colors{ColorBlack, ColorWhite, 0x808080, ColorWhite};

// A recognition that reads one line as `result` says, without a dictionary.
Recogniser Reads(RecognitionResult result) {
  return [result](const Bitmap&, const RecognitionSettings&) { return result; };
}

RecognitionResult ReadLine(const std::string& line) {
  RecognitionResult result;
  result.ReferenceLines = {line};
  return result;
}

TEST(ConversionTest, StepAppendsOnlyAReadSubtitleAndReportsTheKeptColour) {
  Conversion conversion;
  conversion.StartNew();
  RecognitionSettings settings;
  settings.Colors = Colors;
  const SubtitlePlace place{"00:01:02", "3", RecordFacts()};
  const std::vector<std::string> before = conversion.Script().Lines();

  RecognitionResult aborted = ReadLine("<a.bmp>");
  aborted.Aborted = true;
  EXPECT_EQ(conversion.RecogniseSubtitle({}, settings, place, Reads(aborted)).End,
            RecognitionEnd::Aborted);
  RecognitionResult failed = ReadLine("<a.bmp>");
  failed.Outcome = Status::Failure("Unable to write to d/char_1.bmp");
  const SubtitleStep failure = conversion.RecogniseSubtitle({}, settings, place, Reads(failed));
  EXPECT_EQ(failure.End, RecognitionEnd::Failed);
  EXPECT_EQ(failure.Outcome.Message, "Unable to write to d/char_1.bmp");
  EXPECT_EQ(conversion.Script().Lines(), before);

  const SubtitleStep plain =
      conversion.RecogniseSubtitle({}, settings, place, Reads(ReadLine("<a.bmp>")));
  EXPECT_EQ(plain.End, RecognitionEnd::Appended);
  EXPECT_FALSE(plain.KeepColors);
  EXPECT_FALSE(plain.CharColorIndex.has_value());
  RecognitionResult kept = ReadLine("<b.bmp>");
  kept.KeepColors = true;
  kept.FinalCharColor = ColorWhite;
  const SubtitleStep step = conversion.RecogniseSubtitle({}, settings, place, Reads(kept));
  EXPECT_EQ(step.End, RecognitionEnd::Appended);
  EXPECT_TRUE(step.KeepColors);
  // Two roles hold white: the last one is checked, as the role buttons leave it.
  EXPECT_EQ(step.CharColorIndex, 3);
  std::vector<std::string> expected = before;
  for (const char* line : {"<SUB_START>", "00:01:02", "3", "<a.bmp>", "<SUB_END>", "<SUB_START>",
                           "00:01:02", "3", "<b.bmp>", "<SUB_END>"})
    expected.emplace_back(line);
  EXPECT_EQ(conversion.Script().Lines(), expected);
}

TEST(ConversionTest, RecordsAreUnsavedFromAnAppendUntilTheyAreSavedOrOthersOpened) {
  const fs::path dir =
      fs::temp_directory_path() / ("quelm_conversion_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  Conversion conversion;
  conversion.StartNew();
  EXPECT_FALSE(conversion.Unsaved());  // the version record alone is nothing to lose
  const SubtitlePlace place{"00:00:01", "1", RecordFacts()};
  conversion.RecogniseSubtitle({}, {}, place, Reads(ReadLine("<a.bmp>")));
  EXPECT_TRUE(conversion.Unsaved());

  EXPECT_FALSE(conversion.SaveRecords((dir / "missing/film.records").string()).Ok);
  EXPECT_TRUE(conversion.Unsaved());
  ASSERT_TRUE(conversion.SaveRecords((dir / "film.records").string()).Ok);
  EXPECT_FALSE(conversion.Unsaved());

  conversion.RecogniseSubtitle({}, {}, place, Reads(ReadLine("<b.bmp>")));
  ASSERT_TRUE(conversion.Unsaved());
  conversion.Open(RawScript());
  EXPECT_FALSE(conversion.Unsaved());
  EXPECT_EQ(conversion.Script().Lines().size(), 5u);  // an empty file opens as a new script
  fs::remove_all(dir);
}

// Reads the line's first run of ink columns as "o", and nothing else.
class FirstShapeEngine : public SuggestionEngine {
 public:
  EngineReading ReadLine(const EngineImage& image) override {
    EngineReading reading;
    reading.Words.push_back("o");
    int start = -1;
    for (int x = 0; x < image.Width; ++x) {
      bool ink = false;
      for (int y = 0; y < image.Height && !ink; ++y)
        ink = image.Pixels[static_cast<std::size_t>(y * image.Width + x)] == 0;
      if (ink && start < 0) start = x;
      if (!ink && start >= 0) {
        reading.Symbols.push_back({"o", start, x - 1, 0});
        break;
      }
    }
    return reading;
  }
  const std::string& Language() const override { return language_; }

 private:
  std::string language_ = "eng";
};

TEST(ConversionTest, RunRecogniserSavesVotesOfASubtitleThatLearnedNothing) {
  const fs::path dir =
      fs::temp_directory_path() / ("quelm_conversion_votes_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string root = dir.string() + "/";
  // White on black: a 3 x 4 block, then a 2 x 4 one.
  Bitmap subpicture(14, 8, ColorBlack);
  for (int y = 2; y < 6; ++y) {
    for (int x : {2, 3, 4, 8, 9}) subpicture.SetPixel(x, y, ColorWhite);
  }
  RecognitionSettings settings;
  settings.Colors = {ColorBlack, 0x808080, 0x404040, ColorWhite};
  settings.DictionaryRoot = root;
  CharDictionary dictionary;
  // The first block is learned as "a", the second skipped.
  std::vector<AnswerKind> answers{AnswerKind::Text, AnswerKind::SkipCharacter};
  RunRecogniser teach{dictionary, [&](const CharacterQuestion&) {
                        const AnswerKind kind = answers.front();
                        answers.erase(answers.begin());
                        return CharacterAnswer{kind, "a", false};
                      }, {}, {}};
  ASSERT_TRUE(teach(subpicture, settings).Outcome.Ok);
  ASSERT_EQ(dictionary.Size(), 1u);
  dictionary.SetUnconfirmed(0, true);
  ASSERT_TRUE(dictionary.Save(root).Ok);

  // Learning automatically, the engine reads the known block as "o" and nothing at the other,
  // which is skipped again: the vote renames the entry although nothing was learned.
  FirstShapeEngine engine;
  settings.LearnAutomatically = true;
  settings.Suggestions = &engine;
  RunRecogniser vote{dictionary, [](const CharacterQuestion&) {
                       return CharacterAnswer{AnswerKind::SkipCharacter, {}, false};
                     }, {}, {}};
  const RecognitionResult voted = vote(subpicture, settings);
  ASSERT_TRUE(voted.Outcome.Ok);
  EXPECT_EQ(voted.Learned, 0);
  CharDictionary saved;
  ASSERT_TRUE(saved.Load(root).Outcome.Ok);
  ASSERT_EQ(saved.Size(), 1u);
  EXPECT_EQ(saved.CharList()[0].Text, "o");
  EXPECT_TRUE(saved.CharList()[0].Unconfirmed);
  EXPECT_EQ(saved.CharList()[0].Votes, (std::vector<std::pair<std::string, int>>{{"o", 1}}));
  fs::remove_all(dir);
}


// White blocks on black, one per width given, two columns apart; 4 wide is hollow.
Bitmap Blocks(const std::vector<int>& widths) {
  int width = 2;
  for (int w : widths) width += w + 2;
  Bitmap picture(width, 8, ColorBlack);
  int x = 2;
  for (int w : widths) {
    for (int y = 2; y < 6; ++y)
      for (int dx = 0; dx < w; ++dx)
        if (w != 4 || dx == 0 || dx == 3 || y == 2 || y == 5) picture.SetPixel(x + dx, y, ColorWhite);
    x += w + 2;
  }
  return picture;
}

TEST(ConversionTest, AnAnswerTakenBackAfterItsSubtitleEndedReadsItAndTheOnesAfterAgain) {
  const fs::path dir =
      fs::temp_directory_path() / ("quelm_conversion_undo_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  RecognitionSettings settings;
  settings.Colors = {ColorBlack, 0x808080, 0x404040, ColorWhite};
  settings.DictionaryRoot = dir.string() + "/";
  CharDictionary dictionary;
  Conversion conversion;
  conversion.StartNew();
  std::vector<CharacterAnswer> answers;
  std::vector<int> askedWidths;
  RunRecogniser recognise{dictionary, [&](const CharacterQuestion& q) {
                            askedWidths.push_back(q.Character.Width());
                            const CharacterAnswer answer = answers.front();
                            answers.erase(answers.begin());
                            return answer;
                          }, {}, {}};
  const auto text = [](const char* t) { return CharacterAnswer{AnswerKind::Text, t, false}; };
  const auto step = [&](const std::vector<int>& widths, const char* chapter) {
    return conversion.RecogniseSubtitle(Blocks(widths), settings, {"00:00:01", chapter, {}},
                                        recognise);
  };
  const auto texts = [&] {
    std::string all;
    for (const TCharEntry& e : dictionary.CharList()) all += e.Text;
    return all;
  };

  // The 3-wide block is misnamed "x" as the first subtitle's last answer; the second subtitle
  // reads it without a question; in the third, Undo comes before any answer there.
  answers = {text("a"), text("x")};
  ASSERT_EQ(step({2, 3}, "1").End, RecognitionEnd::Appended);
  ASSERT_EQ(step({3, 2}, "2").End, RecognitionEnd::Appended);
  EXPECT_TRUE(conversion.CanUndoAnswer(dictionary));
  answers = {{AnswerKind::Undo, {}, false}, text("b"), text("c")};
  const SubtitleStep third = step({4}, "3");
  EXPECT_EQ(third.End, RecognitionEnd::Appended);
  // "a" is given again without asking; the 3-wide block is asked about again, then the 4-wide.
  EXPECT_EQ(askedWidths, (std::vector<int>{2, 3, 4, 3, 4}));
  EXPECT_EQ(texts(), "abc");
  // Every subtitle once, in order, the second read again with the mended entry.
  std::vector<std::string> chapters;
  const std::vector<std::string>& lines = conversion.Script().Lines();
  for (std::size_t i = 0; i + 2 < lines.size(); ++i)
    if (lines[i] == "<SUB_START>") chapters.push_back(lines[i + 2]);
  EXPECT_EQ(chapters, (std::vector<std::string>{"0", "1", "2", "3"}));
  CharDictionary saved;
  ASSERT_TRUE(saved.Load(settings.DictionaryRoot).Outcome.Ok);
  EXPECT_EQ(saved.Size(), 3u);

  // From outside a question (the main window's menu): the third subtitle's "c" goes.
  answers = {text("e")};
  EXPECT_EQ(conversion.UndoAnswer(dictionary, recognise, nullptr).End, RecognitionEnd::Appended);
  EXPECT_EQ(texts(), "abe");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "<SUB_START>"), 4);
  // A dictionary changed by other hands since is not put back.
  dictionary.SetText(0, "A");
  EXPECT_FALSE(conversion.CanUndoAnswer(dictionary));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace quelm
