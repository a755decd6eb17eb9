// Extraction run and subtitle walker over VOB files written by the test pack writer: unit
// assembly, positions, presentation times, stop, damaged files and units split across files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include <unistd.h>

#include "support/TempDirTest.h"
#include "SpuWriter.h"
#include "extraction/ExtractionRun.h"
#include "extraction/SubtitleWalker.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;

constexpr Color C0 = 0x101010, C1 = 0x202020, C2 = 0x303030, C3 = 0x404040;
const std::array<Color, 4> Colors{C0, C1, C2, C3};
constexpr std::uint64_t Second = 90000;

class RecordingInteraction : public SilentInteraction {
 public:
  void ShowMessage(MessageKind kind, const std::string& text) override {
    Kinds.push_back(kind);
    Texts.push_back(text);
  }
  std::vector<MessageKind> Kinds;
  std::vector<std::string> Texts;
};

// A picture of codes whose decoded form is easy to check; `seed` varies it.
Bitmap Codes(int width, int height, int seed) {
  Bitmap codes(width, height, 0);
  std::mt19937 random(static_cast<unsigned>(seed));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) codes.SetPixel(x, y, random() % 4);
  }
  return codes;
}

Bitmap Painted(const Bitmap& codes) {
  const Color byCode[4] = {C0, C2, C1, C3};
  Bitmap out(codes.Width(), codes.Height());
  for (int y = 0; y < codes.Height(); ++y) {
    for (int x = 0; x < codes.Width(); ++x) out.SetPixel(x, y, byCode[codes.Pixel(x, y) & 3]);
  }
  return out;
}

class ExtractionRunTest : public test::TempDirTest {
 protected:
  std::string Write(const std::string& name, const test::PackWriter& writer) {
    const std::string path = (dir_ / name).string();
    EXPECT_TRUE(writer.WriteFile(path));
    return path;
  }

  SubpictureRequest Request(const std::string& path, std::int64_t position = 0, int stream = 0x20) {
    SubpictureRequest request;
    request.VobFileName = path;
    request.FilePosition = position;
    request.SubStreamId = stream;
    request.BitmapColors = Colors;
    return request;
  }

  RecordingInteraction ui_;
};

TEST_F(ExtractionRunTest, UnitInOnePacketCompletesInItsBlock) {
  test::PackWriter writer;
  writer.AddNavPack();
  writer.AddVideoPack(Second);
  const Bitmap codes = Codes(40, 12, 1);
  const std::vector<std::uint8_t> unit = test::EncodeUnit(codes);
  ASSERT_LT(unit.size(), 2000u);
  const std::int64_t at = writer.AddUnit(unit, 0x20, 2 * Second);
  writer.AddVideoPack();
  ExtractionRun run(ui_);
  const SubpictureResult result = run.Run(Request(Write("one.vob", writer)));
  EXPECT_FALSE(result.EndOfFile);
  EXPECT_FALSE(result.Stopped);
  EXPECT_TRUE(result.Decoded);
  EXPECT_EQ(result.StartPosition, 4096);
  EXPECT_EQ(at, 4096);
  EXPECT_EQ(result.FilePosition, 4096 + 2048);
  EXPECT_EQ(result.SubTitle, Painted(codes));
  EXPECT_EQ(result.Time, (PresentationTime{0, 0, 2}));
  EXPECT_TRUE(result.HasUnitPts);
  EXPECT_EQ(result.UnitPts, 2 * Second);
  EXPECT_TRUE(ui_.Texts.empty());
}

