// Names and defaults of the keys of quelm.ini, in the order start-up reads them.
#pragma once

#include <limits>

#include "platform/Color.h"

namespace quelm::Preferences {

inline constexpr const char* Section = "preferences";
inline constexpr const char* VobFileListSection = "vobfilelist";

inline constexpr const char* VobRoot = "vobroot";
inline constexpr const char* OutputRoot = "outputroot";
inline constexpr const char* DictionaryRoot = "dictionaryroot";
inline constexpr const char* OutputRootSameAsVobRoot = "outputroot_same_as_vobroot";
inline constexpr const char* DictionaryRootSameAsVobRoot = "dictionaryroot_same_as_vobroot";
inline constexpr const char* ManualLanguageSelection = "manual_language_selection";
inline constexpr const char* LanguageSelection2 = "language_selection_2";
inline constexpr const char* LanguageSelection1 = "language_selection_1";
inline constexpr const char* ManualVobFileSelection = "manual_vob_file_selection";
inline constexpr const char* AutoColorDetection = "autocolordetection";
inline constexpr const char* SpaceWidth = "spacewidth";
// Spaces from each line's own gaps; "spacewidth" rules when it is off.
inline constexpr const char* AutoSpaceWidth = "autospacewidth";
inline constexpr const char* Interlace = "interlace";
inline constexpr const char* EnableOcr = "enableocr";
inline constexpr const char* AutoCloseOcr = "autocloseocr";
inline constexpr const char* AutoSave = "autosave";
inline constexpr const char* EnablePositionCaching = "enable_position_caching";
inline constexpr const char* Bits = "bits";
inline constexpr const char* ManualVobFileLocation = "manual_vob_file_location";
inline constexpr const char* Color0 = "color_0";
inline constexpr const char* Color1 = "color_1";
inline constexpr const char* Color2 = "color_2";
inline constexpr const char* Color3 = "color_3";
inline constexpr const char* CharColor = "charcolor";
inline constexpr const char* BackgroundColor = "backgroundcolor";
inline constexpr const char* Color0x = "color0x";
inline constexpr const char* Color1x = "color1x";
inline constexpr const char* Color2x = "color2x";
inline constexpr const char* Color3x = "color3x";
inline constexpr const char* Learn = "learn";
// Where the user put the learning dialogue ("x,y"); missing: beside the subtitle preview.
inline constexpr const char* OcrWindowPosition = "ocr_window_position";
// The OCR engine's language for suggestions ("eng"); empty: from the stream's language code.
inline constexpr const char* OcrLanguage = "ocr_language";
inline constexpr const char* GuiLanguage = "gui_language";
inline constexpr const char* OutputIni = "outputini";
// Only forced subtitles in the script (check box "forced only" beside the format).
inline constexpr const char* ForcedOnly = "forced_only";
// Look-alike letters chosen anew when the script is rendered (check box beside the format).
inline constexpr const char* FixLookAlikes = "fix_lookalikes";
// Where the main window was when it was closed (its normal geometry), and whether maximised.
inline constexpr const char* WindowLeft = "window_left";
inline constexpr const char* WindowTop = "window_top";
inline constexpr const char* WindowWidth = "window_width";
inline constexpr const char* WindowHeight = "window_height";
inline constexpr const char* WindowMaximized = "window_maximized";
// The dictionary editor's size as the user left it.
inline constexpr const char* DictionaryEditorWidth = "dictionary_editor_width";
inline constexpr const char* DictionaryEditorHeight = "dictionary_editor_height";

inline constexpr const char* ColorKeys[4] = {Color0, Color1, Color2, Color3};
inline constexpr const char* ColorRowKeys[4] = {Color0x, Color1x, Color2x, Color3x};

inline constexpr bool DefaultAutoColorDetection = true;
inline constexpr int DefaultSpaceWidth = 10;
inline constexpr bool DefaultAutoSpaceWidth = true;
inline constexpr int MinSpaceWidth = 0;
inline constexpr int MaxSpaceWidth = 20;
inline constexpr int DefaultInterlace = 1;
inline constexpr int MinInterlace = 1;
inline constexpr int MaxInterlace = 4;
inline constexpr bool DefaultEnableOcr = true;
inline constexpr bool DefaultAutoCloseOcr = true;
inline constexpr bool DefaultAutoSave = false;
inline constexpr bool DefaultPositionCaching = false;
inline constexpr int DefaultBits = 4;
inline constexpr Color DefaultColors[4] = {0x000000, 0xC8C8C8, 0x686868, 0xFFFFFF};
inline constexpr int DefaultCharColor = 3;
inline constexpr int DefaultBackgroundColor = 0;
// charcolor and backgroundcolor name a subtitle colour row.
inline constexpr int MinColorRow = 0;
inline constexpr int MaxColorRow = 3;
inline constexpr int DefaultLearn = 0;
inline constexpr int MinLearn = 0;
inline constexpr int MaxLearn = 2;
// The learning modes "learn" names.
inline constexpr int LearnWhileReading = 0;
inline constexpr int LearnAfterReading = 1;
inline constexpr int LearnAutomatically = 2;
inline constexpr int DefaultGuiLanguage = 0;
// None stored: the format menu picks its default format by file name.
inline constexpr int DefaultOutputIni = std::numeric_limits<int>::min();
inline constexpr bool DefaultForcedOnly = false;
inline constexpr bool DefaultFixLookAlikes = true;

}  // namespace quelm::Preferences
