// Errors as values. The core never shows anything and never throws across
// module boundaries; an operation that can fail returns a Status (or a
// Result<T>) carrying the GBK message the program shows to the user.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace babyname {

class Status {
 public:
  Status() = default;  // success
  static Status Ok() { return Status(); }
  // `message` is a GBK text fit to be shown as it is.
  static Status Error(std::string message) { return Status(std::move(message), true); }

  bool ok() const { return !failed_; }
  // Empty for success; may also be empty for a failure the engine gave no text for.
  const std::string& message() const { return message_; }

 private:
  Status(std::string message, bool failed) : message_(std::move(message)), failed_(failed) {}
  std::string message_;
  bool failed_ = false;
};

// A value or the Status explaining why there is none.
template <typename T>
class Result {
 public:
  Result(T value) : value_(std::move(value)) {}          // NOLINT: implicit on purpose
  Result(Status status) : status_(std::move(status)) {}  // NOLINT: must be an error
  bool ok() const { return value_.has_value(); }
  const Status& status() const { return status_; }
  const T& value() const& { return *value_; }
  T& value() & { return *value_; }
  T&& value() && { return std::move(*value_); }
  const T& operator*() const& { return *value_; }
  const T* operator->() const { return &*value_; }

 private:
  std::optional<T> value_;
  Status status_;
};

}  // namespace babyname