TEST_F(ExtractionRunTest, MultiPacketUnitSkipsOtherStreamsWhoseTimesStillCount) {
  const Bitmap codes = Codes(300, 60, 2);  // random codes: several packets
  const std::vector<std::uint8_t> unit = test::EncodeUnit(codes);
  ASSERT_GT(unit.size(), 3 * 2024u);
  // Cut the unit into packets by hand so that other streams can lie between them.
  std::vector<std::vector<std::uint8_t>> parts;
  for (std::size_t at = 0; at < unit.size();) {
    const std::size_t room = static_cast<std::size_t>(test::PackWriter::PayloadRoom(at ? 0 : 5));
    const std::size_t take = std::min(room, unit.size() - at);
    parts.emplace_back(unit.begin() + static_cast<std::ptrdiff_t>(at),
                       unit.begin() + static_cast<std::ptrdiff_t>(at + take));
    at += take;
  }
  test::PackWriter writer;
  const std::int64_t first = writer.AddPrivatePacket(0x20, 10 * Second, parts[0]);
  writer.AddVideoPack(11 * Second);
  writer.AddAc3Pack(12 * Second);
  writer.AddPrivatePacket(0x20, std::nullopt, parts[1]);
  // Another subtitle stream's packet: its time counts, its payload does not.
  writer.AddUnit(test::EncodeUnit(Codes(8, 2, 9)), 0x21, 3725 * Second);
  for (std::size_t i = 2; i < parts.size(); ++i) {
    writer.AddNavPack();
    writer.AddPrivatePacket(0x20, std::nullopt, parts[i]);
  }
  const std::int64_t end = writer.Size();
  writer.AddUnit(test::EncodeUnit(Codes(8, 2, 3)), 0x20, 20 * Second);
  ExtractionRun run(ui_);
  const SubpictureResult result = run.Run(Request(Write("multi.vob", writer)));
  EXPECT_FALSE(result.EndOfFile);
  EXPECT_EQ(result.StartPosition, first);
  EXPECT_EQ(result.FilePosition, end);
  EXPECT_EQ(result.SubTitle, Painted(codes));
  // The last PTS read came from the 0x21 packet: 3725 s = 01:02:05.
  EXPECT_EQ(result.Time, (PresentationTime{1, 2, 5}));
  EXPECT_EQ(FormatPresentationTime(result.Time), "01:02:05");
  EXPECT_EQ(result.UnitPts, 10 * Second);
}

TEST_F(ExtractionRunTest, ExactSizeUnitDoesNotConsumeTheNextUnitsFirstPacket) {
  // 2019 + 1974 bytes: the second packet has 50 bytes of header stuffing, so the payloads add
  // up to exactly UnitSize. The table is lengthened by 0x01 commands, which do nothing.
  const Bitmap first = Codes(60, 20, 4);
  std::vector<std::uint8_t> unit = test::EncodeUnit(first);
  const std::size_t size = 2019 + 1974;
  ASSERT_LT(unit.size(), size);
  unit.resize(size, 0x01);
  unit[0] = static_cast<std::uint8_t>(size >> 8);
  unit[1] = static_cast<std::uint8_t>(size);
  test::PackWriter writer;
  writer.AddUnit(unit, 0x20, Second);
  ASSERT_EQ(writer.Bytes()[2048 + 22], 50);  // stuffed, no padding packet
  const Bitmap next = Codes(10, 4, 5);
  const std::int64_t second = writer.AddUnit(test::EncodeUnit(next), 0x20, 5 * Second);
  ASSERT_EQ(second, 4096);
  const std::string path = Write("exact.vob", writer);

  ExtractionRun run(ui_);
  SubpictureResult result = run.Run(Request(path));
  EXPECT_EQ(result.StartPosition, 0);
  EXPECT_EQ(result.FilePosition, second);
  EXPECT_EQ(result.SubTitle, Painted(first));
  result = run.Run(Request(path, result.FilePosition));
  EXPECT_FALSE(result.EndOfFile);
  EXPECT_EQ(result.StartPosition, second);
  EXPECT_EQ(result.SubTitle, Painted(next));
}

