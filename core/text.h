// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// An immutable UTF-8 text whose versions share one append-only buffer.
//
// The log is rewritten as "old text + new line" on every toggle. With a plain string each
// rewrite would copy the whole log; here extending the newest version appends in place,
// and a reader can tell in constant time that one version extends another.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace voice_types {

class Text {
 public:
  Text() = default;
  explicit Text(std::string_view text);

  // Valid until the next append to a text that shares this buffer.
  std::string_view View() const noexcept;
  std::size_t Size() const noexcept { return size_; }

  Text operator+(std::string_view tail) const;

  // What follows `older` when this text begins with it; nothing when it does not.
  std::optional<std::string> TailAfter(const Text& older) const;

  bool operator==(std::string_view other) const noexcept { return View() == other; }
  bool operator==(const Text& other) const noexcept { return View() == other.View(); }

 private:
  Text(std::shared_ptr<std::string> buffer, std::size_t size);

  // Bytes before size_ never change once written, which is what makes sharing safe.
  std::shared_ptr<std::string> buffer_;
  std::size_t size_ = 0;
};

}  // namespace voice_types
