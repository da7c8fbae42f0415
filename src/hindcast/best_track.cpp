#include "hindcast/best_track.h"

#include <charconv>
#include <chrono>
#include <utility>
#include <vector>

namespace hurricane::hindcast {
namespace {

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
    text.remove_suffix(1);
  }
  return text;
}

std::vector<std::string_view> columns(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t start = 0;
  while (start <= line.size()) {
    const std::size_t comma = line.find(',', start);
    const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
    out.push_back(trimmed(line.substr(start, end - start)));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return out;
}

bool read_int(std::string_view text, long long& value) {
  if (text.empty()) return false;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && end == text.data() + text.size();
}

// "138N" is 13.8 degrees north, "314W" 31.4 degrees west.
bool read_tenths(std::string_view text, char positive, char negative, double limit,
                 double& degrees) {
  if (text.size() < 2) return false;
  const char hemisphere = text.back();
  long long tenths = 0;
  if ((hemisphere != positive && hemisphere != negative) ||
      !read_int(text.substr(0, text.size() - 1), tenths) || tenths < 0 ||
      static_cast<double>(tenths) > limit * 10.0) {
    return false;
  }
  degrees = static_cast<double>(tenths) / 10.0 * (hemisphere == positive ? 1.0 : -1.0);
  return true;
}

// "2003090612" as a time.
bool read_time(std::string_view text, forecast::Time& time) {
  long long stamp = 0;
  if (text.size() != 10 || !read_int(text, stamp)) return false;
  const int hour = static_cast<int>(stamp % 100);
  const std::chrono::year_month_day day{
      std::chrono::year{static_cast<int>(stamp / 1000000)},
      std::chrono::month{static_cast<unsigned>(stamp / 10000 % 100)},
      std::chrono::day{static_cast<unsigned>(stamp / 100 % 100)}};
  if (!day.ok() || hour > 23) return false;
  time = std::chrono::sys_days{day} + std::chrono::hours{hour};
  return true;
}

Error best_track_error(std::size_t line, std::string problem) {
  return Error{ErrorKind::kUnusable, Field::kBestTrack, "", std::move(problem), line};
}

}  // namespace

Result<forecast::StormTrack> read_best_track(std::string_view bytes) {
  forecast::StormTrack track;
  std::size_t number = 0;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    const std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    ++number;
    if (trimmed(line).empty()) continue;
    const std::vector<std::string_view> c = columns(line);
    if (c.size() < 9) return best_track_error(number, "not an ATCF record");
    if (c[4] != "BEST") continue;
    forecast::TrackPoint point;
    long long wind = 0;
    if (!read_time(c[2], point.time))
      return best_track_error(number, "unreadable time " + std::string(c[2]));
    if (!read_tenths(c[6], 'N', 'S', 90.0, point.centre.lat) ||
        !read_tenths(c[7], 'E', 'W', 180.0, point.centre.lon)) {
      return best_track_error(number, "unreadable position");
    }
    if (!read_int(c[8], wind) || wind < 0 || wind > 300)
      return best_track_error(number, "unreadable wind");
    if (!track.points.empty() && point.time <= track.points.back().time) continue;
    point.max_wind_kt = static_cast<int>(wind);
    forecast::QuadrantNm radii{};
    long long threshold = 0;
    if (c.size() >= 17 && read_int(c[11], threshold) && threshold == 34 && c[12] == "NEQ") {
      for (std::size_t q = 0; q < 4; ++q) {
        long long nm = 0;
        if (!read_int(c[13 + q], nm) || nm < 0 || nm > 2000)
          return best_track_error(number, "unreadable radius");
        radii[q] = static_cast<double>(nm);
      }
    }
    point.radii = {radii, forecast::QuadrantNm{}, forecast::QuadrantNm{}};  // only 34 kt is scored
    if (track.points.empty()) {
      track.basin = std::string(c[0]);
      track.storm_id = track.basin + std::string(c[1]) + std::string(c[2].substr(0, 4));
      track.season = std::stoi(std::string(c[2].substr(0, 4)));
    }
    track.points.push_back(point);
  }
  if (track.points.size() < 2) return best_track_error(0, "fewer than two times");
  return track;
}

}  // namespace hurricane::hindcast
