// The files a user keeps (settings, subtitles.ini, chardict.ocr, raw scripts, saved bitmaps and
// scripts) survive a writer that is killed part way or runs out of space.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "support/TempDirTest.h"
#include "ocr/CharDictionary.h"
#include "output/RawScript.h"
#include "platform/BmpFile.h"
#include "platform/FileIo.h"
#include "platform/IniFile.h"
#include "platform/RtfWriter.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;

class CrashSafetyTest : public test::TempDirTest {
 protected:
  // The temporary files beside `target` that a writer has begun.
  std::vector<fs::path> TemporaryFiles(const std::string& targetName) const {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(dir_))
      if (entry.path().filename().string().rfind("." + targetName + ".", 0) == 0)
        found.push_back(entry.path());
    return found;
  }

  // Runs `work` in a child process whose files may grow to `maxFileBytes` at most (a full disk
  // as the writers see it) and returns what it reported; empty means every check held.
  static std::string InChildWithFileLimit(rlim_t maxFileBytes, const std::function<std::string()>& work) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(pipeEnds[0]);
      ::signal(SIGXFSZ, SIG_IGN);  // writes beyond the limit then fail with EFBIG
      const rlimit limit{maxFileBytes, maxFileBytes};
      std::string report = ::setrlimit(RLIMIT_FSIZE, &limit) == 0 ? work() : "setrlimit refused";
      if (::write(pipeEnds[1], report.data(), report.size()) < 0) report.clear();
      ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string report;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) report.append(buffer, n);
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status)) report += " child ended abnormally";
    return report;
  }

};

TEST_F(CrashSafetyTest, WriterKilledPartWayLeavesTheOldFile) {
  const std::string target = root_ + "chardict.ocr";
  const std::string old = "/home/u/dict/char_0.bmp\r\nA\r\n";
  WriteText(target, old);
  const std::string large(256u << 20, 'x');

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    WriteFileAtomically(target, large, false);
    ::_exit(0);
  }
  // Kill it as soon as its temporary file holds some but not all of the bytes.
  bool killedPartWay = false;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (std::chrono::steady_clock::now() < deadline) {
    std::error_code ec;
    for (const fs::path& temp : TemporaryFiles("chardict.ocr")) {
      const auto size = fs::file_size(temp, ec);
      if (!ec && size > 0 && size < large.size()) {
        ::kill(child, SIGKILL);
        killedPartWay = true;
      }
    }
    if (killedPartWay) break;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  if (!killedPartWay) ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(killedPartWay) << "the writer was never caught in the middle of its file";
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(ReadText(target), old);

  // What the killed writer left is a hidden temporary file, never the user's file; the next
  // write goes through unhindered.
  ASSERT_TRUE(WriteFileAtomically(target, "/d/char_1.bmp\r\nB\r\n", false));
  EXPECT_EQ(ReadText(target), "/d/char_1.bmp\r\nB\r\n");
}

TEST_F(CrashSafetyTest, FullDiskKeepsEveryOldFileAndSaysWhichFileFailed) {
  const std::string oldIni = "[preferences]\nLanguageIndex=1\n";
  const std::string oldDict = "/d/char_0.bmp\r\nA\r\n";
  const std::string oldRaw = "<SUB_START>\n00:00:01\n0\nx\n<SUB_END>\n";
  const std::string oldBmp = "BM not a real bitmap but the user's file";
  const std::string oldRtf = "{\\rtf1 old}";
  WriteText(root_ + "quelm.ini", oldIni);
  WriteText(root_ + "subtitles.ini", oldIni);
  WriteText(root_ + "chardict.ocr", oldDict);
  WriteText(root_ + "script.txt", oldRaw);
  WriteText(root_ + "sub.bmp", oldBmp);
  WriteText(root_ + "script.rtf", oldRtf);

  const std::string root = root_;
  const std::string report = InChildWithFileLimit(1024, [&root] {
    std::string faults;
    // The saved script keeps its own message for a file made but not written.
    auto expectFailure = [&faults](const Status& status, const std::string& path) {
      if (status.Ok) faults += path + ": write reported success; ";
      else if (status.Message.find(path) == std::string::npos && status.Message != "Stream write error")
        faults += path + ": message '" + status.Message + "' does not name the file; ";
    };
    const std::string big(3000, 'v');
    expectFailure(IniFile(root + "quelm.ini").WriteString("preferences", "Big", big), root + "quelm.ini");
    expectFailure(IniFile(root + "subtitles.ini").WriteString("1/vts_01_1.vob", "7", big),
                  root + "subtitles.ini");
    CharDictionary dictionary;
    for (int i = 0; i < 200; ++i)
      dictionary.AddCurrentCharacterToList(Bitmap(2, 2), root + "char_" + std::to_string(i) + ".bmp", "t");
    expectFailure(dictionary.Save(root), root + "chardict.ocr");
    RawScript raw;
    raw.AppendRecord("00:00:02", "1", {big});
    expectFailure(raw.Save(root + "script.txt"), root + "script.txt");
    expectFailure(WriteBmp(root + "sub.bmp", Bitmap(100, 100, ColorWhite), 24), root + "sub.bmp");
    expectFailure(RtfWriter::Write(root + "script.rtf", {big}), root + "script.rtf");
    return faults;
  });
  EXPECT_EQ(report, "");
  EXPECT_EQ(ReadText(root_ + "quelm.ini"), oldIni);
  EXPECT_EQ(ReadText(root_ + "subtitles.ini"), oldIni);
  EXPECT_EQ(ReadText(root_ + "chardict.ocr"), oldDict);
  EXPECT_EQ(ReadText(root_ + "script.txt"), oldRaw);
  EXPECT_EQ(ReadText(root_ + "sub.bmp"), oldBmp);
  EXPECT_EQ(ReadText(root_ + "script.rtf"), oldRtf);
  // No temporary file is left behind by a refused write.
  for (const auto& entry : fs::directory_iterator(dir_))
    EXPECT_NE(entry.path().filename().string()[0], '.') << entry.path();
}

}  // namespace
}  // namespace quelm
