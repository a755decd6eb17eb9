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

QAction* MenuCommand(QMenuBar* bar, const char* name, const char* caption) {
  QAction* action = bar->addAction(QString::fromLatin1(caption));
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

QGroupBox* TemplateFrame(const char* name, const char* caption, QPlainTextEdit* memo) {
  auto* frame = Named(new QGroupBox(QString::fromLatin1(caption)), name);
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
      "A tag is between the characters < and >. Use << if you want to add a hard < character "
      "and >> for a hard > character.",
      "You can use the following tags that will be filled with the data found in the "
      "subpictures:",
      "",
      "Only the body (the repeating subpicture structure) is filled; header and footer are "
      "copied as they stand.",
      "Tag names may be written in any case. Characters after a name are ignored (<CRX> is "
      "<CR>); a blank after < or a name not listed here writes nothing.",
      "",
      "Time code of the subpicture (hh:mm:ss):",
      "<HH>   hours, two digits. An offset may follow: <HH+1> or <HH1> adds an hour, <HH-2>",
      "       subtracts two. There is no wrap at 24 or 60; hour 01 with <HH-2> gives 0-1.",
      "<H>    the first digit of the hours only (0 for 05); takes no offset",
      "<MM>   minutes, two digits, offset as with <HH>",
      "<M>    the first digit of the minutes",
      "<SS>   seconds, two digits, offset as with <HH>",
      "<S>    the first digit of the seconds",
      "",
      "Chapter:",
      "<CC>   chapter, two digits (7 gives 07), offset as with <HH>: <CC1> in chapter 12 gives 13",
      "<C>    the first character of the chapter number (the chapter itself below 10)",
      "",
      "<CR>   ends the script line here; the rest of the body line starts a new one",
      "",
      "How the text lines of a subpicture are put together (without these tags they are joined",
      "on one line with \" | \" between them):",
      "<SUBPIC_SPLT=text>  all text lines on one script line with text between them;",
      "                    <SUBPIC_SPLT=> with nothing after = joins them with nothing",
      "<SUBPIC_BOLN=text>  one script line per text line, text put before each line",
      "<SUBPIC_EOLN=text>  one script line per text line, text put after each line",
      "Note: Use only SUBPIC_SPLT or use SUBPIC_BOLN with SUBPIC_EOLN. If you mix them the last "
      "tag counts! Use them before your SUBPIC tag!",
      "<SUBPIC>  the recognised text lines. Text before it on the body line prefixes the first",
      "          line, text after it follows the last. Example: <SUBPIC_BOLN=- ><SUBPIC_EOLN=;>",
      "          [<SUBPIC>] gives [- line 1;  then  - line 2;  then  - line 3;]",
      "          A character missing from the dictionary shows as <ERROR>.",
      "",
      "<SUB_NR>  the subtitle number shown in the main window when the script is rendered",
      "          (every subtitle gets the same number)",
      "",
      "Exact display times, in milliseconds counted from the first picture of the title:",
      "<START=fmt>     when the subtitle appears",
      "<END=fmt>       when it disappears; a subtitle without an end of its own ends where the",
      "                next one starts, the last one 5 seconds after it started",
      "<DURATION=fmt>  how long it is shown",
      "  fmt is text in which h (hours), hh, mm, ss, zzz (milliseconds) and cc (hundredths)",
      "  are replaced: <START=hh:mm:ss,zzz> gives 00:01:23,456 and <END=h:mm:ss.cc> 0:01:26.04.",
      "  With nothing after = the milliseconds are written as one number (for MATH_...).",
      "  Subtitles read before exact times were kept take their time code and no fraction.",
      "<INDEX>   the subtitle's number in the script, counting from 1 (0 for the version line)",
      "<FORCED>  1 when the disc forces the subtitle on screen, else 0",
      "In the [ini_info] section, skip_version_record=1 leaves out the version line that begins",
      "every script, as subtitle files need. With \"forced only\" checked (or quelm-cli convert",
      "--forced-only) only forced subtitles are written.",
      "",
      "Date and time at which the script is rendered (examples for the date 08-05-2000 05:06:07;",
      "names of days and months in your language):",
      "<DATE_DDDD>  full name of the weekday     Monday",
      "<DATE_DD>    day of the month             08",
      "<DATE_MMMM>  full name of the month       May",
      "<DATE_MM>    month                        05",
      "<DATE_YYYY>  year                         2000",
      "<DATE_YY>    year, two digits             00",
      "<DATE_HH>    hour (24-hour clock)         05",
      "<DATE_H>     hour without leading zero    5",
      "<DATE_NN>    minute                       06",
      "<DATE_N>     minute without leading zero  6",
      "<DATE_SS>    second                       07",
      "<DATE_S>     second without leading zero  7",
      "",
      "Colours of the four palette panels, as numbers 0 to 255 without leading zeros:",
      "<C1R> <C1G> <C1B>  colour 1; <C2R> ... <C4B> likewise for colours 2 to 4.",
      "  The R tag gives the byte in which the colour value keeps blue, and the B tag the byte",
      "  that keeps red; G is green. For grey colours all three are the same.",
      "",
      "Arithmetic, whole numbers, worked strictly from left to right (2 ADD 3 MUL 4 gives 20):",
      "<MATH_START>     starts a calculation; the value tags that follow (time, chapter, date,",
      "                 colour, SUB_NR, START= and the others) feed it instead of being written",
      "<MATH_VALUE=n>   the number n",
      "<MATH_ADD> <MATH_SUB> <MATH_MUL> <MATH_DIV>   add, subtract, multiply, divide (the",
      "                 division drops the fraction)",
      "<MATH_WIDTH=n>   pads the result with leading zeros to n characters; place it after",
      "                 MATH_START (MATH_START clears it)",
      "<MATH_RESULT>    writes the result and ends the calculation",
      "Example: <MATH_START><CC><MATH_MUL><MATH_VALUE=10><MATH_ADD><SS>",
      "followed by <MATH_RESULT> writes 37 in chapter 3 at second 07.",
      "A calculation left without MATH_RESULT takes in the values of the following subtitles",
      "until the next MATH_START or MATH_RESULT. A text that is no number (a day name, say) or a",
      "division by zero stops the rendering with a message.",
  };
  return lines;
}