TEST_F(ExtractionRunTest, PaddingAfterThePayloadIsNeverInterpreted) {
  const Bitmap codes = Codes(16, 6, 6);
  const std::vector<std::uint8_t> unit = test::EncodeUnit(codes);
  test::PackWriter writer;
  // A padding packet of 0x00 bytes would read as row ends if it were decoded.
  const std::int64_t at = writer.AddPrivatePacket(0x20, Second, unit);
  auto& bytes = writer.Bytes();
  const std::size_t padding = static_cast<std::size_t>(at) + 24 + 5 + unit.size();
  ASSERT_EQ(bytes[padding + 3], 0xBE);
  std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(padding + 6),
            bytes.begin() + static_cast<std::ptrdiff_t>(at + 2048), 0x00);
  ExtractionRun run(ui_);
  const SubpictureResult result = run.Run(Request(Write("pad.vob", writer)));
  EXPECT_EQ(result.SubTitle, Painted(codes));
}

TEST_F(ExtractionRunTest, PacketsAreFoundWhereverTheirPackHoldsThem) {
  // Pack A: MPEG-2 pack header with 3 stuffing bytes, an AC-3 packet, the head of unit 1,
  // padding. Pack B: MPEG-1 pack header, the tail of unit 1 and all of unit 2 as MPEG-1 packets,
  // the last with length 0, which runs to the end of the pack.
  const Bitmap first = Codes(120, 32, 40);
  const Bitmap second = Codes(12, 4, 41);
  const std::vector<std::uint8_t> unit1 = test::EncodeUnit(first);
  const std::vector<std::uint8_t> unit2 = test::EncodeUnit(second);
  constexpr std::size_t Head = 1000;
  ASSERT_GT(unit1.size(), Head);
  ASSERT_LT(unit1.size() - Head + unit2.size(), 1900u);
  const auto pts = [](std::uint64_t value) -> std::vector<std::uint8_t> {
    return {static_cast<std::uint8_t>(0x21 | ((value >> 29) & 0x0E)),
            static_cast<std::uint8_t>(value >> 22), static_cast<std::uint8_t>((value >> 14) | 1),
            static_cast<std::uint8_t>(value >> 7), static_cast<std::uint8_t>((value << 1) | 1)};
  };
  std::vector<std::uint8_t> pack;
  const auto packet = [&pack](std::uint8_t id, std::vector<std::uint8_t> header,
                              const std::uint8_t* data, std::size_t size, bool lengthZero = false) {
    const std::size_t length = lengthZero ? 0 : header.size() + size;
    pack.insert(pack.end(), {0x00, 0x00, 0x01, id, static_cast<std::uint8_t>(length >> 8),
                             static_cast<std::uint8_t>(length)});
    pack.insert(pack.end(), header.begin(), header.end());
    pack.insert(pack.end(), data, data + size);
  };
  test::PackWriter writer;

  pack = {0x00, 0x00, 0x01, 0xBA, 0x44, 0x00, 0x04, 0x00, 0x04,
          0x01, 0x01, 0x89, 0xC3, 0xFB, 0xFF, 0xFF, 0xFF};
  const std::vector<std::uint8_t> ac3(40, 0x0B);
  std::vector<std::uint8_t> header = {0x81, 0x80, 0x05};
  for (const std::uint8_t b : pts(2 * Second)) header.push_back(b);
  header.push_back(0x80);
  packet(0xBD, header, ac3.data(), ac3.size());
  header = {0x81, 0x80, 0x05};
  for (const std::uint8_t b : pts(3 * Second)) header.push_back(b);
  header.push_back(0x20);
  packet(0xBD, header, unit1.data(), Head);
  std::vector<std::uint8_t> fill(2048 - pack.size() - 6, 0xFF);
  packet(0xBE, {}, fill.data(), fill.size());
  writer.AddRaw(pack);

  pack = {0x00, 0x00, 0x01, 0xBA, 0x21, 0x00, 0x01, 0x00, 0x01, 0x80, 0x00, 0x01};
  packet(0xBD, {0xFF, 0xFF, 0x0F, 0x20}, unit1.data() + Head, unit1.size() - Head);
  header = pts(4 * Second);
  header.push_back(0x20);
  packet(0xBD, header, unit2.data(), unit2.size(), true);
  pack.resize(2048, 0xFF);
  writer.AddRaw(pack);
  const std::string path = Write("layouts.vob", writer);

  ExtractionRun run(ui_);
  SubpictureResult result = run.Run(Request(path));
  EXPECT_FALSE(result.EndOfFile);
  EXPECT_EQ(result.StartPosition, 0);
  EXPECT_EQ(result.UnitPts, 3 * Second);
  EXPECT_EQ(result.SubTitle, Painted(first));
  // Unit 2 begins in the pack unit 1 ends in: the next run reads that pack again.
  EXPECT_EQ(result.FilePosition, 2048);
  result = run.Run(Request(path, result.FilePosition));
  EXPECT_FALSE(result.EndOfFile);
  EXPECT_EQ(result.StartPosition, 2048);
  EXPECT_EQ(result.UnitPts, 4 * Second);
  EXPECT_EQ(result.SubTitle, Painted(second));
  EXPECT_EQ(result.FilePosition, 4096);
  EXPECT_TRUE(ui_.Texts.empty());
}

