// The characters of one console line, built without allocating.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace hurricane::console {

// Holds a line in the object itself as long as it fits kInline characters, which every line
// the system writes does; a longer one moves to the heap and goes on there.
class LineText {
 public:
  static constexpr std::size_t kInline = 120;

  void append(std::string_view text) {
    if (spilled_ || size_ + text.size() > kInline) {
      spill().append(text);
      return;
    }
    std::copy(text.begin(), text.end(), inline_.data() + size_);
    size_ += text.size();
  }
  void append(std::size_t count, char c) {
    if (spilled_ || size_ + count > kInline) {
      spill().append(count, c);
      return;
    }
    std::fill_n(inline_.data() + size_, count, c);
    size_ += count;
  }
  std::string_view view() const {
    return spilled_ ? std::string_view(heap_) : std::string_view(inline_.data(), size_);
  }

 private:
  // The heap copy, made on first need.
  std::string& spill() {
    if (!spilled_) {
      heap_.assign(inline_.data(), size_);
      spilled_ = true;
    }
    return heap_;
  }

  std::array<char, kInline> inline_;  // the first size_ characters are the line
  std::size_t size_ = 0;
  bool spilled_ = false;
  std::string heap_;  // the whole line once it no longer fits inline_
};

}  // namespace hurricane::console