TOutputIniEditor::TOutputIniEditor(UserInteraction& ui, std::string formatDirectory,
                                   QWidget* parent)
    : QDialog(parent), ui_(ui), formatDirectory_(std::move(formatDirectory)) {
  setObjectName(QStringLiteral("OutputIniEditor"));
  setWindowTitle(QString::fromLatin1(Caption));
  resize(738, 546);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);

  MainMenu1 = Named(new QMenuBar(this), "MainMenu1");
  // Four commands straight on the bar, with the blanks that space them apart.
  Exit1 = MenuCommand(MainMenu1, "Exit1", "E&xit without saving     ");
  Exitandsave1 = MenuCommand(MainMenu1, "Exitandsave1", "Exit and &save     ");
  Openexistingini1 = MenuCommand(MainMenu1, "Openexistingini1", "Open existing ini     ");
  Clearall1 = MenuCommand(MainMenu1, "Clearall1", "&Clear all     ");
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
  SetLines(*MemoTagInfo, TagReference());
  Label1 = Named(new QLabel(QStringLiteral("INI Name :"), Panel1), "Label1");
  EditIniName = Named(new QLineEdit(QString::fromLatin1(EditorDefaultFormatName), Panel1),
                      "EditIniName");
  Panel1->installEventFilter(this);
  layout->addWidget(Panel1);

  MemoHeader = TemplateMemo("MemoHeader");
  MemoBody = TemplateMemo("MemoBody");
  MemoFooter = TemplateMemo("MemoFooter");
  GroupBox1 = TemplateFrame("GroupBox1", " Header (once)", MemoHeader);
  GroupBox2 = TemplateFrame("GroupBox2", " Repeating subpicture structure ", MemoBody);
  GroupBox3 = TemplateFrame("GroupBox3", " Footer (once) ", MemoFooter);

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
      ui_.ChooseOpenFile("Open existing ini", proposed, std::string());
  std::error_code ec;
  if (chosen && std::filesystem::is_regular_file(*chosen, ec)) LoadFormat(*chosen);
}

bool TOutputIniEditor::Exitandsave1Click() {
  const std::optional<std::string> chosen =
      ui_.ChooseSaveFile("Save output format", formatDirectory_, IniFileName, SaveFilter);
  if (!chosen) return false;
  if (EditIniName->text().isEmpty()) EditIniName->setText(QStringLiteral("unknown"));
  OutputFormatText format;
  format.Name = EditIniName->text().toStdString();
  format.Header = MemoLines(*MemoHeader);
  format.Body = MemoLines(*MemoBody);
  format.Footer = MemoLines(*MemoFooter);
  const Status written = WriteOutputFormatText(*chosen, format);
  if (!written) {
    ui_.ShowMessage(MessageKind::Error, written.Message);
    return false;
  }
  accept();
  return true;
}

void TOutputIniEditor::Exit1Click() { reject(); }

void TOutputIniEditor::Clearall1Click() {
  for (QPlainTextEdit* memo : {MemoHeader, MemoBody, MemoFooter}) SetTemplateLines(*memo, {});
}

QString TOutputIniEditor::LineCountCaption(const char* before, const QPlainTextEdit& memo) const {
  return QString::fromLatin1(before) + QString::number(MemoLines(memo).size()) +
         QStringLiteral(" lines)");
}

void TOutputIniEditor::MemoHeaderChange() {
  GroupBox1->setTitle(LineCountCaption(" Header (once) (", *MemoHeader));
}

void TOutputIniEditor::MemoBodyChange() {
  GroupBox2->setTitle(LineCountCaption(" Repeating subpicture structure (", *MemoBody));
}

void TOutputIniEditor::MemoFooterChange() {
  GroupBox3->setTitle(LineCountCaption(" Footer (once) (", *MemoFooter));
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