TEST_F(ExtractionRunTest, TimesOfADayAndMoreAreNotWrapped) {
  EXPECT_EQ(PresentationTimeFromPts(3725 * Second), (PresentationTime{1, 2, 5}));
  EXPECT_EQ(PresentationTimeFromPts(3725 * Second + 89999), (PresentationTime{1, 2, 5}));
  EXPECT_EQ(PresentationTimeFromPts((25 * 3600 + 61) * Second), (PresentationTime{25, 1, 1}));
  EXPECT_EQ(FormatPresentationTime({25, 1, 1}), "25:01:01");
  EXPECT_EQ(FormatPresentationTime({0, 0, 0}), "00:00:00");
  // The largest 33-bit PTS through a real pack: 95443 s = 26:30:43.
  test::PackWriter writer;
  writer.AddUnit(test::EncodeUnit(Codes(4, 2, 1)), 0x20, (1ull << 33) - 1);
  ExtractionRun run(ui_);
  const SubpictureResult result = run.Run(Request(Write("late.vob", writer)));
  EXPECT_EQ(result.Time, (PresentationTime{26, 30, 43}));
  EXPECT_EQ(result.UnitPts, (1ull << 33) - 1);
}

TEST_F(ExtractionRunTest, FileThatIsNoProgramStreamEndsAtOnce) {
  test::PackWriter writer;
  writer.AddRaw(std::vector<std::uint8_t>(4096, 0x47));
  writer.AddUnit(test::EncodeUnit(Codes(4, 2, 1)), 0x20, Second);
  ExtractionRun run(ui_);
  const SubpictureResult result = run.Run(Request(Write("ts.vob", writer)));
  EXPECT_TRUE(result.EndOfFile);
  EXPECT_FALSE(result.Stopped);
  EXPECT_EQ(result.StartPosition, -1);
  EXPECT_EQ(result.FilePosition, 2048);
  EXPECT_TRUE(result.UnfinishedUnit.empty());
  EXPECT_TRUE(ui_.Texts.empty());
}

TEST_F(ExtractionRunTest, StartingAtTheEndOfTheFileEndsWithPositionUnchanged) {
  test::PackWriter writer;
  writer.AddUnit(test::EncodeUnit(Codes(4, 2, 1)), 0x20, Second);
  writer.AddVideoPack();
  ExtractionRun run(ui_);
  const SubpictureResult result = run.Run(Request(Write("end.vob", writer), 4096));
  EXPECT_TRUE(result.EndOfFile);
  EXPECT_EQ(result.FilePosition, 4096);
  EXPECT_EQ(result.StartPosition, -1);
  EXPECT_EQ(result.Time, (PresentationTime{}));
}

TEST_F(ExtractionRunTest, StopEndsTheScanAfterTheCurrentPack) {
  test::PackWriter writer;
  for (int i = 0; i < 300; ++i) writer.AddVideoPack();
  writer.AddUnit(test::EncodeUnit(Codes(4, 2, 1)), 0x20, Second);
  ExtractionRun run(ui_);
  int pumps = 0;
  run.EventPump = [&] {
    ++pumps;
    run.Stop();
  };
  const SubpictureResult result = run.Run(Request(Write("stop.vob", writer)));
  EXPECT_GE(pumps, 1);
  EXPECT_TRUE(result.Stopped);
  EXPECT_TRUE(result.EndOfFile);
  EXPECT_EQ(result.FilePosition, 2048);
  EXPECT_EQ(result.StartPosition, -1);
}

