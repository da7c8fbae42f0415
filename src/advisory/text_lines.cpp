#include "advisory/text_lines.h"

#include <algorithm>

namespace hurricane::advisory {

std::vector<TextLine> split_lines(std::string_view bytes) {
  std::vector<TextLine> lines;
  std::size_t number = 1;
  while (!bytes.empty()) {
    const std::size_t end = std::min(bytes.find('\n'), bytes.size());
    std::string_view text = bytes.substr(0, end);
    if (text.ends_with('\r')) text.remove_suffix(1);
    if (!trim(text).empty()) lines.push_back({std::string(text), number});
    ++number;
    bytes.remove_prefix(std::min(end + 1, bytes.size()));
  }
  return lines;
}

std::size_t line_count(std::string_view bytes) {
  const auto feeds = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
  const bool open_last = !bytes.empty() && bytes.back() != '\n';
  return std::max<std::size_t>(1, feeds + (open_last ? 1 : 0));
}

std::string_view trim(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

}  // namespace hurricane::advisory
