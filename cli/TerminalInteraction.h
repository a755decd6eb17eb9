// The command line's answer to the user-interaction interface: messages go to stderr, questions
// get "no", and nothing waits for a person.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "platform/UserInteraction.h"

namespace quelm {

class TerminalInteraction : public SilentInteraction {
 public:
  using SilentInteraction::ShowMessage;
  void ShowMessage(MessageKind kind, const std::string& text) override {
    if (BeforeMessage) BeforeMessage();
    const char* label = kind == MessageKind::Error     ? "error"
                        : kind == MessageKind::Warning ? "warning"
                                                       : "note";
    std::fprintf(stderr, "quelm-cli: %s: %s\n", label, text.c_str());
    if (kind == MessageKind::Warning) ++Warnings;
    if (kind == MessageKind::Error) ++Errors;
  }

  int Warnings = 0;
  int Errors = 0;
  // Runs before a message is printed (a progress line is cleared first).
  std::function<void()> BeforeMessage;
};

}  // namespace quelm