TEST_F(ExtractionRunTest, InvalidControlDataStillCountsAsAFoundSubtitle) {
  std::vector<std::uint8_t> unit = test::EncodeUnit(Codes(9, 3, 2));
  const std::size_t control = (unit[2] << 8) | unit[3];
  unit[control + 4] = 0x08;  // no DVD command (0x00 is the forced start of display)
  test::PackWriter writer;
  writer.AddUnit(unit, 0x20, Second);
  ExtractionRun run(ui_);
  const SubpictureResult result = run.Run(Request(Write("bad.vob", writer)));
  EXPECT_FALSE(result.EndOfFile);
  EXPECT_FALSE(result.Decoded);
  EXPECT_EQ(result.StartPosition, 0);
  ASSERT_EQ(ui_.Texts.size(), 1u);
  EXPECT_EQ(ui_.Texts[0], ExtractionRun::InvalidSequenceMessage);
  EXPECT_EQ(ui_.Kinds[0], MessageKind::Error);
}

TEST_F(ExtractionRunTest, MissingFileShowsTheOpeningErrorAndEndsAsEndOfFile) {
  ExtractionRun run(ui_);
  const SubpictureResult result = run.Run(Request((dir_ / "absent.vob").string()));
  EXPECT_TRUE(result.EndOfFile);
  EXPECT_EQ(result.StartPosition, -1);
  ASSERT_EQ(ui_.Texts.size(), 1u);
  EXPECT_EQ(ui_.Texts[0], "File opening error!");
  EXPECT_EQ(ui_.Kinds[0], MessageKind::Warning);
  // A directory is no VOB file either, and a negative offset cannot be sought.
  run.Run(Request(dir_.string()));
  test::PackWriter writer;
  writer.AddVideoPack();
  run.Run(Request(Write("v.vob", writer), -2048));
  EXPECT_EQ(ui_.Texts.size(), 3u);
}

TEST_F(ExtractionRunTest, ShortFinalBlockContributesNoUnreadBytes) {
  // The unit's second packet is cut after 1500 bytes: the run must not complete the unit with
  // bytes that were never read; it hands the first packet's payload back as unfinished.
  const std::vector<std::uint8_t> unit = test::EncodeUnit(Codes(160, 40, 7));
  ASSERT_GT(unit.size(), 2019u);
  ASSERT_LT(unit.size(), 2019u + 2024u);
  test::PackWriter writer;
  writer.AddUnit(unit, 0x20, Second);
  writer.Bytes().resize(2048 + 1500);
  ExtractionRun run(ui_);
  const SubpictureResult result = run.Run(Request(Write("cut.vob", writer)));
  EXPECT_TRUE(result.EndOfFile);
  EXPECT_EQ(result.FilePosition, 2048 + 1500);
  ASSERT_EQ(result.UnfinishedUnit.size(), 2019u);
  EXPECT_TRUE(std::equal(result.UnfinishedUnit.begin(), result.UnfinishedUnit.end(), unit.begin()));
  EXPECT_EQ(result.UnfinishedStartPosition, 0);
  EXPECT_EQ(result.UnfinishedUnitPts, Second);
}

TEST_F(ExtractionRunTest, OffsetsBeyondTwoGibibytes) {
  // A sparse file: packs written past 2^31 and 2^32 bytes.
  const std::string path = (dir_ / "big.vob").string();
  const std::int64_t far = (1ll << 32) + 6 * 2048;
  test::PackWriter writer;
  writer.AddVideoPack();
  const Bitmap codes = Codes(30, 10, 8);
  writer.AddUnit(test::EncodeUnit(codes), 0x20, Second);
  {
    std::ofstream file(path, std::ios::binary);
    file.seekp(far);
    file.write(reinterpret_cast<const char*>(writer.Bytes().data()),
               static_cast<std::streamsize>(writer.Bytes().size()));
    ASSERT_TRUE(file.good());
  }
  ExtractionRun run(ui_);
  const SubpictureResult result = run.Run(Request(path, far));
  EXPECT_FALSE(result.EndOfFile);
  EXPECT_EQ(result.StartPosition, far + 2048);
  EXPECT_EQ(result.FilePosition, far + 4096);
  EXPECT_EQ(result.SubTitle, Painted(codes));
}

