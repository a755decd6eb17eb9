// The outcome of an operation on a file: success, or a message naming the file and the fault.
#pragma once

#include <string>
#include <utility>

#include "platform/Phrase.h"

namespace quelm {

struct Status {
  bool Ok = true;
  // In English: what the command line prints and stored files keep.
  std::string Message;
  // The same message for a window to say in its language.
  Phrase Wording;

  static Status Success() { return {}; }
  static Status Failure(std::string message) {
    Phrase wording(message);
    return {false, std::move(message), std::move(wording)};
  }
  static Status Failure(Phrase wording) {
    std::string message = wording.English();
    return {false, std::move(message), std::move(wording)};
  }
  explicit operator bool() const { return Ok; }
};

}  // namespace quelm
