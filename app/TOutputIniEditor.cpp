// The output format editor window. Templates are saved with every line quoted, so blanks at
// either end and empty lines come back as they were written.
#include "app/TOutputIniEditor.h"

#include <QGuiApplication>
#include <QAction>
#include <QEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>

#include <filesystem>
#include <optional>
#include <system_error>

#include "app/Named.h"
#include "output/OutputFormat.h"
#include "output/OutputFormatWriter.h"
#include "platform/UserInteraction.h"

namespace quelm {

namespace {

constexpr int PanelHeight = 120;
constexpr int TemplateHeight = 110;
constexpr int MinimumTemplateHeight = 40;

QAction* MenuCommand(QMenuBar* bar, const char* name, const QString& caption) {
  QAction* action = bar->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

QPlainTextEdit* TemplateMemo(const char* name) {
  auto* memo = Named(new QPlainTextEdit, name);
  memo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  return memo;
}

QGroupBox* TemplateFrame(const char* name, const QString& caption, QPlainTextEdit* memo) {
  auto* frame = Named(new QGroupBox(caption), name);
  frame->setMinimumHeight(MinimumTemplateHeight);
  auto* layout = new QVBoxLayout(frame);
  layout->setContentsMargins(4, 2, 4, 4);
  layout->addWidget(memo);
  return frame;
}

void SetLines(QPlainTextEdit& memo, const std::vector<std::string>& lines) {
  QStringList text;
  for (const std::string& line : lines) text.append(QString::fromStdString(line));
  memo.setPlainText(text.join(QLatin1Char('\n')));
}

}  // namespace

const std::vector<std::string>& TOutputIniEditor::TagReference() {
  static const std::vector<std::string> lines = {
      QT_TR_NOOP(
          "A tag is between the characters < and >. Use << if you want to add a hard < character "
          "and >> for a hard > character."),
      QT_TR_NOOP("You can use the following tags that will be filled with the data found in the "
                 "subpictures:"),
      "",
      QT_TR_NOOP(
          "Only the body (the repeating subpicture structure) is filled; header and footer are "
          "copied as they stand."),
      QT_TR_NOOP(
          "Tag names may be written in any case. Characters after a name are ignored (<CRX> is "
          "<CR>); a blank after < or a name not listed here writes nothing."),
      "",
      QT_TR_NOOP("Time code of the subpicture (hh:mm:ss):"),
      QT_TR_NOOP(
          "<HH>   hours, two digits. An offset may follow: <HH+1> or <HH1> adds an hour, <HH-2>"),
      QT_TR_NOOP(
          "       subtracts two. There is no wrap at 24 or 60; hour 01 with <HH-2> gives 0-1."),
      QT_TR_NOOP("<H>    the first digit of the hours only (0 for 05); takes no offset"),
      QT_TR_NOOP("<MM>   minutes, two digits, offset as with <HH>"),
      QT_TR_NOOP("<M>    the first digit of the minutes"),
      QT_TR_NOOP("<SS>   seconds, two digits, offset as with <HH>"),
      QT_TR_NOOP("<S>    the first digit of the seconds"),
      "",
      QT_TR_NOOP("Chapter:"),
      QT_TR_NOOP("<CC>   chapter, two digits (7 gives 07), offset as with <HH>: <CC1> in chapter "
                 "12 gives 13"),
      QT_TR_NOOP("<C>    the first character of the chapter number (the chapter itself below 10)"),
      "",
      QT_TR_NOOP("<CR>   ends the script line here; the rest of the body line starts a new one"),
      "",
      QT_TR_NOOP("How the text lines of a subpicture are put together (without these tags they are "
                 "joined"),
      QT_TR_NOOP("on one line with \" | \" between them):"),
      QT_TR_NOOP("<SUBPIC_SPLT=text>  all text lines on one script line with text between them;"),
      QT_TR_NOOP("                    <SUBPIC_SPLT=> with nothing after = joins them with nothing"),
      QT_TR_NOOP("<SUBPIC_BOLN=text>  one script line per text line, text put before each line"),
      QT_TR_NOOP("<SUBPIC_EOLN=text>  one script line per text line, text put after each line"),
      QT_TR_NOOP("Note: Use only SUBPIC_SPLT or use SUBPIC_BOLN with SUBPIC_EOLN. If you mix them "
                 "the last "
                 "tag counts! Use them before your SUBPIC tag!"),
      QT_TR_NOOP("<SUBPIC>  the recognised text lines. Text before it on the body line prefixes "
                 "the first"),
      QT_TR_NOOP("          line, text after it follows the last. Example: <SUBPIC_BOLN=- "
                 "><SUBPIC_EOLN=;>"),
      QT_TR_NOOP("          [<SUBPIC>] gives [- line 1;  then  - line 2;  then  - line 3;]"),
      QT_TR_NOOP("          A character missing from the dictionary shows as <ERROR>."),
      "",
      QT_TR_NOOP(
          "<SUB_NR>  the subtitle number shown in the main window when the script is rendered"),
      QT_TR_NOOP("          (every subtitle gets the same number)"),
      "",
      QT_TR_NOOP(
          "Exact display times, in milliseconds counted from the first picture of the title:"),
      QT_TR_NOOP("<START=fmt>     when the subtitle appears"),
      QT_TR_NOOP("<END=fmt>       when it disappears; a subtitle without an end of its own ends "
                 "where the"),
      QT_TR_NOOP("                next one starts, the last one 5 seconds after it started"),
      QT_TR_NOOP("<DURATION=fmt>  how long it is shown"),
      QT_TR_NOOP(
          "  fmt is text in which h (hours), hh, mm, ss, zzz (milliseconds) and cc (hundredths)"),
      QT_TR_NOOP("  are replaced: <START=hh:mm:ss,zzz> gives 00:01:23,456 and <END=h:mm:ss.cc> "
                 "0:01:26.04."),
      QT_TR_NOOP(
          "  With nothing after = the milliseconds are written as one number (for MATH_...)."),
      QT_TR_NOOP(
          "  Subtitles read before exact times were kept take their time code and no fraction."),
      QT_TR_NOOP("<INDEX>   the subtitle's number in the script, counting from 1 (0 for the "
                 "version line)"),
      QT_TR_NOOP("<FORCED>  1 when the disc forces the subtitle on screen, else 0"),
      QT_TR_NOOP("In the [ini_info] section, skip_version_record=1 leaves out the version line "
                 "that begins"),
      QT_TR_NOOP("every script, as subtitle files need. With \"forced only\" checked (or quelm-cli "
                 "convert"),
      QT_TR_NOOP("--forced-only) only forced subtitles are written."),
      "",
      QT_TR_NOOP("Date and time at which the script is rendered (examples for the date 08-05-2000 "
                 "05:06:07;"),
      QT_TR_NOOP("names of days and months in your language):"),
      QT_TR_NOOP("<DATE_DDDD>  full name of the weekday     Monday"),
      QT_TR_NOOP("<DATE_DD>    day of the month             08"),
      QT_TR_NOOP("<DATE_MMMM>  full name of the month       May"),
      QT_TR_NOOP("<DATE_MM>    month                        05"),
      QT_TR_NOOP("<DATE_YYYY>  year                         2000"),
      QT_TR_NOOP("<DATE_YY>    year, two digits             00"),
      QT_TR_NOOP("<DATE_HH>    hour (24-hour clock)         05"),
      QT_TR_NOOP("<DATE_H>     hour without leading zero    5"),
      QT_TR_NOOP("<DATE_NN>    minute                       06"),
      QT_TR_NOOP("<DATE_N>     minute without leading zero  6"),
      QT_TR_NOOP("<DATE_SS>    second                       07"),
      QT_TR_NOOP("<DATE_S>     second without leading zero  7"),
      "",
      QT_TR_NOOP("Colours of the four palette panels, as numbers 0 to 255 without leading zeros:"),
      QT_TR_NOOP("<C1R> <C1G> <C1B>  colour 1; <C2R> ... <C4B> likewise for colours 2 to 4."),
      QT_TR_NOOP("  The R tag gives the byte in which the colour value keeps blue, and the B tag "
                 "the byte"),
      QT_TR_NOOP("  that keeps red; G is green. For grey colours all three are the same."),
      "",
      QT_TR_NOOP("Arithmetic, whole numbers, worked strictly from left to right (2 ADD 3 MUL 4 "
                 "gives 20):"),
      QT_TR_NOOP("<MATH_START>     starts a calculation; the value tags that follow (time, "
                 "chapter, date,"),
      QT_TR_NOOP("                 colour, SUB_NR, START= and the others) feed it instead of being "
                 "written"),
      QT_TR_NOOP("<MATH_VALUE=n>   the number n"),
      QT_TR_NOOP(
          "<MATH_ADD> <MATH_SUB> <MATH_MUL> <MATH_DIV>   add, subtract, multiply, divide (the"),
      QT_TR_NOOP("                 division drops the fraction)"),
      QT_TR_NOOP(
          "<MATH_WIDTH=n>   pads the result with leading zeros to n characters; place it after"),
      QT_TR_NOOP("                 MATH_START (MATH_START clears it)"),
      QT_TR_NOOP("<MATH_RESULT>    writes the result and ends the calculation"),
      QT_TR_NOOP("Example: <MATH_START><CC><MATH_MUL><MATH_VALUE=10><MATH_ADD><SS>"),
      QT_TR_NOOP("followed by <MATH_RESULT> writes 37 in chapter 3 at second 07."),
      QT_TR_NOOP(
          "A calculation left without MATH_RESULT takes in the values of the following subtitles"),
      QT_TR_NOOP("until the next MATH_START or MATH_RESULT. A text that is no number (a day name, "
                 "say) or a"),
      QT_TR_NOOP("division by zero stops the rendering with a message."),
  };
  return lines;
}

TOutputIniEditor::TOutputIniEditor(UserInteraction& ui, std::string formatDirectory,
                                   QWidget* parent)
    : QDialog(parent), ui_(ui), formatDirectory_(std::move(formatDirectory)) {
  setObjectName(QStringLiteral("OutputIniEditor"));
  setWindowTitle(tr(Caption));
  resize(738, 546);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);

