// PGS: the basic title's subtitles as a `.sup` (tests/data/make_pgs.py) against ffmpeg's
// decoding of the same file and against the spuunmux pictures they were made from, and damaged
// streams that must give a message and what could be read.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "extraction/ExtractionRun.h"
#include "extraction/SubtitleWalker.h"
#include "platform/UserInteraction.h"

#if __has_include(<QImage>)
#include <QImage>
#include <QString>
#endif

namespace quelm {
namespace {

const std::string PgsData = QUELM_TEST_DATA "/pgs/";
const std::string Spuunmux = QUELM_TEST_DATA "/vob/basic/spuunmux/s0/";
// Background, fill, outline, anti-aliasing; the background is the colour ffmpeg's pictures lie on.
constexpr std::array<Color, 4> Roles{RgbToColor(0x20, 0x30, 0x48), 0xC8C8C8, 0x686868, 0xFFFFFF};

// spuunmux's pictures of the DVD track, in order.
std::vector<std::string> SpuunmuxImages() {
  std::ifstream in(Spuunmux + "sub.xml");
  std::stringstream text;
  text << in.rdbuf();
  const std::string xml = text.str();
  const std::regex spu(R"#(image="([^"]+)")#");
  std::vector<std::string> images;
  for (auto it = std::sregex_iterator(xml.begin(), xml.end(), spu); it != std::sregex_iterator(); ++it)
    images.push_back((*it)[1]);
  return images;
}

#if __has_include(<QImage>)
TEST(PgsDecoderTest, TheSupReadsAsFfmpegDecodesItWithTheLettersOfTheDvdAsFill) {
  const std::vector<std::string> images = SpuunmuxImages();
  ASSERT_EQ(images.size(), 8u);
  SilentInteraction ui;
  // The times of the DVD track the pictures come from.
  std::vector<SubtitleTiming> dvd;
  SubtitleWalker walker(ui, {QUELM_TEST_DATA "/vob/basic/VIDEO_TS/VTS_01_1.VOB"}, SubpictureRequest());
  while (auto found = walker.Next()) dvd.push_back(found->Result.Timing);
  ASSERT_EQ(dvd.size(), images.size());
  SubpictureRequest request;
  request.VobFileName = PgsData + "basic.sup";
  request.BitmapColors = Roles;
  for (std::size_t n = 0; n < images.size(); ++n) {
    SCOPED_TRACE("subtitle " + std::to_string(n + 1));
    ExtractionRun run(ui);
    const SubpictureResult sub = run.Run(request);
    ASSERT_FALSE(sub.EndOfFile);
    EXPECT_TRUE(sub.Decoded);
    EXPECT_GE(sub.StartPosition, request.FilePosition);
    EXPECT_GT(sub.FilePosition, sub.StartPosition);
    EXPECT_EQ(sub.Timing, dvd[n]);

    const std::string name = (n < 9 ? "sub0" : "sub") + std::to_string(n + 1) + ".png";
    const QImage ffmpeg = QImage(QString::fromStdString(PgsData + "ffmpeg/" + name))
                              .convertToFormat(QImage::Format_RGB888);
    const QImage picture = QImage(QString::fromStdString(Spuunmux + images[n]))
                           .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(sub.TrueColour.Width(), ffmpeg.width());
    ASSERT_EQ(sub.TrueColour.Height(), ffmpeg.height());
    ASSERT_EQ(sub.SubTitle.Width(), picture.width());
    ASSERT_EQ(sub.SubTitle.Height(), picture.height());
    int trueColourOff = 0, rolesOff = 0;
    for (int y = 0; y < ffmpeg.height(); ++y)
      for (int x = 0; x < ffmpeg.width(); ++x) {
        const QRgb theirs = ffmpeg.pixel(x, y);
        const Color ours = sub.TrueColour.Pixel(x, y);
        // ffmpeg's overlay divides by 256 where the blend wants 255.
        trueColourOff += std::abs(qRed(theirs) - ColorRed(ours)) > 1 ||
                         std::abs(qGreen(theirs) - ColorGreen(ours)) > 1 ||
                         std::abs(qBlue(theirs) - ColorBlue(ours)) > 1;
        // spuunmux: transparent is background, opaque black the letters, the rest outline,
        // which the writer shaded into outline and anti-aliasing.
        const QRgb source = picture.pixel(x, y);
        const Color role = sub.SubTitle.Pixel(x, y);
        if (qAlpha(source) == 0)
          rolesOff += role != Roles[0];
        else if ((source & 0xFFFFFF) == 0)
          rolesOff += role != Roles[1];
        else
          rolesOff += role != Roles[2] && role != Roles[3];
      }
    EXPECT_EQ(trueColourOff, 0);
    EXPECT_EQ(rolesOff, 0);
    request.FilePosition = sub.FilePosition;
  }
  ExtractionRun run(ui);
  const SubpictureResult after = run.Run(request);
  EXPECT_TRUE(after.EndOfFile);
  EXPECT_EQ(after.ReadFault, "");
}
#endif

}  // namespace
}  // namespace quelm
