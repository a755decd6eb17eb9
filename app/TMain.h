// The main window: root directories, stream choice, VOB file list, reading commands, subtitle
// display, palette, recognition settings and the script view. Every setting is written to
// quelm.ini the moment its control changes.
#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QRect>
#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "conversion/Conversion.h"
#include "disc/RootDirectories.h"
#include "output/FormatMenu.h"
#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "platform/Status.h"
#include "quelm/Version.h"

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTextEdit;
class QTimer;
class QToolButton;
class QAbstractButton;

namespace quelm {

class VobSubIndex;
struct KeptUnitSource;
struct StartPaths;

class ColorPanel;
class DictionaryCache;
class ScriptView;
class ExtractionRun;
class IniPositionCache;
class SettingsStore;
class SubtitleNavigator;
class SuggestionEngine;
class UserInteraction;
class VobFileListWidget;
struct SubpictureRequest;
struct SubpictureResult;

class TLanguage;

class TMain : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr const char* Caption = VersionCaption;  // "Quelm v1.01 (beta)"
  static constexpr const char* VobFileFilter = QT_TR_NOOP("DVD VOB Files (*.vob);;All files (*)");
  // The file list also takes a disc image, standing for the title VOB files inside it, and a
  // Blu-ray subtitle stream.
  static constexpr const char* VobOrImageFilter = QT_TR_NOOP(
      "DVD VOB Files (*.vob);;DVD images (*.iso);;Blu-ray subtitles (*.sup);;All files (*)");
  static constexpr const char* BitmapFilter = QT_TR_NOOP("Bitmaps (*.bmp)");
  static constexpr const char* LastFileReachedMessage = QT_TR_NOOP("Last file in list reached!");

  // Runs the start-up sequence: builds the window and restores every setting from `settings`.
  TMain(SettingsStore& settings, UserInteraction& ui, QWidget* parent = nullptr);
  ~TMain() override;

  // --- Paths given on the command line (quelm FILE.vob, quelm DIR) ---
  // Adds `path` to the VOB file list, or selects it when it is listed already, and unfolds
  // the list. The list is stored at once, as unfolding later reads it back.
  void OpenVobFile(const std::string& path);
  // Makes `directory` the VOB/IFO root as "change..." would, with the roots that follow it.
  void OpenVobRoot(const std::string& directory);
  // File > "Open title...": a title's directory (or the disc's folder above its VIDEO_TS), a
  // VOB file, a disc image or a VobSub pair; its VOB files replace the list, its directory
  // becomes the VOB/IFO root.
  void OpenTitle(const std::string& path);
  // The program's path arguments: a directory alone that holds a title opens it as "Open
  // title..." does (its files, not the last title's, are read); else the root and the files.
  void OpenStartPaths(const StartPaths& start);

  // --- What later parts of the program and the tests read ---
  int SubtitleNr() const;
  // The last reading step ended with the last file of the list; the benchmark's "all" loop ends.
  bool LastFileReached() const { return lastFileReached_; }
  std::array<Color, 4> PanelColors() const;
  // The checked column of each colour row, -1 for none.
  std::array<int, 4> RowColumns() const;
  int CharColorRow() const;        // -1 when no role button is checked
  int BackgroundColorRow() const;  // likewise
  bool StretchedMode() const { return stretched_; }
  const Bitmap& SubtitleBitmap() const { return subtitleBitmap_; }
  int StoredGuiLanguage() const { return guiLanguage_; }
  int StoredOutputIni() const { return outputIni_; }
  int StoredLanguageSelection1() const { return languageSelection1_; }

  // The four drawing colours handed to an extraction run (subtitle colour rows 0..3).
  std::array<Color, 4> SetSubTitleColors() const;

  // The sub-stream index chosen: manual combo when manual selection is on, else the disc list.
  int LanguageIndex() const;

  // The extraction run of the step in progress, for the progress timer; null between runs.
  const ExtractionRun* RunningExtraction() const { return runningExtraction_; }

