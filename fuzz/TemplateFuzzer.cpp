// Tag engine: any body template against any records and dictionary. Input pieces, cut at NUL
// bytes: body lines, record lines, dictionary lines, a second record (lines cut at '\n').
#include "fuzz/FuzzSupport.h"
#include "output/DictionaryLines.h"
#include "output/LocalCalendar.h"
#include "output/TagEngine.h"

namespace quelm::fuzz {
namespace {

class FixedCalendar : public LocalCalendar {
 public:
  std::tm Now() const override {
    std::tm moment{};
    moment.tm_year = 124, moment.tm_mon = 11, moment.tm_mday = 31, moment.tm_wday = 2;
    moment.tm_hour = 23, moment.tm_min = 59, moment.tm_sec = 59;
    return moment;
  }
  std::string WeekdayName(int weekday) const override { return "Day" + std::to_string(weekday); }
  std::string MonthName(int month) const override { return "Month" + std::to_string(month); }
};

}  // namespace

void TemplateInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> pieces =
      SplitAt({reinterpret_cast<const char*>(data), size}, '\0');
  auto lines = [&pieces](std::size_t i) {
    return i < pieces.size() ? SplitAt(pieces[i], '\n') : std::vector<std::string>{};
  };
  const std::vector<std::string> body = lines(0);
  const DictionaryLines dictionary(lines(2));
  const FixedCalendar calendar;
  TagContext context;
  context.SubtitleNumber = "17";
  context.Palette = {0x000000, 0xC8C8C8, 0x686868, 0xFFFFFF};
  context.Calendar = &calendar;
  context.Characters = &dictionary;
  std::unordered_map<std::string, std::string> decoded;
  context.DecodedLines = &decoded;

  TagEngine engine;
  std::vector<std::string> out;
  for (const std::vector<std::string>& record : {lines(1), lines(3), lines(1)}) {
    const Status status = engine.ConvertSubpicBody(record, body, context, out);
    if (!status.Ok && status.Message.empty()) Broken("a failure without a message");
  }
}

}  // namespace quelm::fuzz

QUELM_FUZZ_TARGET(TemplateInput)
