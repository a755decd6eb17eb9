// Projection segmentation. Every loop keeps its indexes inside the bitmaps; rows above the
// picture (a negative start row) are treated as background.
#include "ocr/Segmentation.h"

#include <algorithm>
#include <utility>

namespace quelm {

Bitmap CopyBox(const Bitmap& source, const CutBox& box) {
  const int width = box.Right - box.Left + 1;
  const int height = box.Bottom - box.Top + 1;
  std::vector<Color> pixels;
  pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = box.Top; y <= box.Bottom; ++y) {
    const Color* src = source.Row(y) + box.Left;
    pixels.insert(pixels.end(), src, src + width);
  }
  return Bitmap(width, height, std::move(pixels));
}

int DetermineYLineTravel(const Bitmap& subpicture, Color backgroundColor) {
  const int w = subpicture.Width();
  const int h = subpicture.Height();
  const int mid = w / 2;
  static constexpr int Offsets[] = {-10, -6, -3, 0, 3, 6, 10};
  for (int y = 0; y < h - 1; y += 3) {
    for (int dx : Offsets) {
      // Columns off a narrow picture are background.
      if (subpicture.Pixel(mid + dx, y, backgroundColor) != backgroundColor) return y - 7;
    }
  }
  return 0;
}

bool FindNextTextLine(const Bitmap& subpicture, Color backgroundColor, int& startRow,
                      CutBox& box) {
  const int w = subpicture.Width();
  const int h = subpicture.Height();
  if (w == 0 || h == 0) return false;
  auto rowBlank = [&](int y) {
    const Color* row = subpicture.Row(y);
    return std::all_of(row, row + (w - 1), [&](Color c) { return c == backgroundColor; });
  };

  int top = std::max(startRow, 0);
  while (top < h - 1 && rowBlank(top)) ++top;
  if (top >= h - 1) return false;
  // The start row comes from a few sampled columns; where they first meet ink low in a line
  // (a comma in the middle of it), the line's upper rows lie above the start and belong to it.
  while (top > 0 && !rowBlank(top - 1)) --top;
  int r = top;
  while (r < h - 1 && !rowBlank(r)) ++r;
  const int bottom = r - 1;
  startRow = r;

  // The leftmost column with ink in rows top..bottom (the last column aside; every one of these
  // rows has ink before it), and the rightmost with ink in rows top..bottom-1, at least `left`.
  // Found row by row, which reads memory in order.
  int left = w - 1;
  for (int y = top; y <= bottom; ++y) {
    const Color* row = subpicture.Row(y);
    for (int x = 0; x < left; ++x)
      if (row[x] != backgroundColor) {
        left = x;
        break;
      }
  }
  int right = left;
  for (int y = top; y < bottom; ++y) {
    const Color* row = subpicture.Row(y);
    for (int x = w - 1; x > right; --x)
      if (row[x] != backgroundColor) {
        right = x;
        break;
      }
  }
  box = {left, top, right, bottom};
  return true;
}

bool GetNextTextLine(const Bitmap& subpicture, Color backgroundColor, int& startRow, Bitmap& line,
                     CutBox* box) {
  CutBox found;
  if (!FindNextTextLine(subpicture, backgroundColor, startRow, found)) return false;
  line = CopyBox(subpicture, found);
  if (box) *box = found;
  return true;
}

void FlattenTextLine(Bitmap& line, Color charColor) {
  for (int y = 0; y < line.Height(); ++y) {
    Color* row = line.Row(y);
    for (int x = 0; x < line.Width(); ++x) row[x] = row[x] == charColor ? ColorBlack : ColorWhite;
  }
}

Bitmap FlattenedCopy(const InkLine& line, const CutBox& box) {
  const int width = box.Right - box.Left + 1;
  const int height = box.Bottom - box.Top + 1;
  std::vector<Color> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  Color* dst = pixels.data();
  for (int y = box.Top; y <= box.Bottom; ++y) {
    const Color* src = line.Row(y) + box.Left;
    for (int x = 0; x < width; ++x) *dst++ = src[x] == line.Ink ? ColorBlack : ColorWhite;
  }
  return Bitmap(width, height, std::move(pixels));
}

