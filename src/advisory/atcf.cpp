#include "advisory/atcf.h"
#include "advisory/characters.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "advisory/storm_choice.h"

namespace hurricane::advisory {
namespace {

// Column indices, from 0, of the fields read.
enum Column : std::size_t {
  kBasin = 0,
  kNumber = 1,
  kDateTime = 2,
  kTechnique = 4,
  kTau = 5,
  kLatitude = 6,
  kLongitude = 7,
  kMaxWind = 8,
  kPressure = 9,
  kType = 10,
  kThreshold = 11,
  kQuadrantCode = 12,
  kFirstRadius = 13,  // then three more
  kGusts = 20,
  kDirection = 25,
  kSpeed = 26,
  kName = 27,
};
constexpr std::size_t kRequiredColumns = kMaxWind + 1;

struct Record {
  std::size_t line = 1;
  std::string basin_number;  // e.g. "AL13"
  UtcTime time;
  int year = 0;  // of `time`, which the storm's id goes by
  std::string technique;
  int tau = 0;
  LatLon centre;
  int max_wind_kt = 0;
  std::optional<int> pressure_mb;
  std::string type;
  int threshold = 0;
  std::optional<QuadrantRadii> radii;
  std::optional<int> gusts_kt;
  std::optional<int> direction_deg;
  std::optional<int> speed_kn;
  std::string name;
};

// Fields are read up to this many; the last holds the rest of the line, so a line of commas
// costs no more than an ordinary record.
constexpr std::size_t kMaxFields = 48;

std::vector<std::string_view> split_fields(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t comma = fields.size() + 1 < kMaxFields ? line.find(',') : line.npos;
    fields.push_back(trim(line.substr(0, comma)));
    if (comma == std::string_view::npos) return fields;
    line.remove_prefix(comma + 1);
  }
}

// All digits, 1 to `max_digits` of them.
std::optional<int> digits_value(std::string_view text, std::size_t max_digits) {
  if (text.empty() || text.size() > max_digits) return std::nullopt;
  int value = 0;
  for (const char c : text) {
    if (!is_digit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// A field that may be blank: false when it holds something other than digits.
bool read_optional(std::string_view text, std::size_t max_digits, std::optional<int>& value) {
  value = text.empty() ? std::nullopt : digits_value(text, max_digits);
  return text.empty() || value.has_value();
}

// "245N" or "1793E": tenths of a degree, then the hemisphere letter.
std::optional<double> tenths_degrees(std::string_view text, int max_tenths, char positive,
                                     char negative) {
  if (text.size() < 2) return std::nullopt;
  const char hemisphere = text.back();
  if (hemisphere != positive && hemisphere != negative) return std::nullopt;
  const std::optional<int> tenths = digits_value(text.substr(0, text.size() - 1), 4);
  if (!tenths || *tenths > max_tenths) return std::nullopt;
  const double degrees = *tenths / 10.0;
  return hemisphere == negative ? -degrees : degrees;
}

using Fields = std::vector<std::string_view>;

// The field in `column`, blank beyond the last one given.
std::string_view field_at(const Fields& f, std::size_t column) {
  return column < f.size() ? f[column] : "";
}

// Basin and storm number: "AL", "13" as "AL13".
std::optional<Error> read_storm_number(const Fields& f, Record& record) {
  if (f[kBasin].size() != 2 || !is_letter(f[kBasin][0]) || !is_letter(f[kBasin][1])) {
    return line_error("expected a two-letter basin such as AL in field 1");
  }
  const std::optional<int> number = digits_value(f[kNumber], 2);
  if (!number) return line_error("expected a storm number of 1 or 2 digits in field 2");
  record.basin_number = upper(f[kBasin]) + (*number < 10 ? "0" : "") + std::to_string(*number);
  return std::nullopt;
}

// "2023091218": the record's time.
std::optional<Error> read_record_time(const Fields& f, Record& record) {
  const std::string_view date = f[kDateTime];
  const std::optional<int> ymd =
      date.size() == 10 ? digits_value(date.substr(0, 8), 8) : std::nullopt;
  const std::optional<int> hour =
      date.size() == 10 ? digits_value(date.substr(8), 2) : std::nullopt;
  const std::optional<UtcTime> time =
      ymd && hour ? stated_time(*ymd / 10000, *ymd / 100 % 100, *ymd % 100, *hour, 0)
                  : std::nullopt;
  if (!time) return line_error("expected the time as YYYYMMDDHH, a real date and hour, in field 3");
  record.time = *time;
  record.year = *ymd / 10000;
  return std::nullopt;
}

// The technique and its forecast hour.
std::optional<Error> read_technique(const Fields& f, Record& record) {
  record.technique = std::string(f[kTechnique]);
  // CARQ rows of an a-deck give the hours before the analysis as negative forecast hours.
  const bool before = f[kTau].starts_with('-');
  const std::optional<int> tau = digits_value(f[kTau].substr(before ? 1 : 0), 3);
  if (record.technique.empty() || !tau) {
    return line_error(
        "expected the technique (such as BEST) and the forecast hour in fields 5 and 6");
  }
  record.tau = before ? -*tau : *tau;
  return std::nullopt;
}

// Centre, maximum wind, pressure and the storm's type.
std::optional<Error> read_centre_and_wind(const Fields& f, Record& record) {
  const std::optional<double> lat = tenths_degrees(f[kLatitude], 900, 'N', 'S');
  const std::optional<double> lon = tenths_degrees(f[kLongitude], 1800, 'E', 'W');
  if (!lat || !lon) {
    return line_error(
        "expected latitude and longitude in tenths of a degree with N/S and E/W (such as 245N "
        "and 662W, at most 90 and 180 degrees) in fields 7 and 8");
  }
  record.centre = {*lat, *lon};
  const std::optional<int> wind = digits_value(f[kMaxWind], 3);
  if (!wind) return line_error("expected the maximum wind in knots in field 9");
  record.max_wind_kt = *wind;
  if (!read_optional(field_at(f, kPressure), 4, record.pressure_mb)) {
    return line_error("expected the pressure in millibars (or a blank) in field 10");
  }
  record.type = std::string(field_at(f, kType));
  return std::nullopt;
}

// The wind threshold of the row and its four radii (one all around for AAA).
std::optional<Error> read_radii(const Fields& f, Record& record) {
  constexpr const char* kThresholds =
      "expected the wind threshold 34, 50 or 64 (or 0 or a blank) in field 12";
  std::optional<int> threshold;
  if (!read_optional(field_at(f, kThreshold), 3, threshold)) return line_error(kThresholds);
  record.threshold = threshold.value_or(0);
  if (record.threshold == 0) return std::nullopt;
  if (record.threshold != 34 && record.threshold != 50 && record.threshold != 64) {
    return line_error(kThresholds);
  }
  const std::string_view code = field_at(f, kQuadrantCode);
  if (code != "NEQ" && code != "AAA") {
    return line_error("expected the quadrant code NEQ or AAA in field 13");
  }
  QuadrantRadii radii;
  for (std::size_t q = 0; q < 4; ++q) {
    std::optional<int> nm;
    if (!read_optional(field_at(f, kFirstRadius + q), 4, nm)) {
      return line_error("expected four radii in nautical miles in fields 14 to 17");
    }
    radii.nm[q] = nm.value_or(0);
  }
  if (code == "AAA") radii.nm.fill(radii.nm[0]);  // one radius all around
  record.radii = radii;
  return std::nullopt;
}

// Gusts, the motion and the storm's name.
std::optional<Error> read_motion(const Fields& f, Record& record) {
  if (!read_optional(field_at(f, kGusts), 3, record.gusts_kt)) {
    return line_error("expected the gusts in knots (or a blank) in field 21");
  }
  if (!read_optional(field_at(f, kDirection), 3, record.direction_deg) ||
      !read_optional(field_at(f, kSpeed), 3, record.speed_kn) ||
      record.direction_deg.value_or(0) > 360) {
    return line_error(
        "expected the direction (degrees to 360) and speed (knots) of motion, or blanks, in "
        "fields 26 and 27");
  }
  record.name = std::string(field_at(f, kName));
  return std::nullopt;
}

// The record of `line`, field group by field group; the error names the line.
std::optional<Error> read_record(const TextLine& line, Record& record) {
  const Fields f = split_fields(line.text);
  if (f.size() < kRequiredColumns) {
    return error_at(line,
                    "expected an ATCF record of at least 9 comma-separated fields (basin, number, "
                    "YYYYMMDDHH, technique number, technique, tau, latitude, longitude, wind)");
  }
  for (const auto step : {read_storm_number, read_record_time, read_technique, read_centre_and_wind,
                          read_radii, read_motion}) {
    if (std::optional<Error> error = step(f, record)) {
      error->line = line.line;
      return error;
    }
  }
  return std::nullopt;
}

// Where `technique` has records at tau 0 of the storm: the latest time and the one before.
struct Times {
  std::optional<UtcTime> latest;
  std::optional<UtcTime> before;
};

Times times_of(const std::vector<const Record*>& records, std::string_view technique) {
  Times times;
  for (const Record* r : records) {
    if (r->technique != technique || r->tau != 0) continue;
    if (!times.latest || r->time > *times.latest) {
      if (times.latest) times.before = times.latest;
      times.latest = r->time;
    } else if (r->time < *times.latest && (!times.before || r->time > *times.before)) {
      times.before = r->time;
    }
  }
  return times;
}

// The tau-0 times of `technique` for a forecast issued at `issued`: `issued` itself when it has
// records then, and the latest before it.
Times times_at(const std::vector<const Record*>& records, std::string_view technique,
               UtcTime issued) {
  Times times;
  for (const Record* r : records) {
    if (r->technique != technique || r->tau != 0) continue;
    if (r->time == issued) {
      times.latest = issued;
    } else if (r->time < issued && (!times.before || r->time > *times.before)) {
      times.before = r->time;
    }
  }
  if (!times.latest) times.before.reset();
  return times;
}

// The latest time the official forecast (OFCL) was issued for, with points beyond hour 0.
std::optional<UtcTime> latest_forecast(const std::vector<const Record*>& records) {
  std::optional<UtcTime> latest;
  for (const Record* r : records) {
    if (r->technique == "OFCL" && r->tau > 0 && (!latest || r->time > *latest)) latest = r->time;
  }
  return latest;
}

UtcTime hours_after(UtcTime time, int hours) {
  return time + std::chrono::hours{hours};
}

// The stage an ATCF storm type names, as a forecast/advisory writes it after a position; empty
// for the tropical and subtropical types.
std::string stage_of(std::string_view type) {
  if (type == "EX") return "EXTRATROPICAL";
  if (type == "PT") return "POST-TROPICAL";
  if (type == "LO" || type == "DB" || type == "WV") return "REMNANT LOW";
  if (type == "IN") return "INLAND";
  return "";
}

std::optional<QuadrantRadii>* radii_slot(WindRadii& radii, int threshold) {
  return threshold == 34   ? &radii.kt34
         : threshold == 50 ? &radii.kt50
         : threshold == 64 ? &radii.kt64
                           : nullptr;
}

// The official forecast's points issued at `issued`, one per forecast hour beyond 0 (a row per
// wind threshold), in time order; points past 72 h are the outlook's. Rows of one hour that
// give another centre or wind are the error.
std::optional<Error> add_forecast(const std::vector<const Record*>& records, UtcTime issued,
                                  const std::string& id, Storm& storm) {
  std::map<int, std::pair<const Record*, ForecastPoint>> points;
  for (const Record* r : records) {
    if (r->technique != "OFCL" || r->tau <= 0 || r->time != issued) continue;
    auto [entry, added] = points.try_emplace(r->tau);
    auto& [first, point] = entry->second;
    if (added) {
      first = r;
      point.time = hours_after(r->time, r->tau);
      point.outlook = r->tau > 72;
      point.centre = r->centre;
      point.max_wind_kt = r->max_wind_kt;
      if (r->gusts_kt.value_or(0) > 0) point.gusts_kt = r->gusts_kt;
      point.stage = stage_of(r->type);
    } else if (!(r->centre == first->centre) || r->max_wind_kt != first->max_wind_kt) {
      return error_at_line(r->line, "this OFCL record gives another centre or wind for " + id +
                                        " at forecast hour " + std::to_string(r->tau) +
                                        " than the one on line " + std::to_string(first->line));
    }
    std::optional<QuadrantRadii>* slot = radii_slot(point.radii, r->threshold);
    if (slot != nullptr && !slot->has_value()) *slot = r->radii;
  }
  for (auto& [tau, entry] : points) storm.forecast.push_back(std::move(entry.second));
  return std::nullopt;
}

std::string kind_of(std::string_view type) {
  static const std::map<std::string_view, std::string_view> kKinds = {
      {"DB", "DISTURBANCE"},
      {"TD", "TROPICAL DEPRESSION"},
      {"TS", "TROPICAL STORM"},
      {"HU", "HURRICANE"},
      {"TY", "TYPHOON"},
      {"ST", "SUPER TYPHOON"},
      {"TC", "TROPICAL CYCLONE"},
      {"SD", "SUBTROPICAL DEPRESSION"},
      {"SS", "SUBTROPICAL STORM"},
      {"EX", "EXTRATROPICAL CYCLONE"},
      {"PT", "POST-TROPICAL CYCLONE"},
      {"LO", "LOW"},
      {"WV", "TROPICAL WAVE"},
      {"IN", "INLAND"}};
  const auto found = kKinds.find(type);
  return std::string(found == kKinds.end() ? type : found->second);
}

// The storm from the records at its latest time (all of `technique`, tau 0).
Result<Storm> storm_at(const std::vector<const Record*>& records, std::string_view technique,
                       const Times& times, const std::string& id) {
  Storm storm;
  storm.form = SourceForm::kAtcf;
  storm.id = id;
  const Record* first = nullptr;
  for (const Record* r : records) {
    if (r->technique != technique || r->tau != 0) continue;
    if (r->time == *times.latest) {
      if (first == nullptr) {
        first = r;
      } else if (!(r->centre == first->centre) || r->max_wind_kt != first->max_wind_kt) {
        return error_at_line(r->line, "this record gives another centre or wind for " + id +
                                          " at " + navigation::format_utc_time(r->time) +
                                          " than the one on line " + std::to_string(first->line));
      }
      std::optional<QuadrantRadii>* slot = radii_slot(storm.radii, r->threshold);
      if (slot != nullptr && !slot->has_value()) *slot = r->radii;
    } else if (times.before && r->time == *times.before && !storm.previous) {
      storm.previous = Fix{r->centre, r->time};
    }
  }
  storm.fix = {first->centre, first->time};
  storm.analysis_technique = std::string(technique);
  storm.kind = kind_of(first->type);
  storm.name = first->name;
  storm.max_wind_kt = first->max_wind_kt;
  storm.pressure_mb = first->pressure_mb;
  if (first->gusts_kt.value_or(0) > 0) storm.gusts_kt = first->gusts_kt;
  if (first->direction_deg && first->speed_kn.value_or(0) > 0) {
    storm.motion = {Motion::Kind::kMoving,
                    {*first->direction_deg == 360 ? 0.0 : *first->direction_deg,
                     static_cast<double>(*first->speed_kn)}};
  }
  return storm;
}

}  // namespace

bool looks_like_atcf(std::string_view line) {
  const std::vector<std::string_view> f = split_fields(line.substr(0, 64));
  return f.size() >= 4 && f[kBasin].size() == 2 && is_letter(f[kBasin][0]) &&
         is_letter(f[kBasin][1]) && digits_value(f[kNumber], 2) &&
         digits_value(f[kDateTime].substr(0, 8), 8) && f[kDateTime].size() == 10;
}

Result<Storm> read_atcf(const std::vector<TextLine>& lines, std::string_view storm_id) {
  std::vector<Record> records;
  std::map<std::string, int> first_year;  // of each basin and number: the year of its id
  for (const TextLine& line : lines) {
    if (trim(line.text).empty()) continue;
    Record record;
    record.line = line.line;
    if (auto error = read_record(line, record)) return *error;
    const auto [entry, added] = first_year.try_emplace(record.basin_number, record.year);
    if (!added && record.year < entry->second) entry->second = record.year;
    records.push_back(std::move(record));
  }
  if (records.empty()) return error_at_line(1, "expected ATCF records; there are none");

  std::vector<std::string> ids;
  ids.reserve(records.size());
  for (const Record& r : records) {
    ids.push_back(r.basin_number + std::to_string(first_year[r.basin_number]));
  }
  const Result<std::string> choice = choose_storm(ids, storm_id, "the track file");
  if (!choice.ok()) return error_at_line(records.front().line, choice.error().problem);

  std::vector<const Record*> chosen;
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (ids[i] == choice.value()) chosen.push_back(&records[i]);
  }
  // With an official forecast, the analysis is of its time: OFCL's own hour 0, else CARQ's,
  // else the best track's.
  if (const std::optional<UtcTime> issued = latest_forecast(chosen)) {
    for (const std::string_view technique : {"OFCL", "CARQ", "BEST"}) {
      const Times times = times_at(chosen, technique, *issued);
      if (!times.latest) continue;
      Result<Storm> read = storm_at(chosen, technique, times, choice.value());
      if (read.ok()) {
        if (auto error = add_forecast(chosen, *issued, choice.value(), read.value())) return *error;
      }
      return read;
    }
  }
  for (const std::string_view technique : {"BEST", "CARQ", "OFCL"}) {
    const Times times = times_of(chosen, technique);
    if (times.latest) return storm_at(chosen, technique, times, choice.value());
  }
  return error_at_line(
      chosen.front()->line,
      "expected a BEST, CARQ or OFCL record at forecast hour 0 for " + choice.value());
}

}  // namespace hurricane::advisory
