// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The result of a core operation that may refuse: empty when it did what was asked, otherwise the
// Czech message that says why not (shown to the user as it stands). A type of its own, so that a
// caller reads `Succeeded(SaveDatabase(...))` rather than testing an optional for being empty,
// and cannot drop the message unseen.
#include <optional>
#include <string>

namespace ardeno {

class [[nodiscard]] Refusal : public std::optional<std::string> {
 public:
  using std::optional<std::string>::optional;
  Refusal(std::optional<std::string> message) : std::optional<std::string>(std::move(message)) {}
  bool operator==(const Refusal& other) const {
    return static_cast<const std::optional<std::string>&>(*this) ==
           static_cast<const std::optional<std::string>&>(other);
  }
};

inline bool Succeeded(const Refusal& result) { return !result.has_value(); }

}  // namespace ardeno
