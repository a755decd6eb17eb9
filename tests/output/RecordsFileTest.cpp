// Records files: what loads, what is refused with file and line, and the round trip.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "output/DictionaryLines.h"
#include "output/RecordsFile.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;

class RecordsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("quelm_records_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }
  std::string Write(const std::string& name, const std::string& content) {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }
  fs::path dir_;
};

TEST_F(RecordsFileTest, SavedScriptLoadsBackUnchanged) {
  RawScript script;
  script.StartNew();
  script.AppendRecord("00:01:02", "1", {"<d/char_0.bmp><d/char_1.bmp> <<", "", "caf\xC3\xA9"});
  script.AppendRecord("00:01:09", "1", {});
  const std::string path = (dir_ / "film.records").string();
  ASSERT_TRUE(RecordsFile::Save(path, script).Ok);
  const RecordsLoad load = RecordsFile::Load(path);
  ASSERT_TRUE(load.Outcome.Ok) << load.Outcome.Message;
  EXPECT_EQ(load.Script.Lines(), script.Lines());
  EXPECT_EQ(RecordsFile::CountRecords(load.Script), 3u);
  EXPECT_EQ(RecordsFile::CountSubtitleRecords(load.Script), 2u);
  // CR LF files (edited elsewhere) read the same.
  const RecordsLoad crlf =
      RecordsFile::Load(Write("crlf.records", "<SUB_START>\r\n00:00:01\r\n1\r\nx\r\n<SUB_END>\r\n"));
  ASSERT_TRUE(crlf.Outcome.Ok);
  EXPECT_EQ(crlf.Script.Lines(), (std::vector<std::string>{"<SUB_START>", "00:00:01", "1", "x", "<SUB_END>"}));
  EXPECT_TRUE(RecordsFile::Load(Write("empty.records", "")).Outcome.Ok);
}

TEST_F(RecordsFileTest, DamagedLinesAreNamedAndTheOtherRecordsStillRead) {
  const std::string good = "<SUB_START>\n00:00:09\n2\nok\n<SUB_END>\n";
  const std::vector<std::string> goodLines = {"<SUB_START>", "00:00:09", "2", "ok", "<SUB_END>"};
  struct Case {
    std::string Content;
    std::size_t GoodRecords;  // how many copies of `good` read back
    std::vector<std::string> Damaged;
  };
  const Case cases[] = {
      {good + "<SUB_START>\n00:00:01\n1\nabc\n",
       1,
       {"line 6: the record begun here has no <SUB_END> (the file is cut short)"}},
      {good + "loose\n" + good, 2, {"line 6: text outside a record (expected <SUB_START>)"}},
      {"<SUB_END>\n" + good + "<SUB_END>\n",
       1,
       {"line 1: <SUB_END> without a record", "line 7: <SUB_END> without a record"}},
      {"<SUB_START>\n00:00:01\n" + good,
       1,
       {"line 3: <SUB_START> inside the record begun on line 1"}},
      {"<SUB_START>\n00:00:01\n<SUB_END>\n" + good,
       1,
       {"line 3: a record needs a time code and a chapter line"}},
      {"<SUB_START>\n00:00:01\n1\n\xFF\xFE\n<SUB_END>\n" + good, 1, {"line 4: not UTF-8 text"}},
      {good + "<SUB_START>\n00:00:01\n1\n\xC3\n<SUB_END>\n", 1, {"line 9: not UTF-8 text"}},
      {"\xED\xA0\x80\n" + good, 1, {"line 1: not UTF-8 text"}},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string path = Write("bad" + std::to_string(n++) + ".records", c.Content);
    const RecordsLoad load = RecordsFile::Load(path);
    EXPECT_TRUE(load.Outcome.Ok) << c.Content;
    std::vector<std::string> expectedLines;
    for (std::size_t i = 0; i < c.GoodRecords; ++i)
      expectedLines.insert(expectedLines.end(), goodLines.begin(), goodLines.end());
    EXPECT_EQ(load.Script.Lines(), expectedLines) << c.Content;
    std::vector<std::string> expectedDamage;
    for (const std::string& d : c.Damaged) expectedDamage.push_back(path + ", " + d);
    EXPECT_EQ(load.Damaged, expectedDamage);
  }
  EXPECT_EQ(RecordsFile::Load((dir_ / "none").string()).Outcome.Message,
            (dir_ / "none").string() + " does not exist");
  EXPECT_FALSE(RecordsFile::Load(dir_.string()).Outcome.Ok);
  // A save into a missing directory fails and says where.
  const Status refused = RecordsFile::Save((dir_ / "no/such.records").string(), RawScript());
  EXPECT_FALSE(refused.Ok);
  EXPECT_NE(refused.Message.find("Cannot create file " + (dir_ / "no/such.records").string()),
            std::string::npos);
}

TEST_F(RecordsFileTest, KeepingTheFirstRecordsKeepsTheVersionRecordToo) {
  RawScript script;
  script.StartNew();
  script.AppendRecord("00:00:01", "1", {"a"});
  script.AppendRecord("00:00:02", "1", {"b"});
  const RawScript one = RecordsFile::KeepSubtitleRecords(script, 1);
  EXPECT_EQ(one.Lines().size(), 10u);
  EXPECT_EQ(one.Lines().back(), "<SUB_END>");
  EXPECT_EQ(one.Lines()[8], "a");
  EXPECT_EQ(RecordsFile::KeepSubtitleRecords(script, 0).Lines().size(), 5u);
  EXPECT_EQ(RecordsFile::KeepSubtitleRecords(script, 7).Lines(), script.Lines());
  // Without a version record the count starts at the first record.
  RawScript bare;
  bare.AppendRecord("00:00:01", "1", {"a"});
  bare.AppendRecord("00:00:02", "1", {"b"});
  EXPECT_EQ(RecordsFile::CountSubtitleRecords(bare), 2u);
  EXPECT_EQ(RecordsFile::KeepSubtitleRecords(bare, 1).Lines().size(), 5u);
}

TEST_F(RecordsFileTest, ItalicMarkersAreNoCharacterReferences) {
  RawScript script;
  script.AppendRecord("00:00:01", "1", {"<{i}></d/a.bmp> </e/b.bmp><{/i}>"});
  const DictionaryLines dictionary({"/d/a.bmp", "A"});
  const ReferenceCount count = RecordsFile::CountReferences(script, dictionary);
  EXPECT_EQ(count.References, 2u);
  EXPECT_EQ(count.Unresolved, 1u);
  EXPECT_EQ(RecordsFile::ReferenceDirectories(script), (std::vector<std::string>{"/d/", "/e/"}));
}

}  // namespace
}  // namespace quelm
