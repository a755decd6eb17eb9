// PGS: byte 0 with bit 0x80 set gives the rest to the decoder as Matroska blocks carry segments
// (type, size, payload), drawing after every end segment; otherwise the rest is a .sup file
// walked subtitle by subtitle.
#include <algorithm>

#include "extraction/PgsDecoder.h"
#include "extraction/ExtractionRun.h"
#include "fuzz/FuzzSupport.h"

namespace quelm::fuzz {

namespace {

constexpr std::array<Color, 4> Roles{ColorBlack, 0xC8C8C8, 0x686868, ColorWhite};

void Check(const PgsPicture& picture) {
  if (picture.Empty != picture.Roles.IsEmpty()) Broken("an empty picture with pixels, or none");
  if (picture.Roles.Width() != picture.TrueColour.Width() ||
      picture.Roles.Height() != picture.TrueColour.Height())
    Broken("the two pictures differ in size");
  if (picture.Roles.Width() > PgsDecoder::MaxSide || picture.Roles.Height() > PgsDecoder::MaxSide)
    Broken("a picture beyond the size cap");
  for (const Color c : picture.Roles.Pixels())
    if (std::find(Roles.begin(), Roles.end(), c) == Roles.end()) Broken("a colour of no role");
}

}  // namespace

void PgsInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return;
  const std::span<const std::uint8_t> body(data + 1, size - 1);
  if (data[0] & 0x80) {
    PgsDecoder decoder;
    for (std::size_t at = 0; at < body.size();) {
      const std::size_t length =
          at + 3 <= body.size() ? 3 + ((std::size_t{body[at + 1]} << 8) | body[at + 2]) : body.size() - at;
      const std::span<const std::uint8_t> segment = body.subspan(at, std::min(length, body.size() - at));
      (void)decoder.AddSegments(segment);
      if (decoder.DisplaySetEnded()) Check(decoder.Picture(Roles));
      at += segment.size();
    }
    Check(decoder.Picture(Roles));
    return;
  }
  const std::string path =
      WriteScratchFile("movie.sup", {reinterpret_cast<const char*>(body.data()), body.size()});
  SilentInteraction ui;
  // As the window does: the file is listed once, not by every run.
  const auto kept = std::make_shared<KeptUnitSource>();
  SubpictureRequest request;
  request.VobFileName = path;
  request.BitmapColors = Roles;
  for (int n = 0; n < 256; ++n) {
    ExtractionRun run(ui, kept);
    const SubpictureResult result = run.Run(request);
    if (result.EndOfFile) break;
    if (result.SubTitle.IsEmpty()) Broken("a subtitle without a picture");
    if (result.FilePosition <= request.FilePosition || result.StartPosition < request.FilePosition)
      Broken("the walk does not go forward");
    PgsPicture picture;
    picture.Empty = result.SubTitle.IsEmpty();
    picture.Roles = result.SubTitle;
    picture.TrueColour = result.TrueColour;
    Check(picture);
    request.FilePosition = result.FilePosition;
  }
}

}  // namespace quelm::fuzz

QUELM_FUZZ_TARGET(PgsInput)