TEST_F(ExtractionRunTest, FileStartingWithAContinuationPacketSkipsIt) {
  // The file begins inside a unit (its head lies in the previous file): the packets without a
  // PTS are skipped, and the next unit is found whole.
  const std::vector<std::uint8_t> split = test::EncodeUnit(Codes(240, 60, 10));
  ASSERT_GT(split.size(), 2 * 2019u);
  test::PackWriter whole;
  whole.AddUnit(split, 0x20, Second);
  test::PackWriter writer;
  writer.AddRaw(std::vector<std::uint8_t>(whole.Bytes().begin() + 2048, whole.Bytes().end()));
  writer.AddVideoPack();
  const Bitmap next = Codes(20, 6, 11);
  const std::int64_t at = writer.AddUnit(test::EncodeUnit(next), 0x20, 9 * Second);
  ExtractionRun run(ui_);
  const SubpictureResult result = run.Run(Request(Write("tail.vob", writer)));
  EXPECT_FALSE(result.EndOfFile);
  EXPECT_EQ(result.StartPosition, at);
  EXPECT_FALSE(result.StartedInPreviousFile);
  EXPECT_EQ(result.SubTitle, Painted(next));
}

class SplitTitle : public ExtractionRunTest {
 protected:
  // Three units; the file boundary falls after the first packet of the second unit.
  void Make() {
    units_ = {Codes(40, 10, 20), Codes(240, 64, 21), Codes(24, 8, 22)};
    test::PackWriter writer;
    writer.AddNavPack();
    starts_.push_back(writer.AddUnit(test::EncodeUnit(units_[0]), 0x20, 1 * Second));
    writer.AddVideoPack();
    const std::vector<std::uint8_t> second = test::EncodeUnit(units_[1]);
    ASSERT_GT(second.size(), 2 * 2024u);
    starts_.push_back(writer.AddUnit(second, 0x20, 4 * Second));
    cut_ = static_cast<std::size_t>(starts_[1]) + 2048;
    writer.AddVideoPack();
    writer.AddAc3Pack(6 * Second);
    starts_.push_back(writer.AddUnit(test::EncodeUnit(units_[2]), 0x20, 7 * Second));
    writer.AddVideoPack();
    const auto& bytes = writer.Bytes();
    test::WriteBytes((dir_ / "vts_01_1.vob").string(),
                     {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut_)});
    test::WriteBytes((dir_ / "vts_01_2.vob").string(),
                     {bytes.begin() + static_cast<std::ptrdiff_t>(cut_), bytes.end()});
    files_ = {(dir_ / "vts_01_1.vob").string(), (dir_ / "vts_01_2.vob").string()};
  }
  std::vector<Bitmap> units_;
  std::vector<std::int64_t> starts_;
  std::size_t cut_ = 0;
  std::vector<std::string> files_;
};

