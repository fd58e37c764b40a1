#pragma once
#include <utility>

#include "core/ansi_string.h"

// The outcome of an operation that can fail: success, or the failure's
// message as the user is shown it. Used instead of exceptions, which the
// updater does not use at all.
class Status {
 public:
  static Status Ok() { return Status(); }
  static Status Failed(AnsiString message) { return Status(std::move(message)); }

  bool ok() const { return ok_; }
  const AnsiString& message() const { return message_; }

 private:
  Status() = default;
  explicit Status(AnsiString message) : ok_(false), message_(std::move(message)) {}

  bool ok_ = true;
  AnsiString message_;
};
