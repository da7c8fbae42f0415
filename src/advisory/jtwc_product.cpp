#include "advisory/jtwc_product.h"

#include <string>
#include <string_view>

#include "advisory/jtwc_heading.h"
#include "advisory/scan.h"

namespace hurricane::advisory {
namespace {

// "// END PART 02/02 //": the part number; 0 for another line.
int part_number(std::string_view text) {
  const std::size_t at = text.find("END PART");
  if (at == std::string_view::npos) return 0;
  Cursor cursor{text.substr(at + 8)};
  return take_int(cursor, 2).value_or(0);
}

}  // namespace

Result<UtcTime> read_warning_issue(const std::vector<TextLine>& lines, std::size_t start) {
  const std::optional<JtwcWmoLine> wmo = read_jtwc_wmo_line(lines[start].text);
  if (!wmo) {
    return error_at(lines[start],
                    "expected the heading line such as `WTPN32 PGTW 310900` (product, station, "
                    "issue day and time) before MSGID");
  }
  if (wmo->product == "WD") {
    return error_at(lines[start],
                    "this is the prognostic reasoning (WD...), not a warning: read the warning "
                    "(WT...) itself");
  }
  // The subject names the other products sent under a warning's heading.
  for (std::size_t i = start + 1; i < lines.size(); ++i) {
    const std::string_view text = trim(lines[i].text);
    if (!text.starts_with("SUBJ/")) continue;
    if (text.find("FORMATION ALERT") != std::string_view::npos) {
      return error_at(lines[i],
                      "this is a tropical cyclone formation alert, not a warning: it gives no "
                      "storm position and movement to advise on");
    }
    if (text.find("PROGNOSTIC REASONING") != std::string_view::npos) {
      return error_at(lines[i],
                      "this is the prognostic reasoning, not a warning: read the warning "
                      "(WT...) itself");
    }
    break;
  }
  if (wmo->product != "WT" || !is_warning_area(wmo->area)) {
    return error_at(lines[start], "expected a warning heading WTPN, WTIO, WTXS or WTPS; this is " +
                                      wmo->product + wmo->area);
  }
  std::optional<UtcTime> date;
  for (std::size_t i = start + 1; i < lines.size() && !date; ++i)
    date = read_date_group(lines[i].text);
  if (!date) {
    return error_at(lines[start],
                    "the warning states no date (a line such as `31JUL23.` in the remarks), and "
                    "its times give only the day of the month");
  }
  const std::optional<UtcTime> issued =
      resolve_day_time(*date, wmo->issued.day, wmo->issued.hour, wmo->issued.minute);
  if (!issued) {
    return error_at(lines[start],
                    "the issue day lies within 10 days of no date near the remarks' date " +
                        navigation::format_utc_time(*date));
  }
  return *issued;
}

std::optional<Error> refuse_lone_part(const std::vector<TextLine>& lines, std::size_t start) {
  std::optional<std::size_t> later_part;
  for (std::size_t i = start; i < lines.size(); ++i) {
    const std::string_view text = trim(lines[i].text);
    if (text == "WARNING POSITION:") return std::nullopt;
    if (part_number(text) > 1 && !later_part) later_part = i;
  }
  if (!later_part) return std::nullopt;
  return error_at_line(lines[*later_part].line,
                       "this is part " + std::to_string(part_number(lines[*later_part].text)) +
                           " of a warning sent in parts, without the warning position: read the "
                           "first part, or the parts joined in order");
}

}  // namespace hurricane::advisory