  MainMenu1 = Named(new QMenuBar(this), "MainMenu1");
  // Four commands straight on the bar, with the blanks that space them apart.
  Exit1 = MenuCommand(MainMenu1, "Exit1", tr("E&xit without saving     "));
  Exitandsave1 = MenuCommand(MainMenu1, "Exitandsave1", tr("Exit and &save     "));
  Openexistingini1 = MenuCommand(MainMenu1, "Openexistingini1", tr("Open existing ini     "));
  Clearall1 = MenuCommand(MainMenu1, "Clearall1", tr("&Clear all     "));
  layout->setMenuBar(MainMenu1);

  Panel1 = Named(new QWidget, "Panel1");
  Panel1->setFixedHeight(PanelHeight);
  MemoTagInfo = Named(new QPlainTextEdit(Panel1), "MemoTagInfo");
  MemoTagInfo->setReadOnly(true);
  MemoTagInfo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  MemoTagInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MemoTagInfo->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  QPalette grey = MemoTagInfo->palette();
  grey.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
  MemoTagInfo->setPalette(grey);
  std::vector<std::string> reference;
  for (const std::string& line : TagReference())
    reference.push_back(line.empty() ? line : tr(line.c_str()).toStdString());
  SetLines(*MemoTagInfo, reference);
  Label1 = Named(new QLabel(tr("INI Name :"), Panel1), "Label1");
  EditIniName = Named(new QLineEdit(QString::fromLatin1(EditorDefaultFormatName), Panel1),
                      "EditIniName");
  Panel1->installEventFilter(this);
  layout->addWidget(Panel1);

