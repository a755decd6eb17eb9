// Records file: any raw script file, loaded, rendered through every shipped format and saved.
#include "fuzz/FuzzSupport.h"
#include "output/LocalCalendar.h"
#include "output/OutputFormat.h"
#include "output/RawScript.h"
#include "output/RecordFacts.h"
#include "output/RecordsFile.h"
#include "output/ScriptRenderer.h"

namespace quelm::fuzz {
namespace {

class FixedCalendar : public LocalCalendar {
 public:
  std::tm Now() const override {
    std::tm moment{};
    moment.tm_year = 100, moment.tm_mday = 1, moment.tm_wday = 6;
    return moment;
  }
  std::string WeekdayName(int) const override { return "Saturday"; }
  std::string MonthName(int) const override { return "January"; }
};

// The shipped formats, and one body that does arithmetic on the time fields.
const std::vector<OutputFormat>& Formats() {
  static const std::vector<OutputFormat> formats = [] {
    std::vector<OutputFormat> all;
    for (const char* name : {"cuelist.ini", "plain.ini", "seconds.ini", "tags.ini", "timecodes.ini"})
      all.push_back(OutputFormat::Read(std::string(QUELM_OUTPUTINI_DIR "/") + name));
    OutputFormat math;
    math.Body = {"<MATH_START><HH><MATH_MUL>3600<MATH_ADD><MM><MATH_MUL>60<MATH_ADD><SS>"
                 "<MATH_DIV><CC><MATH_RESULT> <SUB_NR>",
                 "<SUBPIC>"};
    all.push_back(math);
    return all;
  }();
  return formats;
}

}  // namespace

void RecordsInput(const std::uint8_t* data, std::size_t size) {
  const std::string path =
      WriteScratchFile("script.raw", {reinterpret_cast<const char*>(data), size});
  Status status;
  const RawScript raw = RawScript::Load(path, &status);
  if (!status.Ok) return;

  // Every line read as a time code line: its facts survive being written again.
  for (const std::string& line : raw.Lines()) {
    const RecordFacts facts = ReadRecordFacts(line);
    if (line.size() >= 8 && ReadRecordFacts(TimeCodeLineWithFacts(line.substr(0, 8), facts)) != facts)
      Broken("record facts changed when written again: " + line.substr(0, 200));
    (void)FormatMilliseconds(TimeCodeMs(line).value_or(facts.StartMs), "h hh:mm:ss,zzz cc");
  }

  ScriptRenderer renderer(std::make_shared<FixedCalendar>());
  const DictionaryLines dictionary({"a.bmp", "A"});
  TagContext context;
  context.SubtitleNumber = "1";
  context.Calendar = &renderer.Calendar();
  context.Characters = &dictionary;
  for (const OutputFormat& format : Formats()) (void)renderer.Render(raw.Lines(), format, context);

  // The checked reader: every fault names the file; the records it reads save and read back
  // the same, with nothing damaged.
  const RecordsLoad checked = RecordsFile::Load(path);
  for (const std::string& damaged : checked.Damaged)
    if (damaged.find(path) == std::string::npos)
      Broken("damaged line does not name the file: " + damaged);
  if (!checked.Outcome.Ok) {
    if (checked.Outcome.Message.find(path) == std::string::npos)
      Broken("records fault does not name the file: " + checked.Outcome.Message);
  } else {
    const std::string savedRecords = ScratchDirectory() + "copy.records";
    if (!RecordsFile::Save(savedRecords, checked.Script).Ok) Broken("cannot save the records");
    const RecordsLoad again = RecordsFile::Load(savedRecords);
    if (!again.Outcome.Ok || !again.Damaged.empty() ||
        again.Script.Lines() != checked.Script.Lines())
      Broken("records changed in a round trip: " + again.Outcome.Message);
    const std::size_t subtitles = RecordsFile::CountSubtitleRecords(checked.Script);
    if (subtitles > RecordsFile::CountRecords(checked.Script)) Broken("more subtitles than records");
    const ReferenceCount references = RecordsFile::CountReferences(checked.Script, dictionary);
    if (references.Unresolved > references.References) Broken("more unresolved than references");
    for (const std::string& directory : RecordsFile::ReferenceDirectories(checked.Script))
      if (directory.empty() || directory.back() != '/') Broken("a reference directory without /");
    (void)RecordsFile::LastRecordStartMs(checked.Script);
    const RawScript kept = RecordsFile::KeepSubtitleRecords(checked.Script, subtitles / 2);
    if (RecordsFile::CountSubtitleRecords(kept) != subtitles / 2) Broken("kept the wrong number of records");
  }

  // What was read is saved and reads back the same.
  const std::string copy = ScratchDirectory() + "copy.raw";
  if (!raw.Save(copy).Ok) Broken("cannot save the raw script");
  if (RawScript::Load(copy).Lines() != raw.Lines()) Broken("raw script changed in a round trip");
}

}  // namespace quelm::fuzz

QUELM_FUZZ_TARGET(RecordsInput)
