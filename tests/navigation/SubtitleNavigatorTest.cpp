// The reading steps over the committed title sets, with the real extraction run.
#include "navigation/SubtitleNavigator.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "extraction/ExtractionRun.h"
#include "extraction/MatroskaSource.h"
#include "navigation/BitmapSaving.h"
#include "navigation/IniPositionCache.h"
#include "navigation/NavigationFixture.h"
#include "platform/BmpFile.h"
#include "platform/IniFile.h"
#include "support/ScriptedInteraction.h"
#include "support/SrtFile.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;

using test::BasicSize;
using test::BasicSizes;
using test::BasicStarts;
using test::BasicVob;
using test::MultifileSizes;
using test::MultifileUnits20;
using test::MultifileUnits21;
using test::MultifileVobs;
using test::ScriptedInteraction;

struct Shown {
  int Number;
  int File;
  SubpictureResult Result;
};

// A navigator wired as the command line wires it: one plain extraction run per step.
class NavigatorTest : public test::TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    Wire(plainCache_);
  }

  void Wire(PositionCache& cache) {
    navigator_ =
        std::make_unique<SubtitleNavigator>(ui_, cache, [this](const SubpictureRequest& r) {
          requests_.push_back(r);
          ExtractionRun run(ui_);
          if (BeforeRun) BeforeRun(run);
          return run.Run(r);
        });
    navigator_->ReadSettings = [this] { return settings_; };
    navigator_->SelectionChanged = [this](int index) { selections_.push_back(index); };
    navigator_->SubtitleNrChanged = [this](int nr) { numbers_.push_back(nr); };
    navigator_->FileSizeLearned = [this](std::int64_t size) { sizes_.push_back(size); };
    navigator_->ChapterAndTimeReset = [this] { ++resets_; };
    navigator_->SubtitleFound = [this](const SubpictureResult& result) {
      shown_.push_back({navigator_->SubtitleNr(), navigator_->SelectedIndex(), result});
      return FoundStatus ? FoundStatus(result) : Status::Success();
    };
  }

  std::vector<std::string> Messages() const { return ui_.MessageTexts(); }

  ScriptedInteraction ui_;
  PositionCache plainCache_;
  ReadingSettings settings_;
  std::unique_ptr<SubtitleNavigator> navigator_;
  std::function<void(ExtractionRun&)> BeforeRun;
  std::function<Status(const SubpictureResult&)> FoundStatus;

  std::vector<SubpictureRequest> requests_;
  std::vector<int> selections_;
  std::vector<int> numbers_;
  std::vector<std::int64_t> sizes_;
  std::vector<Shown> shown_;
  int resets_ = 0;
};

TEST_F(NavigatorTest, FirstAndNextWalkOneFileThenReportTheLastFile) {
  navigator_->SetFileList({BasicVob()}, -1);
  navigator_->GotoFirst();
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(selections_, std::vector<int>{0});
  EXPECT_EQ(sizes_, std::vector<std::int64_t>{BasicSize});
  EXPECT_EQ(resets_, 1);
  EXPECT_EQ(requests_[0].FilePosition, 0);
  EXPECT_EQ(requests_[0].SubStreamId, 0x20);

  for (int i = 0; i < 7; ++i) EXPECT_EQ(navigator_->GoNext().End, StepEnd::Found);
  ASSERT_EQ(shown_.size(), 8u);
  for (std::size_t i = 0; i < shown_.size(); ++i) {
    EXPECT_EQ(shown_[i].Number, static_cast<int>(i) + 1);
    EXPECT_EQ(shown_[i].Result.StartPosition, BasicStarts[i]) << i;
    EXPECT_EQ(shown_[i].Result.SubTitle.Width(), BasicSizes[i].first) << i;
    EXPECT_EQ(shown_[i].Result.SubTitle.Height(), BasicSizes[i].second) << i;
    // Each search starts where the previous one ended.
    if (i > 0) {
      EXPECT_EQ(requests_[i].FilePosition, shown_[i - 1].Result.FilePosition) << i;
    }
  }
  EXPECT_EQ(navigator_->VobPosition(), shown_.back().Result.FilePosition);
  EXPECT_TRUE(Messages().empty());

  const std::int64_t before = navigator_->VobPosition();
  EXPECT_EQ(navigator_->GoNext().End, StepEnd::LastFileReached);
  EXPECT_EQ(shown_.size(), 8u);
  // Telling the user is the window's part; the command line just ends.
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(navigator_->SubtitleNr(), 8);
  EXPECT_EQ(navigator_->VobPosition(), before);
  EXPECT_EQ(navigator_->SelectedIndex(), 0);
}