  MemoHeader = TemplateMemo("MemoHeader");
  MemoBody = TemplateMemo("MemoBody");
  MemoFooter = TemplateMemo("MemoFooter");
  GroupBox1 = TemplateFrame("GroupBox1", tr(" Header (once)"), MemoHeader);
  GroupBox2 = TemplateFrame("GroupBox2", tr(" Repeating subpicture structure "), MemoBody);
  GroupBox3 = TemplateFrame("GroupBox3", tr(" Footer (once) "), MemoFooter);

  // Splitter1 sits below the header, Splitter2 above the footer; the body takes the rest.
  Splitter1 = Named(new QSplitter(Qt::Vertical), "Splitter1");
  Splitter2 = Named(new QSplitter(Qt::Vertical), "Splitter2");
  Splitter1->setChildrenCollapsible(false);
  Splitter2->setChildrenCollapsible(false);
  Splitter2->addWidget(GroupBox2);
  Splitter2->addWidget(GroupBox3);
  Splitter2->setStretchFactor(0, 1);
  Splitter2->setStretchFactor(1, 0);
  Splitter1->addWidget(GroupBox1);
  Splitter1->addWidget(Splitter2);
  Splitter1->setStretchFactor(0, 0);
  Splitter1->setStretchFactor(1, 1);
  layout->addWidget(Splitter1, 1);
  const int rest = 546 - PanelHeight - 2 * TemplateHeight;
  Splitter1->setSizes({TemplateHeight, rest + TemplateHeight});
  Splitter2->setSizes({rest, TemplateHeight});

