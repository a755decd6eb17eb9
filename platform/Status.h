// The outcome of an operation on a file: success, or a message naming the file and the fault.
#pragma once

#include <string>
#include <utility>

namespace quelm {

struct Status {
  bool Ok = true;
  std::string Message;

  static Status Success() { return {}; }
  static Status Failure(std::string message) { return {false, std::move(message)}; }
  explicit operator bool() const { return Ok; }
};

}  // namespace quelm