TEST_F(NavigatorTest, AllMovesToTheNextFileAndCompletesTheUnitCutBetweenFiles) {
  navigator_->SetFileList(MultifileVobs(), 0);

  // file 1: two whole units, then the head of the third
  EXPECT_EQ(navigator_->GetAll().End, StepEnd::FileEnded);
  ASSERT_EQ(shown_.size(), 2u);
  EXPECT_EQ(navigator_->SelectedIndex(), 1);
  EXPECT_EQ(navigator_->VobPosition(), 0);
  EXPECT_EQ(navigator_->VobFileSize(), MultifileSizes[1]);
  EXPECT_EQ(sizes_, (std::vector<std::int64_t>{MultifileSizes[0], MultifileSizes[1]}));
  EXPECT_TRUE(navigator_->HasCarriedUnit());
  EXPECT_TRUE(navigator_->StopGetAll());

  navigator_->GetAll();  // file 2: the cut unit once, then four more
  ASSERT_EQ(shown_.size(), 7u);
  EXPECT_EQ(navigator_->SelectedIndex(), 2);
  // file 3: two, then the end of the list
  EXPECT_EQ(navigator_->GetAll().End, StepEnd::LastFileReached);
  ASSERT_EQ(shown_.size(), 9u);
  EXPECT_TRUE(Messages().empty());

  for (std::size_t i = 0; i < shown_.size(); ++i) {
    EXPECT_EQ(shown_[i].Number, static_cast<int>(i) + 1);
    EXPECT_EQ(shown_[i].Result.StartPosition, MultifileUnits20[i].Start) << i;
  }
  // The cut unit: found by the run on file 2, begun at 174080 in file 1, with file 1's PTS
  // (723003 in units_s0.txt), drawn 422 x 196 like the whole unit.
  const Shown& cut = shown_[2];
  EXPECT_EQ(cut.File, 1);
  EXPECT_TRUE(cut.Result.StartedInPreviousFile);
  ASSERT_TRUE(cut.Result.HasUnitPts);
  EXPECT_EQ(cut.Result.UnitPts, 723003u);
  EXPECT_EQ(cut.Result.SubTitle.Width(), 422);
  EXPECT_EQ(cut.Result.SubTitle.Height(), 196);
  EXPECT_TRUE(cut.Result.Decoded);
  EXPECT_EQ(requests_[3].CarriedUnit.size() > 0, true);
  EXPECT_EQ(requests_[3].CarriedStartPosition, 174080);
  EXPECT_EQ(shown_[3].File, 1);
  EXPECT_FALSE(shown_[3].Result.StartedInPreviousFile);
}

TEST_F(NavigatorTest, SecondLanguageCutUnitIsShownOnceFromTheLastFile) {
  settings_.LanguageIndex = 1;
  navigator_->SetFileList(MultifileVobs(), 0);
  for (int i = 0; i < 3; ++i) navigator_->GetAll();
  ASSERT_EQ(shown_.size(), 9u);
  for (std::size_t i = 0; i < shown_.size(); ++i) {
    EXPECT_EQ(shown_[i].Result.StartPosition, MultifileUnits21[i].Start) << i;
  }
  EXPECT_EQ(requests_[0].SubStreamId, 0x21);
  EXPECT_TRUE(shown_[6].Result.StartedInPreviousFile);
  EXPECT_EQ(shown_[6].File, 2);
  EXPECT_EQ(shown_[6].Result.UnitPts, 1902003u);
  EXPECT_EQ(shown_[6].Result.SubTitle.Width(), 434);
  EXPECT_EQ(shown_[6].Result.SubTitle.Height(), 210);
}