  for (QPlainTextEdit* memo : {MemoHeader, MemoBody, MemoFooter}) {
    // Connected first, so the line counts below already see it: text typed into a field that
    // holds a loaded empty line goes onto that line.
    connect(memo, &QPlainTextEdit::textChanged, this, [this, memo] {
      if (!memo->document()->isEmpty()) oneEmptyLine_.remove(memo);
    });
  }
  connect(MemoHeader, &QPlainTextEdit::textChanged, this, &TOutputIniEditor::MemoHeaderChange);
  connect(MemoBody, &QPlainTextEdit::textChanged, this, &TOutputIniEditor::MemoBodyChange);
  connect(MemoFooter, &QPlainTextEdit::textChanged, this, &TOutputIniEditor::MemoFooterChange);
  connect(Exit1, &QAction::triggered, this, &TOutputIniEditor::Exit1Click);
  connect(Exitandsave1, &QAction::triggered, this, [this] { Exitandsave1Click(); });
  connect(Openexistingini1, &QAction::triggered, this, &TOutputIniEditor::Openexistingini1Click);
  connect(Clearall1, &QAction::triggered, this, &TOutputIniEditor::Clearall1Click);

  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  Panel1Resize();
}

std::vector<std::string> TOutputIniEditor::MemoLines(const QPlainTextEdit& memo) const {
  std::vector<std::string> lines;
  const QTextDocument* document = memo.document();
  // An empty field is no line at all, unless it holds a loaded empty line; otherwise every
  // text line counts, the last one too.
  if (document->isEmpty()) {
    if (oneEmptyLine_.contains(&memo)) lines.emplace_back();
    return lines;
  }
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
    lines.push_back(block.text().toStdString());
  return lines;
}

void TOutputIniEditor::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!activated_) {
    activated_ = true;
    FormActivate();
  }
}

bool TOutputIniEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Panel1 && event->type() == QEvent::Resize) Panel1Resize();
  return QDialog::eventFilter(watched, event);
}

