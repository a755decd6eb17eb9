// The desktop program's answers to UserInteraction: Qt message boxes and dialogs.
#pragma once

#include "platform/UserInteraction.h"

class QWidget;

namespace quelm {

class QtUserInteraction : public UserInteraction {
 public:
  // Dialogs open over `parent` (may be null until the main window exists).
  explicit QtUserInteraction(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  void ShowMessage(MessageKind kind, const std::string& text) override;
  // In the window's language.
  void ShowMessage(MessageKind kind, const Phrase& phrase) override;
  Answer Ask(const std::string& text, Buttons buttons) override;
  std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& directory,
                                            const std::string& filter) override;
  std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& directory,
                                            const std::string& proposedName,
                                            const std::string& filter,
                                            std::string* selectedFilter = nullptr) override;
  std::optional<std::string> ChooseDirectory(const std::string& title,
                                             const std::string& directory) override;
  std::optional<std::string> ChooseTitle(const std::string& title,
                                         const std::string& directory) override;
  std::optional<Color> ChooseColor(Color initial, std::array<Color, 4>& customColors) override;
  void ProcessEvents() override;

 private:
  QWidget* parent_;
};

}  // namespace quelm
