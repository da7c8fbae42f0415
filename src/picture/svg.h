// The few SVG building blocks the picture needs: numbers that are always finite, escaped
// text, and elements written straight into one string.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace hurricane::picture {

// One attribute of an element; its value is escaped when written.
struct Attr {
  std::string_view name;
  std::string value;
};

// coord: a screen coordinate or length in pixels with two decimals. A value that is not
// finite is written as 0 (the callers never hand one; this keeps the file well formed).
std::string coord(double pixels);

// exact: a value of the advice written so that reading it back gives the same double
// (shortest round-trip form); NaN and the infinities are written as "none".
std::string exact(double value);

// fixed: `value` with `decimals` decimals for the text a reader sees; NaN or an infinity
// becomes "-".
std::string fixed(double value, int decimals);

// amount: a distance, speed or bearing for the reader: one decimal, none when it is whole
// (1000, 7.5, 124.4).
std::string amount(double value);

// course3: a whole-degree course as a navigator writes it, three digits (095); 360 stays 360.
std::string course3(int degrees);

// xml_escape: `text` with &, <, >, " and ' replaced by their entities.
std::string xml_escape(std::string_view text);

// element: appends <tag a="v" .../> to `out`.
void element(std::string& out, std::string_view tag, std::initializer_list<Attr> attrs);
// open: appends <tag a="v" ...> to `out`; close appends </tag>.
void open(std::string& out, std::string_view tag, std::initializer_list<Attr> attrs);
void close(std::string& out, std::string_view tag);
// text: appends <text a="v" ...>escaped content</text> to `out`.
void text(std::string& out, std::initializer_list<Attr> attrs, std::string_view content);

}  // namespace hurricane::picture