  // --- Recognition and the script (TMainRecognition.cpp, TMainScript.cpp) ---
  // Rebuilds the format items of the "&Output" menu; also after the format editor has closed.
  void CreateOutputIniMenu();
  // The directory the format menu lists; beside the program unless set.
  const std::string& FormatDirectory() const { return formatDirectory_; }
  void SetFormatDirectory(std::string directory) { formatDirectory_ = std::move(directory); }
  // Renders the whole script from the raw records with the current format.
  void Updatetextoutput1Click();
  const RawScript& RawScriptRecords() const { return conversion_.Script(); }
  // Time spent in Updatetextoutput1Click since start, view update included; the "all" benchmark
  // reads it to tell the rendering's share.
  std::chrono::nanoseconds RenderingTime() const { return renderingTime_; }
  // Records were added (or opened and changed) since the last save (TMainRecords.cpp).
  bool RecordsUnsaved() const;

  // Makes the suggestion engine for a language ("eng"); `message` says why there is none, or
  // what was taken instead. The window starts with the built-in engine; tests hand in their
  // own, which counts as an engine the build has.
  using SuggestionEngineMaker = std::function<std::unique_ptr<SuggestionEngine>(
      const std::string& language, Phrase& message)>;
  void SetSuggestionEngineMaker(SuggestionEngineMaker maker);
  // The language suggestions are read in: "ocr_language" when set, else the chosen stream's,
  // else English.
  std::string SuggestionLanguage() const;

