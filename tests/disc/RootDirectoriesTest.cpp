// Root texts, "same as vob root" on a VOB root change, and the chooser's places.
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "disc/RootDirectories.h"

namespace quelm {
namespace {

namespace fs = std::filesystem;
using Keys = RootDirectories::Keys;

TEST(RootDirectoriesTest, RootTextsKeepTheirCaseAndEndInASlash) {
  EXPECT_EQ(RootDirectories::RootText("/media/Disc/VIDEO_TS"), "/media/Disc/VIDEO_TS/");
  EXPECT_EQ(RootDirectories::RootText("/media/Disc/VIDEO_TS/"), "/media/Disc/VIDEO_TS/");
  EXPECT_EQ(RootDirectories::RootText("/"), "/");
  EXPECT_EQ(RootDirectories::Caption(RootKind::Vob), std::string("VOB Root"));
  EXPECT_EQ(RootDirectories::Caption(RootKind::Output), std::string("Output Root"));
  EXPECT_EQ(RootDirectories::Caption(RootKind::Dictionary), std::string("Dictionary Root"));
}

TEST(RootDirectoriesTest, VobRootCarriesTheRootsThatFollowIt) {
  RootSettings roots{"/old/", "/out/", "/dict/", true, true};
  EXPECT_EQ(RootDirectories::Change(roots, RootKind::Vob, "/Disc/VIDEO_TS"),
            (Keys{{"vobroot", "/Disc/VIDEO_TS/"},
                  {"outputroot", "/Disc/VIDEO_TS/"},
                  {"dictionaryroot", "/Disc/VIDEO_TS/"}}));

  RootSettings apart{"/old/", "/out/", "/dict/", false, true};
  EXPECT_EQ(RootDirectories::Change(apart, RootKind::Vob, "/new"),
            (Keys{{"vobroot", "/new/"}, {"outputroot", "/out/"}, {"dictionaryroot", "/new/"}}));
  EXPECT_EQ(RootDirectories::Change(apart, RootKind::Output, "/Scripts"),
            (Keys{{"outputroot", "/Scripts/"}}));
  EXPECT_EQ(apart.VobRoot, "/new/");
  EXPECT_EQ(RootDirectories::Change(apart, RootKind::Dictionary, "/D/"),
            (Keys{{"dictionaryroot", "/D/"}}));
  EXPECT_EQ(apart.OutputRoot, "/Scripts/");
}

TEST(RootDirectoriesTest, ADiscImageIsItsVideoTsAndTheRootsThatFollowItStayOutside) {
  const std::string image = std::string(QUELM_TEST_DATA) + "/iso/multifile.iso";
  const std::string beside = std::string(QUELM_TEST_DATA) + "/iso/";
  EXPECT_EQ(RootDirectories::RootText(image), image + "/VIDEO_TS/");
  RootSettings roots{"/old/", "/out/", "/dict/", true, false};
  EXPECT_EQ(RootDirectories::Change(roots, RootKind::Vob, image),
            (Keys{{"vobroot", image + "/VIDEO_TS/"},
                  {"outputroot", beside},
                  {"dictionaryroot", "/dict/"}}));
  EXPECT_EQ(RootDirectories::Change(roots, RootKind::Dictionary, image),
            (Keys{{"dictionaryroot", beside}}));
}

TEST(RootDirectoriesTest, PlacesAreHomeMountsAndTheRoot) {
  const fs::path base = fs::temp_directory_path() / ("quelm-places-" + std::to_string(::getpid()));
  fs::remove_all(base);
  fs::create_directories(base / "home");
  fs::create_directories(base / "media/alice/DVD_VIDEO");
  fs::create_directories(base / "media/alice/usb");
  fs::create_directories(base / "media/cdrom");
  fs::create_directories(base / "mnt/Backup");
  std::ofstream(base / "mnt/file") << "x";
  // Drives: sr and a number; cdrom only when it is no link to one of them.
  fs::create_directories(base / "dev");
  for (const char* device : {"sr10", "sr1", "sda", "srx", "sr"}) std::ofstream(base / "dev" / device);
  fs::create_symlink("sr1", base / "dev/cdrom");
  const std::string b = base.string();
  EXPECT_EQ(RootDirectories::Places(b + "/home", "alice", {b + "/media", b + "/mnt", b + "/none"},
                                    b + "/dev"),
            (std::vector<std::string>{b + "/home/", b + "/media/alice/DVD_VIDEO/",
                                      b + "/media/alice/usb/", b + "/media/cdrom/",
                                      b + "/mnt/Backup/", b + "/dev/sr1", b + "/dev/sr10", "/"}));
  fs::remove(base / "dev/sr1");
  fs::remove(base / "dev/sr10");
  EXPECT_EQ(RootDirectories::Places(b + "/nohome", "", {}, b + "/dev"),
            (std::vector<std::string>{"/"}));
  fs::remove(base / "dev/cdrom");
  std::ofstream(base / "dev/cdrom");
  EXPECT_EQ(RootDirectories::Places(b + "/nohome", "", {}, b + "/dev"),
            (std::vector<std::string>{b + "/dev/cdrom", "/"}));
  EXPECT_EQ(RootDirectories::Places(b + "/nohome", "", {}), (std::vector<std::string>{"/"}));
  fs::remove_all(base);
}

}  // namespace
}  // namespace quelm