TEST_F(SplitTitle, UnitSplitAcrossTwoFilesIsCarriedIntoTheNext) {
  Make();
  SubpictureRequest settings = Request("");
  SubtitleWalker walker(ui_, files_, settings);
  std::vector<std::size_t> filesStarted;
  walker.FileStarted = [&](std::size_t index) { filesStarted.push_back(index); };

  auto first = walker.Next();
  ASSERT_TRUE(first);
  EXPECT_EQ(first->Number, 1);
  EXPECT_EQ(first->FileIndex, 0u);
  EXPECT_EQ(first->Result.StartPosition, starts_[0]);
  EXPECT_EQ(first->Result.SubTitle, Painted(units_[0]));

  auto second = walker.Next();
  ASSERT_TRUE(second);
  EXPECT_EQ(second->Number, 2);
  EXPECT_EQ(second->FileIndex, 1u);
  EXPECT_TRUE(second->Result.StartedInPreviousFile);
  EXPECT_EQ(second->Result.StartPosition, starts_[1]);  // offset in the first file
  EXPECT_EQ(second->Result.UnitPts, 4 * Second);
  EXPECT_EQ(second->Result.Time, (PresentationTime{0, 0, 4}));  // no PTS read in this file yet
  EXPECT_EQ(second->Result.SubTitle, Painted(units_[1]));

  auto third = walker.Next();
  ASSERT_TRUE(third);
  EXPECT_EQ(third->Number, 3);
  EXPECT_FALSE(third->Result.StartedInPreviousFile);
  EXPECT_EQ(third->Result.StartPosition, starts_[2] - static_cast<std::int64_t>(cut_));
  EXPECT_EQ(third->Result.Time, (PresentationTime{0, 0, 7}));
  EXPECT_EQ(third->Result.SubTitle, Painted(units_[2]));

  EXPECT_FALSE(walker.Next());
  EXPECT_FALSE(walker.Stopped());
  EXPECT_EQ(filesStarted, (std::vector<std::size_t>{0, 1}));
  EXPECT_TRUE(ui_.Texts.empty());
}

TEST_F(SplitTitle, RunFromTheStartOfTheSecondFileWithoutTheHeadSkipsTheTail) {
  Make();
  ExtractionRun run(ui_);
  const SubpictureResult result = run.Run(Request(files_[1]));
  EXPECT_FALSE(result.EndOfFile);
  EXPECT_EQ(result.StartPosition, starts_[2] - static_cast<std::int64_t>(cut_));
  EXPECT_EQ(result.SubTitle, Painted(units_[2]));
}

TEST_F(SplitTitle, CarriedHeadIsDroppedWhenTheNextFileStartsANewUnit) {
  Make();
  // Carry the head into a file that starts with a whole unit: that unit wins.
  SubpictureRequest request = Request(files_[0], starts_[1]);
  ExtractionRun run(ui_);
  const SubpictureResult head = run.Run(request);
  ASSERT_TRUE(head.EndOfFile);
  ASSERT_FALSE(head.UnfinishedUnit.empty());
  test::PackWriter other;
  const Bitmap fresh = Codes(12, 4, 30);
  other.AddUnit(test::EncodeUnit(fresh), 0x20, 50 * Second);
  SubpictureRequest next = Request(Write("other.vob", other));
  next.CarriedUnit = head.UnfinishedUnit;
  next.CarriedStartPosition = head.UnfinishedStartPosition;
  const SubpictureResult result = run.Run(next);
  EXPECT_FALSE(result.EndOfFile);
  EXPECT_FALSE(result.StartedInPreviousFile);
  EXPECT_EQ(result.StartPosition, 0);
  EXPECT_EQ(result.SubTitle, Painted(fresh));
}

TEST_F(ExtractionRunTest, ReusedRunAcrossReadChunksMatchesFreshRuns) {
  // Many subtitles over several megabytes, units straddling the 1 MiB read boundaries: one run
  // object reused for every step must give what a fresh object gives for each step.
  test::PackWriter writer;
  std::mt19937 random(5);
  for (int i = 0; i < 120; ++i) {
    const int videoPacks = static_cast<int>(random() % 60);
    for (int v = 0; v < videoPacks; ++v) writer.AddVideoPack();
    writer.AddUnit(test::EncodeUnit(Codes(60 + i, 30, 100 + i)), 0x20,
                   static_cast<std::uint64_t>(i) * Second);
    if (i % 3 == 0) writer.AddAc3Pack(static_cast<std::uint64_t>(i) * Second + 5);
  }
  ASSERT_GT(writer.Size(), 3 * (1 << 20));
  const std::string path = Write("long.vob", writer);
  ExtractionRun reused(ui_);
  std::int64_t position = 0;
  int found = 0;
  for (;;) {
    const SubpictureResult a = reused.Run(Request(path, position));
    ExtractionRun fresh(ui_);
    const SubpictureResult b = fresh.Run(Request(path, position));
    ASSERT_EQ(a.EndOfFile, b.EndOfFile);
    ASSERT_EQ(a.FilePosition, b.FilePosition);
    if (a.EndOfFile) break;
    ASSERT_EQ(a.StartPosition, b.StartPosition);
    ASSERT_EQ(a.SubTitle, b.SubTitle);
    ASSERT_EQ(a.SubTitle, Painted(Codes(60 + found, 30, 100 + found))) << found;
    ASSERT_EQ(a.UnitPts, static_cast<std::uint64_t>(found) * Second);
    ++found;
    position = a.FilePosition;
  }
  EXPECT_EQ(found, 120);
  EXPECT_EQ(position, writer.Size());
}