  // --- Periphery: format editor, tools, GUI languages, About (TMainPeriphery.cpp) ---
  // Rebuilds the tool items of the "&Tools" menu from the "tools" section.
  void CreateToolMenu();
  // Rebuilds the "GUI &Language" menu; the first build applies the stored gui_language.
  void CreateLangMenu();
  // The checked language's file, empty when none is checked.
  std::string GetLangIniFile() const;
  const std::string& LanguageDirectory() const { return languageDirectory_; }
  void SetLanguageDirectory(std::string directory) { languageDirectory_ = std::move(directory); }
  TLanguage* Language() const { return Language1; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Construction.
  void BuildControls();
  void BuildMenus();
  void BuildHiddenControls();
  QWidget* BuildRootsColumn();
  QWidget* BuildReadingColumn();
  QWidget* BuildSettingsColumn();
  QWidget* BuildColorsBlock();
  void ConnectHandlers();
  void ConnectNavigation();

  // Guidance for a new user and the window's place (TMainGuidance.cpp).
  void BuildGuidance(QMenu* fileMenu, QMenu* helpMenu);
  bool HasVobFile() const;
  // The status bar's next step; during "all" ShowAllProgress says how far it is.
  void ShowGuidance();
  void ShowAllProgress();
  // The reading buttons are of no use without a VOB file.
  void UpdateReadingButtons();
  void Opentitle1Click();
  void Gettingstarted1Click();
  void RestoreGeometry();
  void StoreGeometry();
  // Before a step over another stream than the script's records: asks whether to start anew.
  void AskNewScriptForStream();

  // Start-up (settings).
  void FormCreate();
  void ReadIniFile();
  void RestoreRadio(const std::array<QRadioButton*, 4>& buttons, QButtonGroup* group, int index,
                    int invalidIndex, void (TMain::*handler)());
  static int CheckedIndex(const std::array<QRadioButton*, 4>& buttons);

  // Setting handlers.
  void TrackBar1Change();
  void EditSpaceWidthChange();
  void CheckAutoSpaceWidthClick();
  void TrackBar2Change();
  void EditInterlaceChange();
  void CheckOCREnableClick();
  void CheckAutocloseOCRClick();
  void CheckAutoColorDetectClick();
  void CheckAutoSaveClick();
  void CheckOutputRootClick();
  void CheckDictionaryRootClick();
  void CheckManualLanguageClick();
  void ComboManualLanguageChange();
  void ComboLanguagesChange();
  void NLangClick(int index);
  void EditManualVobFileChange();
  void PCXabled1Click();
  void LearnRadioGroup1Click();
  void LearnMenuClick(int item);
  int LearnMode() const;

  // Palette.
  void PanelColDblClick(int panel);
  // color_0..color_3 from the four panels.
  bool StorePanelColors();
  void RadioX_XClick();
  void RadioCharColClick();
  void NXXClick(bool background, int row);
  void RadioBitClick();
  void SetColorControlsEnabled(bool enabled);

  // VOB file list.
  void LoadFileList();
  void SaveFileList();
  void BitBtn1Click();
  void SetFileListFolded(bool folded);
  // Folds the panel and, when it was open, stores the list, whoever folds it.
  void FoldFileList();
  void BtnAddVobToListClick();
  void BtnDeleteVobFromListClick();
  void FileListChanged();
  void PlaceFileListPanel();

  // Disc information and roots (TMainDisc.cpp).
  void ConnectDiscHandlers();
  void RefreshVobInfo();
  void ChangeRoot(RootKind kind);
  void ApplyRoot(RootKind kind, const std::string& chosen);
  void BtnChangeVobRootClick();
  void BtnChangeOutputRootClick();
  void BtnChangeDictionaryRootClick();
  void BtnManualVobFileClick();

  // Reading, display and saving.
  void NavigationOpening();
  void RunStep(int step);
  void BtnGotoFirstClick();
  void BtnGoBackClick();
  void BtnGoNextClick();
  void BtnGetAllClick();
  void ProgressTimerTimer();
  void EditSubtitleNrChange();
  void ScaleSubtitleInWindow();
  bool SaveFoundBitmap();
  bool BtnSaveBitmapClick();
  SubpictureResult RunExtraction(const SubpictureRequest& request);
  void Exit1Click();

  // Recognition of a found subtitle and the script (TMainRecognition.cpp, TMainScript.cpp).
  void ConnectScriptHandlers();
  Status OCROnSubTitle();
  // Recognition through the learning dialogue, as the current settings want it.
  Recogniser WindowRecogniser();
  // Takes back the last answer given (also in a subtitle that has ended): its subtitle and the
  // ones after it are read again.
  void Undolastanswer1Click();
  void UpdateUndoAnswer();
  // Puts the raw script's lines from `from` on into UWScript, which shows the records.
  void ShowNewRecords(std::size_t from);
  // UWScript anew, for records replaced rather than appended.
  void ShowAllRecords();
  void OutputIniXClick(QAction* item);
  void ShowCurrentFormat(const QString& caption);
  void BtnClearTextClick();
  bool BtnSaveToClick();
  // The script view's lines, as the user sees them.
  std::vector<std::string> ViewLines() const;
  // Writes them as UTF-8 text, each line ended; false when it failed (and was said).
  bool SavePlainScript(const std::string& path);
  void Editdictionary1Click();
  // The "Suggestion language" submenu, checked at "ocr_language".
  void BuildSuggestionLanguageMenu();
  void SuggestionLanguageClick(const std::string& language);
  // The engine for the current language, made the first time a run asks for it and again when
  // the language changes; null when none can start.
  SuggestionEngine* Suggestions();

  // Records files (TMainRecords.cpp).
  void ConnectRecordsHandlers(QMenu* fileMenu, QAction* before);
  bool Saverecords1Click();
  void Openrecords1Click();
  // Asks Yes / No / Cancel when records are unsaved; false when the user cancelled or the save
  // failed.
  bool RecordsMaySafelyGo(const char* question);
  bool FormCloseQuery();

  SettingsStore& settings_;
  UserInteraction& ui_;

  // Left column: roots and disc information.
  QLineEdit* EditVobRoot = nullptr;
  QLineEdit* EditOutputRoot = nullptr;
  QLineEdit* EditDictionaryRoot = nullptr;
  QPushButton* BtnChangeVobRoot = nullptr;
  QPushButton* BtnChangeOutputRoot = nullptr;
  QPushButton* BtnChangeDictionaryRoot = nullptr;
  QCheckBox* CheckOutputRoot = nullptr;
  QCheckBox* CheckDictionaryRoot = nullptr;
  QListWidget* ListBoxVobInfo = nullptr;

  // Middle column: stream, file list, reading, display.
  QComboBox* ComboLanguages = nullptr;
  QCheckBox* CheckManualLanguage = nullptr;
  QComboBox* ComboManualLanguage = nullptr;
  QWidget* fileListSlot_ = nullptr;
  QWidget* Panel9 = nullptr;
  QPushButton* BitBtn1 = nullptr;
  VobFileListWidget* VobFileListBox = nullptr;
  QToolButton* BtnAddVobToList = nullptr;
  QToolButton* BtnDeleteVobFromList = nullptr;
  QToolButton* BtnGotoFirst = nullptr;
  QToolButton* BtnGoBack = nullptr;
  QToolButton* BtnGoNext = nullptr;
  QToolButton* BtnGetAll = nullptr;
  QLabel* LblFilePosition = nullptr;
  QLabel* LblChapter = nullptr;
  QLabel* LblBCDTimecode = nullptr;
  QLabel* LblSubtitleNr = nullptr;
  QLabel* ImageSubTitle = nullptr;
  QLabel* ImageLogo = nullptr;
  QPushButton* BtnSaveBitmap = nullptr;
  QCheckBox* CheckAutoSave = nullptr;
  QRadioButton* RadioBit1 = nullptr;
  QRadioButton* RadioBit4 = nullptr;
  QButtonGroup* bitsGroup_ = nullptr;

  // Right column: colours, recognition settings, script.
  std::array<ColorPanel*, 4> PanelCol{};
  std::array<std::array<QRadioButton*, 4>, 4> RadioGrid{};  // [row][column]
  std::array<QButtonGroup*, 4> rowGroups_{};
  std::array<QWidget*, 4> rowPanels_{};  // Panel5 .. Panel8
  std::array<QRadioButton*, 4> RadioCharCol1{};
  std::array<QRadioButton*, 4> RadioCharCol2{};
  QButtonGroup* charGroup_ = nullptr;
  QButtonGroup* backgroundGroup_ = nullptr;
  QWidget* Panel1 = nullptr;
  QWidget* Panel4 = nullptr;
  QCheckBox* CheckAutoColorDetect = nullptr;
  QSlider* TrackBar1 = nullptr;
  QLineEdit* EditSpaceWidth = nullptr;
  QCheckBox* CheckAutoSpaceWidth = nullptr;
  QSlider* TrackBar2 = nullptr;
  QLineEdit* EditInterlace = nullptr;
  QCheckBox* CheckOCREnable = nullptr;
  QCheckBox* CheckAutocloseOCR = nullptr;
  QGroupBox* LearnRadioGroup1 = nullptr;
  std::array<QRadioButton*, 3> learnItems_{};
  QButtonGroup* learnGroup_ = nullptr;
  QPlainTextEdit* RichEdit1 = nullptr;  // plain: takes a whole film's script at once
  QPushButton* BtnClearText = nullptr;
  QPushButton* BtnSaveTo = nullptr;
  QLineEdit* EditIniXOutput = nullptr;

  // Hidden working controls.
  QCheckBox* CheckManualVobFile = nullptr;
  QLineEdit* EditManualVobFile = nullptr;
  QPushButton* BtnManualVobFile = nullptr;
  QComboBox* ComboVobFiles = nullptr;
  QListWidget* TimecodeListbox = nullptr;
  QLineEdit* EditSubtitleNr = nullptr;
  QPlainTextEdit* UWScript = nullptr;
  QListWidget* TempListBox1 = nullptr;
  QListWidget* ListBoxSubpicBody = nullptr;
  QListWidget* MathListBox = nullptr;
  QTimer* ProgressTimer = nullptr;

  QLabel* StatusText = nullptr;

  // Menu items.
  QAction* Opentitle1 = nullptr;
  QAction* Gettingstarted1 = nullptr;
  QAction* Savetextas1 = nullptr;
  QAction* Savebitmapas1 = nullptr;
  QAction* Exit1 = nullptr;
  QAction* Openrecords1 = nullptr;
  QAction* Saverecords1 = nullptr;
  QAction* vobroot1 = nullptr;
  QAction* outputroot1 = nullptr;
  QAction* dictionaryroot1 = nullptr;
  std::array<QAction*, 4> bitmapcolor{};
  std::array<QAction*, 4> NCharRole{};        // N01 .. N31
  std::array<QAction*, 4> NBackgroundRole{};  // N02 .. N32
  QAction* SelectAutoColorDetect = nullptr;
  QAction* selectmanuallanuage1 = nullptr;
  QAction* selectmanualvob1 = nullptr;
  QMenu* subtitlelanguage1 = nullptr;
  std::array<QAction*, 32> NX{};
  QAction* vobfileselection1 = nullptr;
  QAction* PCEnabled1 = nullptr;
  QAction* PCDisabled1 = nullptr;
  QAction* EnabledOCR1 = nullptr;
  QAction* AutomaticcloseOCRwindow1 = nullptr;
  QMenu* Suggestionlanguage1 = nullptr;
  std::vector<QAction*> suggestionLanguageActions_;
  QMenu* GUI1 = nullptr;
  QAction* Editdictionary1 = nullptr;
  QAction* Updatetextoutput1 = nullptr;
  QAction* Undolastanswer1 = nullptr;
  QAction* Learnwhilereadingvob1 = nullptr;
  QAction* Learnafterreadingvob1 = nullptr;
  QAction* Learnautomatically1 = nullptr;
  QMenu* Output1 = nullptr;
  QAction* EditCustomIni1 = nullptr;
  QAction* HBar = nullptr;
  QAction* Edittoollist1 = nullptr;
  QAction* HBarTools = nullptr;
  QAction* About1 = nullptr;

  // State.
  std::array<Color, 4> customColors_{};
  int guiLanguage_ = 0;
  int outputIni_ = 2;
  int languageSelection1_ = 0;
  bool positionCaching_ = false;
  bool stretched_ = false;
  bool fileListFolded_ = true;
  // False after a refused store: the file holds an older list than the panel.
  bool fileListStored_ = true;
  Bitmap subtitleBitmap_;
  Bitmap subtitleTrueColour_;  // what the window shows instead when the stream has its own colours
  std::unique_ptr<IniPositionCache> positionCache_;
  std::unique_ptr<SubtitleNavigator> navigator_;
  const ExtractionRun* runningExtraction_ = nullptr;
  bool stepRunning_ = false;
  bool lastFileReached_ = false;
  // The last extraction of the step was stopped by the user.
  bool lastRunStopped_ = false;
  // Subtitles found in the step in progress, and how long "all" has been reading.
  int foundInStep_ = 0;
  QElapsedTimer allTimer_;
  // The stream whose records the script holds; -1: none since the last "clear".
  int scriptStream_ = -1;
  QRect restoredGeometry_;
  bool restoredMaximized_ = false;
  // "all" is reading: recognition windows close as soon as their run is over, and the script
  // view catches up a few times a second instead of after every subtitle.
  bool gettingAll_ = false;
  // Rendering messages shown during the "all" in progress; each is shown once.
  std::set<std::string> reportedDuringAll_;
  // The dictionary the recognition windows share while its files stay as they were.
  std::unique_ptr<DictionaryCache> dictionaryCache_;
  std::unique_ptr<ScriptView> scriptView_;

  // Recognition and script state.
  std::string formatDirectory_;
  std::vector<FormatMenuItem> formatItems_;
  std::vector<QAction*> formatActions_;
  // The records (UWScript shows the same lines), their saved state and their rendering.
  Conversion conversion_;
  std::chrono::nanoseconds renderingTime_{0};
  std::string ocrLanguage_;
  SuggestionEngineMaker engineMaker_;
  bool engineBuilt_ = false;
  std::unique_ptr<SuggestionEngine> suggestionEngine_;
  // The language the engine was last made for; none: not tried yet.
  std::optional<std::string> engineLanguage_;

  // Periphery (TMainPeriphery.cpp).
  void ConnectPeripheryHandlers();
  void EditCustomIni1Click();
  void Edittoollist1Click();
  bool ToolXClick(QAction* item);
  void LangClick(QAction* item);
  void About1Click();
  TLanguage* Language1 = nullptr;
  std::string languageDirectory_;
  std::vector<QAction*> toolActions_;
  std::vector<QAction*> languageActions_;

  // The script's "forced only" and "fix look-alikes" check boxes (TMainForced.cpp).
  void ConnectForcedHandlers();
  void CheckForcedOnlyClick();
  bool ForcedOnly() const;
  QCheckBox* CheckForcedOnly = nullptr;
  void CheckFixLookAlikesClick();
  QCheckBox* CheckFixLookAlikes = nullptr;
  // The language code of each stream the IFO lists ("en"), for the look-alike rules.
  std::vector<std::string> streamCodes_;
  // The VobSub index whose streams the list shows, and its .sub, whose times its delay shifts.
  std::shared_ptr<const VobSubIndex> vobSubIndex_;
  std::string vobSubFile_;
  // The Matroska file whose tracks the list shows; its demuxer stays open from step to step.
  std::string trackFile_;
  std::shared_ptr<KeptUnitSource> keptUnits_;
};

}  // namespace quelm