void InkColumns(const InkLine& line, std::vector<unsigned char>& inkColumns) {
  const int lw = line.Width();
  inkColumns.assign(static_cast<std::size_t>(std::max(lw, 0)), 0);
  // Locals, so that the byte stores are not taken to change them.
  unsigned char* columns = inkColumns.data();
  const Color ink = line.Ink;
  for (int y = 0; y < line.Height() - 1; ++y) {
    const Color* row = line.Row(y);
    for (int x = 0; x < lw; ++x) columns[x] |= static_cast<unsigned char>(row[x] == ink);
  }
}

namespace {

// The cut both forms share: the next run of ink columns from charX, the gap before it, and its
// box narrowed to the rows that hold ink.
template <typename ColumnHasInk, typename RowBlank>
bool CutNextCharacter(int width, int height, ColumnHasInk columnHasInk, RowBlank rowBlank,
                      int& charX, int& gap, CutBox& box) {
  int x = std::max(charX, 0);
  while (x <= width - 1 && !columnHasInk(x)) ++x;
  if (x > width - 1) return false;
  gap = x - charX;
  int r = x;
  while (r <= width - 1 && columnHasInk(r)) ++r;
  const int right = r - 1;
  charX = r;

  int top = 0;
  while (top < height - 1 && rowBlank(top, x, right)) ++top;
  int bottom = height - 1;
  while (bottom > top && rowBlank(bottom, x, right)) --bottom;

  box = {x, top, right, bottom};
  return true;
}

}  // namespace

bool FindNextCharacter(const InkLine& line, const std::vector<unsigned char>& inkColumns,
                       int& charX, int& gap, CutBox& box) {
  const int lw = std::min(line.Width(), static_cast<int>(inkColumns.size()));
  auto rowBlank = [&](int y, int left, int right) {
    const Color* row = line.Row(y);
    return std::none_of(row + left, row + right + 1, [&](Color c) { return c == line.Ink; });
  };
  return CutNextCharacter(
      lw, line.Height(), [&](int x) { return inkColumns[static_cast<std::size_t>(x)] != 0; },
      rowBlank, charX, gap, box);
}

bool GetNextCharacter(const Bitmap& line, int& charX, Bitmap& character, int& gap, CutBox* box) {
  const int lh = line.Height();
  auto columnHasInk = [&](int x) {
    for (int y = 0; y < lh - 1; ++y)
      if (line.Row(y)[x] != ColorWhite) return true;
    return false;
  };
  auto rowBlank = [&](int y, int left, int right) {
    const Color* row = line.Row(y);
    return std::all_of(row + left, row + right + 1, [](Color c) { return c == ColorWhite; });
  };
  CutBox cut;
  if (!CutNextCharacter(line.Width(), lh, columnHasInk, rowBlank, charX, gap, cut)) return false;
  character = CopyBox(line, cut);
  if (box) *box = cut;
  return true;
}

int SpaceCount(int gap, int spaceWidth) {
  if (spaceWidth <= 0 || gap < spaceWidth) return 0;
  return gap / spaceWidth;
}

namespace {

// Slants tried, as 1024 times the tangent: 4 to 20 degrees in steps of 2. Real italics lean 9 to
// 18 degrees.
constexpr int SlantCandidates[] = {72, 108, 144, 181, 218, 256, 294, 333, 373};
constexpr int MiddleSlant = 218;
// Below this height a slant of one column per 3 to 6 rows cannot be told from the glyphs' shapes.
constexpr int MinSlantedHeight = 10;

int ShiftAt(int slant, int y) { return (slant * y + 512) >> 10; }

// How well the ink stacks into columns under `slant`: the sum of the squared column counts
// (rows outside the last), which is largest when stems stand upright.
long long Sharpness(const std::vector<LineCut::Run>& runs, int width, int height, int slant,
                    std::vector<int>& diff) {
  const int shearedWidth = width + ShiftAt(slant, height - 1);
  diff.assign(static_cast<std::size_t>(shearedWidth) + 1, 0);
  for (const LineCut::Run& run : runs) {
    if (run.Row >= height - 1) break;
    const int shift = ShiftAt(slant, run.Row);
    ++diff[static_cast<std::size_t>(run.Left + shift)];
    --diff[static_cast<std::size_t>(run.Right + shift + 1)];
  }
  long long sum = 0;
  int count = 0;
  for (int x = 0; x < shearedWidth; ++x) {
    count += diff[static_cast<std::size_t>(x)];
    sum += static_cast<long long>(count) * count;
  }
  return sum;
}

}  // namespace

