// A scripted stand-in for the user in tests: records every message, answers questions and
// dialogs from queues, and runs a test's hook whenever a window lets events run.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/UserInteraction.h"

namespace quelm::test {

class ScriptedInteraction : public UserInteraction {
 public:
  struct Message {
    MessageKind Kind;
    std::string Text;
    // A core's message as it came; a window test says it in the window's language.
    Phrase Said;
  };
  struct SaveRequest {
    std::string Title, Directory, ProposedName, Filter, SelectedFilter;
  };

  // What the user has been shown, in order.
  std::vector<Message> Messages;
  std::vector<std::string> Questions;
  std::vector<SaveRequest> SaveRequests;
  std::vector<SaveRequest> OpenRequests;  // ProposedName stays empty
  // What each colour dialog was opened with: the preset colour and the four custom colours.
  std::vector<std::pair<Color, std::array<Color, 4>>> ColorRequests;
  int ProcessEventsCalls = 0;

  // Answers, taken from the front; an empty queue answers No / cancels the dialog.
  std::deque<Answer> Answers;
  std::deque<std::optional<std::string>> OpenFiles;
  std::deque<std::optional<std::string>> SaveFiles;
  // The filter chosen in each save dialog that offers a choice; none queued: the one offered.
  std::deque<std::string> SaveFilters;
  std::deque<std::optional<std::string>> Directories;
  std::deque<std::optional<Color>> Colors;

  // Runs on every ProcessEvents; a window test puts QCoreApplication::processEvents here and
  // clicks buttons from it to act "during" a run.
  std::function<void()> OnProcessEvents;

  // When set, a question with no queued answer fails the test instead of answering No.
  bool FailOnUnexpectedQuestion = false;

  void ShowMessage(MessageKind kind, const std::string& text) override {
    Messages.push_back({kind, text, Phrase(text)});
  }
  void ShowMessage(MessageKind kind, const Phrase& phrase) override {
    Messages.push_back({kind, phrase.English(), phrase});
  }
  Answer Ask(const std::string& text, Buttons) override {
    Questions.push_back(text);
    if (FailOnUnexpectedQuestion && Answers.empty())
      ADD_FAILURE() << "unexpected question: " << text;
    return Take(Answers, Answer::No);
  }
  std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& directory,
                                            const std::string& filter) override {
    OpenRequests.push_back({title, directory, "", filter, ""});
    return Take(OpenFiles, std::optional<std::string>());
  }
  std::optional<std::string> ChooseSaveFile(const std::string& title, const std::string& directory,
                                            const std::string& proposedName,
                                            const std::string& filter,
                                            std::string* selectedFilter = nullptr) override {
    SaveRequests.push_back(
        {title, directory, proposedName, filter, selectedFilter ? *selectedFilter : ""});
    if (selectedFilter && !SaveFilters.empty()) *selectedFilter = Take(SaveFilters, std::string());
    return Take(SaveFiles, std::optional<std::string>());
  }
  std::optional<std::string> ChooseDirectory(const std::string&, const std::string&) override {
    return Take(Directories, std::optional<std::string>());
  }
  std::optional<Color> ChooseColor(Color initial, std::array<Color, 4>& customColors) override {
    ColorRequests.emplace_back(initial, customColors);
    return Take(Colors, std::optional<Color>());
  }
  void ProcessEvents() override {
    ++ProcessEventsCalls;
    if (OnProcessEvents) OnProcessEvents();
  }

  // Texts of the messages shown, for compact assertions.
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const Message& m : Messages) texts.push_back(m.Text);
    return texts;
  }

 private:
  template <typename T>
  static T Take(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
  }
};

}  // namespace quelm::test
