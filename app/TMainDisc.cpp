// The main window's disc information: the information list, the stream list and the chapter
// table of the VOB root, and the commands that change the three roots.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/TMain.h"
#include "app/Translated.h"
#include "app/VobFileListWidget.h"
#include "app/disc/TIFOInfo.h"
#include "disc/RootDirectories.h"
#include "disc/VobInfo.h"
#include "disc/VobSubIndex.h"
#include "extraction/UnitSource.h"
#include "navigation/SubtitleNavigator.h"
#include "platform/UserInteraction.h"
#include "settings/PreferenceKeys.h"
#include "settings/SettingsStore.h"

namespace quelm {

namespace P = Preferences;

void TMain::RefreshVobInfo() {
  const VobInfoRequest request{
      EditVobRoot->text().toStdString(), EditOutputRoot->text().toStdString(),
      EditDictionaryRoot->text().toStdString(), settings_.ReadInteger(P::LanguageSelection1, 0)};
  VobInfo info;
  vobSubIndex_.reset();
  vobSubFile_.clear();
  trackFile_.clear();
  const QListWidgetItem* selected = VobFileListBox->currentItem();
  const std::string selectedFile = selected ? selected->text().toStdString() : std::string();
  // A Matroska file chosen names its own streams, whatever lies beside it.
  const bool ownTracks =
      !selectedFile.empty() && DetectSourceFormat(selectedFile) != SourceFormat::PackStream;
  const std::string ifo = ownTracks ? std::string() : VobInfo::FindIfo(request.VobRoot);
  const std::string indexPath = ifo.empty() && !ownTracks
                                    ? VobInfo::FindVobSubIndex(request.VobRoot, selectedFile)
                                    : std::string();
  // Else a root of Matroska files shows the first one's.
  const std::string trackFile = ownTracks ? selectedFile
                                : ifo.empty() && indexPath.empty()
                                    ? VobInfo::FindMatroska(request.VobRoot)
                                    : std::string();
  if (!trackFile.empty()) {
    Phrase reason;
    std::vector<FileTrack> tracks;
    for (const SourceTrack& track : ReadSourceTracks(trackFile, reason))
      tracks.push_back({track.LanguageCode, track.Title, track.IndexHeader,
                        track.Kind == UnitKind::PgsDisplaySet});
    trackFile_ = trackFile;
    info = VobInfo::Compose(request, tracks, trackFile, reason);
  } else if (!indexPath.empty()) {
    vobSubIndex_ = std::make_shared<const VobSubIndex>(VobSubIndex::Read(indexPath));
    vobSubFile_ = VobSubIndex::SubBeside(indexPath);
    info = VobInfo::Compose(request, *vobSubIndex_, indexPath);
  } else if (ifo.empty()) {
    info = VobInfo::Compose(request, nullptr);
  } else {
    TIFOInfo reading(this);
    reading.IfoFileName = ifo;
    reading.exec();
    info = VobInfo::Compose(request, &reading.Reader());
  }
  if (navigator_) navigator_->SetChapterIndex(0);

  ListBoxVobInfo->clear();
  for (const Phrase& line : info.LineWordings) ListBoxVobInfo->addItem(Translated(line));
  {
    const QSignalBlocker block(ComboLanguages);
    ComboLanguages->clear();
    for (const std::string& item : info.StreamItems)
      ComboLanguages->addItem(QString::fromStdString(item));
    ComboLanguages->setCurrentIndex(info.SelectedStream);
    streamCodes_ = info.StreamCodes;
  }
  TimecodeListbox->clear();
  for (const std::string& time : info.Timecodes)
    TimecodeListbox->addItem(QString::fromStdString(time));
  // Checking runs CheckManualLanguageClick, which stores the key.
  if (!info.IfoFound && !CheckManualLanguage->isChecked()) CheckManualLanguage->setChecked(true);
}

void TMain::ChangeRoot(RootKind kind) {
  QLineEdit* edit = kind == RootKind::Vob      ? EditVobRoot
                    : kind == RootKind::Output ? EditOutputRoot
                                               : EditDictionaryRoot;
  const auto chosen = ui_.ChooseDirectory(
      Translated(Phrase::SayMarked(RootDirectories::Caption(kind))).toStdString(),
      edit->text().toStdString());
  if (!chosen || chosen->empty()) return;  // cancelled: the root stays
  ApplyRoot(kind, *chosen);
}

void TMain::ApplyRoot(RootKind kind, const std::string& chosen) {
  RootSettings roots{EditVobRoot->text().toStdString(), EditOutputRoot->text().toStdString(),
                     EditDictionaryRoot->text().toStdString(), CheckOutputRoot->isChecked(),
                     CheckDictionaryRoot->isChecked()};
  const RootDirectories::Keys keys = RootDirectories::Change(roots, kind, chosen);
  EditVobRoot->setText(QString::fromStdString(roots.VobRoot));
  EditOutputRoot->setText(QString::fromStdString(roots.OutputRoot));
  EditDictionaryRoot->setText(QString::fromStdString(roots.DictionaryRoot));
  settings_.Store(keys);
  RefreshVobInfo();
}

void TMain::OpenVobRoot(const std::string& directory) {
  if (!directory.empty()) ApplyRoot(RootKind::Vob, directory);
}

void TMain::BtnChangeVobRootClick() {
  ChangeRoot(RootKind::Vob);
}
void TMain::BtnChangeOutputRootClick() {
  ChangeRoot(RootKind::Output);
}
void TMain::BtnChangeDictionaryRootClick() {
  ChangeRoot(RootKind::Dictionary);
}

void TMain::BtnManualVobFileClick() {
  const auto chosen = ui_.ChooseOpenFile(
      tr("Open").toStdString(), EditVobRoot->text().toStdString(), tr(VobFileFilter).toStdString());
  if (chosen) EditManualVobFile->setText(QString::fromStdString(*chosen));
}

void TMain::ConnectDiscHandlers() {
  connect(BtnChangeVobRoot, &QPushButton::clicked, this, &TMain::BtnChangeVobRootClick);
  connect(vobroot1, &QAction::triggered, this, &TMain::BtnChangeVobRootClick);
  connect(BtnChangeOutputRoot, &QPushButton::clicked, this, &TMain::BtnChangeOutputRootClick);
  connect(outputroot1, &QAction::triggered, this, &TMain::BtnChangeOutputRootClick);
  connect(BtnChangeDictionaryRoot, &QPushButton::clicked, this,
          &TMain::BtnChangeDictionaryRootClick);
  connect(dictionaryroot1, &QAction::triggered, this, &TMain::BtnChangeDictionaryRootClick);
  connect(BtnManualVobFile, &QPushButton::clicked, this, &TMain::BtnManualVobFileClick);
}

}  // namespace quelm
