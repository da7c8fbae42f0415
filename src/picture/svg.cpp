#include "picture/svg.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace hurricane::picture {
namespace {

void append_attrs(std::string& out, std::initializer_list<Attr> attrs) {
  for (const Attr& a : attrs) {
    out += ' ';
    out += a.name;
    out += "=\"";
    out += xml_escape(a.value);
    out += '"';
  }
}

}  // namespace

std::string coord(double pixels) {
  if (!std::isfinite(pixels)) return "0";
  // to_chars rounds as "%.2f" does, at a fraction of its cost: a picture writes thousands.
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, pixels, std::chars_format::fixed, 2);
  // "-0.00" reads as 0 to every parser, but a plain "0.00" is easier to compare.
  std::string s(buffer, result.ptr);
  if (s == "-0.00") s = "0.00";
  return s;
}

std::string exact(double value) {
  if (!std::isfinite(value)) return "none";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string fixed(double value, int decimals) {
  if (!std::isfinite(value)) return "-";
  char buffer[400];  // the largest double in %f has 309 digits before the point
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string s(buffer, result.ptr);
  if (s.starts_with('-') && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

std::string amount(double value) {
  const std::string one = fixed(value, 1);
  return one.ends_with(".0") ? one.substr(0, one.size() - 2) : one;
}

std::string course3(int degrees) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%03d", degrees);
  return buffer;
}

std::string xml_escape(std::string_view text) {
  if (text.find_first_of("&<>\"'") == std::string_view::npos) return std::string(text);
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

void element(std::string& out, std::string_view tag, std::initializer_list<Attr> attrs) {
  out += '<';
  out += tag;
  append_attrs(out, attrs);
  out += "/>\n";
}

void open(std::string& out, std::string_view tag, std::initializer_list<Attr> attrs) {
  out += '<';
  out += tag;
  append_attrs(out, attrs);
  out += ">\n";
}

void close(std::string& out, std::string_view tag) {
  out += "</";
  out += tag;
  out += ">\n";
}

void text(std::string& out, std::initializer_list<Attr> attrs, std::string_view content) {
  out += "<text";
  append_attrs(out, attrs);
  out += '>';
  out += xml_escape(content);
  out += "</text>\n";
}

}  // namespace hurricane::picture