void CutLine(const InkLine& line, LineCut& cut) {
  cut.Shift.clear();
  cut.Runs.clear();
  cut.Pieces.clear();
  const int lw = line.Width();
  const int lh = line.Height();
  // One pass by rows counts the ink per column, upright and under the middle slant: the counts
  // give the ink columns, and the sum of their squares how sharply the ink stacks into columns.
  // Every slant within 20 degrees stacks a leaning line better than none does, and an upright
  // line worse, so the middle trial tells which it is; only a leaning line tries the others.
  const bool mayLean = lh >= MinSlantedHeight;
  std::vector<int> upright(static_cast<std::size_t>(std::max(lw, 0)), 0);
  const int middleWidth = mayLean ? lw + ShiftAt(MiddleSlant, lh - 1) : 0;
  std::vector<int> middle(static_cast<std::size_t>(middleWidth), 0);
  const Color ink = line.Ink;
  for (int y = 0; y < lh - 1; ++y) {
    const Color* row = line.Row(y);
    int* column = upright.data();
    if (mayLean) {
      int* sheared = middle.data() + ShiftAt(MiddleSlant, y);
      for (int x = 0; x < lw; ++x) {
        const int isInk = row[x] == ink;
        column[x] += isInk;
        sheared[x] += isInk;
      }
    } else {
      for (int x = 0; x < lw; ++x) column[x] += row[x] == ink;
    }
  }
  cut.Columns.resize(upright.size());
  for (std::size_t x = 0; x < upright.size(); ++x)
    cut.Columns[x] = static_cast<unsigned char>(upright[x] != 0);

  int charX = 0;
  LinePiece piece;
  while (FindNextCharacter(line, cut.Columns, charX, piece.Gap, piece.Box)) {
    piece.First = piece.Box.Left;
    piece.Last = piece.Box.Right;
    cut.Pieces.push_back(piece);
  }
  if (!mayLean || cut.Pieces.empty()) return;
  const auto sumOfSquares = [](const std::vector<int>& counts) {
    long long sum = 0;
    for (int count : counts) sum += static_cast<long long>(count) * count;
    return sum;
  };
  const long long uprightSharpness = sumOfSquares(upright);
  if (sumOfSquares(middle) <= uprightSharpness) return;

  for (int y = 0; y < lh; ++y) {
    const Color* row = line.Row(y);
    for (int x = 0; x < lw; ++x) {
      if (row[x] != ink) continue;
      const int left = x;
      while (x + 1 < lw && row[x + 1] == ink) ++x;
      cut.Runs.push_back({y, left, x});
    }
  }
  std::vector<int> diff;
  long long best = uprightSharpness;
  int bestSlant = 0;
  for (int slant : SlantCandidates) {
    const long long s = Sharpness(cut.Runs, lw, lh, slant, diff);
    if (s > best) {
      best = s;
      bestSlant = slant;
    }
  }
  if (bestSlant == 0) return;

  std::vector<int> shift(static_cast<std::size_t>(lh));
  for (int y = 0; y < lh; ++y) shift[static_cast<std::size_t>(y)] = ShiftAt(bestSlant, y);
  std::vector<unsigned char> sheared(static_cast<std::size_t>(lw + shift.back()), 0);
  for (const LineCut::Run& run : cut.Runs) {
    if (run.Row >= lh - 1) break;
    const int s = shift[static_cast<std::size_t>(run.Row)];
    std::fill(sheared.begin() + run.Left + s, sheared.begin() + run.Right + s + 1,
              static_cast<unsigned char>(1));
  }
  std::vector<LinePiece> pieces;
  cut.Shift = std::move(shift);
  const int shearedWidth = static_cast<int>(sheared.size());
  int previousEnd = -1;
  for (int x = 0; x < shearedWidth; ++x) {
    if (!sheared[static_cast<std::size_t>(x)]) continue;
    const int first = x;
    while (x + 1 < shearedWidth && sheared[static_cast<std::size_t>(x + 1)]) ++x;
    LinePiece p = PieceOf(line, cut, first, x);
    // A reader sees the line start where its first letter does.
    p.Gap = previousEnd < 0 ? cut.Pieces.front().Gap : first - previousEnd - 1;
    previousEnd = x;
    pieces.push_back(p);
  }
  cut.Pieces = std::move(pieces);
}

