// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace rodwick {

// Outcome of an operation that can fail: nothing on success, a message otherwise.
class Status {
  public:
    static Status success() { return Status(); }
    static Status fail(std::string message) { return Status(std::move(message)); }

    bool ok() const { return !message_.has_value(); }
    explicit operator bool() const { return ok(); }
    const std::string& message() const {
        static const std::string kNone;
        return message_ ? *message_ : kNone;
    }

  private:
    Status() = default;
    explicit Status(std::string message) : message_(std::move(message)) {}
    std::optional<std::string> message_;
};

// A value on success, a message otherwise.
template <typename T>
class Result {
  public:
    Result(T value) : value_(std::move(value)) {}  // NOLINT: implicit by design
    static Result fail(std::string message) {
        Result r;
        r.error_ = std::move(message);
        return r;
    }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const& { return *value_; }
    T&& value() && { return std::move(*value_); }
    const std::string& error() const { return error_; }

  private:
    Result() = default;
    std::optional<T> value_;
    std::string error_;
};

}  // namespace rodwick