TEST_F(ExtractionRunTest, ChangedFileIsReadAgainByAReusedRun) {
  test::PackWriter first;
  first.AddVideoPack();
  first.AddUnit(test::EncodeUnit(Codes(8, 2, 1)), 0x20, Second);
  const std::string path = Write("changing.vob", first);
  ExtractionRun run(ui_);
  ASSERT_FALSE(run.Run(Request(path)).EndOfFile);
  test::PackWriter second;
  second.AddVideoPack();
  second.AddUnit(test::EncodeUnit(Codes(10, 4, 2)), 0x20, Second);
  second.AddVideoPack();  // a different size, so the change is seen even within one mtime tick
  Write("changing.vob", second);
  const SubpictureResult result = run.Run(Request(path, 2048));
  EXPECT_EQ(result.SubTitle, Painted(Codes(10, 4, 2)));
}

TEST_F(ExtractionRunTest, DamagedFilesNeverCrash) {
  // Random bytes, random bytes behind a pack start, truncated packs and units whose sizes lie;
  // walked to the end (runs under the sanitizers in CI).
  std::mt19937 random(1234);
  for (int round = 0; round < 40; ++round) {
    test::PackWriter writer;
    const int packs = 5 + static_cast<int>(random() % 40);
    for (int p = 0; p < packs; ++p) {
      const int kind = static_cast<int>(random() % 5);
      if (kind == 0) {
        writer.AddVideoPack();
      } else if (kind == 1) {
        std::vector<std::uint8_t> unit = test::EncodeUnit(Codes(30, 20, p));
        // Lie about the size, the control offset or anything else.
        for (int k = 0; k < 4; ++k)
          unit[random() % unit.size()] = static_cast<std::uint8_t>(random());
        unit[0] = static_cast<std::uint8_t>(random());
        unit[1] = static_cast<std::uint8_t>(random());
        writer.AddUnit(unit, 0x20,
                       random() % 2 ? std::optional<std::uint64_t>(random()) : std::nullopt);
      } else if (kind == 2) {
        std::vector<std::uint8_t> pack(2048);
        for (auto& b : pack) b = static_cast<std::uint8_t>(random());
        pack[0] = 0x00;
        pack[1] = 0x00;
        pack[2] = 0x01;
        pack[3] = 0xBA;
        pack[14] = 0x00;
        pack[15] = 0x00;
        pack[16] = 0x01;
        pack[17] = 0xBD;
        if (random() % 2) pack[23 + pack[22]] = 0x20;
        writer.AddRaw(pack);
      } else if (kind == 3) {
        writer.AddAc3Pack(random());
      } else {
        std::vector<std::uint8_t> raw(random() % 3000);
        for (auto& b : raw) b = static_cast<std::uint8_t>(random());
        writer.AddRaw(raw);
      }
    }
    if (round % 3 == 0) writer.Bytes().resize(writer.Bytes().size() - random() % 2048);
    const std::string path = Write("damaged" + std::to_string(round) + ".vob", writer);
    SubtitleWalker walker(ui_, {path, path}, Request(""));
    int found = 0;
    while (walker.Next()) ASSERT_LT(++found, 1000);
  }
}

}  // namespace
}  // namespace quelm
