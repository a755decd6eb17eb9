// Bitmaps drawn with characters for a terminal: a learned or unknown character at 1:1 in a
// frame, and a text line squeezed two rows to a terminal line with one character framed.
#pragma once

#include <string>
#include <vector>

#include "ocr/Segmentation.h"
#include "platform/Bitmap.h"

namespace quelm {

class TextArt {
 public:
  // A black-on-white character bitmap, "#" for ink, "." for paper, inside a "+--+" frame.
  static std::vector<std::string> Character(const Bitmap& character);

  // `line` in its subpicture colours; pixels of `ink` are drawn. Two pixel rows make one text
  // row ("#" both, "'" top, "." bottom). The character at `box` is framed; a line wider than
  // `maxColumns` is shown as the window of that width around the character. A line that would
  // take more than `maxRows` rows is drawn scaled down, k by k pixels to a half cell (inked
  // where a third of them are).
  static std::vector<std::string> Line(const Bitmap& line, Color ink, const CutBox& box,
                                       int maxColumns, int maxRows = 1 << 20);
};

}  // namespace quelm