TEST_F(NavigatorTest, FirstRestartsAtTheFirstFileFromAnyPlace) {
  navigator_->SetFileList(MultifileVobs(), 0);
  for (int i = 0; i < 3; ++i) navigator_->GetAll();
  ASSERT_EQ(navigator_->SubtitleNr(), 9);
  navigator_->SetSubtitleTime({0, 0, 40});
  navigator_->SetChapterIndex(2);
  selections_.clear();

  navigator_->GotoFirst();
  EXPECT_EQ(selections_, std::vector<int>{0});
  EXPECT_EQ(navigator_->SubtitleNr(), 1);
  EXPECT_EQ(navigator_->ChapterIndex(), 0);
  EXPECT_EQ(navigator_->SubtitleTime(), (PresentationTime{0, 0, 1}));  // subtitle 1's own
  EXPECT_EQ(requests_.back().VobFileName, MultifileVobs()[0]);
  EXPECT_EQ(requests_.back().FilePosition, 0);
  EXPECT_EQ(shown_.back().Result.StartPosition, 28672);
  EXPECT_EQ(navigator_->VobFileSize(), MultifileSizes[0]);
}

TEST_F(NavigatorTest, NextFromAFileChosenByHandStartsAtItsBeginning) {
  navigator_->SetFileList(MultifileVobs(), 1);
  navigator_->GoNext();  // file 2 from 0: the tail of the cut unit is no unit start
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].Number, 1);
  EXPECT_EQ(shown_[0].Result.StartPosition, 77824);
  for (int i = 0; i < 3; ++i) navigator_->GoNext();
  ASSERT_EQ(shown_.size(), 4u);
  EXPECT_GT(navigator_->VobPosition(), MultifileSizes[2]);

  // The position in file 2 lies beyond the end of file 3; reading file 3 from there would skip
  // it whole and report the end of the list.
  navigator_->SetSelectedIndex(2);
  navigator_->GoNext();
  ASSERT_EQ(shown_.size(), 5u);
  EXPECT_EQ(shown_[4].Number, 5);
  EXPECT_EQ(shown_[4].Result.StartPosition, 63488);
  EXPECT_EQ(requests_.back().FilePosition, 0);
  EXPECT_EQ(navigator_->VobFileSize(), MultifileSizes[2]);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(NavigatorTest, StopDuringAScanEndsAllAndMovesOnLikeAnEndOfFile) {
  navigator_->SetFileList(MultifileVobs(), 0);
  int runs = 0;
  BeforeRun = [&runs](ExtractionRun& run) {
    if (++runs == 2) run.EventPump = [&run] { run.Stop(); };
  };
  EXPECT_EQ(navigator_->GetAll().End, StepEnd::Stopped);
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(runs, 2);
  EXPECT_TRUE(navigator_->StopGetAll());
  EXPECT_EQ(navigator_->SubtitleNr(), 1);
  EXPECT_EQ(navigator_->SelectedIndex(), 1);
  EXPECT_EQ(navigator_->VobPosition(), 0);
  EXPECT_FALSE(navigator_->HasCarriedUnit());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(NavigatorTest, MissingFilesAreReportedAndNothingIsRead) {
  const std::string missing = (dir_ / "VTS_09_1.VOB").string();
  navigator_->SetFileList({missing, BasicVob()}, 0);
  const StepOutcome outcome = navigator_->GoNext();
  EXPECT_EQ(outcome.End, StepEnd::Failed);
  EXPECT_TRUE(requests_.empty());
  ASSERT_EQ(ui_.Messages.size(), 1u);
  EXPECT_EQ(ui_.Messages[0].Kind, MessageKind::Error);
  EXPECT_EQ(ui_.Messages[0].Text, outcome.Failure.Message);
  EXPECT_NE(ui_.Messages[0].Text.find(missing), std::string::npos) << ui_.Messages[0].Text;
  EXPECT_EQ(navigator_->SubtitleNr(), 0);
  EXPECT_EQ(navigator_->SelectedIndex(), 0);

  // A file that vanishes between two steps: the run reports it and the list moves on.
  ui_.Messages.clear();
  const std::string copy = CopyOf(BasicVob(), "VTS_01_1.VOB");
  navigator_->SetFileList({copy, BasicVob()}, 0);
  navigator_->GoNext();
  ASSERT_EQ(shown_.size(), 1u);
  fs::remove(copy);
  navigator_->GoNext();
  EXPECT_EQ(Messages(), std::vector<std::string>{"File opening error!"});
  EXPECT_EQ(ui_.Messages[0].Kind, MessageKind::Warning);
  EXPECT_EQ(shown_.size(), 1u);
  EXPECT_EQ(navigator_->SelectedIndex(), 1);
  EXPECT_EQ(navigator_->VobFileSize(), BasicSize);
  navigator_->GoNext();
  ASSERT_EQ(shown_.size(), 2u);
  EXPECT_EQ(shown_[1].Number, 2);
  EXPECT_EQ(shown_[1].Result.StartPosition, BasicStarts[0]);
}

TEST_F(NavigatorTest, AFileThatIsNoVobEndsQuietlyAndTheListMovesOn) {
  const fs::path junk = dir_ / "VTS_02_1.VOB";
  std::ofstream(junk, std::ios::binary) << std::string(5000, 'x');
  navigator_->SetFileList({junk.string(), BasicVob()}, 0);
  navigator_->GetAll();
  EXPECT_TRUE(shown_.empty());
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(navigator_->SelectedIndex(), 1);
  navigator_->GoNext();
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].Result.StartPosition, BasicStarts[0]);
}

