#include "hindcast/series.h"

#include <algorithm>

#include "advisory/read_advisory.h"
#include "advisory/utc_time.h"
#include "forecast/from_advisory.h"

namespace hurricane::hindcast {

Result<Series> read_series(const std::vector<AdvisoryText>& texts, const std::string& storm_id) {
  std::vector<IssuedAdvisory> series;
  std::vector<std::string> skipped;
  for (const AdvisoryText& text : texts) {
    Result<advisory::Storm> read = advisory::read_advisory(text.bytes, {.storm_id = storm_id});
    if (!read.ok()) {
      const Error& failed = read.error();
      skipped.push_back(text.name + ":" + std::to_string(failed.line) + ": " + failed.problem);
      continue;
    }
    IssuedAdvisory issued;
    issued.storm = std::move(read.value());
    issued.time = issued.storm.fix.time;
    issued.track = forecast::track_from_advisory(issued.storm);
    issued.text = text.bytes;
    series.push_back(std::move(issued));
  }
  if (series.empty()) {
    return Error{ErrorKind::kUnusable, Field::kAdvisories, "",
                 skipped.empty() ? std::string("no advisory given")
                 : skipped.size() == 1
                     ? skipped.front()
                     : "no advisory could be read; the first: " + skipped.front()};
  }
  std::stable_sort(series.begin(), series.end(), [](const auto& a, const auto& b) {
    if (a.time != b.time) return a.time < b.time;
    return a.storm.number.value_or(0) < b.storm.number.value_or(0);
  });
  std::vector<IssuedAdvisory> kept;
  for (IssuedAdvisory& issued : series) {
    if (!kept.empty() && kept.back().time == issued.time) kept.pop_back();
    kept.push_back(std::move(issued));
  }
  return Series{std::move(kept), std::move(skipped)};
}

}  // namespace hurricane::hindcast