void TOutputIniEditor::FormActivate() {
  std::error_code ec;
  if (!IniFileName.empty() && std::filesystem::is_regular_file(IniFileName, ec))
    LoadFormat(IniFileName);
}

void TOutputIniEditor::LoadFormat(const std::string& path) {
  const OutputFormatText format = ReadOutputFormatText(path);
  EditIniName->setText(QString::fromStdString(format.Name));
  SetTemplateLines(*MemoHeader, format.Header);
  SetTemplateLines(*MemoBody, format.Body);
  SetTemplateLines(*MemoFooter, format.Footer);
}

void TOutputIniEditor::SetTemplateLines(QPlainTextEdit& memo,
                                         const std::vector<std::string>& lines) {
  if (lines.size() == 1 && lines.front().empty())
    oneEmptyLine_.insert(&memo);
  else
    oneEmptyLine_.remove(&memo);
  SetLines(memo, lines);
  // An empty field that stays empty reports no change, yet its count may have changed.
  if (&memo == MemoHeader) MemoHeaderChange();
  if (&memo == MemoBody) MemoBodyChange();
  if (&memo == MemoFooter) MemoFooterChange();
}

void TOutputIniEditor::Openexistingini1Click() {
  const std::string proposed =
      (std::filesystem::path(formatDirectory_) / ProposedOpenName).string();
  const std::optional<std::string> chosen =
      ui_.ChooseOpenFile(tr("Open existing ini").toStdString(), proposed, std::string());
  std::error_code ec;
  if (chosen && std::filesystem::is_regular_file(*chosen, ec)) LoadFormat(*chosen);
}

bool TOutputIniEditor::Exitandsave1Click() {
  const std::optional<std::string> chosen =
      ui_.ChooseSaveFile(tr("Save output format").toStdString(), formatDirectory_, IniFileName,
                         tr(SaveFilter).toStdString());
  if (!chosen) return false;
  if (EditIniName->text().isEmpty()) EditIniName->setText(QStringLiteral("unknown"));
  OutputFormatText format;
  format.Name = EditIniName->text().toStdString();
  format.Header = MemoLines(*MemoHeader);
  format.Body = MemoLines(*MemoBody);
  format.Footer = MemoLines(*MemoFooter);
  const Status written = WriteOutputFormatText(*chosen, format);
  if (!written) {
    ui_.ShowMessage(MessageKind::Error, written.Wording);
    return false;
  }
  accept();
  return true;
}

void TOutputIniEditor::Exit1Click() { reject(); }

void TOutputIniEditor::Clearall1Click() {
  for (QPlainTextEdit* memo : {MemoHeader, MemoBody, MemoFooter}) SetTemplateLines(*memo, {});
}

// The English captions keep "(1 lines)"; translations choose their plural forms.
void TOutputIniEditor::MemoHeaderChange() {
  GroupBox1->setTitle(tr(" Header (once) (%n lines)", "", LineCount(*MemoHeader)));
}

void TOutputIniEditor::MemoBodyChange() {
  GroupBox2->setTitle(tr(" Repeating subpicture structure (%n lines)", "", LineCount(*MemoBody)));
}

void TOutputIniEditor::MemoFooterChange() {
  GroupBox3->setTitle(tr(" Footer (once) (%n lines)", "", LineCount(*MemoFooter)));
}

int TOutputIniEditor::LineCount(const QPlainTextEdit& memo) const {
  return static_cast<int>(MemoLines(memo).size());
}

void TOutputIniEditor::Panel1Resize() {
  // The reference takes the panel's width less 15 pixels; the name field sits below it.
  const int width = Panel1->width();
  const int nameRow = Panel1->height() - 26;
  MemoTagInfo->setGeometry(0, 0, qMax(0, width - 15), nameRow - 4);
  Label1->setGeometry(8, nameRow, 70, 22);
  EditIniName->setGeometry(80, nameRow, qMin(300, qMax(60, width - 95)), 22);
}

}  // namespace quelm
