// Everything a window or a run asks of the user goes through this one interface, so that the
// desktop program answers with real dialogs, the command line with the terminal, tests with a
// script.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/Color.h"
#include "platform/Phrase.h"

namespace quelm {

enum class MessageKind { Information, Warning, Error };
// YesNoDefaultNo: Enter answers No, where a reflex Yes would be hard to take back.
enum class Buttons { YesNo, YesNoCancel, YesNoDefaultNo };
enum class Answer { Yes, No, Cancel };

class UserInteraction {
 public:
  virtual ~UserInteraction() = default;

  // A message box with one OK button.
  virtual void ShowMessage(MessageKind kind, const std::string& text) = 0;
  // A message of the core: a window says it in its language, anything else in English.
  virtual void ShowMessage(MessageKind kind, const Phrase& phrase) {
    ShowMessage(kind, phrase.English());
  }
  virtual Answer Ask(const std::string& text, Buttons buttons) = 0;

  // `filter` is in Qt's form: "DVD VOB Files (*.vob);;All files (*)". Empty result: cancelled.
  virtual std::optional<std::string> ChooseOpenFile(const std::string& title,
                                                    const std::string& directory,
                                                    const std::string& filter) = 0;
  // `selectedFilter`, when given, names the filter offered first and takes back the one chosen.
  virtual std::optional<std::string> ChooseSaveFile(const std::string& title,
                                                    const std::string& directory,
                                                    const std::string& proposedName,
                                                    const std::string& filter,
                                                    std::string* selectedFilter = nullptr) = 0;
  virtual std::optional<std::string> ChooseDirectory(const std::string& title,
                                                     const std::string& directory) = 0;
  // A title: its directory, or a file of it (a VOB file, a disc image, a VobSub pair's file),
  // starting at `directory`. Without a dialog that shows both, a directory is asked for.
  virtual std::optional<std::string> ChooseTitle(const std::string& title,
                                                 const std::string& directory) {
    return ChooseDirectory(title, directory);
  }
  // `customColors` are shown in the dialog and take back what the user left there.
  virtual std::optional<Color> ChooseColor(Color initial, std::array<Color, 4>& customColors) = 0;

  // Lets pending interface events run (Stop buttons, progress timers) from inside a long run.
  virtual void ProcessEvents() = 0;
};

// Answers nothing and shows nothing; for headless runs that have no one to ask.
class SilentInteraction : public UserInteraction {
 public:
  using UserInteraction::ShowMessage;
  void ShowMessage(MessageKind, const std::string&) override {}
  Answer Ask(const std::string&, Buttons) override { return Answer::No; }
  std::optional<std::string> ChooseOpenFile(const std::string&, const std::string&,
                                            const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseSaveFile(const std::string&, const std::string&,
                                            const std::string&, const std::string&,
                                            std::string* = nullptr) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseDirectory(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<Color> ChooseColor(Color, std::array<Color, 4>&) override { return std::nullopt; }
  void ProcessEvents() override {}
};

}  // namespace quelm
