#include "advisory/jtwc_remarks.h"

#include <string_view>

#include "advisory/jtwc_lines.h"
#include "advisory/result.h"
#include "advisory/scan.h"

namespace hurricane::advisory {
namespace {

// The remarks as one text, blanks between the lines, and where each line starts in it.
struct Joined {
  std::string text;
  std::vector<std::pair<std::size_t, std::size_t>> starts;  // (offset in text, input line)

  std::size_t line_at(std::size_t offset) const {
    std::size_t line = starts.empty() ? 1 : starts.front().second;
    for (const auto& [start, number] : starts) {
      if (start > offset) break;
      line = number;
    }
    return line;
  }
};

Joined join(const std::vector<TextLine>& lines) {
  Joined joined;
  for (const TextLine& line : lines) {
    if (!joined.text.empty()) joined.text += ' ';
    joined.starts.emplace_back(joined.text.size(), line.line);
    joined.text += trim(line.text);
  }
  return joined;
}

// A "ddhhmmZ" of the remarks as a time near the issue time.
std::optional<UtcTime> take_time(Cursor& cursor, const UtcTime& issued) {
  const std::optional<DayTime> at = take_dtg(cursor);
  if (!at) return std::nullopt;
  return resolve_day_time(issued, at->day, at->hour, at->minute);
}

// "<phrase> ddhhmmZ IS nnn <unit>": the number; an error when the phrase is there without it.
using Stated = Result<std::optional<int>>;
Stated stated_value(const Joined& joined, std::string_view phrase, std::string_view unit,
                    const UtcTime& issued) {
  const std::size_t at = joined.text.find(phrase);
  if (at == std::string::npos) return std::optional<int>{};
  Cursor cursor{std::string_view(joined.text).substr(at + phrase.size())};
  std::optional<int> value;
  if (take_time(cursor, issued) && take_word(cursor, "IS")) value = take_int(cursor, 4);
  if (!value || !take_word(cursor, unit)) {
    return error_at_line(joined.line_at(at), "expected `" + std::string(phrase) +
                                                 " ddhhmmZ IS nnn " + std::string(unit) +
                                                 "` in the remarks");
  }
  return value;
}

// "NEXT WARNINGS AT 311500Z, 312100Z, 010300Z AND 010900Z": each later than the one before.
std::optional<Error> read_next_warnings(const Joined& joined, const UtcTime& issued,
                                        std::vector<UtcTime>& next) {
  constexpr std::string_view kPhrase = "NEXT WARNINGS AT";
  const std::size_t at = joined.text.find(kPhrase);
  if (at == std::string::npos) return std::nullopt;
  Cursor cursor{std::string_view(joined.text).substr(at + kPhrase.size())};
  UtcTime previous = issued;
  do {
    const std::optional<UtcTime> time = take_time(cursor, previous);
    if (!time || *time <= previous) {
      return error_at_line(joined.line_at(at),
                           "expected `NEXT WARNINGS AT ddhhmmZ, ddhhmmZ AND ddhhmmZ`, each later "
                           "than the one before and than the issue time");
    }
    next.push_back(*time);
    previous = *time;
  } while (take_word(cursor, ",") || take_word(cursor, "AND"));
  return std::nullopt;
}

}  // namespace

Result<Remarks> read_remarks(const std::vector<TextLine>& lines, const UtcTime& issued) {
  Remarks remarks;
  if (lines.empty()) return remarks;
  const Joined joined = join(lines);
  if (starts_with_dtg(joined.text)) {
    Cursor cursor{joined.text};
    const std::optional<UtcTime> time = take_time(cursor, issued);
    std::optional<LatLon> centre;
    if (time && take_word(cursor, "POSITION NEAR")) centre = take_position(cursor);
    if (!centre) {
      return error_at_line(lines.front().line,
                           "expected `ddhhmmZ POSITION NEAR 23.1N 131.2E.` to open the remarks");
    }
    remarks.position = Fix{*centre, *time};
  }
  const Stated pressure = stated_value(joined, "MINIMUM CENTRAL PRESSURE AT", "MB", issued);
  if (!pressure.ok()) return pressure.error();
  remarks.pressure_mb = pressure.value();
  const Stated waves = stated_value(joined, "MAXIMUM SIGNIFICANT WAVE HEIGHT AT", "FEET", issued);
  if (!waves.ok()) return waves.error();
  remarks.wave_height_ft = waves.value();
  if (auto error = read_next_warnings(joined, issued, remarks.next_warnings)) return *error;
  remarks.final_warning = joined.text.find("THIS IS THE FINAL WARNING") != std::string::npos;
  return remarks;
}

}  // namespace hurricane::advisory