LinePiece PieceOf(const InkLine& line, const LineCut& cut, int first, int last) {
  LinePiece piece;
  piece.First = first;
  piece.Last = last;
  if (!cut.Slanted()) {
    // As CutNextCharacter narrows a run of columns.
    const int lh = line.Height();
    auto rowBlank = [&](int y) {
      const Color* row = line.Row(y);
      return std::none_of(row + first, row + last + 1, [&](Color c) { return c == line.Ink; });
    };
    int top = 0;
    while (top < lh - 1 && rowBlank(top)) ++top;
    int bottom = lh - 1;
    while (bottom > top && rowBlank(bottom)) --bottom;
    piece.Box = {first, top, last, bottom};
    return piece;
  }
  CutBox box{line.Width(), line.Height(), -1, -1};
  for (const LineCut::Run& run : cut.Runs) {
    const int s = cut.Shift[static_cast<std::size_t>(run.Row)];
    const int left = std::max(run.Left, first - s);
    const int right = std::min(run.Right, last - s);
    if (left > right) continue;
    box.Left = std::min(box.Left, left);
    box.Right = std::max(box.Right, right);
    box.Top = std::min(box.Top, run.Row);
    box.Bottom = std::max(box.Bottom, run.Row);
  }
  piece.Box = box;
  return piece;
}

Bitmap PieceBitmap(const InkLine& line, const LineCut& cut, const LinePiece& piece) {
  if (!cut.Slanted()) return FlattenedCopy(line, piece.Box);
  const CutBox& box = piece.Box;
  if (box.Right < box.Left || box.Bottom < box.Top) return Bitmap();
  Bitmap b(box.Right - box.Left + 1, box.Bottom - box.Top + 1, ColorWhite);
  for (const LineCut::Run& run : cut.Runs) {
    if (run.Row < box.Top || run.Row > box.Bottom) continue;
    const int s = cut.Shift[static_cast<std::size_t>(run.Row)];
    const int left = std::max(run.Left, piece.First - s);
    const int right = std::min(run.Right, piece.Last - s);
    Color* row = b.Row(run.Row - box.Top);
    for (int x = left; x <= right; ++x) row[x - box.Left] = ColorBlack;
  }
  return b;
}

SpaceRule LineSpaceRule(std::vector<int> gaps) {
  // Too few gaps to see two groups in: a line of one or two words.
  if (gaps.size() < 4) return {};
  std::sort(gaps.begin(), gaps.end());
  // The split that best parts the gaps into two groups (the largest variance between them). An
  // odd wide letter gap or narrow word gap moves it less than it moves the widest step.
  const double n = static_cast<double>(gaps.size());
  double total = 0;
  for (int g : gaps) total += g;
  std::size_t split = 0;
  double best = 0;
  double lowerSum = 0;
  for (std::size_t k = 1; k < gaps.size(); ++k) {
    lowerSum += gaps[k - 1];
    if (gaps[k] == gaps[k - 1]) continue;
    const double lower = static_cast<double>(k);
    const double upper = n - lower;
    const double difference = (total - lowerSum) / upper - lowerSum / lower;
    const double score = lower * upper * difference * difference;
    if (score > best) {
      best = score;
      split = k;
    }
  }
  if (split < 2) return {};
  double letterSum = 0;
  for (std::size_t k = 0; k < split; ++k) letterSum += gaps[k];
  const double letterMean = letterSum / static_cast<double>(split);
  const double wordMean = (total - letterSum) / (n - static_cast<double>(split));
  const int letters = gaps[split - 1];
  const int words = gaps[split];
  // Letter gaps vary by a few pixels with the letters' shapes; groups that close, or word gaps
  // not clearly wider than letter gaps, are one group.
  if (words - letters < 3 || wordMean < 1.6 * letterMean) return {};
  const int wordGap = gaps[split + (gaps.size() - split) / 2];
  return {(letters + words + 1) / 2, wordGap};
}

SpaceRule HeightSpaceRule(int lineHeight) {
  const int threshold = std::max(2, (lineHeight * 3 + 5) / 10);
  return {threshold, threshold + threshold / 2};
}

int SpaceCount(int gap, const SpaceRule& rule) {
  if (!rule.Decided() || gap < rule.Threshold) return 0;
  return std::max(1, gap / std::max(rule.WordGap, 1));
}

}  // namespace quelm
