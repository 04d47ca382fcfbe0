// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "core/text.h"

#include <utility>

namespace voice_types {

Text::Text(std::string_view text)
    : buffer_(std::make_shared<std::string>(text)), size_(text.size()) {}

Text::Text(std::shared_ptr<std::string> buffer, std::size_t size)
    : buffer_(std::move(buffer)), size_(size) {}

std::string_view Text::View() const noexcept {
  return buffer_ ? std::string_view(*buffer_).substr(0, size_) : std::string_view();
}

Text Text::operator+(std::string_view tail) const {
  if (buffer_ && buffer_->size() == size_) {
    buffer_->append(tail);
    return Text(buffer_, size_ + tail.size());
  }
  auto joined = std::make_shared<std::string>();
  joined->reserve(size_ + tail.size());
  joined->append(View()).append(tail);
  return Text(std::move(joined), size_ + tail.size());
}

std::optional<std::string> Text::TailAfter(const Text& older) const {
  const std::string_view mine = View();
  const bool shares_prefix = buffer_ && buffer_ == older.buffer_ && size_ >= older.size_;
  if (shares_prefix || mine.starts_with(older.View())) {
    return std::string(mine.substr(older.size_));
  }
  return std::nullopt;
}

}  // namespace voice_types
