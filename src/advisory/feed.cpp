#include "advisory/feed.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace hurricane::advisory {
namespace {

// Longest tag or character reference looked for; a '<' or '&' without its end within this
// reach is taken as a plain character, so a stray one costs no scan to the end of the feed.
constexpr std::size_t kMaxMarkup = 64;

// The character a reference such as "lt", "#60" or "#x3C" stands for; only 7-bit characters,
// as advisories are plain ASCII. Nothing for others.
std::optional<char> reference_char(std::string_view name) {
  if (name == "lt") return '<';
  if (name == "gt") return '>';
  if (name == "amp") return '&';
  if (name == "quot") return '"';
  if (name == "apos") return '\'';
  if (name == "nbsp") return ' ';
  if (name.size() < 2 || name.size() > 6 || name[0] != '#') return std::nullopt;
  const bool hex = name[1] == 'x' || name[1] == 'X';
  int value = 0;
  const std::string_view digits = name.substr(hex ? 2 : 1);
  if (digits.empty()) return std::nullopt;
  for (const char c : digits) {
    int digit = 0;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (hex && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (hex && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return std::nullopt;
    }
    value = value * (hex ? 16 : 10) + digit;
  }
  if (value <= 0 || value > 127) return std::nullopt;
  return static_cast<char>(value);
}

// Decodes the reference starting at text[at] == '&' into `out`; gives the characters consumed.
std::size_t decode_reference(std::string_view text, std::size_t at, std::string& out) {
  const std::size_t end = text.substr(at, kMaxMarkup).find(';');
  if (end != std::string_view::npos) {
    if (const auto c = reference_char(text.substr(at + 1, end - 1))) {
      out += *c;
      return end + 1;
    }
  }
  out += '&';
  return 1;
}

// The description as HTML: the CDATA sections as they are, the rest with references decoded.
// `starts` gets (HTML index, feed line) wherever a feed line begins.
std::string unwrap_xml(std::string_view content, std::size_t first_line,
                       std::vector<std::pair<std::size_t, std::size_t>>& starts) {
  constexpr std::string_view kOpen = "<![CDATA[";
  constexpr std::string_view kClose = "]]>";
  std::string html;
  std::size_t line = first_line;
  starts.emplace_back(0, line);
  bool in_cdata = false;
  for (std::size_t i = 0; i < content.size();) {
    if (!in_cdata && content.substr(i).starts_with(kOpen)) {
      in_cdata = true;
      i += kOpen.size();
    } else if (in_cdata && content.substr(i).starts_with(kClose)) {
      in_cdata = false;
      i += kClose.size();
    } else if (!in_cdata && content[i] == '&') {
      i += decode_reference(content, i, html);
    } else {
      html += content[i];
      if (content[i] == '\n') starts.emplace_back(html.size(), ++line);
      ++i;
    }
  }
  return html;
}

// The lines of the HTML text that are not blank, numbered by the feed line of their first
// non-blank character.
struct LineBuilder {
  const std::vector<std::pair<std::size_t, std::size_t>>& starts;
  std::vector<TextLine> lines;
  std::string text;
  std::size_t anchor = 0;  // HTML index of the first non-blank character of the line being built
  bool anchored = false;

  void add(char c, std::size_t index) {
    if (!anchored && c != ' ' && c != '\t') {
      anchor = index;
      anchored = true;
    }
    text += c;
  }
  void end() {
    const auto start = std::upper_bound(starts.begin(), starts.end(), std::pair{anchor, SIZE_MAX});
    if (anchored) lines.push_back({std::move(text), std::prev(start)->second});
    text.clear();
    anchored = false;
  }
};

// "br", "pre" or another name of the tag at html[at] == '<', and whether it closes; gives the
// characters of the tag, or 0 when no '>' ends it within reach.
std::size_t read_tag(std::string_view html, std::size_t at, std::string& name, bool& closing) {
  const std::size_t end = html.substr(at, kMaxMarkup).find('>');
  if (end == std::string_view::npos) return 0;
  std::string_view inside = html.substr(at + 1, end - 1);
  closing = inside.starts_with('/');
  if (closing) inside.remove_prefix(1);
  name.clear();
  for (const char c : inside) {
    if (c >= 'A' && c <= 'Z') {
      name += static_cast<char>(c - 'A' + 'a');
    } else if (c >= 'a' && c <= 'z') {
      name += c;
    } else {
      break;
    }
  }
  return end + 1;
}

std::vector<TextLine> html_lines(std::string_view html,
                                 const std::vector<std::pair<std::size_t, std::size_t>>& starts) {
  LineBuilder builder{starts, {}, {}, 0, false};
  bool in_pre = false;
  std::string name;
  for (std::size_t i = 0; i < html.size();) {
    const char c = html[i];
    if (c == '<') {
      bool closing = false;
      if (const std::size_t length = read_tag(html, i, name, closing)) {
        if (name == "br") builder.end();
        if (name == "pre") in_pre = !closing;
        i += length;
        continue;
      }
    }
    if (c == '&') {
      std::string decoded;
      const std::size_t length = decode_reference(html, i, decoded);
      builder.add(decoded.front(), i);
      i += length;
      continue;
    }
    if (c == '\n') {
      if (in_pre) {
        builder.end();
      } else {
        builder.add(' ', i);  // outside <pre> a line end is a blank, as HTML has it
      }
    } else if (c != '\r') {
      builder.add(c, i);
    }
    ++i;
  }
  builder.end();
  return std::move(builder.lines);
}

}  // namespace

std::vector<std::vector<TextLine>> feed_descriptions(std::string_view feed) {
  constexpr std::string_view kOpen = "<description>";
  constexpr std::string_view kClose = "</description>";
  std::vector<std::vector<TextLine>> descriptions;
  std::size_t line = 1;
  std::size_t counted_to = 0;  // feed offset up to which `line` counts the line ends
  for (std::size_t open = feed.find(kOpen); open != std::string_view::npos;
       open = feed.find(kOpen, open)) {
    const std::size_t begin = open + kOpen.size();
    const std::size_t close = std::min(feed.find(kClose, begin), feed.size());
    line += static_cast<std::size_t>(
        std::count(feed.begin() + static_cast<std::ptrdiff_t>(counted_to),
                   feed.begin() + static_cast<std::ptrdiff_t>(begin), '\n'));
    counted_to = begin;
    std::vector<std::pair<std::size_t, std::size_t>> starts;
    const std::string html = unwrap_xml(feed.substr(begin, close - begin), line, starts);
    descriptions.push_back(html_lines(html, starts));
    open = close;
  }
  return descriptions;
}

}  // namespace hurricane::advisory
