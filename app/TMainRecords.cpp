// The main window's records files: the raw script saved and opened from the File menu, and the
// question on close when records were added since the last save, so none are lost silently.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

#include "app/TMain.h"
#include "app/Translated.h"
#include "output/RecordsFile.h"
#include "platform/UserInteraction.h"

namespace quelm {

namespace {
constexpr const char* RecordsFilter =
    QT_TRANSLATE_NOOP("quelm::TMain", "Quelm records (*.records);;All files (*)");
constexpr const char* DefaultRecordsName = "moviescript.records";
constexpr const char* UnsavedRecordsQuestion =
    QT_TRANSLATE_NOOP("quelm::TMain", "Save your work so you can continue later?");
constexpr const char* UnsavedRecordsBeforeOpen = QT_TRANSLATE_NOOP(
    "quelm::TMain",
    "The script holds records that have not been saved.\nSave them before opening others?");
}  // namespace

void TMain::ConnectRecordsHandlers(QMenu* fileMenu, QAction* before) {
  Saverecords1 = new QAction(tr("Save &records as..."), fileMenu);
  Saverecords1->setObjectName(QStringLiteral("Saverecords1"));
  Openrecords1 = new QAction(tr("&Open records..."), fileMenu);
  Openrecords1->setObjectName(QStringLiteral("Openrecords1"));
  fileMenu->insertAction(before, Openrecords1);
  fileMenu->insertAction(before, Saverecords1);
  connect(Saverecords1, &QAction::triggered, this, [this] { Saverecords1Click(); });
  connect(Openrecords1, &QAction::triggered, this, [this] { Openrecords1Click(); });
}

bool TMain::RecordsUnsaved() const { return conversion_.Unsaved(); }

bool TMain::Saverecords1Click() {
  const std::optional<std::string> path = ui_.ChooseSaveFile(
      tr("Save records as").toStdString(), EditOutputRoot->text().toStdString(),
      DefaultRecordsName, tr(RecordsFilter).toStdString());
  if (!path) return false;
  const Status saved = conversion_.SaveRecords(*path);
  if (!saved) ui_.ShowMessage(MessageKind::Error, saved.Wording);
  return saved.Ok;
}

void TMain::Openrecords1Click() {
  if (!RecordsMaySafelyGo(UnsavedRecordsBeforeOpen)) return;
  const std::optional<std::string> path =
      ui_.ChooseOpenFile(tr("Open records").toStdString(), EditOutputRoot->text().toStdString(),
                         tr(RecordsFilter).toStdString());
  if (!path) return;
  RecordsLoad load = RecordsFile::Load(*path);
  if (!load.Outcome) {
    ui_.ShowMessage(MessageKind::Error, load.Outcome.Wording);
    return;
  }
  if (!load.Damaged.empty()) {
    // One message for them all; a file with nothing readable leaves the records as they were.
    const bool nothingRead = load.Script.Lines().empty();
    std::string text = (nothingRead ? tr("No record could be read:")
                                    : tr("These damaged lines and their records were left out:"))
                           .toStdString();
    // A box taller than the screen would hide its button.
    constexpr std::size_t MaxListed = 20;
    for (std::size_t i = 0; i < load.DamagedWordings.size() && i < MaxListed; ++i)
      text += "\n" + Translated(load.DamagedWordings[i]).toStdString();
    if (load.Damaged.size() > MaxListed)
      text += "\n" + tr("... and %1 more")
                         .arg(static_cast<qulonglong>(load.Damaged.size() - MaxListed))
                         .toStdString();
    ui_.ShowMessage(nothingRead ? MessageKind::Error : MessageKind::Warning, text);
    if (nothingRead) return;
  }
  conversion_.Open(std::move(load.Script));
  scriptStream_ = LanguageIndex();
  ShowAllRecords();
  Updatetextoutput1Click();
  UpdateUndoAnswer();
}

bool TMain::RecordsMaySafelyGo(const char* question) {
  if (!RecordsUnsaved()) return true;
  switch (ui_.Ask(tr(question).toStdString(), Buttons::YesNoCancel)) {
    case Answer::Yes: return Saverecords1Click();
    case Answer::No: return true;
    case Answer::Cancel: return false;
  }
  return false;
}

bool TMain::FormCloseQuery() { return RecordsMaySafelyGo(UnsavedRecordsQuestion); }

}  // namespace quelm