TEST_F(NavigatorTest, EmptyListDoesNothing) {
  for (NavigationStep step :
       {NavigationStep::First, NavigationStep::Back, NavigationStep::Next, NavigationStep::All}) {
    navigator_->Step(step);
  }
  EXPECT_TRUE(requests_.empty());
  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(navigator_->SubtitleNr(), 0);
  EXPECT_TRUE(navigator_->StopGetAll());
}

TEST_F(NavigatorTest, BackDoesNothingWithoutTheCache) {
  navigator_->SetFileList({BasicVob()}, 0);
  for (int i = 0; i < 3; ++i) navigator_->GoNext();
  const std::size_t runs = requests_.size();
  EXPECT_FALSE(navigator_->CanGoBack());
  navigator_->GoBack();
  EXPECT_EQ(requests_.size(), runs);
  EXPECT_EQ(navigator_->SubtitleNr(), 3);
}

TEST_F(NavigatorTest, SubtitleTimesCountFromTheTitleStartAcrossFilesAndAfterBack) {
  const auto truth = test::ReadSrt(QUELM_TEST_DATA "/vob/multifile/en.srt");
  navigator_->SetFileList(MultifileVobs(), 0);
  for (int file = 0; file < 3; ++file) navigator_->GetAll();
  ASSERT_EQ(shown_.size(), truth.size());
  for (std::size_t i = 0; i < truth.size(); ++i) {
    const SubtitleTiming& timing = shown_[i].Result.Timing;
    EXPECT_LE(std::llabs(timing.StartMs - truth[i].StartMs), 33) << i;
    EXPECT_LE(std::llabs(timing.EndMs - truth[i].EndMs), 33) << i;
  }
  EXPECT_EQ(navigator_->LastTiming(), shown_.back().Result.Timing);

  // "back" starts a run in the middle of the title; its subtitle keeps the time it had.
  const std::string vob = CopyOf(BasicVob(), "VTS_01_1.VOB");
  IniPositionCache cache(dir_.string() + "/", true);
  Wire(cache);
  shown_.clear();
  navigator_->SetFileList({vob}, 0);
  for (int i = 0; i < 5; ++i) navigator_->GoNext();
  navigator_->GoBack();
  ASSERT_EQ(shown_.size(), 6u);
  EXPECT_EQ(shown_.back().Number, 4);
  EXPECT_EQ(shown_.back().Result.Timing, shown_[3].Result.Timing);
  const auto basicTruth = test::ReadSrt(QUELM_TEST_DATA "/vob/basic/en.srt");
  EXPECT_LE(std::llabs(shown_.back().Result.Timing.StartMs - basicTruth[3].StartMs), 33);
}

