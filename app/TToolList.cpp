// The "Edit tools" window.
#include "app/TToolList.h"

#include <QGuiApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <unistd.h>

#include <filesystem>
#include <optional>
#include <system_error>

#include "app/Named.h"
#include "platform/IniFile.h"
#include "platform/UserInteraction.h"

namespace quelm {

namespace {

QString ToQt(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TToolList::TToolList(IniFile& settingsFile, UserInteraction& ui, QWidget* parent)
    : QDialog(parent), settingsFile_(settingsFile), ui_(ui) {
  setObjectName(QStringLiteral("ToolList"));
  setWindowTitle(tr(Caption));
  setFixedSize(490, 214);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(8, 6, 8, 8);
  layout->setHorizontalSpacing(8);
  layout->setVerticalSpacing(3);

  Label1 = Named(new QLabel(tr("Tools")), "Label1");
  ListBox1 = Named(new QListWidget, "ListBox1");
  ListBox2 = Named(new QListWidget, "ListBox2");
  ListBox2->setEnabled(false);  // shows the paths beside the names; nothing to click
  auto* lists = new QHBoxLayout;
  lists->setSpacing(2);
  lists->addWidget(ListBox1, 2);
  lists->addWidget(ListBox2, 3);
  layout->addWidget(Label1, 0, 0);
  layout->addLayout(lists, 1, 0, 6, 1);

  Label2 = Named(new QLabel(tr("Name")), "Label2");
  EditToolName = Named(new QLineEdit, "EditToolName");
  Label3 = Named(new QLabel(tr("File")), "Label3");
  EditToolFile = Named(new QLineEdit, "EditToolFile");
  Button1 = Named(new QPushButton(QStringLiteral("...")), "Button1");
  Button1->setFixedWidth(28);
  auto* fileRow = new QHBoxLayout;
  fileRow->setSpacing(2);
  fileRow->addWidget(EditToolFile, 1);
  fileRow->addWidget(Button1);
  layout->addWidget(Label2, 1, 1);
  layout->addWidget(EditToolName, 2, 1);
  layout->addWidget(Label3, 3, 1);
  layout->addLayout(fileRow, 4, 1);

  BtnInsertTool = Named(new QPushButton(tr("&New...")), "BtnInsertTool");
  BitBtn1 = Named(new QPushButton(style()->standardIcon(QStyle::SP_TrashIcon),
                                  tr("&Delete")),
                  "BitBtn1");
  BitBtn2 = Named(new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton),
                                  tr("&Close")),
                  "BitBtn2");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(BtnInsertTool);
  buttons->addWidget(BitBtn1);
  buttons->addStretch(1);
  buttons->addWidget(BitBtn2);
  layout->addLayout(buttons, 6, 1);
  layout->setRowStretch(5, 1);
  layout->setColumnStretch(0, 3);
  layout->setColumnStretch(1, 2);

  connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
  connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
  connect(EditToolName, &QLineEdit::textChanged, this, &TToolList::EditToolNameChange);
  connect(EditToolFile, &QLineEdit::textChanged, this, &TToolList::EditToolFileChange);
  connect(BtnInsertTool, &QPushButton::clicked, this, &TToolList::BtnInsertToolClick);
  connect(BitBtn1, &QPushButton::clicked, this, &TToolList::BitBtn1Click);
  connect(Button1, &QPushButton::clicked, this, &TToolList::Button1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TToolList::BitBtn2Click);

  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  FormCreate();
}

void TToolList::FormCreate() {
  ListBox1->clear();
  ListBox2->clear();
  tools_ = ReadToolList(settingsFile_);
  for (const ToolEntry& tool : tools_) {
    ListBox1->addItem(ToQt(tool.Name));
    ListBox2->addItem(ToQt(tool.Path));
  }
  ListBox1->setCurrentRow(-1);
  ListBox1->clearSelection();
}

int TToolList::Selected() const {
  const int row = ListBox1->currentRow();
  if (row < 0 || row >= static_cast<int>(tools_.size())) return -1;
  return ListBox1->item(row)->isSelected() ? row : -1;
}

void TToolList::ListBox1Click() {
  const int row = Selected();
  if (row < 0) return;
  // Copies, since each assignment writes back into the selected tool.
  const ToolEntry tool = tools_[static_cast<std::size_t>(row)];
  EditToolName->setText(ToQt(tool.Name));
  EditToolFile->setText(ToQt(tool.Path));
}

void TToolList::EditToolNameChange() {
  const int row = Selected();
  if (row < 0) return;
  tools_[static_cast<std::size_t>(row)].Name = EditToolName->text().toStdString();
  ListBox1->item(row)->setText(EditToolName->text());
}

void TToolList::EditToolFileChange() {
  const int row = Selected();
  if (row < 0) return;
  tools_[static_cast<std::size_t>(row)].Path = EditToolFile->text().toStdString();
  ListBox2->item(row)->setText(EditToolFile->text());
}

std::optional<std::string> TToolList::ChooseProgram() {
  const std::optional<std::string> chosen =
      ui_.ChooseOpenFile(tr("Choose a program").toStdString(), std::string(),
                         tr(ProgramFilter).toStdString());
  if (!chosen) return std::nullopt;
  std::error_code ec;
  // A tool that cannot run would do nothing when chosen from the menu, without a word.
  if (!std::filesystem::is_regular_file(*chosen, ec) || ::access(chosen->c_str(), X_OK) != 0) {
    ui_.ShowMessage(MessageKind::Warning,
                    tr("%1 is not an executable program").arg(ToQt(*chosen)).toStdString());
    return std::nullopt;
  }
  return chosen;
}

void TToolList::BtnInsertToolClick() {
  const std::optional<std::string> program = ChooseProgram();
  if (!program) return;
  tools_.push_back({UnknownToolText, *program});
  ListBox1->addItem(QString::fromLatin1(UnknownToolText));
  ListBox2->addItem(ToQt(*program));
}

void TToolList::BitBtn1Click() {
  const int row = Selected();
  if (row >= 0) {
    tools_.erase(tools_.begin() + row);
    const QSignalBlocker quiet(ListBox1);
    delete ListBox1->takeItem(row);
    delete ListBox2->takeItem(row);
    ListBox1->setCurrentRow(-1);
    ListBox1->clearSelection();
  }
  if (!tools_.empty()) {
    // No tool is selected now, so these texts change no entry.
    EditToolName->setText(ToQt(tools_.front().Name));
    EditToolFile->setText(ToQt(tools_.front().Path));
  }
}

void TToolList::Button1Click() {
  const std::optional<std::string> program = ChooseProgram();
  if (program) EditToolFile->setText(ToQt(*program));
}

void TToolList::BitBtn2Click() { close(); }

void TToolList::done(int result) {
  FormCloseQuery();
  QDialog::done(result);
}

void TToolList::FormCloseQuery() {
  storeResult_ = StoreToolList(settingsFile_, tools_);
  if (!storeResult_) ui_.ShowMessage(MessageKind::Error, storeResult_.Wording);
}

}  // namespace quelm
