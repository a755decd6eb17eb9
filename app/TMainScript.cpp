// The main window's script: the "&Output" format menu, the raw records and their rendering into
// the script view, "clear", saving as text or RTF, and the dictionary editor that feeds the rendering.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include <chrono>
#include <span>
#include <filesystem>
#include <system_error>

#include "app/ScriptView.h"
#include "app/TMain.h"
#include "app/Translated.h"
#include "app/VobFileListWidget.h"
#include "app/ocr/TEditDictionary.h"
#include "disc/DiscDirectory.h"
#include "output/OutputFormat.h"
#include "output/TextLines.h"
#include "platform/DataPaths.h"
#include "platform/FileIo.h"
#include "platform/RtfWriter.h"
#include "platform/UserInteraction.h"
#include "settings/PreferenceKeys.h"
#include "settings/SettingsStore.h"

namespace quelm {

namespace {

constexpr const char* DefaultScriptName = "moviescript.txt";
// The name proposed when neither the file list nor the root names a title.
constexpr const char* DefaultScriptTitle = "moviescript";

// outputini/ beside the program, else the installed copy.
std::string DefaultFormatDirectory() {
  return FindDataDirectory(QCoreApplication::applicationDirPath().toStdString() + "/", "outputini");
}

// Menu texts treat "&" as a mnemonic mark; a display name may hold one.
QString MenuText(const std::string& caption) {
  return QString::fromStdString(caption).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

void TMain::ConnectScriptHandlers() {
  if (formatDirectory_.empty()) formatDirectory_ = DefaultFormatDirectory();
  scriptView_ = std::make_unique<ScriptView>(RichEdit1);
  connect(BtnClearText, &QPushButton::clicked, this, &TMain::BtnClearTextClick);
  connect(BtnSaveTo, &QPushButton::clicked, this, [this] { BtnSaveToClick(); });
  connect(Savetextas1, &QAction::triggered, this, [this] { BtnSaveToClick(); });
  connect(Updatetextoutput1, &QAction::triggered, this, &TMain::Updatetextoutput1Click);
  connect(Editdictionary1, &QAction::triggered, this, &TMain::Editdictionary1Click);
  connect(Undolastanswer1, &QAction::triggered, this, &TMain::Undolastanswer1Click);
}

// ---------------------------------------------------------------------------------------------
// Format menu

void TMain::CreateOutputIniMenu() {
  // Only the formats' own items go; the editor item and HBar stay.
  std::string checkedCaption = NoCheckedCaption;
  for (auto it = formatActions_.rbegin(); it != formatActions_.rend(); ++it) {
    QAction* action = *it;
    if (action->isChecked()) checkedCaption = action->data().toString().toStdString();
  }
  const FormatMenuBuild build = BuildFormatMenu(
      formatDirectory_, checkedCaption, settings_.ReadInteger(Preferences::OutputIni, outputIni_));
  if (!build.DirectoryFound) return;
  for (auto it = formatActions_.rbegin(); it != formatActions_.rend(); ++it) {
    Output1->removeAction(*it);
    (*it)->deleteLater();
  }
  formatActions_.clear();
  formatItems_ = build.Items;

  for (std::size_t i = 0; i < build.Items.size(); ++i) {
    const FormatMenuItem& item = build.Items[i];
    auto* action = new QAction(MenuText(item.Caption), Output1);
    action->setObjectName(QStringLiteral("OutputIni%1").arg(i));
    action->setData(QString::fromStdString(item.Caption));
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, action] { OutputIniXClick(action); });
    Output1->addAction(action);
    formatActions_.push_back(action);
  }
  if (!build.Selected) return;
  QAction* selected = formatActions_[*build.Selected];
  if (build.StorePosition) {
    OutputIniXClick(selected);
  } else {
    // A rebuild that found the current format again: it stays current, its position unwritten.
    ShowCurrentFormat(selected->data().toString());
    for (QAction* action : formatActions_) action->setChecked(action == selected);
    Updatetextoutput1Click();
  }
}

void TMain::ShowCurrentFormat(const QString& caption) {
  EditIniXOutput->setText(caption);
  // The field is narrow: its start names the format, the tip shows all of it.
  EditIniXOutput->setCursorPosition(0);
  EditIniXOutput->setToolTip(caption);
}

void TMain::OutputIniXClick(QAction* item) {
  ShowCurrentFormat(item->data().toString());
  item->setChecked(true);
  const QList<QAction*> items = Output1->actions();
  for (qsizetype position = FirstFormatMenuPosition; position < items.size(); ++position) {
    if (items[position] == item) {
      outputIni_ = static_cast<int>(position);
      settings_.StoreInteger(Preferences::OutputIni, outputIni_);
    } else {
      items[position]->setChecked(false);
    }
  }
  Updatetextoutput1Click();
}

// ---------------------------------------------------------------------------------------------
// Raw script and rendering

void TMain::ShowNewRecords(std::size_t from) {
  const std::vector<std::string>& lines = conversion_.Script().Lines();
  // One insertion per record at the end; a line-by-line append lays out and scrolls each time.
  const std::string text = JoinTextLines(std::span(lines).subspan(from));
  QTextCursor end(UWScript->document());
  end.movePosition(QTextCursor::End);
  end.insertText(QString::fromStdString(from > 0 ? "\n" + text : text));
}

void TMain::ShowAllRecords() {
  QStringList lines;
  for (const std::string& line : conversion_.Script().Lines()) lines << QString::fromStdString(line);
  UWScript->setPlainText(lines.join(QLatin1Char('\n')));
}

void TMain::Updatetextoutput1Click() {
  const auto started = std::chrono::steady_clock::now();
  conversion_.SetFormatPath(
      FormatPathFromCaption(formatDirectory_, EditIniXOutput->text().toStdString(), formatItems_));
  ScriptSources sources;
  sources.DictionaryRoot = EditDictionaryRoot->text().toStdString();
  sources.SubtitleNumber = EditSubtitleNr->text().toStdString();
  sources.Palette = PanelColors();
  sources.ForcedOnly = ForcedOnly();
  sources.FixLookAlikes = CheckFixLookAlikes != nullptr && CheckFixLookAlikes->isChecked();
  const int stream = CheckManualLanguage->isChecked() ? -1 : ComboLanguages->currentIndex();
  if (stream >= 0 && stream < static_cast<int>(streamCodes_.size()))
    sources.Language = streamCodes_[static_cast<std::size_t>(stream)];
  const ScriptRendering& rendering = conversion_.Render(sources);
  // The view is emptied and filled again in effect; only what changed is laid out anew.
  scriptView_->Show(rendering.Lines);
  renderingTime_ += std::chrono::steady_clock::now() - started;
  // "all" renders after every subtitle, and a format that fails fails every time: one message
  // box per subtitle would keep the user pressing OK to the end of the film.
  const auto firstTime = [this](const std::string& message) {
    return !gettingAll_ || reportedDuringAll_.insert(message).second;
  };
  if (!rendering.Result && firstTime(rendering.Result.Message))
    ScriptRenderer::ReportFailure(rendering, ui_);
  if (!rendering.Dictionary && firstTime(rendering.Dictionary.Message))
    ui_.ShowMessage(MessageKind::Warning, rendering.Dictionary.Wording);
}

void TMain::BtnClearTextClick() {
  scriptStream_ = -1;
  RichEdit1->clear();
  UWScript->clear();
  conversion_.StartNew();
  ShowAllRecords();
  Updatetextoutput1Click();
  UpdateUndoAnswer();
}

bool TMain::BtnSaveToClick() {
  // A format that names its file type is a file for players and editors: plain text unless
  // the user asks for a document.
  const std::string extension = ReadFormatExtension(conversion_.FormatPath());
  std::optional<std::string> path;
  std::string chosenFilter;
  if (extension.empty()) {
    path = ui_.ChooseSaveFile(tr("Save script as").toStdString(),
                              EditOutputRoot->text().toStdString(), DefaultScriptName,
                              std::string());
  } else {
    const QListWidgetItem* vob = VobFileListBox->currentItem();
    std::string title = TitleName(vob ? vob->text().toStdString() : EditVobRoot->text().toStdString());
    if (title.empty()) title = DefaultScriptTitle;
    const QString plain =
        tr("Plain text (UTF-8)") + QStringLiteral(" (*.%1)").arg(QString::fromStdString(extension));
    const QString rich = tr("Rich text (RTF)") + QStringLiteral(" (*.rtf)");
    chosenFilter = plain.toStdString();
    path = ui_.ChooseSaveFile(tr("Save script as").toStdString(),
                              EditOutputRoot->text().toStdString(), title + "." + extension,
                              (plain + QStringLiteral(";;") + rich).toStdString(), &chosenFilter);
    if (path && chosenFilter != rich.toStdString()) return SavePlainScript(*path);
  }
  if (!path) return false;
  const Status written = RtfWriter::Write(*path, ViewLines());
  if (!written) {
    ui_.ShowMessage(MessageKind::Error, written.Wording);
    return false;
  }
  return true;
}

std::vector<std::string> TMain::ViewLines() const {
  // What the view holds is saved, edits included, as the user sees it.
  std::vector<std::string> lines;
  for (const QString& line : RichEdit1->toPlainText().split(QLatin1Char('\n')))
    lines.push_back(line.toStdString());
  return lines;
}

bool TMain::SavePlainScript(const std::string& path) {
  std::string text;
  for (const std::string& line : ViewLines()) text += line + "\n";
  Phrase error;
  if (WriteFileAtomically(path, text, false, &error)) return true;
  ui_.ShowMessage(MessageKind::Error,
                  (tr("Cannot create file %1").arg(QString::fromStdString(path)) +
                   (error.Empty() ? QString() : ": " + Translated(error)))
                      .toStdString());
  return false;
}

void TMain::Editdictionary1Click() {
  if (TEditDictionary::Edit(ui_, EditDictionaryRoot->text().toStdString(), this, &settings_))
    Updatetextoutput1Click();
  UpdateUndoAnswer();
}

}  // namespace quelm