TEST_F(NavigatorTest, CacheRecordsStartsAndBackReturnsToThem) {
  // A VOB file, and a Matroska file, whose units are reached by the demuxer from the file's
  // start when a step's run object opens it afresh.
  const struct {
    std::string File;
    std::string Name;
    std::vector<std::int64_t> Starts;
  } files[] = {
      {BasicVob(), "VTS_01_1.VOB", BasicStarts},
      {test::MultifileMatroska(), "movie.mks", test::MatroskaStarts},
  };
  for (const auto& file : files) {
    if (file.Name == "movie.mks" && !Matroska::Supported()) continue;
    SCOPED_TRACE(file.Name);
    const std::vector<std::int64_t>& starts = file.Starts;
    const std::string vob = CopyOf(file.File, file.Name);
    fs::remove(dir_ / "subtitles.ini");
    IniPositionCache cache(dir_.string() + "/", true);
    Wire(cache);
    shown_.clear();
    navigator_->SetFileList({vob}, 0);
    for (int i = 0; i < 5; ++i) navigator_->GoNext();
    ASSERT_EQ(navigator_->SubtitleNr(), 5);

    // subtitles.ini, read with the INI service and by hand.
    IniFile ini((dir_ / "subtitles.ini").string());
    const std::string section = "0" + vob;
    EXPECT_EQ(ini.ReadSectionKeys(section), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(ini.ReadString(section, "1", ""), std::to_string(starts[0]));
    EXPECT_EQ(ini.ReadString(section, "4", ""), std::to_string(starts[3]));
    std::ifstream raw(dir_ / "subtitles.ini");
    std::string firstLine;
    std::getline(raw, firstLine);
    EXPECT_EQ(firstLine.substr(0, section.size() + 2), "[" + section + "]");

    EXPECT_TRUE(navigator_->CanGoBack());
    navigator_->GoBack();
    EXPECT_EQ(navigator_->SubtitleNr(), 4);
    EXPECT_EQ(requests_.back().FilePosition, starts[3]);
    EXPECT_EQ(shown_.back().Result.StartPosition, starts[3]);
    EXPECT_EQ(shown_.back().Number, 4);
    EXPECT_EQ(shown_.back().Result.SubTitle, shown_[3].Result.SubTitle);

    // "next" now finds subtitle 5 again through its cached start.
    navigator_->GoNext();
    EXPECT_EQ(requests_.back().FilePosition, starts[4]);
    EXPECT_EQ(navigator_->SubtitleNr(), 5);
    EXPECT_EQ(shown_.back().Result.SubTitle, shown_[4].Result.SubTitle);

    // A cached -1 counts as absent; another language is another section.
    ASSERT_TRUE(ini.WriteString(section, "4", "-1"));
    EXPECT_EQ(cache.GetSubtitleCachePosition(0, vob, 4, 777), 777);
    EXPECT_EQ(cache.GetSubtitleCachePosition(1, vob, 3, 777), 777);
    EXPECT_EQ(cache.GetSubtitleCachePosition(0, vob, 3, 777), starts[2]);
    navigator_->GoBack();
    EXPECT_EQ(navigator_->SubtitleNr(), 5);  // nothing cached for 4: no step
  }
}

TEST_F(NavigatorTest, CutUnitIsNotCachedUnderTheFileItDoesNotStartIn) {
  IniPositionCache cache(dir_.string() + "/", true);
  Wire(cache);
  navigator_->SetFileList(MultifileVobs(), 0);
  navigator_->GetAll();
  navigator_->GetAll();
  IniFile ini((dir_ / "subtitles.ini").string());
  EXPECT_EQ(ini.ReadSectionKeys("0" + MultifileVobs()[0]), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(ini.ReadSectionKeys("0" + MultifileVobs()[1]),
            (std::vector<std::string>{"4", "5", "6", "7"}));
}

TEST_F(NavigatorTest, RefusedCacheWriteEndsTheStepBeforeTheSubtitleIsShown) {
  // A directory that cannot exist: its place is taken by a file.
  std::ofstream(dir_ / "plain") << "x";
  IniPositionCache cache((dir_ / "plain").string() + "/", true);
  Wire(cache);
  navigator_->SetFileList({BasicVob()}, 0);
  navigator_->GetAll();
  EXPECT_TRUE(shown_.empty());
  EXPECT_EQ(navigator_->SubtitleNr(), 1);
  EXPECT_GT(navigator_->VobPosition(), BasicStarts[0]);
  EXPECT_EQ(requests_.size(), 1u);
  ASSERT_EQ(ui_.Messages.size(), 1u);
  EXPECT_EQ(ui_.Messages[0].Text, "Unable to write to " + cache.Path());
}

TEST_F(NavigatorTest, AutomaticSavingWritesEveryBitmapAndAFailureEndsAll) {
  const std::string vob = CopyOf(BasicVob(), "VTS_01_1.VOB");
  navigator_->SetFileList({vob}, 0);
  FoundStatus = [this, &vob](const SubpictureResult& result) {
    return SaveBitmapAs(ui_, result.SubTitle, vob, navigator_->SubtitleNr(), true, "/nowhere/",
                        {1, ColorWhite, ColorBlack});
  };
  EXPECT_EQ(navigator_->GetAll().End, StepEnd::LastFileReached);
  ASSERT_EQ(shown_.size(), 8u);
  for (int nr = 1; nr <= 8; ++nr) {
    const fs::path file = dir_ / ("VTS_01_1._0000" + std::to_string(nr) + ".bmp");
    const BmpReadResult read = ReadBmp(file.string());
    ASSERT_TRUE(read.Outcome) << read.Outcome.Message;
    EXPECT_EQ(read.Image.Width(), BasicSizes[nr - 1].first);
    EXPECT_EQ(read.Image.Height(), BasicSizes[nr - 1].second);
  }
  EXPECT_TRUE(Messages().empty());

  // Saving into a directory that is not there: the message, and "all" ends after one subtitle.
  ui_.Messages.clear();
  shown_.clear();
  const std::string gone = (dir_ / "gone" / "VTS_01_1.VOB").string();
  FoundStatus = [this, &gone](const SubpictureResult& result) {
    return SaveBitmapAs(ui_, result.SubTitle, gone, navigator_->SubtitleNr(), true, "/nowhere/",
                        {4, ColorWhite, ColorBlack});
  };
  navigator_->GotoFirst();
  EXPECT_EQ(navigator_->GetAll().End, StepEnd::Failed);
  EXPECT_EQ(shown_.size(), 2u);
  const std::string goneDir = (dir_ / "gone").string();
  const std::vector<std::string> expected = {
      "Cannot create file " + goneDir + "/VTS_01_1._00001.bmp",
      "Cannot create file " + goneDir + "/VTS_01_1._00002.bmp"};
  EXPECT_EQ(Messages(), expected);
  EXPECT_EQ(navigator_->SubtitleNr(), 2);
}

}  // namespace
}  // namespace quelm
